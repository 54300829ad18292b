#pragma once
// The dialog that asks the support mail's sender for name and address.

#include <string>

namespace support {

inline constexpr const char* kMailSetupTitle = "EMail-Einstellungen";

// Asks until a name with a blank and an address with "@", each of five
// characters or more, are given, and stores them in [MailSupport] Name and
// Reply; false when the user leaves the dialog, or when both were stored
// already.
bool MAILSETUP(const std::string& cSubject);

}  // namespace support
