// The grid's construction: New, ReDefine, Default and Initiate, its colour
// table, Destroy and the small inline operations.
#include <windows.h>

#include <algorithm>
#include <cstdio>

#include "controls/control_owner.h"
#include "core/send_soft.h"
#include "core/tdialog.h"
#include "core/window_class.h"
#include "graphics/class_names.h"
#include "graphics/colour.h"
#include "graphics/tfont.h"
#include "grid/grid_geometry.h"
#include "grid/grid_messages.h"
#include "grid/tgbrowse.h"
#include "grid/tgbscrlbar.h"
#include "runtime/strings.h"
#include "runtime/table_fns.h"
#include "services/int32.h"
#include "services/msgbox.h"

namespace grid {

namespace {

constexpr const char* kWindowClass = "TGBrowse";

// Colour slots 1..15 with their defaults: a system colour, or (negative)
// an RGB value. ReDefine takes the highlight colours of slots 5 and 6 from
// the selection colours rather than the caption's.
long SlotDefault(std::size_t slot, bool redefine) {
  static constexpr long kNew[] = {COLOR_WINDOWTEXT, COLOR_WINDOW,    COLOR_BTNTEXT,   COLOR_BTNFACE,
                                  COLOR_CAPTIONTEXT, COLOR_ACTIVECAPTION, COLOR_WINDOWTEXT, COLOR_WINDOW,
                                  COLOR_BTNTEXT,     COLOR_BTNFACE,   -1 - 0xC0C0C0,   -1 - 0x808080,
                                  COLOR_BTNTEXT,     COLOR_BTNFACE,   COLOR_BTNSHADOW};
  long code = kNew[slot - 1];
  if (redefine && slot == 5) code = COLOR_HIGHLIGHTTEXT;
  if (redefine && slot == 6) code = COLOR_HIGHLIGHT;
  return code < 0 ? -1 - code : gfx::GETSYSCOLOR(static_cast<int>(code));
}

void RegisterGridClass() {
  static bool done = false;
  if (done) return;
  done = true;
  WNDCLASSA wc{};
  wc.style = CS_VREDRAW | CS_HREDRAW | CS_DBLCLKS | CS_GLOBALCLASS;
  wc.lpfnWndProc = DefWindowProcA;
  wc.hInstance = GetModuleHandleA(nullptr);
  wc.hCursor = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
  wc.lpszClassName = kWindowClass;
  RegisterClassA(&wc);
}

}  // namespace

const rt::Value& TGBrowse::aProperties() {
  static const rt::Value names = rt::Value::Array({"aColumns", "cVarName", "nTop", "nLeft", "nWidth", "nHeight"});
  return names;
}

void TGBrowse::CommonInit(const rt::Value& aColors, bool redefine) {
  cCaption.clear();
  lHitTop = lHitBottom = lFocused = lCaptured = false;
  lMChange = true;
  nRowPos = nAt = nColPos = nCell = 1;
  lAutoCtx = true;
  lRePaint = false;
  lNoHScroll = lNoVScroll = lNoLiteBar = lNoGrayBar = lLogicDrop = lColDrag = lLineDrag = lMoveCols =
      lLockFreeze = lCanAppend = lAppendMode = lAutoEdit = lAutoSkip = lIconView = lCellStyle = lFooting = false;
  nFreeze = nColOrder = nIconPos = nLen = 0;
  cOrderType = "";
  aColumns = rt::Value::Array();
  aImages = rt::Value::Array();
  aBitmaps = rt::Value::Array();
  aJustify = rt::Value::Array();
  aSelected = rt::Value::Array();
  aSuperHead = rt::Value::Array();
  aDefValue = rt::Value::Array();
  aIcons = rt::Value::Array();
  aDefault = rt::Value::Array();
  aKeyRemap = rt::Value::Array();
  aMsg = rt::Value::Array();
  lGridLine = lFixCaret = true;
  rt::Value slots = rt::Value::Array(), values = rt::Value::Array();
  for (std::size_t slot = 1; slot <= 15; ++slot) {
    const rt::Value given = aColors.IsArray() && slot <= aColors.Len() ? aColors.At(slot) : rt::Value();
    slots.Items().push_back(rt::Value(static_cast<long>(slot)));
    values.Items().push_back(given.IsNil() ? rt::Value(SlotDefault(slot, redefine)) : given);
  }
  SetFilter(cField, uValue1, uValue2);
  SetColor(slots, values);
}

template <class Args>
void TGBrowse::TakeArgs(const Args& a) {
  oWnd = controls::OwnerOr(a.oWnd);
  bLine = a.bLine;
  aHeaders = a.aHeaders;
  aColSizes = a.aColSizes.IsNil() ? rt::Value::Array() : a.aColSizes;
  cField = a.cField;
  uValue1 = a.uValue1;
  uValue2 = a.uValue2;
  bChange = a.bChange;
  bLDblClick = a.bLDblClick;
  bRClicked = a.bRClicked;
  oCursor = a.oCursor.template As<gfx::TCursor>();
  cMsg = a.cMsg;
  lUpdate = rt::IsTrue(a.lUpdate);
  cAlias = a.cAlias.IsNil() ? rt::Value(rt::ALIAS()) : a.cAlias;
  bWhen = a.bWhen;
  bValid = a.bValid;
  lCellBrw = rt::IsTrue(a.lCellBrw);
  bLClicked = a.bLClicked;
  aActions = a.aActions;
  nLineStyle = a.nLineStyle.IsNumber() ? a.nLineStyle.AsInt() : 1;
}

std::shared_ptr<gfx::TFont> TGBrowse::PrepareWindow(const rt::Value& oFont) {
  std::shared_ptr<gfx::TFont> font = oFont.As<gfx::TFont>();
  lMyFont = !font;
  if (!font) font = std::make_shared<gfx::TFont>()->New("Arial", 0, -12);
  RegisterGridClass();
  lIsV22 = CHECKBMPPAL();
  bBitMapH = rt::Value::Block([](rt::Args args) { return core::Ask(rt::Arg(args, 0), "hBitmap"); });
  return font;
}

TGBrowse& TGBrowse::New(const BrowseArgs& a) {
  controls::PlaceAt(*this, a.nRow.IsNumber() ? a.nRow.AsInt() : 0, a.nCol.IsNumber() ? a.nCol.AsInt() : 0,
                    a.nWidth.IsNumber() ? a.nWidth.AsInt() : 100, a.nHeight.IsNumber() ? a.nHeight.AsInt() : 100,
                    rt::IsTrue(a.lPixel));
  TakeArgs(a);
  lDrag = lDesign = rt::IsTrue(a.lDesign);
  nStyle = a.nStyle.IsNumber() ? svc::ToInt32(a.nStyle)
                               : WS_CHILD | WS_BORDER | WS_VISIBLE | WS_TABSTOP | (lDrag ? WS_THICKFRAME : 0);
  CommonInit(a.aColors, false);
  nId = GetNewId();

  const std::shared_ptr<gfx::TFont> font = PrepareWindow(a.oFont);

  const auto owner = Container();
  if (owner && owner->hWnd) {
    Create(kWindowClass);
    SetFont(font);
    Default();
    lVisible = true;
    owner->AddControl(Self());
  } else {
    core::Ask(oWnd, "DefControl", Self());
    SetFont(font);
    lVisible = false;
  }
  nHeightFoot = 0;
  nHeightCell = nHeightHead = SBGETHEIGHT(hWnd, FontHandle(), 0);
  lIsDbf = IsTable();
  aMsg = LOADMSG();
  return *this;
}

TGBrowse& TGBrowse::ReDefine(const BrowseRedefineArgs& a) {
  nId = a.nId.IsNumber() ? a.nId.AsInt() : GetNewId();
  TakeArgs(a);
  CommonInit(a.aColors, true);
  const std::shared_ptr<gfx::TFont> font = PrepareWindow(a.oFont);
  core::Ask(oWnd, "DefControl", Self());
  SetFont(font);
  lVisible = false;
  nHeightFoot = 0;
  nHeightCell = nHeightHead = SBGETHEIGHT(nullptr, FontHandle(), 0) + 1;
  lIsDbf = IsTable();
  aMsg = LOADMSG();
  return *this;
}

void TGBrowse::Initiate(HWND hDlg) {
  TControl::Initiate(hDlg);
  if (hWnd) Default();
}

void TGBrowse::Default() {
  const auto owner = Container();
  const bool inDialog = owner && owner->IsKindOf(vdclass::kDialog);
  const long available = nWidth() - (lNoVScroll ? 0 : 16);
  if (!aHeaders.IsArray()) aHeaders = rt::Value::Array();
  if (!aColSizes.IsArray() && !aColSizes.IsBlock()) aColSizes = rt::Value::Array();

  if (!bLine.IsBlock() && nColCount() == 0) {
    if (cAlias.AsString().empty()) cAlias = rt::Value(rt::ALIAS());
    if (!inDialog) {
      ColumnArgs c;
      c.cHeading = "_Dummy";
      c.bData = rt::Value::Block([](rt::Args) { return rt::Value(" "); });
      c.oBrw = Self();
      auto dummy = std::make_shared<TGColumn>();
      dummy->New(c);
      aColumns.Items().push_back(rt::Value(dummy));
      if (lDrag) nHeightCell = nHeightHead = SBGETHEIGHT(hWnd, FontHandle(), 0);
      return;
    }
    if (IsTable()) LoadFields();
  }

  if (bLine.IsBlock() && nColCount() == 0) {
    const rt::Value row = bLine.Eval();
    const std::size_t n = row.IsArray() ? row.Len() : 0;
    if (aHeaders.Len() == 0 && IsTable()) {
      InArea([&] {
        for (std::size_t i = 1; i <= n; ++i) aHeaders.Items().push_back(rt::Value(rt::FIELDNAME(static_cast<int>(i))));
        return rt::Value();
      });
    }
    if (aColSizes.IsBlock()) aColSizes = aColSizes.Eval();
    if (!aColSizes.IsArray()) aColSizes = rt::Value::Array();
    const int charWidth = SBGETHEIGHT(hWnd, FontHandle(), 1);
    for (std::size_t i = 1; i <= n; ++i) {
      const rt::Value heading = i <= aHeaders.Len() ? aHeaders.At(i) : rt::Value("");
      const rt::Value value = row.At(i);
      long width = 0;
      if (i <= aColSizes.Len() && aColSizes.At(i).IsNumber()) {
        width = aColSizes.At(i).AsInt();
      } else if (!value.IsString()) {
        width = 16;
      } else {
        width = charWidth * static_cast<long>(std::max(heading.AsString().size(), value.Len())) + 1;
      }
      rt::Value align;
      if (i <= aJustify.Len()) {
        const rt::Value j = aJustify.At(i);
        align = j.IsLogical() ? rt::Value(j.AsLogical() ? 2 : 0) : j;
      }
      ColumnArgs c;
      c.cHeading = heading;
      c.bData = MAKEBLOCK(std::static_pointer_cast<TGBrowse>(shared_from_this()), static_cast<long>(i));
      c.aColors = rt::Value::Array({nClrTextValue, nClrPaneValue, nClrHeadFore, nClrHeadBack, nClrFocuFore,
                                    nClrFocuBack});
      c.nWidth = width;
      c.nEditMove = lAutoEdit ? 5 : 1;
      c.lEdit = lAutoEdit;
      if (!align.IsNil()) c.aAlign = rt::Value::Array({align});
      c.oBrw = Self();
      auto column = std::make_shared<TGColumn>();
      column->New(c);
      aColumns.Items().push_back(rt::Value(column));
    }
  }

  lIsDbf = IsTable();
  // The sizes follow the columns; the absorbing column takes what is left.
  aColSizes = rt::Value::Array();
  long sum = 0;
  for (long i = 1; i <= nColCount(); ++i) {
    auto column = Col(i);
    sum += column->nWidth;
    if (nAdjColumn > 0 && nAdjColumn < i && sum > available) {
      if (auto adj = Col(nAdjColumn)) adj->nWidth += available - (sum - column->nWidth);
      nAdjColumn = 0;
    }
  }
  if (nAdjColumn > 0 && sum < available) {
    if (auto adj = Col(nAdjColumn)) adj->nWidth += available - sum;
  }
  RebuildColSizes();

  if (IsTable()) {
    for (long i = 1; i <= nColCount(); ++i) {
      auto column = Col(i);
      if (!column->cOrder.AsString().empty() && !column->lEdit) {
        if (nColOrder == 0) SetOrder(i);
        column->lIndexCol = true;
        lSeek = true;
      }
    }
  }
  for (long i = 1; i <= nColCount(); ++i) {
    auto column = Col(i);
    if (!column->cFooting.IsNil()) {
      if (lDrawFooters.IsNil()) lDrawFooters = true;
      lFooting = rt::IsTrue(lDrawFooters);
      const auto font = column->oFontFoot.As<gfx::TFont>();
      nHeightFoot = std::max(nHeightFoot, static_cast<long>(GETFONTHEIGHT(nullptr, font ? font->hFont : FontHandle())) + 1);
    }
  }

  nLen = IsTable() ? InArea([&] { return bLogicLen.Eval(); }).AsInt() : bLogicLen.Eval().AsInt();
  if (!lNoVScroll) NewVScroll(nLen);
  if (l3DLook) Look3D(true);
  if (cDriver.IsNil()) ResetBarPos(true);
  if (oTree.IsObject()) {
    lDrawHeaders = false;
    nLineStyle = 0;
    nFreeze = std::min(2L, nColCount() - 1);
  }
  if (!lNoHScroll && hWnd) {
    auto bar = std::make_shared<TGBScrlBar>();
    ScrlBarWinArgs h;
    h.nMin = 1;
    h.nMax = HBarMax();
    h.lVertical = false;
    h.oWnd = Self();
    bar->WinNew(h);
    oHScroll = rt::Value(bar);
  }
  if (!oFont && owner) KeepFont(owner->oFont);
  for (long i = 1; i <= nColCount(); ++i) {
    auto column = Col(i);
    if (column->oFont.IsNil()) column->oFont = rt::Value(oFont);
    if (column->oFontHead.IsNil()) column->oFontHead = rt::Value(oFont);
    if (column->oFontFoot.IsNil()) column->oFontFoot = rt::Value(oFont);
    if (lLockFreeze && i <= nFreeze) column->lNoHiLite = true;
  }
  for (long i = 1; i <= nColCount(); ++i) {
    auto column = Col(i);
    if (!column->lNoHiLite && (i > nFreeze || (column->lEdit && !lLockFreeze))) {
      nCell = i;
      HiliteCell(i);
      break;
    }
  }
  if (!lDrawHeaders) nHeightHead = 0;
  if (!(lFooting && rt::IsTrue(lDrawFooters))) nHeightFoot = 0;
  SETHEIGHTS(*this);
  if (auto v = oVScroll.As<TGBScrlBar>()) v->SetPage(static_cast<int>(std::min(nRowCount(), nLen)));
  if (auto h = oHScroll.As<TGBScrlBar>()) h->SetPage(1);
  if (oBrush && owner && owner->oBrush != oBrush) ++oBrush->nCount;
  // A grid of a dialog stays where the dialog placed it, as every other
  // control of the same coordinates does; the object takes that place.
  if (inDialog && hWnd) CoorsUpdate();
}

void TGBrowse::NewVScroll(long count) {
  if (!hWnd) return;
  auto bar = std::make_shared<TGBScrlBar>();
  ScrlBarWinArgs v;
  v.nMin = std::min(1L, count);
  v.nMax = std::min(count, 32767L);
  v.lVertical = true;
  v.oWnd = Self();
  bar->WinNew(v);
  bar->SetPage(static_cast<int>(std::min(nRowCount(), count)));
  oVScroll = rt::Value(bar);
}

void TGBrowse::RebuildColSizes() {
  aColSizes = rt::Value::Array();
  for (long i = 1; i <= nColCount(); ++i) aColSizes.Items().push_back(rt::Value(Col(i)->nWidth));
}

rt::Value TGBrowse::Destroy() {
  core::Ask(oCtx, "Destroy");
  core::Ask(oTxtFile, "End");
  // The grid's own font has one use more than the window's.
  if (lMyFont && oFont) oFont->End();
  return TControl::Destroy();
}

rt::Value TGBrowse::Inspect(const std::string& cData) {
  if (rt::UPPER(cData) != "ACOLUMNS") return {};
  return rt::Value::Block([](rt::Args a) {
    Beep(500, 55);
    return rt::Arg(a, 0);
  });
}

void TGBrowse::ShowSizes() {
  std::string text;
  long total = 0;
  char digits[32];
  for (long i = 1; i <= nColCount(); ++i) {
    auto column = Col(i);
    std::string heading = column->cHeading.IsString() ? column->cHeading.AsString() : std::string();
    if (heading.empty()) heading = GridMessage(24) + " " + std::to_string(i);
    const long width = ColSize(i);
    std::snprintf(digits, sizeof digits, "%3ld", width);
    text += heading + ": " + digits + " Pixels\r\n";
    total += width;
  }
  std::snprintf(digits, sizeof digits, "%4ld", total);
  text += "\r\nTotal " + std::string(digits) + " Pixels\r\n";
  std::snprintf(digits, sizeof digits, "%4ld", nWidth());
  text += GridMessage(25) + " " + digits + " Pixels\r\n";
  svc::MSGINFO(text, GridMessage(26));
}

rt::Value TGBrowse::BeginPaint() { return lRePaint ? TControl::BeginPaint() : rt::Value(0); }

rt::Value TGBrowse::EndPaint() {
  if (lRePaint) return TControl::EndPaint();
  lRePaint = true;
  return rt::Value(0);
}

rt::Value TGBrowse::GetColSizes() { return aColSizes.IsBlock() ? aColSizes.Eval() : aColSizes; }

long TGBrowse::nRowCount() {
  if (!hWnd) return 0;
  return NSBROWS(hWnd, nullptr, FontHandle(), static_cast<int>(nHeightCell),
                 static_cast<int>(lDrawHeaders ? nHeightHead : 0),
                 static_cast<int>(rt::IsTrue(lDrawFooters) ? nHeightFoot : 0), static_cast<int>(nHeightSuper));
}

long TGBrowse::nTGBRow(const rt::Value& nPixelRow) {
  const long y = nPixelRow.IsNumber() ? nPixelRow.AsInt() : nRowPos * 14;
  return NTGBROW(hWnd, hDC, y, FontHandle(), static_cast<int>(nHeightCell), static_cast<int>(nHeightHead),
                 static_cast<int>(nHeightFoot), static_cast<int>(nHeightSuper));
}

void TGBrowse::TGBrwScroll(long nRows) {
  TGBRWSCROLL(hWnd, static_cast<int>(nRows), FontHandle(), static_cast<int>(nHeightCell),
              static_cast<int>(lDrawHeaders ? nHeightHead : 0),
              static_cast<int>(rt::IsTrue(lDrawFooters) ? nHeightFoot : 0), static_cast<int>(nHeightSuper));
}

void TGBrowse::SetContext(const rt::Value& oContext, bool given) {
  if (given) {
    oCtx = oContext;
  } else {
    lAutoCtx = false;
  }
}

bool TGBrowse::lCloseArea() {
  if (!IsTable()) return false;
  if (!cAlias.AsString().empty()) {
    const int area = rt::SELECT(cAlias.AsString());
    if (area > 0) {
      const int current = rt::SELECT();
      rt::DBSELECTAREA(area);
      rt::DBCLOSEAREA();
      if (current != area) rt::DBSELECTAREA(current);
    }
  }
  cAlias = "";
  return true;
}

HFONT TGBrowse::FontHandle() const { return oFont ? oFont->hFont : nullptr; }

std::shared_ptr<TGColumn> TGBrowse::Col(long n) const {
  if (!aColumns.IsArray() || n < 1 || n > static_cast<long>(aColumns.Len())) return nullptr;
  return aColumns.At(static_cast<std::size_t>(n)).As<TGColumn>();
}

long TGBrowse::ColSize(long n) const {
  if (aColSizes.IsArray() && n >= 1 && n <= static_cast<long>(aColSizes.Len())) return aColSizes.At(static_cast<std::size_t>(n)).AsInt();
  const auto column = Col(n);
  return column ? column->nWidth : 0;
}

rt::Value TGBrowse::InArea(const std::function<rt::Value()>& fn) const {
  const std::string alias = cAlias.AsString();
  if (alias.empty() || rt::SELECT(alias) == 0) return {};
  return rt::AliasEval(cAlias, fn);
}

bool TGBrowse::IsTable() const {
  const std::string alias = cAlias.IsString() ? cAlias.AsString() : std::string();
  return !alias.empty() && alias != "ARRAY" && alias != "TEXT_" && !oTree.IsObject() && !lDbfObj;
}

rt::Value TGBrowse::EraseBkGnd(LPARAM) { return rt::Value(1); }

}  // namespace grid
