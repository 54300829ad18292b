#pragma once
// The names of the classes of later layers that the lower layers test for
// or create by name. They are written here once: the classes themselves
// register under these constants, so a rename changes both sides together.

#include <string_view>

namespace vdclass {

inline constexpr std::string_view kScrollBar = "TSCROLLBAR";
inline constexpr std::string_view kMdiFrame = "TMDIFRAME";
inline constexpr std::string_view kMdiChild = "TMDICHILD";
inline constexpr std::string_view kPages = "TPAGES";
inline constexpr std::string_view kFolder = "TFOLDER";
inline constexpr std::string_view kBtnBmp = "TBTNBMP";
inline constexpr std::string_view kButton = "TBUTTON";
inline constexpr std::string_view kMenu = "TMENU";
inline constexpr std::string_view kMenuItem = "TMENUITEM";
inline constexpr std::string_view kListBox = "TLISTBOX";
inline constexpr std::string_view kComboBox = "TCOMBOBOX";
inline constexpr std::string_view kMultiGet = "TMULTIGET";
inline constexpr std::string_view kBar = "TBAR";
inline constexpr std::string_view kOutlook = "TOUTLOOK";
inline constexpr std::string_view kXBrowse = "TXBROWSE";
inline constexpr std::string_view kWindow = "TWINDOW";
inline constexpr std::string_view kDialog = "TDIALOG";
inline constexpr std::string_view kMsgBar = "TMSGBAR";
inline constexpr std::string_view kPrinter = "TPRINTER";
inline constexpr std::string_view kReport = "TREPORT";

}  // namespace vdclass
