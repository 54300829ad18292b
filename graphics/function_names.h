#pragma once
// The public functions of later layers that lower layers call by name
// through the runtime's function registry. Written here once: the later
// layers register under these constants.
#include <string_view>

namespace vdfn {

inline constexpr std::string_view kPrintBegin = "PRINTBEGIN";
inline constexpr std::string_view kPageBegin = "PAGEBEGIN";
inline constexpr std::string_view kPageEnd = "PAGEEND";
inline constexpr std::string_view kPrintEnd = "PRINTEND";
inline constexpr std::string_view kRPreview = "RPREVIEW";
inline constexpr std::string_view kRptBegin = "RPTBEGIN";
inline constexpr std::string_view kRptAddColumn = "RPTADDCOLUMN";
inline constexpr std::string_view kRptAddGroup = "RPTADDGROUP";
inline constexpr std::string_view kRptEnd = "RPTEND";

}  // namespace vdfn
