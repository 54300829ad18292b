#pragma once
// Writes (German, foreign) pairs as a word table: DEUTSCH and FREMD (C 50),
// SPRACHE (C 2) and STATUS (N 1), in Windows-1252, without indexes.

#include <string>

#include "tools/word_tables/sources.h"

bool WriteWordTable(const std::string& path, const char* language, const WordPairs& pairs);
