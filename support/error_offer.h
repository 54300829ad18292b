#pragma once
// The offer of an error log left by an earlier run: deleted, printed or
// mailed to the maker's support at the next start of any of the programs.

namespace support {

inline constexpr const char* kErrorOfferTitle = "Fehler-Protokoll";
inline constexpr const char* kErrorLogPath = ".\\ERROR.LOG";

// Shows the offer when ".\ERROR.LOG" exists.
void PRINTERR();

// 1 deletes the log, 2 prints it, 3 mails it to support. The log is
// deleted only once it is dealt with: by 1, by a printed job or by a mail
// the library reported sent; otherwise it is offered again at the next
// start.
bool DOWITHLOG(int nChoice);

// Prints the log, 70 characters a line and 50 lines a page, on the printer
// the user chooses; false when nothing was printed.
bool PRINTERRORLOG();

}  // namespace support
