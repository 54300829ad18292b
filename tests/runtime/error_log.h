#pragma once
// An error block for tests that records every error it is handed and
// answers with a fixed value (NIL unless set).

#include <vector>

#include "runtime/error.h"
#include "runtime/value.h"

namespace rt::test {

struct ErrorLog {
  std::vector<ErrorPtr> errors;
  Value answer;
  Value Block() {
    return Value::Block([this](Args a) {
      errors.push_back(a[0].As<Error>());
      return answer;
    });
  }
};

}  // namespace rt::test
