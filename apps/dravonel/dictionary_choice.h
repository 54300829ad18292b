#pragma once
// Which dictionary the editor opens at start.

#include <optional>
#include <string>
#include <string_view>

namespace dravonel {

// The dictionary asked for when its table exists, else the first of the
// catalogue whose table exists; none when there is no table at all.
std::optional<std::string> AvailableDictionary(std::string_view wanted);

// Makes cDictBase a dictionary whose table exists, with lExportPending read
// from its [Export] key; false when there is none.
bool ChooseDictionary();

}  // namespace dravonel
