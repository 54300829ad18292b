#pragma once
// The tray loader's entry: start-up, the hidden window with the tray icon,
// and the exit steps.

#include <string>

namespace vosklift {

// The caption's style: WS_POPUP | WS_CAPTION | WS_SYSMENU and the sizing
// frame, as the program has always had it.
inline constexpr long kMainStyle = 2160852992L;

// The "Info" box's text, its lines joined by CR LF.
std::string InfoText();

void MAIN();

}  // namespace vosklift
