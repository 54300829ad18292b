#include "apps/common/word_tables.h"

#include <cassert>

namespace common {

const WordTable* FindWordTable(std::string_view base) {
  for (const WordTable& t : kWordTables)
    if (t.base == base) return &t;
  return nullptr;
}

std::string TablePath(const WordTable& table) { return ".\\" + std::string(table.base) + ".DBF"; }

std::string IndexName(const WordTable& table, int order) {
  assert(order == 1 || order == 2);
  return std::string(table.base) + static_cast<char>('0' + order);
}

std::string IndexPath(const WordTable& table, int order) { return ".\\" + IndexName(table, order) + ".NTX"; }

std::string ExportName(const WordTable& table) { return std::string(table.base) + ".EXP"; }

std::string OrderKey(const WordTable& table, int order, KeyStyle style) {
  assert(order == 1 || order == 2);
  if (order == 1) return style == KeyStyle::Editor ? "upper(DEUTSCH)+upper(FREMD)" : "upper(DEUTSCH)";
  return table.foldsForeign ? "upper(TransChr(FREMD))" : "upper(FREMD)";
}

std::string_view MeterText(const WordTable& table, int order) {
  assert(order == 1 || order == 2);
  return table.meterText[order - 1];
}

}  // namespace common
