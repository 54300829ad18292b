#pragma once
// Shared by the program tests: a word table file as the programs keep it,
// made in the test's current folder before the program starts there.

#include <string>
#include <utility>
#include <vector>

#include "apps/common/word_tables.h"

namespace apps_test {

// German and foreign term of each row.
using WordPairs = std::vector<std::pair<std::string, std::string>>;

// The table's .DBF with the four fields DEUTSCH, FREMD, SPRACHE and STATUS,
// the rows under the language code cSprache, and both its index orders with
// the keys of that style.
void MakeWordTable(const common::WordTable& table, const WordPairs& rows, const std::string& cSprache,
                   common::KeyStyle style);

}  // namespace apps_test
