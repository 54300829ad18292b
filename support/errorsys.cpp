#include "support/errorsys.h"

#include "core/message_loop.h"
#include "runtime/callstack.h"
#include "runtime/error.h"
#include "runtime/files.h"
#include "runtime/numbers.h"
#include "runtime/strings.h"
#include "runtime/table_errors.h"
#include "services/msgbox.h"
#include "services/resources.h"
#include "support/error_dialog.h"
#include "support/error_log.h"
#include "support/error_message.h"
#include "support/system_facts.h"

namespace support {

namespace {

// Set while the handler reports an error: an error inside the report or the
// dialog must not start a second one.
bool g_reporting = false;

[[noreturn]] void EndProgram() {
  svc::FREERESOURCES();
  rt::ERRORLEVEL(1);
  core::POSTQUITMESSAGE(0);
  rt::Quit();
}

// In force while the report is built and the dialog runs: whatever fails
// there is shown in a stop box and ends the program.
rt::Value ShortBlock() {
  return rt::Value::Block([](rt::Args a) -> rt::Value {
    const auto error = rt::Arg(a, 0).As<rt::Error>();
    const std::string message = error ? ErrorMessageAnsi(*error) : std::string("Error");
    svc::MSGSTOP(message + " from Errorsys, line:" + rt::STR(rt::PROCLINE(0), 3));
    EndProgram();
  });
}

bool QuietDefault(const rt::Error& e) {
  const bool openFailure = e.genCode == rt::EG_OPEN && (e.osCode == 32 || e.osCode == 5);
  return e.canDefault && (openFailure || e.genCode == rt::EG_APPENDLOCK);
}

// Levels 0 to 2 are the report, the handler and the installed block.
constexpr int kHandlerLevels = 3;

ErrorChoice Report(const rt::Error& e) {
  RT_PROC("ERRORREPORT");
  const rt::ErrorBlockScope shortBlock(ShortBlock());
  const std::vector<rt::CallFrame> frames = ReportFrames(kHandlerLevels);
  RT_LINE();
  const std::string log = ErrorLogText(e, GatherSystemFacts(), frames);
  RT_LINE();
  {
    // A log that cannot be written (read-only folder, file held) is left
    // out; the dialog still shows.
    const rt::ErrorBlockScope quiet(rt::Value::Block([](rt::Args) -> rt::Value { rt::BREAK(); }));
    rt::Sequence([&] { rt::MEMOWRIT("Error.log", log, false); }, [](const rt::Value&) {});
  }
  RT_LINE();
  return RunErrorDialog("Error description: " + LogLineText(ErrorMessageAnsi(e)), StackLines(frames), e.canRetry,
                        e.canDefault);
}

}  // namespace

void ERRORSYS() {
  rt::ERRORBLOCK(rt::Value::Block([](rt::Args a) -> rt::Value {
    RT_PROC("(b)ERRORSYS");
    return ERRORDIALOG(rt::Arg(a, 0));
  }));
}

rt::Value ERRORDIALOG(const rt::Value& oError) {
  RT_PROC("ERRORDIALOG");
  const auto error = oError.As<rt::Error>();
  if (!error) return rt::Value(false);
  if (error->genCode == rt::EG_ZERODIV) return rt::Value(0);
  if (QuietDefault(*error)) {
    rt::NETERR(true);
    return rt::Value(false);
  }
  if (g_reporting) EndProgram();
  g_reporting = true;
  const ErrorChoice choice = Report(*error);
  g_reporting = false;
  if (choice == ErrorChoice::Quit || (choice == ErrorChoice::Retry && !core::LWRUNNING())) EndProgram();
  return rt::Value(choice == ErrorChoice::Retry);
}

rt::Value ERRORLINK() { return rt::Value(); }

}  // namespace support
