// The right mouse button: on a row it moves there and runs the program's
// hook; on a heading it opens the column menu, which copies, cuts, pastes,
// deletes and restores columns and sets where the cursor goes after a cell
// is edited.
#include <windows.h>

#include <array>
#include <functional>
#include <string>

#include "controls/tmenu.h"
#include "grid/grid_geometry.h"
#include "grid/grid_messages.h"
#include "grid/tgbrowse.h"

namespace grid {
namespace {

// Message numbers of the menu's texts.
constexpr int kUndo = 6, kCopy = 7, kCut = 8, kPaste = 9, kDelete = 10, kKindCopied = 12, kKindCut = 13,
              kCursorMenu = 19;
// The cursor submenu: message and edit move.
constexpr std::array<std::pair<int, long>, 5> kCursorMoves{{{14, 2}, {15, 1}, {16, 4}, {17, 3}, {18, 5}}};
// Below the heading: its height and this gap.
constexpr long kMenuGap = 2;

void Item(const std::string& prompt, const rt::Value& action, bool active = true) {
  std::array<rt::Value, 15> a{};
  a[0] = prompt;
  a[3] = active;
  a[4] = action;
  ctl::MENUADDITEM(rt::Args(a.data(), a.size()));
}

void Separator() { ctl::MENUADDITEM({}); }

}  // namespace

std::shared_ptr<ctl::TMenu> TGBrowse::ColumnMenu(long, long nCol) {
  const long column = nAtCol(SignedPixel(nCol));
  const bool superHeads = aSuperHead.IsArray() && aSuperHead.Len() > 0;
  // The grid is held by the menu's blocks only while the menu lives.
  const std::weak_ptr<TGBrowse> weak = std::static_pointer_cast<TGBrowse>(shared_from_this());
  const auto with = [weak](std::function<void(TGBrowse&)> fn) {
    return rt::Value::Action([weak, fn = std::move(fn)] {
      if (const auto g = weak.lock()) fn(*g);
    });
  };
  const rt::Value menuValue = ctl::MENUBEGIN(true);
  Item(lUndo && heldColumn_ ? GridMessage(kUndo) + " " + GridMessage(heldKind_) : GridMessage(kUndo),
       with([](TGBrowse& g) {
         if (!g.lUndo || !g.heldColumn_) return;
         g.InsColumn(g.heldPos_, g.heldColumn_);
         g.HiliteCell(g.heldPos_);
         g.Refresh(false);
         g.heldColumn_ = nullptr;
         g.heldKind_ = 0;
         g.lUndo = false;
       }),
       lUndo && heldColumn_ != nullptr);
  Separator();
  Item(GridMessage(kCopy), with([column](TGBrowse& g) {
         if (const auto c = g.Col(column)) {
           g.heldColumn_ = std::make_shared<TGColumn>(*c);
           g.heldKind_ = kKindCopied;
           g.heldPos_ = column;
         }
       }));
  // Cut and delete hold the column only when it was really removed: the
  // only column stays, and nothing is there to undo.
  const auto removeInto = [column](TGBrowse& g, int kind) {
    if (const auto removed = g.DelColumn(column)) {
      g.heldColumn_ = removed;
      g.heldKind_ = kind;
      g.heldPos_ = column;
      g.Refresh(false);
      g.lUndo = true;
    }
  };
  Item(GridMessage(kCut), with([removeInto](TGBrowse& g) { removeInto(g, kKindCut); }), !superHeads);
  Item(GridMessage(kPaste), with([column](TGBrowse& g) {
         if (!g.heldColumn_) return;
         g.InsColumn(column, g.heldColumn_);
         g.HiliteCell(column);
         g.Refresh(false);
         g.heldColumn_ = nullptr;
         g.heldKind_ = 0;
         g.lUndo = false;
       }),
       heldColumn_ != nullptr && heldKind_ != kKindCopied && !superHeads);
  Separator();
  Item(GridMessage(kDelete), with([removeInto](TGBrowse& g) { removeInto(g, kKindCopied); }), !superHeads);
  if (const auto c = Col(column); c && c->lEdit) {
    Separator();
    Item(GridMessage(kCursorMenu), {});
    ctl::MENUBEGIN(true);
    for (const auto& [message, move] : kCursorMoves) {
      Item(GridMessage(message), with([column, move](TGBrowse& g) {
             if (const auto target = g.Col(column)) target->nEditMove = move;
           }));
    }
    ctl::MENUEND();
  }
  ctl::MENUEND();
  return menuValue.As<ctl::TMenu>();
}

rt::Value TGBrowse::RButtonDown(long nRow, long nCol, long nFlags) {
  nRow = SignedPixel(nRow);
  nCol = SignedPixel(nCol);
  if (hWnd) ::SetFocus(hWnd);
  lFirstFocus = false;
  const auto owner = Container();
  if (owner) owner->nLastKey = 0;
  if (Count() == 0 || nColCount() == 0) return rt::Value(0);
  const long row = nTGBRow(nRow);
  const long column = nAtCol(nCol);
  if (row > 0 && row != kFooterRow && column > nFreeze) {
    ResetSeek();
    const long oldRow = nRowPos;
    if (row != nRowPos && row <= nRowCount()) {
      Draw([this] { DrawLine(); });
      nRowPos += Skip(row - nRowPos);
      BarToRow();
      lHitTop = lHitBottom = false;
    }
    nCell = column;
    HBarTo(nCell);
    if (nRowPos != oldRow) bChange.Eval(Self(), owner ? owner->nLastKey : 0L);
    if (lCellBrw) HiliteCell(column);
    Draw([this] { DrawSelect(); });
    return bRClicked.Eval(nRow, nCol, nFlags);
  }
  if (lDrawHeaders && row == 0 && nRow >= 0 && column > nFreeze && !lNoMoveCols) {
    const auto menu = ColumnMenu(nRow, nCol);
    // The menu opens below the heading, placed in the owner window where
    // the grid's point lies.
    POINT at{static_cast<LONG>(nCol), static_cast<LONG>(nRow + nHeightHead + kMenuGap)};
    const HWND ownerWnd = owner ? owner->hWnd : nullptr;
    if (ownerWnd) MapWindowPoints(hWnd, ownerWnd, &at, 1);
    if (menu) menu->Activate(at.y, at.x, owner ? owner->Self() : rt::Value());
  }
  return rt::Value(0);
}

}  // namespace grid
