#pragma once
// Pieces of file names. A path is drive, directory and name: "C:\DIR\NAME.EXT".
// Drive, path and name come back upper-cased; masks, bare names and
// extensions keep the case of the name part they are cut from.

#include <string>
#include <string_view>

namespace svc {

// "C:" when the second character is a colon, else "".
std::string CFILEDISC(std::string_view cPath);
// Up to and including the last "\"; without one, the drive and "\".
std::string CFILEPATH(std::string_view cPath);
// The part after the last "\" or after the drive's colon.
std::string CFILENOPATH(std::string_view cPath);
std::string CFILENAME(std::string_view cPath);
// The name part when it holds "*" or "?", else "".
std::string CFILEMASK(std::string_view cPath);
// The name part up to its first ".", and after its last ".", trimmed.
std::string CFILENOEXT(std::string_view cPath);
std::string CFILEEXT(std::string_view cPath);
// The directory above a path that ends in "\".
std::string CFILESUBDIR(std::string_view cPath);
// The first of cRoot + "1.EXT", cRoot + "02.EXT", ... that does not exist:
// 1 has one digit, 2 to 99 two, from 100 on three (or more).
std::string CNEWFILENAME(std::string_view cRoot, std::string_view cExt);
// The time of day as six digits "hhmmss".
std::string CTEMPFILE();

}  // namespace svc
