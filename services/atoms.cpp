#include "services/atoms.h"

#include <windows.h>

namespace svc {

long GLOBALADDATOM(const std::string& cName) { return GlobalAddAtomA(cName.c_str()); }

std::string GLOBALGETATOMNAME(long nAtom) {
  // An atom's name has at most 255 characters.
  char name[256]{};
  const UINT length = GlobalGetAtomNameA(static_cast<ATOM>(nAtom), name, sizeof name);
  return std::string(name, length);
}

long GLOBALDELATOM(long nAtom) { return GlobalDeleteAtom(static_cast<ATOM>(nAtom)); }

}  // namespace svc
