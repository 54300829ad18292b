#include "apps/dravonel/entry_store.h"
#include "apps/dravonel/open_dbf.h"
#include "apps/dravonel/word_search.h"

#include <memory>

#include "apps/common/transchr.h"
#include "apps/common/word_tables.h"
#include "apps/dravonel/editor_state.h"
#include "apps/dravonel/main_dialog.h"
#include "core/tclipboard.h"
#include "graphics/cursors.h"
#include "grid/tgbrowse.h"
#include "runtime/strings.h"
#include "runtime/table_fns.h"
#include "services/msgbox.h"
#include "services/strtoken.h"

namespace dravonel {

namespace {

constexpr const char* kSearchTitle = "Suchen";
constexpr const char* kMarker = " *";
// Heading colours of the ordered column: black on white to red.
constexpr long kOrderFore = 0;
constexpr long kGradientFrom = 16777215;
constexpr long kOrderTo = 255;

std::string NotFound(std::string_view text) {
  return "Die Suche nach dem Begriff '" + std::string(text) + "' war erfolglos !";
}

// The grid paints the columns' headings; the header array is kept equal.
void SetHeading(grid::TGBrowse& g, long n, const std::string& text) {
  if (const auto column = g.Col(n)) column->cHeading = text;
  if (g.aHeaders.IsArray() && static_cast<std::size_t>(n) <= g.aHeaders.Len())
    g.aHeaders.Items()[static_cast<std::size_t>(n - 1)] = rt::Value(text);
}

std::string Heading(const grid::TGBrowse& g, long n) {
  const auto column = g.Col(n);
  return column && column->cHeading.IsString() ? column->cHeading.AsString() : std::string();
}

// The grid's order column, its order names and colours follow the table's
// order, so that its seek and heading look match the rows it shows.
void MarkOrder(grid::TGBrowse& g, long nOrder) {
  const std::string base = Editor().cDictBase;
  for (long n : {1L, 2L}) {
    if (const auto column = g.Col(n)) column->cOrder = n == nOrder ? base + std::to_string(n) : std::string();
  }
  g.SetColor(rt::Value::Array({13, 14}),
             rt::Value::Array({kOrderFore, rt::Value::Array({kGradientFrom, kOrderTo})}));
  g.nColOrder = nOrder;
  g.cOrderType = "C";
  g.ResetSeek();
}

void UseOrder(long nOrder) {
  rt::ORDSETFOCUS(rt::Value(nOrder));
  if (const auto g = WordGrid()) MarkOrder(*g, nOrder);
}

// The found row at the top of the grid.
void ShowFound(bool focus) {
  const auto g = WordGrid();
  if (!g) return;
  g->nRowPos = 1;
  // The bar follows the row the seek found.
  g->ResetBarPos();
  g->Refresh(false);
  if (focus && g->hWnd) g->SetFocus();
}

bool Seek(const std::string& text) { return rt::DBSEEK(rt::Value(text), false); }

}  // namespace

void ShowCurrentRow() {
  if (const auto g = WordGrid()) {
    g->ResetBarPos();
    g->Refresh(false);
  }
}

void MarkSide(long searched) {
  const auto g = WordGrid();
  if (!g) return;
  for (long n : {1L, 2L}) {
    const std::string token = svc::STRTOKEN(Heading(*g, n), 1);
    SetHeading(*g, n, n == searched ? token + kMarker : token);
  }
  if (g->hWnd) g->Refresh(false);
}

std::string FirstLine(std::string_view text) {
  std::size_t end = 0;
  while (end < text.size() && static_cast<unsigned char>(text[end]) >= 32) ++end;
  return std::string(text.substr(0, end));
}

std::string ForeignSeekText(std::string_view cText) {
  std::string text = rt::TRIM(cText);
  const common::WordTable* table = common::FindWordTable(Editor().cDictBase);
  if (table && table->foldsForeign) text = common::TRANSCHR(text);
  return rt::UPPER(text);
}

bool TABSORT(long nOrder) {
  auto& e = Editor();
  if (SelectWords()) {
    rt::ORDSETFOCUS(rt::Value(nOrder));
    rt::DBGOTOP();
  }
  if (const auto g = WordGrid()) {
    MarkOrder(*g, nOrder);
    g->lHitTop = false;
    g->GoTop();
    g->Refresh(false);
  }
  ZQGETVAR(false);
  e.lDirDe = nOrder != 2;
  return true;
}

void SUCHEN(const std::string& cDe, const std::string& cFr) {
  auto& e = Editor();
  if (!SelectWords()) return;
  const long recno = rt::RECNO();
  e.lDirDe = rt::TRIM(cFr).empty();
  gfx::CURSORWAIT();
  const bool german = !rt::TRIM(cDe).empty();
  const std::string text = german ? rt::UPPER(rt::TRIM(cDe)) : ForeignSeekText(cFr);
  UseOrder(german ? 1 : 2);
  if (Seek(text)) {
    MarkSide(german ? 1 : 2);
    ShowFound(false);
  } else {
    gfx::CURSORARROW();
    svc::MSGALERT(NotFound(rt::TRIM(german ? cDe : cFr)), std::string(kSearchTitle));
    rt::DBGOTO(recno);
    // The rows on screen come from the order now in force.
    ShowCurrentRow();
  }
  gfx::CURSORARROW();
  ZQGETVAR(true);
}

void SHORTSEEK(const std::string& cLetter) {
  if (!SelectWords()) return;
  const long recno = rt::RECNO();
  gfx::CURSORWAIT();
  if (Seek(cLetter)) {
    ShowFound(true);
  } else {
    gfx::CURSORARROW();
    svc::MSGALERT("Die Suche war leider erfolglos !", std::string(kSearchTitle));
    rt::DBGOTO(recno);
  }
  gfx::CURSORARROW();
  ZQGETVAR(true);
}

void SEEKWORT(const std::string& cWord) {
  if (!SelectWords()) return;
  const long recno = rt::RECNO();
  gfx::CURSORWAIT();
  const std::string word = rt::ALLTRIM(cWord);
  if (!word.empty()) {
    UseOrder(1);
    if (Seek(rt::UPPER(word))) {
      MarkSide(1);
    } else {
      UseOrder(2);
      if (Seek(ForeignSeekText(word))) {
        MarkSide(2);
      } else {
        UseOrder(1);
        rt::DBGOTO(recno);
        gfx::CURSORARROW();
        svc::MSGALERT(NotFound(word), std::string(kSearchTitle));
      }
    }
    ShowFound(true);
  }
  gfx::CURSORARROW();
  ZQGETVAR(true);
}

bool PUTCLIPBOARD(const std::string& cText) {
  const auto& clip = Editor().oClip;
  if (!clip) return false;
  // SetText opens and closes the clipboard itself.
  clip->Clear();
  return !rt::TRIM(cText).empty() && clip->SetText(rt::TRIM(cText));
}

bool GETCLIPBOARD() {
  const auto& clip = Editor().oClip;
  if (!clip) return true;
  const std::string text = FirstLine(clip->GetText());
  clip->Clear();
  SEEKWORT(text);
  return true;
}

}  // namespace dravonel
