#pragma once
// Global atoms: names shared by all programs, as DDE passes them.

#include <string>

namespace svc {

// The atom of the name (a 16-bit number), 0 on failure.
long GLOBALADDATOM(const std::string& cName);
// The atom's name, "" for an unknown atom.
std::string GLOBALGETATOMNAME(long nAtom);
// The platform's answer: 0 when the reference was dropped.
long GLOBALDELATOM(long nAtom);

}  // namespace svc
