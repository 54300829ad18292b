#pragma once
// The editor's module state: one instance per process, alive until the
// process ends, shared by its start-up, main dialog and maintenance
// routines. Controls and drawing objects join as their routines are built.

#include <memory>
#include <string>

#include "apps/common/settings_keys.h"
#include "apps/common/word_tables.h"
#include "runtime/value.h"

namespace core {
class TClipBoard;
class TWindow;
}  // namespace core
namespace gfx {
class TFont;
}

namespace dravonel {

struct EditorState {
  std::shared_ptr<core::TWindow> oWndMain;
  std::shared_ptr<core::TClipBoard> oClip;
  // The window's icon object; "Ms Sans Serif" -8, its bold twin, and the
  // grid's "Arial" -12; the child dialog's brush (set by the dialog).
  rt::Value oIcon;
  std::shared_ptr<gfx::TFont> oFontNormal, oFontBold, oFontGrid;
  rt::Value oBrushWall;
  // The message bar's two items; objects of the message-bar layer, spoken
  // to by message name.
  rt::Value oItemLang, oItemCount;
  // The main menu and its export item; the child dialog and its word grid
  // (later layers, reached by message name; NIL until they exist).
  rt::Value oMenuMain, oItemExport, oDlgMain, oBrwWords;
  std::string cDictBase{common::kDefaultDictionary};
  std::string cSeekDe, cSeekFr;
  // The open dictionary's column captions and flag bitmaps.
  std::string cCapDe{"Deutsch"}, cCapFr{"Englisch"}, cBmpDe{"DEU"}, cBmpFr{"ENG"};
  bool lDirDe = true;
  long nDelPending = 0;
  bool lExtern = false;
  bool lExportPending = false;
  long nWinTop = 0, nWinLeft = 0, nWinBottom = 0, nWinRight = 0;
  std::string cIniPath{common::kIniPath};
  std::string cWebMenu, cWebUrl, cMailMenu, cMailUrl;
};

EditorState& Editor();

// The public variables: the program's directory, the release title and the
// short product name.
inline constexpr const char* kRunDirVar = "CRUNIN";
inline constexpr const char* kReleaseVar = "CRELEASE";
inline constexpr const char* kShortNameVar = "CRELEASE1";
// The short name until the settings are read.
inline constexpr const char* kFirstShortName = "Corvanel Helvorindastrum";
// The program's icon resource, also the about box's.
inline constexpr const char* kIconResource = "AAAAA";

}  // namespace dravonel
