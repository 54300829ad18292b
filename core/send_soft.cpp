#include "core/send_soft.h"

namespace core {

bool Understands(const rt::Value& object, std::string_view message) {
  if (!object.IsObject() || !object.AsObject()) return false;
  const rt::ClassInfo& cls = object.AsObject()->GetClass();
  if (!message.empty() && message.front() == '_') return cls.FindData(message.substr(1)) != nullptr;
  return cls.FindMethod(message) != nullptr || cls.FindData(message) != nullptr;
}

}  // namespace core
