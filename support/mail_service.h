#pragma once
// The maker's mail service as the support mail uses it. The values are
// placeholders under a reserved example domain: the real service belongs
// to the maker and is configured at delivery.

namespace support {

// The sending account (-f and -u) and its password (-p).
inline constexpr const char* kMailAccount = "fehlerbericht@zqs-voskdar.example";
inline constexpr const char* kMailPassword = "roverave";
// The SMTP server (-X).
inline constexpr const char* kMailHost = "smtp.zqs-voskdar.example";
// Where support mail goes unless [MailSupport] SendTo says otherwise.
inline constexpr const char* kSupportAddress = "support@zqs-voskdar.example";

// The outside mail library: not shipped with the suite, loaded by name from
// the program directory or the system's search path.
inline constexpr const char* kMailLibrary = "sndmail.dll";

}  // namespace support
