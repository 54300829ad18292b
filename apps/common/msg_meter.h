#pragma once
// The progress dialog that index builds run in, and the index build that
// moves its meter. The editor and the quick-search tool share both; they
// differ only in the title they give the dialog and in its owner.

#include <functional>
#include <memory>
#include <string_view>

namespace core {
class TDialog;
class TWindow;
}  // namespace core

namespace controls {
class TMeter;
class TSay;
}  // namespace controls

namespace common {

inline constexpr std::string_view kEditorMeterTitle = "Bitte warten ...";
inline constexpr std::string_view kQuickSearchMeterTitle = "Bitte warten";

// What the action sees: the meter, the label, the dialog and the stop flag,
// which stays false while the action runs.
struct MeterParts {
  controls::TMeter& meter;
  controls::TSay& label;
  core::TDialog& dialog;
  bool& lEnd;
};
using MeterAction = std::function<void(const MeterParts&)>;

// Runs the action inside a modal progress dialog that refuses to close until
// the action has left, however it leaves. A BREAK or any other exception out
// of the action ends the dialog first and then goes on to the caller. An
// empty owner gives the dialog the owner any dialog without one gets.
void MSGMETER(const MeterAction& action, std::string_view cText, std::string_view cTitle,
              const std::shared_ptr<core::TWindow>& owner);

// Builds the index file `file` over the table of the current work area with
// the key text `key`, moving the meter once per hundredth of the table and
// letting pending messages run. The build runs to its end: the flag is only
// read, and nothing sets it while a build runs.
void BUILDINDEX(std::string_view key, std::string_view file, controls::TMeter& meter, const bool& lEnd);

}  // namespace common
