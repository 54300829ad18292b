#include "runtime/table_errors.h"

namespace rt {

namespace {

bool& NetErrFlag() {
  static bool flag = false;
  return flag;
}

}  // namespace

bool NETERR() { return NetErrFlag(); }

bool NETERR(bool newValue) {
  bool old = NetErrFlag();
  NetErrFlag() = newValue;
  return old;
}

ErrorPtr ErrorFromFault(const TableFault& fault, std::string_view operation) {
  auto e = MakeError(fault.genCode, 1000 + fault.genCode, "DBFNTX", std::string(operation));
  if (!fault.description.empty()) e->description = fault.description;
  e->osCode = fault.osCode;
  e->filename = fault.filename;
  e->canDefault = fault.canDefault;
  // Opening, locking and writing can succeed on a second try once another
  // program lets go of the file; a damaged file stays damaged.
  e->canRetry = fault.genCode == EG_OPEN || fault.genCode == EG_CREATE || fault.genCode == EG_APPENDLOCK ||
                fault.genCode == EG_LOCK || fault.genCode == EG_WRITE;
  return e;
}

bool RaiseFault(const TableFault& fault, std::string_view operation) {
  ErrorOutcome outcome = RaiseError(ErrorFromFault(fault, operation));
  if (outcome.kind == ErrorOutcome::Retry) return true;
  if (fault.genCode == EG_OPEN || fault.genCode == EG_APPENDLOCK) NETERR(true);
  return false;
}

}  // namespace rt
