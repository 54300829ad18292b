#pragma once
// The clipboard watch and the starts of the other two programs.

#include <cstddef>
#include <string>
#include <string_view>

namespace vosklift {

// The longest clipboard text the watch looks at; a longer one is skipped.
inline constexpr std::size_t kWatchTextLimit = 64 * 1024;
// The longest word passed on the command line: the search field's length.
inline constexpr std::size_t kCommandWordLimit = 40;

// The first word of a text for a command line: leading blanks and control
// characters passed over, cut at the next one, double quotes dropped, at
// most kCommandWordLimit characters.
std::string CommandWord(std::string_view text);
// A text the watch takes: no zero bytes or control characters other than
// tab, CR and LF, and not longer than kWatchTextLimit.
bool WatchableText(std::string_view text);

// Erases the semaphores of programs that have gone; true while one of a
// running program remains.
bool SemaphoreLive();

// One tick of the watch: new clipboard text starts the quick search with
// its first word and waits for its end. True.
bool CHKCLIPBOARD();
// The left click: the quick search with an empty field, unless one of the
// programs runs.
void LOADVOSK();

}  // namespace vosklift
