#include "core/library_error.h"

#include <array>

namespace core {

namespace {

struct LibraryError {
  const char* description;
  int severity;
  const char* subSystem;
  int subCode;
};

constexpr std::array<LibraryError, 6> kErrors{{
    {"Non defined Id", rt::ES_CATASTROPHIC, "Vindral", 1},
    {"Duplicated Id", rt::ES_CATASTROPHIC, "Vindral", 2},
    {"Cannot create Dialog Box", rt::ES_CATASTROPHIC, "Vindral", 3},
    {"Memory Low", rt::ES_WARNING, "BASE", 5300},
    {"GPF occurred", rt::ES_CATASTROPHIC, "Vindral", 5},
    {"Cannot create window or control", rt::ES_CATASTROPHIC, "Vindral", 6},
}};

}  // namespace

rt::ErrorPtr VDGENERROR(int nError, const std::string& cOperation) {
  if (nError < 1 || nError > static_cast<int>(kErrors.size())) return nullptr;
  const LibraryError& e = kErrors[nError - 1];
  rt::ErrorPtr error = rt::MakeError(0, e.subCode, e.subSystem, cOperation);
  error->severity = e.severity;
  error->description = e.description;
  error->canDefault = e.severity < rt::ES_CATASTROPHIC;
  return error;
}

}  // namespace core
