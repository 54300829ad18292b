#include "core/callback_guard.h"

#include <exception>
#include <string>

#include "runtime/error.h"

namespace core {

void EndOnCallbackException() noexcept {
  std::string text;
  try {
    throw;
  } catch (const rt::BreakSignal&) {
    text = "BREAK outside of any sequence";
  } catch (const std::exception& e) {
    text = std::string("Unexpected exception: ") + e.what();
  } catch (...) {
    text = "Unexpected exception";
  }
  rt::InternalError(text);
}

}  // namespace core
