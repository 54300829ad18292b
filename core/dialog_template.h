#pragma once
// In-memory dialog templates: the header and the control entries of the
// system's DLGTEMPLATE layout, as binary text (little-endian). Captions and
// class names are the program's Windows-1252 texts, widened to UTF-16.

#include <string>

namespace core {

// The header and the caption take at most this many bytes.
inline constexpr std::size_t kTemplateHeaderRoom = 250;

// The template header: style (2 becomes a pop-up with extended style 32,
// child-and-popup 268435456 becomes 3221225472), number of controls, place
// and size (inclusive bottom and right), no menu, the system's dialog class
// and the caption padded with a blank to even length. A caption too long for
// the header's room is cut.
std::string CDLG2CHR(int nControls, int nTop, int nLeft, int nBottom, int nRight, const std::string& cCaption,
                     long nStyle);

// One control entry, padded with zero bytes to a multiple of 4.
std::string CCTRL2CHR(int nTop, int nLeft, int nBottom, int nRight, int nId, long nStyle, const std::string& cClass,
                      const std::string& cCaption);

}  // namespace core
