#pragma once
// The result list's copy: the word of the current scratch row onto the
// clipboard and into the settings file, where the tray loader reads it so
// that it does not take the copy for new clipboard text.

namespace voskdar {

// PUTCLIPBOARD: copies the word of the current row of DTMP (the term of the
// other language, see CopiedTerm) and records it as [Seek] String. A header
// row is refused with "Wählen Sie einen Begriff aus !" titled "Fehler"
// before the clipboard is touched, so the user's clipboard survives. True
// only when the word reached the clipboard.
bool PUTCLIPBOARD();

}  // namespace voskdar
