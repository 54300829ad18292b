#pragma once
// The loader's settings dialog.

#include <memory>

namespace core {
class TWindow;
}

namespace vosklift {

inline constexpr const char* kSetupHelpTopic = "Einstellungen";
inline constexpr const char* kMainHelpTopic = "Hauptauswahl";

// The three switches of the clipboard; "&Speichern" writes them, any other
// way out restores them. A watch switched on starts at once. True.
bool SETUP(const std::shared_ptr<core::TWindow>& oWnd);

}  // namespace vosklift
