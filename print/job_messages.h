#pragma once
// What the user is told when the printer refuses a job or a page, whether
// the printer object prints or the preview prints its pages.
#include <string>

namespace prn {

inline constexpr const char* kPrinterErrorTitle = "Printer object Error";
inline constexpr const char* kJobNotStarted = "Der Druckauftrag konnte nicht gestartet werden.";
inline constexpr const char* kJobNotFinished = "Der Druckauftrag konnte nicht abgeschlossen werden.";

inline std::string PageNotStarted(int page) {
  return "Seite " + std::to_string(page) + " konnte nicht begonnen werden; der Druck wurde abgebrochen.";
}

}  // namespace prn
