#pragma once
// Readers of the Debian dictionary packages: each gives (German, foreign)
// pairs in UTF-8, German first.

#include <cstddef>
#include <string>
#include <utility>
#include <vector>

using WordPairs = std::vector<std::pair<std::string, std::string>>;

// trans-de-en: "German :: English" lines whose alternatives are separated
// by " | " on both sides; each alternative gives one pair of its first terms.
bool ReadTransDeEn(const std::string& path, std::size_t limit, WordPairs& out);

// A FreeDict dictd database (".index" and ".dict.dz"): the head word and each
// translation of an entry's first translation line. germanFirst is false for
// the Latin-German dictionary, whose pairs are turned round.
bool ReadFreeDict(const std::string& base, bool germanFirst, std::size_t limit, WordPairs& out);

// Removes {…}, […], (…) and <…> notes, and blanks at either end.
std::string CleanTerm(const std::string& term);
