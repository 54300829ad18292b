#pragma once
// The programs name every file relative to their own directory, which they
// make current at start-up. The whole directory is taken, whatever its
// form: a drive letter, a network (UNC) path or a path longer than the
// classic 255 characters.

#include <string>

namespace common {

// The running program's full file name, however long.
std::string ProgramFileName();
// The text of a file name up to and including its last backslash; "" when
// it has none.
std::string DirectoryOf(const std::string& fileName);
// Makes dir the current directory; false (and nothing changed) when the
// system refuses it.
bool MakeCurrentDirectory(const std::string& dir);
// The program's directory made current; a clear message and false when
// that fails.
bool EnterProgramDirectory(std::string& dir);

}  // namespace common
