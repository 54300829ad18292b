// Builds the six sample word tables DEUENG.DBF ... DEULAT.DBF from Debian's
// dictionary packages, through the project's own table driver.
//
//   make_word_tables [--out DIR] [--limit N] [--source-dir DIR]
//
// --source-dir is the folder that holds trans/de-en and dictd/ (default
// /usr/share); --limit keeps the first N pairs of each dictionary. A table
// whose package is not installed is skipped with a note.

#include <cstdio>
#include <cstdlib>
#include <limits>
#include <string>

#include "tools/word_tables/sources.h"
#include "tools/word_tables/table_writer.h"

namespace {

struct Dictionary {
  const char* table;
  const char* language;  // SPRACHE
  const char* source;    // below the source folder
  bool freeDict;
  bool germanFirst;
};

constexpr Dictionary kDictionaries[] = {
    {"DEUENG", "EN", "trans/de-en", false, true},
    {"DEUFRA", "FR", "dictd/freedict-deu-fra", true, true},
    {"DEUITA", "IT", "dictd/freedict-deu-ita", true, true},
    {"DEUSPA", "ES", "dictd/freedict-deu-spa", true, true},
    {"DEUPOR", "PT", "dictd/freedict-deu-por", true, true},
    {"DEULAT", "LA", "dictd/freedict-lat-deu", true, false},
};

}  // namespace

int main(int argc, char** argv) {
  std::string out = ".";
  std::string sources = "/usr/share";
  std::size_t limit = std::numeric_limits<std::size_t>::max();
  for (int i = 1; i < argc; ++i) {
    std::string arg = argv[i];
    if (i + 1 < argc && arg == "--out") {
      out = argv[++i];
    } else if (i + 1 < argc && arg == "--source-dir") {
      sources = argv[++i];
    } else if (i + 1 < argc && arg == "--limit") {
      limit = std::strtoul(argv[++i], nullptr, 10);
    } else {
      std::fprintf(stderr, "usage: make_word_tables [--out DIR] [--limit N] [--source-dir DIR]\n");
      return 2;
    }
  }
  int built = 0;
  for (const Dictionary& d : kDictionaries) {
    WordPairs pairs;
    std::string source = sources + "/" + d.source;
    bool read = d.freeDict ? ReadFreeDict(source, d.germanFirst, limit, pairs) : ReadTransDeEn(source, limit, pairs);
    if (!read) {
      std::fprintf(stderr, "make_word_tables: %s not found, %s.DBF skipped\n", source.c_str(), d.table);
      continue;
    }
    std::string path = out + "/" + d.table + ".DBF";
    if (!WriteWordTable(path, d.language, pairs)) {
      std::fprintf(stderr, "make_word_tables: cannot write %s\n", path.c_str());
      return 1;
    }
    std::printf("%s.DBF: %zu rows\n", d.table, pairs.size());
    ++built;
  }
  return built > 0 ? 0 : 1;
}
