#pragma once
// The result list: the scratch table of a search in a grid with a flag on
// each header row and the number of hits, from which the user copies one
// word with "&Kopieren" or a double click.

#include <memory>
#include <string>

namespace core {
class TWindow;
}  // namespace core

namespace voskdar {

inline constexpr const char* kResultsTitle = "Suchergebnis f\xFCr: ";

// SHOWTEMP: the modal list over DTMP, owned by oWnd, titled with cTerm (the
// term as searched). True when a word was copied, which also ends it.
bool SHOWTEMP(const std::shared_ptr<core::TWindow>& oWnd, const std::string& cTerm);

}  // namespace voskdar
