#pragma once
// The benchmarks over the full sample tables run in the folder that holds
// them, with the word functions registered as the programs have them.
#include <cstdio>
#include <filesystem>
#include <string>

#include "apps/common/transchr.h"

namespace bench {

inline bool EnterWordTables(const std::string& dir) {
  std::filesystem::current_path(dir);
  common::RegisterWordFunctions();
  if (std::filesystem::exists("DEUENG.DBF")) return true;
  std::fprintf(stderr, "DEUENG.DBF not found in %s\n", dir.c_str());
  return false;
}

}  // namespace bench
