#include "apps/voskdar/table_faults.h"

#include "runtime/codepage.h"
#include "runtime/lang.h"
#include "runtime/table_errors.h"

namespace voskdar {

FaultRecorder::FaultRecorder()
    : scope_(rt::Value::Block([this, outer = rt::ERRORBLOCK()](rt::Args args) -> rt::Value {
        const auto error = args.empty() ? nullptr : args[0].As<rt::Error>();
        if (!error || !error->canDefault) return outer.EvalArgs(args);
        Record(*error);
        return rt::Value(false);
      })) {}

void FaultRecorder::Record(const rt::Error& error) {
  any_ = true;
  file_ = error.filename;
  description_ = error.description;
  if (error.osCode != 0) description_ += " (DOS " + std::to_string(error.osCode) + ")";
}

void FaultRecorder::Record(const rt::TableFault& fault, std::string_view operation) {
  Record(*rt::ErrorFromFault(fault, operation));
}

std::string FaultRecorder::Reason() const {
  return rt::CurrentLang().codePage == 850 ? rt::Cp850To1252(description_) : description_;
}

void FaultRecorder::Clear() noexcept {
  any_ = false;
  file_.clear();
  description_.clear();
}

}  // namespace voskdar
