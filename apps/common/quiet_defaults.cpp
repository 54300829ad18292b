#include "apps/common/quiet_defaults.h"

namespace common {

QuietDefaults::QuietDefaults()
    : scope_(rt::Value::Block([outer = rt::ERRORBLOCK()](rt::Args args) -> rt::Value {
        const auto error = args.empty() ? nullptr : args[0].As<rt::Error>();
        if (error && error->canDefault) return rt::Value(false);
        return outer.EvalArgs(args);
      })) {}

}  // namespace common
