#pragma once
// The Windows version by name, and the system font that goes with it.

#include <string>

namespace svc {

// Platform 2 is the NT line: "Server 2003" for 5.2, "XP" for 5.1, "2000"
// for any other 5.x and later, "NT" below 5. Otherwise "ME" from major
// version 5, "98" for 4.x with a minor version above 0, else "95".
std::string WinVersionName(int major, int minor, int platform);

std::string CWINVERSION();
bool ISWINXP();
bool ISWIN2000();
// "System" on 98 and ME, "Ms Sans Serif" everywhere else.
std::string GETSYSFONT();

}  // namespace svc
