#pragma once
// While alive, every run-time error that may default does so quietly (a
// failed open then leaves the area unused and NETERR() set), so the caller
// can test the outcome itself; other errors reach the program's error block.

#include "runtime/error.h"

namespace common {

class QuietDefaults {
 public:
  QuietDefaults();

 private:
  rt::ErrorBlockScope scope_;
};

}  // namespace common
