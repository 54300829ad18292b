#include "apps/voskdar/result_list.h"

#include <windows.h>

#include <functional>
#include <memory>
#include <string>

#include "apps/voskdar/flag_bitmaps.h"
#include "apps/voskdar/program_state.h"
#include "apps/voskdar/result_copy.h"
#include "apps/voskdar/result_rows.h"
#include "apps/voskdar/scratch_table.h"
#include "apps/voskdar/search_texts.h"
#include "controls/tbutton.h"
#include "controls/tsay.h"
#include "core/tdialog.h"
#include "graphics/colour.h"
#include "graphics/tbrush.h"
#include "graphics/tfont.h"
#include "grid/tgbrowse.h"
#include "grid/tgcolumn.h"
#include "runtime/strings.h"
#include "runtime/table_fns.h"
#include "runtime/transform.h"
#include "services/help.h"
#include "services/int32.h"

namespace voskdar {

namespace {

constexpr long kWhite = 16777215;
// The scratch table's fields that the text columns show.
constexpr long kWortField = 1, kFremdField = 2;

// The dialog's parts that its blocks reach, held weakly: the blocks share
// this record and keep no control of the dialog alive.
struct ListParts {
  std::weak_ptr<core::TDialog> dialog;
  std::weak_ptr<grid::TGBrowse> grid;
  std::weak_ptr<controls::TButton> copy;
  bool copied = false;
};

rt::Value InScratch(const std::function<rt::Value()>& fn) {
  return rt::AliasEval(rt::Value(std::string(kScratchAlias)), fn);
}

bool OnHeaderRow() {
  return !rt::RTRIM(InScratch([] { return rt::FIELDGET("BITMAP"); }).AsString()).empty();
}

// The copy of the button and the double click: the current row read again,
// then copied; a refused copy leaves the list open with the grid focused.
void CopyAction(ListParts& parts) {
  const bool copied = InScratch([] {
                        rt::DBGOTO(rt::RECNO());
                        return rt::Value(PUTCLIPBOARD());
                      }).AsLogical();
  if (copied) {
    parts.copied = true;
    if (const auto dialog = parts.dialog.lock()) dialog->End(IDOK);
  } else if (const auto grid = parts.grid.lock()) {
    grid->SetFocus();
  }
}

void Label(const rt::Value& dialog, const core::TDialog& d, int col, int width, rt::Value text,
           const std::shared_ptr<gfx::TFont>& font) {
  controls::SayArgs s;
  s.nRow = 137;
  s.nCol = col;
  s.nWidth = width;
  s.nHeight = 10;
  s.lPixel = true;
  s.nClrText = d.nClrText;
  s.nClrBack = d.nClrPane;
  s.bText = rt::Value::Block([text](rt::Args) { return text; });
  s.oWnd = dialog;
  if (font) s.oFont = rt::Value(font);
  std::make_shared<controls::TSay>()->New(s);
}

std::shared_ptr<grid::TGColumn> TextColumn(const char* heading, long field, long width,
                                           const std::shared_ptr<grid::TGBrowse>& grid) {
  grid::ColumnArgs c;
  c.cHeading = heading;
  c.bData = grid::FIELDSETGETBLOCK(rt::Value(std::string(kScratchAlias)), field);
  c.aColors = rt::Value::Array({0L, kWhite});
  c.aAlign = rt::Value::Array({0L, 0L});
  c.nWidth = width;
  c.a3DLook = rt::Value::Array({true});
  c.oBrw = rt::Value(grid);
  auto column = std::make_shared<grid::TGColumn>();
  column->New(c);
  return column;
}

// The flag of a header row; an empty text on a data row and where the flag
// is missing, which the painter draws without a picture.
std::shared_ptr<grid::TGColumn> FlagColumn(const std::weak_ptr<const FlagBitmaps>& flags,
                                           const std::shared_ptr<grid::TGBrowse>& grid) {
  grid::ColumnArgs c;
  c.cHeading = " ";
  c.bData = rt::Value::Block([flags](rt::Args) {
    const auto loaded = flags.lock();
    if (!loaded) return rt::Value("");
    const std::string code = InScratch([] { return rt::FIELDGET("BITMAP"); }).AsString();
    const HBITMAP flag = loaded->Of(code);
    return flag ? rt::Value(static_cast<double>(svc::HandleNumber(flag))) : rt::Value("");
  });
  c.nWidth = 20;
  c.lBitMap = true;
  c.aAlign = rt::Value::Array({0L});
  c.oBrw = rt::Value(grid);
  auto column = std::make_shared<grid::TGColumn>();
  column->New(c);
  return column;
}

void Colours(grid::TGBrowse& grid) {
  // Even rows light green, odd rows white, by their logical position.
  const rt::Value rows = rt::Value::Block([](rt::Args a) {
    return rt::Value(rt::Arg(a, 0).AsInt() % 2 == 0 ? gfx::NRGB(227, 245, 241) : kWhite);
  });
  const rt::Value slots = rt::Value::Array({2L, 3L, 4L, 5L, 6L, 11L, 12L, 15L});
  const rt::Value values = rt::Value::Array({rows, 0L, rt::Value::Array({kWhite, 8421376L}), 0L,
                                             rt::Value::Array({kWhite, 8421504L}), 0L,
                                             rt::Value::Array({kWhite, 8421504L}), 8421504L});
  grid.SetColor(slots, values);
}

}  // namespace

bool SHOWTEMP(const std::shared_ptr<core::TWindow>& oWnd, const std::string& cTerm) {
  rt::DBSELECTAREA(std::string(kScratchAlias));
  const long hits = HitCount();
  svc::HELPSETTOPIC(rt::Value(kResultsHelpTopic));

  auto wall = std::make_shared<gfx::TBrush>()->New({}, {}, {}, rt::Value("WALL"));
  auto countFont = std::make_shared<gfx::TFont>()->New("Ms Sans Serif", 0, -10, false, true);
  auto gridFont = std::make_shared<gfx::TFont>()->New("Arial", 0, -12);
  // Loaded once for the whole list; freed when it has ended.
  auto flags = std::make_shared<const FlagBitmaps>();
  const auto parts = std::make_shared<ListParts>();

  auto dialog = std::make_shared<core::TDialog>();
  core::DialogArgs d;
  d.nTop = 0;
  d.nLeft = 0;
  d.nBottom = 295;
  d.nRight = 380;
  d.lPixel = true;
  d.cCaption = std::string(kResultsTitle) + cTerm;
  d.oBrush = rt::Value(wall);
  d.oWnd = oWnd ? rt::Value(oWnd) : rt::Value();
  d.oIcon = "Suchen";
  if (oWnd && oWnd->oFont) d.oFont = rt::Value(oWnd->oFont);
  dialog->New(d);
  const rt::Value self(dialog);
  parts->dialog = dialog;

  Label(self, *dialog, 3, 20, rt::Value("Treffer:"), nullptr);
  Label(self, *dialog, 26, 50, rt::Value(rt::ALLTRIM(rt::TRANSFORM(rt::Value(hits), "@E 999,999"))), countFont);

  auto grid = std::make_shared<grid::TGBrowse>();
  grid::BrowseArgs g;
  g.nRow = 0;
  g.nCol = 0;
  g.nWidth = 190;
  g.nHeight = 133;
  g.oWnd = self;
  g.oFont = rt::Value(gridFont);
  g.cAlias = std::string(kScratchAlias);
  g.lPixel = true;
  g.bChange = rt::Value::Block([parts](rt::Args) {
    if (const auto copy = parts->copy.lock()) {
      if (OnHeaderRow()) {
        copy->Disable();
      } else {
        copy->Enable();
      }
    }
    return rt::Value();
  });
  g.bLDblClick = rt::Value::Block([parts](rt::Args) {
    CopyAction(*parts);
    return rt::Value();
  });
  grid->New(g);
  parts->grid = grid;
  grid->AddColumn(FlagColumn(flags, grid));
  if (Program().options.exact) {
    grid->AddColumn(TextColumn(" \xDC" "bersetzung", kWortField, 355, grid));
  } else {
    grid->AddColumn(TextColumn(" Deutsch", kWortField, 172, grid));
    grid->AddColumn(TextColumn(" \xDC" "bersetzung", kFremdField, 185, grid));
  }
  grid->nHeightHead += 7;
  Colours(*grid);
  grid->nLineStyle = 0;
  grid->lNoHScroll = true;

  const controls::ButtonRow buttons{self, 135, 30};
  const auto copy = buttons.Add(93, "&Kopieren", true, rt::Value::Block([parts](rt::Args) {
                                 CopyAction(*parts);
                                 return rt::Value();
                               }));
  copy->cToolTip = "Begriff kopieren";
  parts->copy = copy;
  const auto help = buttons.Add(125, "&Hilfe", false, rt::Value::Block([](rt::Args) {
                                  svc::HELPTOPIC(rt::Value(kResultsHelpTopic));
                                  return rt::Value();
                                }));
  help->cToolTip = "Hilfe anzeigen";
  const auto leave = buttons.Add(157, "&Abbrechen", false, rt::Value::Block([parts](rt::Args) {
                                   if (const auto dlg = parts->dialog.lock()) dlg->End();
                                   return rt::Value();
                                 }));
  leave->cToolTip = "Trefferliste verlassen";

  dialog->lHelpIcon = rt::Value(false);
  core::DialogActivation act;
  act.lCentered = true;
  act.bPainted = rt::Value::Block([parts](rt::Args) {
    if (const auto grd = parts->grid.lock()) grd->SetFocus();
    return rt::Value();
  });
  dialog->Activate(act);

  gridFont->End();
  countFont->End();
  wall->End();
  flags.reset();
  svc::HELPSETTOPIC(rt::Value(kSearchHelpTopic));
  return parts->copied;
}

}  // namespace voskdar
