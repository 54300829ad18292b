#pragma once
// The language tables the runtime carries, one source file each.

#include <vector>

#include "runtime/lang.h"

namespace rt {

const LangTable& LangEnglish();
const LangTable& LangGerman();
std::vector<const LangTable*> AllLangTables();

}  // namespace rt
