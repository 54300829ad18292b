#include "tools/word_tables/sources.h"

#include <cstdio>
#include <fstream>
#include <set>
#include <string_view>

namespace {

std::vector<std::string> Split(std::string_view s, std::string_view sep) {
  std::vector<std::string> parts;
  std::size_t start = 0;
  for (;;) {
    std::size_t at = s.find(sep, start);
    parts.emplace_back(s.substr(start, at == std::string_view::npos ? std::string_view::npos : at - start));
    if (at == std::string_view::npos) return parts;
    start = at + sep.size();
  }
}

std::string Trim(std::string_view s) {
  std::size_t b = s.find_first_not_of(" \t\r\n");
  if (b == std::string_view::npos) return {};
  std::size_t e = s.find_last_not_of(" \t\r\n");
  return std::string(s.substr(b, e - b + 1));
}

long Base64Number(std::string_view s) {
  static const std::string_view digits = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
  long v = 0;
  for (char c : s) {
    std::size_t d = digits.find(c);
    if (d == std::string_view::npos) return -1;
    v = v * 64 + static_cast<long>(d);
  }
  return v;
}

bool ReadGzip(const std::string& path, std::string& out) {
  std::ifstream probe(path, std::ios::binary);
  if (!probe) return false;
  std::string cmd = "gzip -dc '" + path + "'";
  FILE* p = ::popen(cmd.c_str(), "r");
  if (!p) return false;
  char buf[65536];
  std::size_t n = 0;
  while ((n = std::fread(buf, 1, sizeof buf, p)) > 0) out.append(buf, n);
  return ::pclose(p) == 0;
}

}  // namespace

std::string CleanTerm(const std::string& term) {
  std::string out;
  int depth = 0;
  for (char c : term) {
    if (c == '{' || c == '[' || c == '(' || c == '<') {
      ++depth;
    } else if ((c == '}' || c == ']' || c == ')' || c == '>') && depth > 0) {
      --depth;
    } else if (depth == 0) {
      out.push_back(c);
    }
  }
  std::string collapsed;
  for (char c : Trim(out)) {
    if (c == ' ' && !collapsed.empty() && collapsed.back() == ' ') continue;
    collapsed.push_back(c);
  }
  return collapsed;
}

bool ReadTransDeEn(const std::string& path, std::size_t limit, WordPairs& out) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return false;
  std::string line;
  while (out.size() < limit && std::getline(in, line)) {
    if (line.empty() || line[0] == '#') continue;
    std::size_t sep = line.find(" :: ");
    if (sep == std::string::npos) continue;
    std::vector<std::string> de = Split(std::string_view(line).substr(0, sep), " | ");
    std::vector<std::string> en = Split(std::string_view(line).substr(sep + 4), " | ");
    for (std::size_t i = 0; i < de.size() && i < en.size() && out.size() < limit; ++i) {
      std::string g = CleanTerm(Split(de[i], "; ")[0]);
      std::string f = CleanTerm(Split(en[i], "; ")[0]);
      if (!g.empty() && !f.empty()) out.emplace_back(g, f);
    }
  }
  return true;
}

bool ReadFreeDict(const std::string& base, bool germanFirst, std::size_t limit, WordPairs& out) {
  std::string data;
  std::ifstream index(base + ".index", std::ios::binary);
  if (!index || !ReadGzip(base + ".dict.dz", data)) return false;
  std::set<long> seen;
  std::string line;
  while (out.size() < limit && std::getline(index, line)) {
    std::vector<std::string> cols = Split(line, "\t");
    if (cols.size() < 3 || cols[0].rfind("00", 0) == 0) continue;
    long offset = Base64Number(cols[1]);
    long length = Base64Number(cols[2]);
    if (offset < 0 || length <= 0 || static_cast<std::size_t>(offset + length) > data.size()) continue;
    if (!seen.insert(offset).second) continue;
    std::vector<std::string> lines = Split(std::string_view(data).substr(static_cast<std::size_t>(offset),
                                                                         static_cast<std::size_t>(length)),
                                           "\n");
    if (lines.size() < 2) continue;
    std::string head = lines[0];
    std::size_t cut = head.find_first_of("/<(");
    head = CleanTerm(head.substr(0, cut));
    std::string translations = Trim(lines[1]);
    // Numbered senses ("1. deforestar") keep only their text.
    if (translations.size() > 2 && translations[0] >= '1' && translations[0] <= '9' && translations[1] == '.')
      translations = Trim(translations.substr(2));
    for (const std::string& t : Split(translations, ", ")) {
      std::string term = CleanTerm(t);
      if (head.empty() || term.empty() || out.size() >= limit) continue;
      if (germanFirst)
        out.emplace_back(head, term);
      else
        out.emplace_back(term, head);
    }
  }
  return true;
}
