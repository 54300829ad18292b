// The grid against the system's list view in report view with owner data,
// both 800 x 600 pixels with the editor's columns and font, over the same
// work area of the full DEUENG.DBF through order 1. The list view's cache
// hint fills a page cache by skipping the work area through the order, and
// its display requests are answered from that cache. Figures, per widget:
// rows painted per second over full-page repaints at positions spread over
// the table (positioning not timed) and over paging 20,000 rows from the
// middle, and the latency of one page on (median and 95th percentile): the
// grid's PageDown, the list view's page key, each followed by UpdateWindow.
// Then the grid's thumb dropped at ten positions from top to bottom beside
// DBSEEK to the keys the drops landed on.
// Run by bench/win/grid_bench.sh, which makes the table with
// tools/word_tables when it is missing.
//
//   grid_bench [--dir FOLDER] [--repaints N] [--rows N]

#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "apps/common/transchr.h"
#include "apps/common/word_tables.h"
#include "core/twindow.h"
#include "graphics/tfont.h"
#include "bench/bench_support.h"
#include "grid/tgbrowse.h"
#include "grid/tgbscrlbar.h"
#include "runtime/macro.h"
#include "runtime/table_fns.h"
#include "runtime/value_text.h"

namespace {

using bench::Clock;
using bench::Seconds;
constexpr int kWidth = 800, kHeight = 600;

struct Figures {
  double repaintRowsPerSecond = 0, pagingRowsPerSecond = 0, medianMs = 0, p95Ms = 0;
};

double Percentile(std::vector<double> v, double p) {
  if (v.empty()) return 0;
  std::sort(v.begin(), v.end());
  return v[std::min(v.size() - 1, static_cast<std::size_t>(p * static_cast<double>(v.size() - 1) + 0.5))];
}

// Turns pages with pageOn (which answers the rows it moved) until the rows
// are passed, each page timed.
template <class PageOn>
void Paging(Figures& f, long pagingRows, PageOn&& pageOn) {
  std::vector<double> pages;
  long moved = 0;
  const auto all = Clock::now();
  while (moved < pagingRows) {
    const auto start = Clock::now();
    const long step = pageOn();
    pages.push_back(Seconds(start) * 1000);
    if (step <= 0) break;
    moved += step;
  }
  f.pagingRowsPerSecond = static_cast<double>(moved) / Seconds(all);
  f.medianMs = Percentile(pages, 0.5);
  f.p95Ms = Percentile(pages, 0.95);
}

void Pump() {
  MSG msg;
  while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&msg);
}

void Repaint(HWND h) {
  InvalidateRect(h, nullptr, FALSE);
  UpdateWindow(h);
}

std::shared_ptr<core::TWindow> TopWindow() {
  auto w = std::make_shared<core::TWindow>();
  core::WindowArgs a;
  a.nTop = 0;
  a.nLeft = 0;
  a.nBottom = kHeight + 20;
  a.nRight = kWidth + 20;
  a.lPixel = true;
  a.nStyle = static_cast<double>(WS_POPUP | WS_VISIBLE);
  w->New(a);
  return w;
}

// The positions (key numbers) of the timed repaints, spread over the order.
std::vector<long> Spread(long count, int n, long rowsShown) {
  std::vector<long> keys;
  const long last = std::max(1L, count - rowsShown);
  for (int i = 0; i < n; ++i) keys.push_back(1 + static_cast<long>((static_cast<double>(last - 1) * i) / std::max(1, n - 1)));
  return keys;
}

// The editor's grid: the table's fields, the first two headed and 307
// pixels wide, even and odd rows and deleted rows in their colours, a
// gradient heading, grey lines, line style 0, no horizontal bar.
std::shared_ptr<grid::TGBrowse> EditorGrid(const std::shared_ptr<core::TWindow>& owner,
                                           const std::shared_ptr<gfx::TFont>& font) {
  auto g = std::make_shared<grid::TGBrowse>();
  grid::BrowseArgs a;
  a.nWidth = kWidth;
  a.nHeight = kHeight;
  a.oWnd = rt::Value(owner);
  a.lPixel = true;
  a.cAlias = "DBUCH";
  a.oFont = rt::Value(font);
  a.aHeaders = rt::Value::Array({"Deutsch", "Englisch"});
  a.aColSizes = rt::Value::Array({307, 307});
  a.nLineStyle = 0;
  g->New(a);
  g->lNoHScroll = true;
  ShowScrollBar(g->hWnd, SB_HORZ, FALSE);
  g->nHeightHead += 7;
  g->LoadFields(false);
  std::weak_ptr<grid::TGBrowse> weak = g;
  const rt::Value rowColour = rt::Value::Block([weak](rt::Args) {
    const auto grid = weak.lock();
    if (rt::AliasEval("DBUCH", [] { return rt::Value(rt::DELETED()); }).AsLogical()) {
      return rt::Value(static_cast<long>(RGB(255, 193, 193)));
    }
    const long pos = grid ? grid->nLogicPos() : 0;
    return rt::Value(static_cast<long>(pos % 2 == 0 ? RGB(227, 245, 241) : RGB(255, 255, 255)));
  });
  g->SetColor(rt::Value::Array({2, 3, 4, 5, 6, 11, 12, 15}),
              rt::Value::Array({rowColour, 0, rt::Value::Array({0xFFFFFF, 0x808000}), 0,
                                rt::Value::Array({0xFFFFFF, 0x808080}), 0, rt::Value::Array({0xFFFFFF, 0x808080}),
                                0x808080}));
  g->nLineStyle = 0;
  return g;
}

Figures GridFigures(const std::shared_ptr<grid::TGBrowse>& g, long count, int repaints, long pagingRows) {
  Figures f;
  for (int i = 0; i < 6 && GetUpdateRect(g->hWnd, nullptr, FALSE); ++i) UpdateWindow(g->hWnd);
  const long rows = g->nRowCount();
  double spent = 0;
  long painted = 0;
  for (long key : Spread(count, repaints, rows)) {
    rt::ORDKEYGOTO(key);
    g->nAt = key;
    g->nRowPos = 1;
    const auto start = Clock::now();
    Repaint(g->hWnd);
    spent += Seconds(start);
    painted += g->nLastPainted;
  }
  f.repaintRowsPerSecond = static_cast<double>(painted) / spent;
  rt::ORDKEYGOTO(count / 2);
  g->nAt = count / 2;
  g->nRowPos = 1;
  g->lHitTop = g->lHitBottom = false;
  Repaint(g->hWnd);
  Paging(f, pagingRows, [&] {
    const long before = g->nAt;
    g->PageDown();
    UpdateWindow(g->hWnd);
    return g->nAt - before;
  });
  return f;
}

// Thumb drops at ten bar positions from the top to the bottom of the bar,
// each followed by the repaint, beside a soft seek to the key of the record
// the drop landed on (with the same repaint after it). The drops position
// through the order's key numbers.
void ThumbDrops(const std::shared_ptr<grid::TGBrowse>& g) {
  const auto bar = g->VScrollBar().As<grid::TGBScrlBar>();
  if (!bar) return;
  const long barMax = bar->GetRange().At(2).AsInt();
  const std::string keyText = rt::ORDKEY();
  std::printf("\n%8s %8s %10s %10s %12s %10s %10s %10s\n", "bar", "key no", "drop ms", "DBSEEK ms", "seek key no",
              "repaint ms", "KEYGOTO ms", "KEYNO ms");
  double drops = 0, seeks = 0;
  for (int i = 0; i < 10; ++i) {
    const long pos = 1 + static_cast<long>(static_cast<double>(barMax - 1) * i / 9);
    auto start = Clock::now();
    g->VScroll(SB_THUMBPOSITION, pos);
    UpdateWindow(g->hWnd);
    const double drop = Seconds(start);
    // The order's own two walks from the top, for the key the drop found.
    start = Clock::now();
    const long keyNo = rt::ORDKEYNO();
    const double keyNoTime = Seconds(start);
    start = Clock::now();
    rt::ORDKEYGOTO(keyNo);
    const double goToTime = Seconds(start);
    const rt::Value key = rt::MacroEval(keyText);
    rt::DBGOTOP();
    start = Clock::now();
    rt::DBSEEK(key, true);
    const double seek = Seconds(start);
    const long seekKeyNo = rt::ORDKEYNO();
    g->nRowPos = 1;
    start = Clock::now();
    Repaint(g->hWnd);
    const double repaint = Seconds(start);
    drops += drop;
    seeks += seek;
    std::printf("%8ld %8ld %10.2f %10.3f %12ld %10.2f %10.2f %10.2f\n", pos, keyNo, drop * 1000, seek * 1000,
                seekKeyNo, repaint * 1000, goToTime * 1000, keyNoTime * 1000);
  }
  std::printf("%8s %8s %10.2f %10.3f\n", "mean", "", drops * 100, seeks * 100);
}

// The list view's side: a page cache filled on the cache hint by skipping
// the work area through the order from the key it stands on.
struct ListCache {
  long first = 0;  // item number of the first cached row
  std::vector<std::vector<std::string>> rows;
  long current = 1;  // key number of the work area's current record
  int fields = 0;

  void Fill(long from, long to) {
    rows.clear();
    first = from;
    rt::DBSKIP(from + 1 - current);
    current = from + 1;
    for (long i = from; i <= to && !rt::DbEof(); ++i) {
      std::vector<std::string> row;
      for (int f = 1; f <= fields; ++f) row.push_back(rt::CVALTOCHAR(rt::FIELDGET(f)));
      rows.push_back(std::move(row));
      rt::DBSKIP(1);
      ++current;
    }
  }
  const std::string* Text(long item, int sub) {
    if (item < first || item >= first + static_cast<long>(rows.size())) Fill(item, item);
    if (rows.empty()) return nullptr;
    const auto& row = rows[static_cast<std::size_t>(item - first)];
    return sub < static_cast<int>(row.size()) ? &row[static_cast<std::size_t>(sub)] : nullptr;
  }
};

ListCache* g_cache = nullptr;
WNDPROC g_hostProc = nullptr;

LRESULT CALLBACK HostProc(HWND h, UINT msg, WPARAM wp, LPARAM lp) {
  if (msg == WM_NOTIFY && g_cache) {
    const auto* hdr = reinterpret_cast<const NMHDR*>(lp);
    if (hdr->code == LVN_ODCACHEHINT) {
      const auto* hint = reinterpret_cast<const NMLVCACHEHINT*>(lp);
      g_cache->Fill(hint->iFrom, hint->iTo);
      return 0;
    }
    if (hdr->code == LVN_GETDISPINFOA) {
      auto* info = reinterpret_cast<NMLVDISPINFOA*>(lp);
      if (info->item.mask & LVIF_TEXT) {
        const std::string* text = g_cache->Text(info->item.iItem, info->item.iSubItem);
        const std::size_t n = text ? std::min(text->size(), static_cast<std::size_t>(info->item.cchTextMax - 1)) : 0;
        if (text) text->copy(info->item.pszText, n);
        info->item.pszText[n] = '\0';
      }
      return 0;
    }
  }
  return CallWindowProcA(g_hostProc, h, msg, wp, lp);
}

Figures ListFigures(HWND host, const std::shared_ptr<grid::TGBrowse>& g, long count, int repaints, long pagingRows,
                    Figures& scrolled) {
  ListCache cache;
  cache.fields = rt::FCOUNT();
  g_cache = &cache;
  g_hostProc = reinterpret_cast<WNDPROC>(SetWindowLongPtrA(host, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(HostProc)));
  const HWND lv = CreateWindowExA(0, WC_LISTVIEWA, "",
                                  WS_CHILD | WS_VISIBLE | WS_BORDER | LVS_REPORT | LVS_OWNERDATA | LVS_SHOWSELALWAYS | LVS_SINGLESEL,
                                  0, 0, kWidth, kHeight, host, nullptr, GetModuleHandleA(nullptr), nullptr);
  SendMessageA(lv, WM_SETFONT, reinterpret_cast<WPARAM>(g->FontHandle()), TRUE);
  SendMessageA(lv, LVM_SETEXTENDEDLISTVIEWSTYLE, LVS_EX_FULLROWSELECT, LVS_EX_FULLROWSELECT);
  for (long i = 1; i <= g->nColCount(); ++i) {
    const std::string heading = rt::CVALTOCHAR(g->Col(i)->cHeading);
    LVCOLUMNA col{};
    col.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_SUBITEM;
    col.cx = static_cast<int>(g->aColSizes.At(static_cast<std::size_t>(i)).AsInt());
    col.pszText = const_cast<char*>(heading.c_str());
    col.iSubItem = static_cast<int>(i - 1);
    SendMessageA(lv, LVM_INSERTCOLUMNA, static_cast<WPARAM>(i - 1), reinterpret_cast<LPARAM>(&col));
  }
  SendMessageA(lv, LVM_SETITEMCOUNT, static_cast<WPARAM>(count), LVSICF_NOINVALIDATEALL);
  rt::DBGOTOP();
  cache.current = 1;
  Repaint(lv);
  const long rows = static_cast<long>(SendMessageA(lv, LVM_GETCOUNTPERPAGE, 0, 0));
  Figures f;
  double spent = 0;
  long painted = 0;
  for (long key : Spread(count, repaints, rows)) {
    // Untimed: the list view's top row and the work area on its key.
    const long top = key - 1;
    const long now = static_cast<long>(SendMessageA(lv, LVM_GETTOPINDEX, 0, 0));
    RECT item{LVIR_BOUNDS, 0, 0, 0};
    SendMessageA(lv, LVM_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&item));
    SendMessageA(lv, LVM_SCROLL, 0, (top - now) * (item.bottom - item.top));
    ValidateRect(lv, nullptr);
    rt::ORDKEYGOTO(key);
    cache.current = key;
    const auto start = Clock::now();
    Repaint(lv);
    spent += Seconds(start);
    painted += rows;
  }
  f.repaintRowsPerSecond = static_cast<double>(painted) / spent;
  // From the middle, the focus on the top row; the first page key only
  // takes the focus to the bottom of the page.
  const long middle = count / 2;
  LVITEMA state{};
  state.stateMask = LVIS_FOCUSED | LVIS_SELECTED;
  state.state = LVIS_FOCUSED | LVIS_SELECTED;
  SendMessageA(lv, LVM_SETITEMSTATE, static_cast<WPARAM>(middle), reinterpret_cast<LPARAM>(&state));
  SendMessageA(lv, LVM_ENSUREVISIBLE, static_cast<WPARAM>(middle + rows - 1), FALSE);
  SendMessageA(lv, LVM_ENSUREVISIBLE, static_cast<WPARAM>(middle), FALSE);
  SetFocus(lv);
  SendMessageA(lv, WM_KEYDOWN, VK_NEXT, 0);
  UpdateWindow(lv);
  const auto topIndex = [lv] { return static_cast<long>(SendMessageA(lv, LVM_GETTOPINDEX, 0, 0)); };
  Paging(f, pagingRows, [&] {
    const long before = topIndex();
    SendMessageA(lv, WM_KEYDOWN, VK_NEXT, 0);
    UpdateWindow(lv);
    return topIndex() - before;
  });
  // The same pages turned by scrolling the list alone, without moving its
  // focus: how much of a page key's time is the list's own keyboard path.
  RECT item{LVIR_BOUNDS, 0, 0, 0};
  SendMessageA(lv, LVM_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&item));
  Paging(scrolled, pagingRows, [&] {
    const long before = topIndex();
    SendMessageA(lv, LVM_SCROLL, 0, rows * (item.bottom - item.top));
    UpdateWindow(lv);
    return topIndex() - before;
  });
  DestroyWindow(lv);
  SetWindowLongPtrA(host, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(g_hostProc));
  g_cache = nullptr;
  return f;
}

void Print(const char* who, const Figures& f) {
  std::printf("%-10s %12.0f %12.0f %10.2f %10.2f\n", who, f.repaintRowsPerSecond, f.pagingRowsPerSecond, f.medianMs,
              f.p95Ms);
}

}  // namespace

int main(int argc, char** argv) {
  const bench::Options options(argc, argv);
  const std::string dir = options.Text("--dir", ".");
  const int repaints = static_cast<int>(options.Number("--repaints", 200, 2));
  const long pagingRows = options.Number("--rows", 20000);
  std::filesystem::current_path(dir);
  common::RegisterWordFunctions();
  INITCOMMONCONTROLSEX icc{sizeof icc, ICC_LISTVIEW_CLASSES};
  InitCommonControlsEx(&icc);
  const common::WordTable& table = *common::FindWordTable(common::kDefaultDictionary);
  if (!rt::DBUSEAREA(true, "", common::TablePath(table), "DBUCH", false, false)) {
    std::fprintf(stderr, "DEUENG.DBF not found in %s\n", dir.c_str());
    return 1;
  }
  const std::string index = common::IndexName(table, 1);
  if (!std::filesystem::exists(common::IndexPath(table, 1)) &&
      !rt::ORDCREATE(index, "", common::OrderKey(table, 1, common::KeyStyle::Editor))) {
    std::fprintf(stderr, "order 1 could not be built\n");
    return 1;
  }
  rt::ORDLISTCLEAR();
  rt::ORDLISTADD(index);
  rt::ORDSETFOCUS(rt::Value(1));
  rt::DBGOTOP();
  const long count = rt::ORDKEYCOUNT();
  auto window = TopWindow();
  auto font = std::make_shared<gfx::TFont>()->New("Arial", 0, -12);
  auto g = EditorGrid(window, font);
  Pump();
  std::printf("%ld rows, order 1, %d x %d pixels, %d repaints, paging %ld rows\n", count, kWidth, kHeight, repaints,
              pagingRows);
  std::printf("%-10s %12s %12s %10s %10s\n", "", "repaint r/s", "paging r/s", "page ms", "p95 ms");
  const Figures grid = GridFigures(g, count, repaints, pagingRows);
  ThumbDrops(g);
  ShowWindow(g->hWnd, SW_HIDE);
  Figures scrolled;
  const Figures list = ListFigures(window->hWnd, g, count, repaints, pagingRows, scrolled);
  scrolled.repaintRowsPerSecond = list.repaintRowsPerSecond;
  Print("grid", grid);
  Print("listview", list);
  Print("(scrolled)", scrolled);
  DestroyWindow(window->hWnd);
  font->End();
  rt::DBCLOSEALL();
  return 0;
}
