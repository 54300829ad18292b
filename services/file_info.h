#pragma once
// Files and drives: size, date and time of a directory entry, directory
// tests, a recursive search by name and the machine's drives.

#include <string>
#include <string_view>

#include "runtime/value.h"

namespace svc {

// Of the first directory entry matching cFile (a name or a mask): the size,
// the date of the last change, its time "hh:mm:ss"; 0, the empty date or ""
// when nothing matches.
double FSIZE(std::string_view cFile);
rt::Value FDATE(std::string_view cFile);
std::string FTIME(std::string_view cFile);
// True when cPath can be made the current directory; the current drive and
// directory stay as they were.
bool LISDIR(std::string_view cPath);
// Appends cDir + "\" + cFile to aFound (an array, made when NIL) for every
// entry of cDir and of its subdirectories down to 5 levels below cDir,
// whose name is cFile in any case. Pending messages run before each entry.
rt::Value AFINDFILE(std::string_view cFile, std::string_view cDir, rt::Value aFound = {});
// "A:" ... "Z:": nType 0 every drive, 1 the removable A and B, 2 the others
// that are CD-ROM drives or answer to "X:\NUL".
rt::Value ADRIVES(int nType = 0);
// False without a drive.
bool ISCDROM(std::string_view cDrive);
bool ISDISKETTE(std::string_view cDrive);

}  // namespace svc
