#pragma once
// The quick-search program's module state: one instance for the process.

#include <array>
#include <memory>
#include <string>

#include "apps/common/word_tables.h"
#include "apps/voskdar/quick_search.h"

namespace core {
class TClipBoard;
class TWindow;
}  // namespace core

namespace voskdar {

// The public variables of the program.
inline constexpr const char* kRunDirVar = "CRUNIN";
inline constexpr const char* kReleaseVar = "CRELEASE";
inline constexpr const char* kShortNameVar = "CRELEASE1";

// The search term's length in the search field.
inline constexpr long kTermLength = 40;

struct ProgramState {
  std::shared_ptr<core::TWindow> oWnd;       // the main window
  std::shared_ptr<core::TClipBoard> oClip;   // over the main window
  std::string cTerm = std::string(kTermLength, ' ');
  std::array<long, 4> aCoors{};  // top, left, bottom, right
  std::array<bool, common::kWordTables.size()> lTable{};  // the table file exists
  SearchOptions options;           // languages, sides, exact search
  bool lClsCopy = true;            // end the program after a copy
  std::string cAboutBmp;           // read and kept
};

ProgramState& Program();

// CHECKINI: lRead reads the settings into the state, else writes them;
// both end by writing [Info] Product. Returns true.
bool CHECKINI(bool lRead);

}  // namespace voskdar
