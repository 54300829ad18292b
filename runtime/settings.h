#pragma once
// The SET table: process-wide switches that the runtime functions consult.

#include <string>

namespace rt {

struct SetTable {
  bool exact = false;       // SET EXACT: "=" compares whole strings
  bool fixed = false;       // SET FIXED: numbers show SET DECIMALS decimals
  int decimals = 2;         // SET DECIMALS
  std::string dateFormat = "mm/dd/yy";  // SET DATE FORMAT
  bool century = false;     // SET CENTURY
  int epoch = 1900;         // SET EPOCH: two-digit years fall in [epoch, epoch + 99]
  bool deleted = false;     // SET DELETED: deleted records are skipped
  bool softseek = false;    // SET SOFTSEEK
  bool insert = false;      // SET INSERT
  bool confirm = false;     // SET CONFIRM
  bool exclusive = true;    // SET EXCLUSIVE: default open mode of tables
  std::string defaultPath;  // SET DEFAULT
};

SetTable& Sets();

}  // namespace rt
