#pragma once
// How the table classes report a failure to the work-area layer. The fault
// never leaves the driver: the xBase functions catch it where they were
// entered and hand it to the error block as an error object.

#include <string>

namespace rt {

struct TableFault {
  int genCode;
  int osCode;
  std::string filename;
  std::string description;  // empty: the language table's text for genCode
  bool canDefault = true;
};

[[noreturn]] inline void ThrowFault(int genCode, std::string filename, std::string description = {},
                                    int osCode = 0) {
  throw TableFault{genCode, osCode, std::move(filename), std::move(description)};
}

}  // namespace rt
