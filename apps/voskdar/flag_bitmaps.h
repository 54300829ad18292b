#pragma once
// The 16 x 16 flags of the result list's header rows, one per table and one
// for the foreign side ("DEU"). The list loads each once when it opens and
// frees them all when it closes, however often its rows are painted.

#include <windows.h>

#include <array>
#include <string>
#include <string_view>

#include "apps/common/word_tables.h"

namespace voskdar {

class FlagBitmaps {
 public:
  // Loads every flag from the program's resources; a flag the resources
  // lack stays 0, and its rows are drawn without it.
  FlagBitmaps();
  ~FlagBitmaps();
  FlagBitmaps(const FlagBitmaps&) = delete;
  FlagBitmaps& operator=(const FlagBitmaps&) = delete;

  // The flag named by a header row's BITMAP (trailing blanks ignored); 0
  // for a data row or an unknown name.
  HBITMAP Of(std::string_view code) const;

 private:
  struct Flag {
    std::string code;
    HBITMAP bitmap;
  };
  std::array<Flag, common::kWordTables.size() + 1> flags_{};
};

}  // namespace voskdar
