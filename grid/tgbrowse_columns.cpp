// The grid's column, colour and font operations.
#include <windows.h>

#include <algorithm>

#include "core/send_soft.h"
#include "graphics/colour.h"
#include "graphics/tbrush.h"
#include "graphics/tfont.h"
#include "grid/grid_geometry.h"
#include "grid/grid_messages.h"
#include "grid/tgbrowse.h"
#include "grid/tgbscrlbar.h"
#include "runtime/strings.h"
#include "runtime/table_fns.h"
#include "services/int32.h"

namespace grid {

namespace {

// Grid and column members of colour slots 1..14; 15 is the grid's lines.
struct Slot {
  rt::Value TGBrowse::*grid;
  rt::Value TGColumn::*column;
};

const Slot kSlots[] = {
    {&TGBrowse::nClrTextValue, &TGColumn::nClrFore},     {&TGBrowse::nClrPaneValue, &TGColumn::nClrBack},
    {&TGBrowse::nClrHeadFore, &TGColumn::nClrHeadFore},  {&TGBrowse::nClrHeadBack, &TGColumn::nClrHeadBack},
    {&TGBrowse::nClrFocuFore, &TGColumn::nClrFocuFore},  {&TGBrowse::nClrFocuBack, &TGColumn::nClrFocuBack},
    {&TGBrowse::nClrEditFore, &TGColumn::nClrEditFore},  {&TGBrowse::nClrEditBack, &TGColumn::nClrEditBack},
    {&TGBrowse::nClrFootFore, &TGColumn::nClrFootFore},  {&TGBrowse::nClrFootBack, &TGColumn::nClrFootBack},
    {&TGBrowse::nClrSeleFore, &TGColumn::nClrSeleFore},  {&TGBrowse::nClrSeleBack, &TGColumn::nClrSeleBack},
    {&TGBrowse::nClrOrdeFore, &TGColumn::nClrOrdeFore},  {&TGBrowse::nClrOrdeBack, &TGColumn::nClrOrdeBack},
};

long Lines(const rt::Value& text) {
  const std::string& s = text.AsString();
  return 1 + static_cast<long>(std::count(s.begin(), s.end(), '\r'));
}

HFONT HandleOf(const rt::Value& font, HFONT fallback) {
  const auto f = font.As<gfx::TFont>();
  return f && f->hFont ? f->hFont : fallback;
}

rt::Value AlignWord(const rt::Value& u) {
  if (u.IsLogical()) return rt::Value(u.AsLogical() ? 2 : 0);
  return AlignOf(u);
}

}  // namespace

TGBrowse& TGBrowse::AddColumn(const std::shared_ptr<TGColumn>& column) {
  if (!column) return *this;
  if (nColCount() == 1 && Col(1)->cHeading == rt::Value("_Dummy")) {
    aColumns = rt::Value::Array();
    aColSizes = rt::Value::Array();
  }
  if (!aColSizes.IsArray()) aColSizes = rt::Value::Array();
  if (lDrawHeaders) {
    const rt::Value heading = column->cHeading.IsBlock() ? column->cHeading.Eval() : column->cHeading;
    if (heading.IsString() && heading.AsString().find('\r') != std::string::npos) {
      const long line = GETFONTHEIGHT(nullptr, HandleOf(column->oFontHead, FontHandle()));
      nHeightHead = std::max(nHeightHead, line * Lines(heading) + 1);
    }
  }
  if (!column->cFooting.IsNil()) {
    if (lDrawFooters.IsNil()) lDrawFooters = true;
    lFooting = rt::IsTrue(lDrawFooters);
    const rt::Value footing = column->cFooting.IsBlock() ? column->cFooting.Eval() : column->cFooting;
    const long line = GETFONTHEIGHT(nullptr, HandleOf(column->oFontFoot, FontHandle()));
    if (lFooting) nHeightFoot = std::max(nHeightFoot, line * Lines(footing) + 1);
  }
  aColumns.Items().push_back(rt::Value(column));
  aColSizes.Items().push_back(rt::Value(column->nWidth));
  return *this;
}

TGBrowse& TGBrowse::AddSuperHead(rt::Args a) {
  if (nColCount() == 0) return *this;
  auto arg = [&](std::size_t i) { return rt::Arg(a, i); };
  const long first = std::clamp(arg(0).IsNumber() ? arg(0).AsInt() : 1L, 1L, nColCount());
  const long last = std::clamp(arg(1).IsNumber() ? arg(1).AsInt() : first, first, nColCount());
  const rt::Value heading = arg(2);
  const auto firstCol = Col(first);
  rt::Value colours = arg(4).IsArray() ? ArrayCopyOneLevel(arg(4)) : rt::Value::Array();
  while (colours.Len() < 3) colours.Items().push_back(rt::Value());
  if (colours.At(1).IsNil()) colours.At(1) = nClrHeadFore;
  if (colours.At(2).IsNil()) colours.At(2) = nClrHeadBack;
  if (colours.At(3).IsNil()) colours.At(3) = nClrHeadBack;
  const bool l3D = arg(5).IsLogical() ? arg(5).AsLogical() : firstCol->l3DLookHead;
  HFONT font = FontHandle();
  if (const auto f = arg(6).As<gfx::TFont>()) {
    font = f->hFont;
  } else if (arg(6).IsNumber()) {
    font = reinterpret_cast<HFONT>(svc::ToHandle(arg(6)));
  } else {
    font = HandleOf(firstCol->oFontHead, FontHandle());
  }
  const bool isBitmap = heading.IsNumber() || heading.IsObject();
  const bool stretch = rt::IsTrue(arg(8));
  const bool lastFlag = arg(9).IsLogical() ? arg(9).AsLogical() : true;
  const bool noLines = arg(10).IsLogical() ? arg(10).AsLogical() : isBitmap;
  const long hAlign = arg(11).IsNumber() ? arg(11).AsInt() : 1;
  const long vAlign = arg(12).IsNumber() ? arg(12).AsInt() : 1;
  const long given = arg(3).IsNumber() ? arg(3).AsInt() : 0;
  long height = 0;
  rt::Value shown = heading;
  if (isBitmap) {
    const rt::Value handle = heading.IsObject() ? bBitMapH.Eval(heading) : heading;
    shown = handle;
    height = SBMPHEIGHT(reinterpret_cast<HBITMAP>(svc::ToHandle(handle)));
    if (given > height || (given > 0 && given < height && stretch)) height = given;
  } else {
    const long line = GETFONTHEIGHT(nullptr, font);
    height = std::max(given, line * (heading.IsString() ? Lines(heading) : 1));
  }
  nHeightSuper = std::max(nHeightSuper, height + 1);
  aSuperHead.Items().push_back(rt::Value::Array(
      {rt::Value(first), rt::Value(last), shown, colours.At(1), colours.At(2), rt::Value(l3D),
       rt::Value(static_cast<double>(svc::HandleNumber(font))), rt::Value(isBitmap), rt::Value(stretch),
       rt::Value(noLines ? 0 : 1), colours.At(3), rt::Value(hAlign), rt::Value(vAlign), rt::Value(lastFlag)}));
  return *this;
}

std::shared_ptr<TGColumn> TGBrowse::InsColumn(long nPos, const std::shared_ptr<TGColumn>& column) {
  if (!column) return nullptr;
  nPos = std::clamp(nPos, 1L, nColCount() + 1);
  RebuildColSizes();
  aColumns.Items().insert(aColumns.Items().begin() + (nPos - 1), rt::Value(column));
  aColSizes.Items().insert(aColSizes.Items().begin() + (nPos - 1), rt::Value(column->nWidth));
  if (lPainted) nCell = nPos;
  if (!column->cOrder.AsString().empty()) {
    SetOrder(nPos);
  } else if (nColOrder >= nPos) {
    ++nColOrder;
  }
  if (lPainted) {
    HiliteCell(nCell);
    if (auto h = oHScroll.As<TGBScrlBar>()) {
      h->SetRange(1, static_cast<int>(nColCount()));
      h->SetPos(static_cast<int>(nCell));
    }
    Refresh();
    if (hWnd) ::SetFocus(hWnd);
  }
  return column;
}

std::shared_ptr<TGColumn> TGBrowse::DelColumn(long nPos) {
  if (nColCount() <= 1) return nullptr;
  nPos = std::clamp(nPos, 1L, nColCount());
  RebuildColSizes();
  const auto removed = Col(nPos);
  aColumns.Items().erase(aColumns.Items().begin() + (nPos - 1));
  aColSizes.Items().erase(aColSizes.Items().begin() + (nPos - 1));
  if (nColOrder == nPos) {
    nColOrder = 0;
    cOrderType = "";
  } else if (nColOrder > nPos) {
    --nColOrder;
  }
  if (nCell > nColCount()) nCell = nColCount();
  nFreeze = std::min(nFreeze, nColCount() - 1);
  HiliteCell(nCell);
  if (auto h = oHScroll.As<TGBScrlBar>()) {
    h->SetRange(1, static_cast<int>(nColCount()));
    h->SetPage(1);
    h->SetPos(static_cast<int>(nCell));
  }
  if (hWnd) {
    ::SetFocus(hWnd);
    Refresh(false);
  }
  return removed;
}

std::shared_ptr<TGColumn> TGBrowse::GetColumn(long n) const {
  if (nColCount() == 0) return nullptr;
  return Col(std::clamp(n, 1L, nColCount()));
}

TGBrowse& TGBrowse::SwitchCols(long a, long b) {
  if (a < 1 || b < 1 || a > nColCount() || b > nColCount() || a == b || a <= nFreeze || b <= nFreeze) return *this;
  RebuildColSizes();
  std::swap(aColumns.At(static_cast<std::size_t>(a)), aColumns.At(static_cast<std::size_t>(b)));
  std::swap(aColSizes.At(static_cast<std::size_t>(a)), aColSizes.At(static_cast<std::size_t>(b)));
  if (nColOrder == a) {
    nColOrder = b;
  } else if (nColOrder == b) {
    nColOrder = a;
  }
  Refresh();
  return *this;
}

TGBrowse& TGBrowse::MoveColumn(long nFrom, long nTo) {
  if (nFrom < 1 || nFrom > nColCount() || nFrom <= nFreeze || nTo < 1 || nTo > nColCount() || nFrom == nTo) {
    return *this;
  }
  RebuildColSizes();
  const bool wasOrder = nColOrder == nFrom;
  const rt::Value column = aColumns.At(static_cast<std::size_t>(nFrom));
  const rt::Value size = aColSizes.At(static_cast<std::size_t>(nFrom));
  aColumns.Items().erase(aColumns.Items().begin() + (nFrom - 1));
  aColSizes.Items().erase(aColSizes.Items().begin() + (nFrom - 1));
  aColumns.Items().insert(aColumns.Items().begin() + (nTo - 1), column);
  aColSizes.Items().insert(aColSizes.Items().begin() + (nTo - 1), size);
  if (wasOrder) {
    nColOrder = nTo;
  } else if (nColOrder > nFrom && nColOrder <= nTo) {
    --nColOrder;
  } else if (nColOrder < nFrom && nColOrder >= nTo) {
    ++nColOrder;
  }
  Refresh();
  return *this;
}

TGBrowse& TGBrowse::Exchange(long a, long b) {
  SwitchCols(a, b);
  if (hWnd) ::SetFocus(hWnd);
  return *this;
}

TGBrowse& TGBrowse::SetColumns(const rt::Value& aBlocks, const rt::Value& aHeads, const rt::Value& aSizes) {
  if (!aBlocks.IsArray()) return *this;
  const rt::Value blocks = aBlocks;
  bLine = rt::Value::Block([blocks](rt::Args) { return _ADATA(blocks); });
  aHeaders = aHeads.IsArray() ? aHeads : rt::Value::Array();
  aJustify = rt::Value::Array();
  const rt::Value first = _ADATA(blocks);
  const int charWidth = SBGETHEIGHT(hWnd, FontHandle(), 1);
  rt::Value sizes = rt::Value::Array();
  for (std::size_t i = 1; i <= blocks.Len(); ++i) {
    aJustify.Items().push_back(rt::Value(false));
    if (aSizes.IsArray() && i <= aSizes.Len() && aSizes.At(i).IsNumber()) {
      sizes.Items().push_back(aSizes.At(i));
      continue;
    }
    const rt::Value value = first.At(i);
    if (!value.IsString()) {
      sizes.Items().emplace_back(15);
      continue;
    }
    const std::size_t head = i <= aHeaders.Len() && aHeaders.At(i).IsString() ? aHeaders.At(i).Len() : 0;
    sizes.Items().push_back(rt::Value(static_cast<long>(charWidth * (std::max(head, value.Len()) + 1))));
  }
  aColSizes = sizes;
  return *this;
}

TGBrowse& TGBrowse::LoadFields(bool lEdit) {
  const auto self = std::static_pointer_cast<TGBrowse>(shared_from_this());
  InArea([&] {
    const int count = rt::FCOUNT();
    const rt::Value structure = rt::DBSTRUCT();
    const bool sizesGiven = aColSizes.IsArray() && static_cast<long>(aColSizes.Len()) != nColCount();
    const rt::Value sizes = sizesGiven ? ArrayCopyOneLevel(aColSizes) : rt::Value::Array();
    if (nColCount() == 0) aColSizes = rt::Value::Array();
    for (int i = 1; i <= count; ++i) {
      const std::string name = rt::FIELDNAME(i);
      const std::string type = structure.At(static_cast<std::size_t>(i)).At(2).AsString();
      ColumnArgs c;
      c.cHeading = aHeaders.IsArray() && static_cast<std::size_t>(i) <= aHeaders.Len()
                       ? aHeaders.At(static_cast<std::size_t>(i))
                       : rt::Value(PROPER(name));
      rt::Value align;
      if (aJustify.IsArray() && static_cast<std::size_t>(i) <= aJustify.Len()) {
        align = AlignWord(aJustify.At(static_cast<std::size_t>(i)));
      } else {
        align = rt::Value(type == "N" ? 2 : type == "L" ? 1 : 0);
      }
      c.aAlign = rt::Value::Array({align});
      if (sizesGiven && static_cast<std::size_t>(i) <= sizes.Len()) c.nWidth = sizes.At(static_cast<std::size_t>(i));
      c.bData = FIELDSETGETBLOCK(cAlias, i);
      c.nEditMove = lEdit ? 5 : 1;
      c.lEdit = lEdit;
      c.oBrw = rt::Value(self);
      auto column = std::make_shared<TGColumn>();
      column->New(c);
      column->cData = rt::Value(cAlias.AsString() + "->" + name);
      column->oFont = column->oFontHead = column->oFontFoot = rt::Value(oFont);
      AddColumn(column);
    }
    RebuildColSizes();
    return rt::Value();
  });
  return *this;
}

TGBrowse& TGBrowse::SetData(long nCol, const rt::Value& uData, const rt::Value& aList) {
  auto column = Col(nCol);
  if (!column) return *this;
  column->bData = uData.IsBlock() ? uData : rt::Value::Block([uData](rt::Args) { return uData; });
  column->aList = aList;
  return *this;
}

TGBrowse& TGBrowse::SetHeaders(rt::Args a) {
  const rt::Value nHeight = rt::Arg(a, 0), aCols = rt::Arg(a, 1), aTitles = rt::Arg(a, 2),
                  aHAligns = rt::Arg(a, 3), a3D = rt::Arg(a, 4), aTitles2 = rt::Arg(a, 5), aActs = rt::Arg(a, 6);
  if (nHeight.IsNumber()) nHeightHead = nHeight.AsInt();
  rt::Value cols = aCols;
  if (!cols.IsArray()) {
    std::size_t n = 0;
    for (const rt::Value* list : {&aTitles, &aHAligns, &a3D, &aTitles2, &aActs}) {
      if (list->IsArray()) {
        n = list->Len();
        break;
      }
    }
    if (n == 0) return *this;
    cols = rt::Value::Array();
    for (std::size_t i = 1; i <= n; ++i) cols.Items().push_back(rt::Value(static_cast<long>(i)));
  }
  auto item = [](const rt::Value& list, std::size_t i) { return list.IsArray() && i <= list.Len() ? list.At(i) : rt::Value(); };
  for (std::size_t i = 1; i <= cols.Len(); ++i) {
    auto column = Col(cols.At(i).AsInt());
    if (!column) continue;
    if (!item(aTitles, i).IsNil()) column->cHeading = item(aTitles, i);
    if (!item(aHAligns, i).IsNil()) column->nHAlign = AlignOf(item(aHAligns, i));
    if (!item(a3D, i).IsNil()) column->l3DLookHead = LookOf(item(a3D, i));
    if (!item(aTitles2, i).IsNil()) column->cHeading = item(aTitles2, i);
    if (!item(aActs, i).IsNil()) column->bHAction = item(aActs, i);
  }
  DrawHeaders();
  return *this;
}

TGBrowse& TGBrowse::SetColSize(const rt::Value& nCol, const rt::Value& nWidth) {
  RebuildColSizes();
  auto set = [&](long n, long width) {
    if (auto column = Col(n)) {
      column->nWidth = std::max(0L, width);
      aColSizes.At(static_cast<std::size_t>(n)) = rt::Value(column->nWidth);
    }
  };
  if (nCol.IsArray()) {
    for (std::size_t i = 1; i <= nCol.Len(); ++i) {
      set(nCol.At(i).AsInt(), nWidth.IsArray() ? (i <= nWidth.Len() ? nWidth.At(i).AsInt() : 0) : nWidth.AsInt());
    }
  } else {
    set(nCol.AsInt(), nWidth.AsInt());
  }
  if (lPainted) Refresh();
  return *this;
}

TGBrowse& TGBrowse::SetAlign(long nCol, long nWhich, const rt::Value& nAlign) {
  for (long i = 1; i <= nColCount(); ++i) {
    if (nCol != 0 && i != nCol) continue;
    auto column = Col(i);
    const rt::Value align = AlignOf(nAlign);
    if (nWhich == 0 || nWhich == 1) column->nAlign = align;
    if (nWhich == 0 || nWhich == 2) column->nHAlign = align;
    if (nWhich == 0 || nWhich == 3) column->nFAlign = align;
  }
  Refresh();
  return *this;
}

TGBrowse& TGBrowse::SetIndexCols(rt::Args a) {
  std::vector<long> cols;
  if (!a.empty() && a[0].IsArray()) {
    for (const rt::Value& n : a[0].Items()) cols.push_back(n.AsInt());
  } else {
    for (std::size_t i = 0; i < a.size() && i < 5; ++i) cols.push_back(a[i].AsInt());
  }
  for (long n : cols) {
    if (auto column = Col(n)) column->lIndexCol = true;
  }
  return *this;
}

TGBrowse& TGBrowse::SetBtnGet(long nCol, const rt::Value& cResName, const rt::Value& bAction, long nBmpWidth) {
  if (auto column = Col(nCol)) {
    column->cResName = cResName;
    column->bAction = bAction;
    column->nBmpWidth = rt::Value(nBmpWidth);
  }
  return *this;
}

TGBrowse& TGBrowse::SetSpinner(long nCol, bool lOn, const rt::Value& bUp, const rt::Value& bDown,
                               const rt::Value& bMin, const rt::Value& bMax) {
  auto column = Col(nCol);
  if (!column) return *this;
  // Blocks not given stay unset: the editor's arrows then step the value
  // with its own increment and decrement.
  column->lSpinner = lOn;
  column->bUp = bUp.IsBlock() ? bUp : rt::Value();
  column->bDown = bDown.IsBlock() ? bDown : rt::Value();
  column->bMin = bMin;
  column->bMax = bMax;
  return *this;
}

TGBrowse& TGBrowse::SetSelectMode(bool lOn, const rt::Value& bSel) {
  lCanSelect = lOn;
  bSelected = bSel;
  aSelected = rt::Value::Array();
  return *this;
}

TGBrowse& TGBrowse::SetDeleteMode(bool lOn, bool lConfirmIt, const rt::Value& bDel, const rt::Value& bPost) {
  lCanDelete = lOn;
  lConfirm = lConfirmIt;
  bDelete = bDel;
  bPostDel = bPost;
  return *this;
}

bool TGBrowse::SetAppendMode(const rt::Value& lOn) {
  const bool old = lCanAppend;
  if (cAlias.AsString() != "TEXT_") lCanAppend = lOn.IsLogical() ? lOn.AsLogical() : !lCanAppend;
  return old;
}

TGBrowse& TGBrowse::FreezeCol(bool lMore) {
  // At least one column stays unfrozen, so that a cell can be highlighted.
  const long frozen = std::clamp(nFreeze + (lMore ? 1 : -1), 0L, std::max(0L, nColCount() - 1));
  if (frozen == nFreeze) return *this;
  nFreeze = frozen;
  if (!lMore) nColPos = nFreeze + 1;
  nColPos = std::max(nColPos, nFreeze + 1);
  HiliteCell(std::min(nFreeze + 1, nColCount()));
  if (lPainted) Refresh();
  return *this;
}

long TGBrowse::SetColor(const rt::Value& aSlots, const rt::Value& aValues, long nColumn) {
  if (aSlots.IsNumber() && aValues.IsNumber() && nColumn == 0) {
    TControl::SetColor(aSlots, aValues);
    nClrTextValue = aSlots;
    nClrPaneValue = aValues;
    return 0;
  }
  rt::Value slots = aSlots;
  if (!slots.IsArray()) {
    slots = rt::Value::Array();
    for (long i = 1; i <= 15; ++i) slots.Items().push_back(rt::Value(i));
  }
  const rt::Value values = aValues.IsArray() ? aValues : rt::Value::Array();
  auto value = [&](std::size_t i) { return i <= values.Len() ? values.At(i) : rt::Value(); };
  if (nColumn != 0 && nColCount() == 0) return 0;
  // A brush is made only of a colour number, never of a block or gradient.
  if (nColCount() == 0 && !oBrush && value(2).IsNumber()) {
    oBrush = std::make_shared<gfx::TBrush>()->New({}, value(2));
  }
  if (slots.Len() >= 2 && slots.At(1).AsInt() == 1 && slots.At(2).AsInt() == 2 && value(1).IsNumber() &&
      value(2).IsNumber()) {
    nClrText = svc::ToInt32(value(1));
    nClrPane = svc::ToInt32(value(2));
  }
  for (std::size_t i = 1; i <= slots.Len(); ++i) {
    const long slot = slots.At(i).AsInt();
    const rt::Value v = value(i);
    if (slot >= 1 && slot <= 14) {
      const Slot& s = kSlots[slot - 1];
      if (nColumn == 0) this->*s.grid = v;
      for (long c = 1; c <= nColCount(); ++c) {
        if (nColumn != 0 && c != nColumn) continue;
        if (auto column = Col(c)) (*column).*s.column = v;
      }
      if (slot == 1 && v.IsNumber() && nColumn == 0) nClrText = svc::ToInt32(v);
      if (slot == 2 && v.IsNumber() && nColumn == 0) nClrPane = svc::ToInt32(v);
    } else if (nColumn == 0) {
      nClrLine = v;
    }
  }
  if (hWnd) Refresh(true);
  return 0;
}

TGBrowse& TGBrowse::ChangeFont(const std::shared_ptr<gfx::TFont>& font, long nColumn, const rt::Value& nWhich) {
  if (!font) return *this;
  const long which = nWhich.IsNumber() ? nWhich.AsInt() : 0;
  const long line = GETFONTHEIGHT(nullptr, font->hFont);
  for (long i = 1; i <= nColCount(); ++i) {
    if (nColumn != 0 && i != nColumn) continue;
    auto column = Col(i);
    if (which == 0 || which == 1) {
      column->oFont = rt::Value(font);
      nHeightCell = std::max(nHeightCell, line + 1);
    }
    if ((which == 0 || which == 2) && lDrawHeaders) {
      column->oFontHead = rt::Value(font);
      const rt::Value heading = column->cHeading.IsBlock() ? column->cHeading.Eval() : column->cHeading;
      nHeightHead = std::max(nHeightHead, line * (heading.IsString() ? Lines(heading) : 1) + 1);
    }
    if ((which == 0 && rt::IsTrue(lDrawFooters)) || (which == 3 && lFooting)) {
      column->oFontFoot = rt::Value(font);
      const rt::Value footing = column->cFooting.IsBlock() ? column->cFooting.Eval() : column->cFooting;
      nHeightFoot = std::max(nHeightFoot, line * (footing.IsString() ? Lines(footing) : 1) + 1);
    }
  }
  Refresh();
  return *this;
}

TGBrowse& TGBrowse::Look3D(bool lOn, long nColumn, long nWhich, bool lPhantomLikeLast) {
  l3DLook = lOn;
  for (long i = 1; i <= nColCount(); ++i) {
    if (nColumn != 0 && i != nColumn) continue;
    auto column = Col(i);
    if (nWhich == 0 || nWhich == 1) column->l3DLook = lOn;
    if (nWhich == 0 || nWhich == 2) column->l3DLookHead = lOn;
    if (nWhich == 0 || nWhich == 3) column->l3DLookFoot = lOn;
  }
  nPhantom = lPhantomLikeLast ? -1 : -2;
  Refresh();
  return *this;
}

TGBrowse& TGBrowse::Set3DText(bool lOn, bool lRaised, long nColumn, long nWhich, const rt::Value& nClrLight,
                              const rt::Value& nClrShadow) {
  if (nColCount() == 1 && Col(1)->cHeading == rt::Value("_Dummy")) return *this;
  const rt::Value light = nClrLight.IsNil() ? rt::Value(gfx::GETSYSCOLOR(COLOR_BTNHIGHLIGHT)) : nClrLight;
  const rt::Value shadow = nClrShadow.IsNil() ? rt::Value(gfx::GETSYSCOLOR(COLOR_BTNSHADOW)) : nClrShadow;
  const rt::Value raised = lOn ? rt::Value(lRaised) : rt::Value();
  for (long i = 1; i <= nColCount(); ++i) {
    if (nColumn != 0 && i != nColumn) continue;
    auto column = Col(i);
    if (nWhich == 0 || nWhich == 1) {
      column->l3DTextCell = raised;
      if (lOn) {
        column->nClr3DLCell = light;
        column->nClr3DSCell = shadow;
      }
    }
    if (nWhich == 0 || nWhich == 2) {
      column->l3DTextHead = raised;
      if (lOn) {
        column->nClr3DLHead = light;
        column->nClr3DSHead = shadow;
      }
    }
    if (nWhich == 0 || nWhich == 3) {
      column->l3DTextFoot = raised;
      if (lOn) {
        column->nClr3DLFoot = light;
        column->nClr3DSFoot = shadow;
      }
    }
  }
  Refresh();
  return *this;
}

std::string TGBrowse::Proper(const std::string& c) const { return PROPER(c); }

}  // namespace grid
