#include "apps/dravonel/main_dialog.h"

#include <windows.h>

#include <array>
#include <functional>

#include "apps/common/transchr.h"
#include "apps/dravonel/build_menu.h"
#include "apps/dravonel/editor_state.h"
#include "apps/dravonel/entry_store.h"
#include "apps/dravonel/open_dbf.h"
#include "apps/dravonel/word_search.h"
#include "controls/tbitmap.h"
#include "controls/tbutton.h"
#include "controls/tget.h"
#include "core/tdialog.h"
#include "core/twindow.h"
#include "graphics/tbrush.h"
#include "graphics/tcursor.h"
#include "graphics/tfont.h"
#include "grid/tgbrowse.h"
#include "runtime/macro.h"
#include "runtime/strings.h"
#include "runtime/table_fns.h"
#include "services/help.h"
#include "services/keyboard.h"

namespace dravonel {

namespace {

// WS_CHILD | WS_VISIBLE.
constexpr long kDialogStyle = 1342177280L;
static_assert(kDialogStyle == static_cast<long>(WS_CHILD | WS_VISIBLE));
constexpr const char* kHelpTopic = "Hauptauswahl";
constexpr long kWordWidth = 307;
constexpr long kGridHeight = 170;

struct Language {
  std::string_view base;
  const char* foreign;
  const char* bitmap;
};

constexpr std::array<Language, 6> kLanguages{{
    {"DEUENG", "Englisch", "ENG"},
    {"DEUFRA", "Franz\xF6sisch", "FRA"},
    {"DEUITA", "Italienisch", "ITA"},
    {"DEUSPA", "Spanisch", "SPA"},
    {"DEUPOR", "Portugiesisch", "POR"},
    {"DEULAT", "Latein", "LAT"},
}};

// The letter buttons' columns: groups of three, 10 apart, 15 between groups.
constexpr std::array<int, 26> kLetterCols{2,   12,  22,  37,  47,  57,  72,  82,  92,  107, 117, 127, 142,
                                          152, 162, 177, 187, 197, 212, 222, 232, 247, 257, 267, 282, 292};
constexpr int kLetterRow = 190;

// Row colours: even logical rows mint, odd white; deleted rows pink and red.
constexpr long kEvenRow = 241L * 65536 + 245L * 256 + 227;
constexpr long kEvenDeleted = 193L * 65536 + 193L * 256 + 255;
constexpr long kOddRow = 16777215;
constexpr long kOddDeleted = 255;
constexpr long kWhite = 16777215;
constexpr long kTeal = 8421376;
constexpr long kGrey = 8421504;

// The working surface is ended only by a dictionary switch: the Cancel
// command that Escape makes in any of its fields is ignored, whether or not
// the key is still down when the close would be checked.
class MainDialog : public core::TDialog {
 public:
  rt::Value Command(LPARAM nWParam, LPARAM nLParam) override {
    if (LOWORD(nWParam) == IDCANCEL && HIWORD(nWParam) == 0 && nLParam == 0) return rt::Value(0);
    return core::TDialog::Command(nWParam, nLParam);
  }
};

struct DialogParts {
  std::shared_ptr<MainDialog> dialog;
  std::shared_ptr<controls::TGet> getDe, getFr;
  std::shared_ptr<grid::TGBrowse> grid;
  std::shared_ptr<gfx::TCursor> hand;
  // The record the grid showed when its change hook last ran: the fields
  // are cleared only when the grid has moved to another row.
  long lastRecord = -1;
};

DialogParts& Parts() {
  static DialogParts parts;
  return parts;
}

rt::Value SeekBinding(std::string& text) {
  return rt::Value::Block([&text](rt::Args a) {
    if (!a.empty() && a[0].IsString()) text = rt::PADR(a[0].AsString(), static_cast<long>(kSeekLength));
    return rt::Value(text);
  });
}

std::shared_ptr<controls::TGet> MakeGet(int col, std::string& text, const char* message, const char* tip) {
  controls::GetArgs g;
  g.nRow = 3;
  g.nCol = col;
  g.nWidth = 115;
  g.nHeight = 10;
  g.lPixel = true;
  g.cPicture = "@K";
  g.oWnd = rt::Value(Parts().dialog);
  g.bSetGet = SeekBinding(text);
  auto get = std::make_shared<controls::TGet>();
  const std::weak_ptr<controls::TGet> weak = get;
  g.bValid = rt::Value::Block([weak](rt::Args) {
    if (const auto self = weak.lock()) self->Refresh();
    return rt::Value(true);
  });
  g.cMsg = message;
  get->New(g);
  get->cToolTip = tip;
  return get;
}

std::shared_ptr<controls::TButton> MakeButton(int row, int col, int width, int height, const std::string& caption,
                                              const std::string& message, rt::Value action, bool isDefault) {
  controls::ButtonArgs a;
  a.nRow = row;
  a.nCol = col;
  a.nWidth = width;
  a.nHeight = height;
  a.lPixel = true;
  a.cCaption = caption;
  a.cMsg = message;
  a.lDefault = isDefault;
  a.bAction = std::move(action);
  a.oWnd = rt::Value(Parts().dialog);
  auto b = std::make_shared<controls::TButton>();
  b->New(a);
  return b;
}

std::shared_ptr<controls::TBitmap> MakeFlag(int col, const std::string& resource, long order,
                                           const std::string& caption) {
  controls::BitmapArgs a;
  a.nTop = 4;
  a.nLeft = col;
  a.nWidth = 8;
  a.nHeight = 8;
  a.cResName = resource;
  a.lNoBorder = true;
  a.oWnd = rt::Value(Parts().dialog);
  a.bLClicked = rt::Value::Action([order] { TABSORT(order); });
  a.oCursor = rt::Value(Parts().hand);
  a.lPixel = true;
  auto bmp = std::make_shared<controls::TBitmap>();
  bmp->New(a);
  bmp->cToolTip = "Sprachausrichtung " + caption;
  return bmp;
}

bool RowDeleted() {
  return SelectWords() && rt::DELETED();
}

// The change hook: the search texts live until the grid moves to another
// row; a repaint on the same row keeps what was typed.
void OnGridChange() {
  DialogParts& p = Parts();
  const long record = SelectWords() ? rt::RECNO() : 0;
  if (record == p.lastRecord) return;
  p.lastRecord = record;
  ZQGETVAR(false);
}

void MakeGrid(long width) {
  auto& e = Editor();
  DialogParts& p = Parts();
  grid::BrowseArgs a;
  a.nRow = 17;
  a.nCol = 0;
  a.nWidth = width;
  a.nHeight = kGridHeight;
  a.bLine = rt::Value::Block([](rt::Args) {
    if (!SelectWords()) return rt::Value::Array({"", ""});
    std::string german = common::ENTCRYPT(rt::FIELDGET("DEUTSCH")).AsString();
    if (rt::DELETED()) german += "(DEL)";
    return rt::Value::Array({german, common::ENTCRYPT(rt::FIELDGET("FREMD"))});
  });
  a.aHeaders = rt::Value::Array({e.cCapDe, e.cCapFr});
  a.aColSizes = rt::Value::Array({kWordWidth, kWordWidth});
  a.oWnd = rt::Value(p.dialog);
  a.bChange = rt::Value::Action(OnGridChange);
  a.bLDblClick = rt::Value::Action([] { ZQGETVAR(false); });
  a.bLClicked = rt::Value::Action([] { ZQGETVAR(false); });
  a.bRClicked = rt::Value::Block([](rt::Args args) {
    const long row = args.size() > 0 ? args[0].AsInt() : 0;
    const long col = args.size() > 1 ? args[1].AsInt() : 0;
    BUILDRMENU(rt::Value(Editor().oWndMain), row, col);
    return rt::Value();
  });
  a.oFont = rt::Value(e.oFontGrid);
  a.cMsg = "Rechtsklick \xF6" "ffnet das Kontextmen\xFC ...";
  a.cAlias = kWordAlias;
  a.lPixel = true;
  p.grid = std::make_shared<grid::TGBrowse>();
  p.grid->New(a);
  grid::TGBrowse& g = *p.grid;
  g.nHeightHead += 7;
  g.LoadFields(false);
  const std::weak_ptr<grid::TGBrowse> weak = p.grid;
  const rt::Value rowBack = rt::Value::Block([weak](rt::Args) {
    const auto self = weak.lock();
    const bool even = self && self->nLogicPos() % 2 == 0;
    const bool deleted = RowDeleted();
    return rt::Value(even ? (deleted ? kEvenDeleted : kEvenRow) : (deleted ? kOddDeleted : kOddRow));
  });
  const rt::Value focused = rt::Value::Array({kWhite, kGrey});
  g.SetColor(rt::Value::Array({2, 3, 4, 5, 6, 11, 12, 15}),
             rt::Value::Array({rowBack, 0, rt::Value::Array({kWhite, kTeal}), 0, focused, 0, focused, kGrey}));
  g.nLineStyle = 0;
  g.lNoHScroll = true;
  e.oBrwWords = rt::Value(p.grid);
}

void MakeLetters() {
  for (std::size_t i = 0; i < kLetterCols.size(); ++i) {
    const std::string letter(1, static_cast<char>('A' + i));
    MakeButton(kLetterRow, kLetterCols[i], 9, 8, letter, "Begriffe beginnend mit '" + letter + "'",
               rt::Value::Action([letter] { SHORTSEEK(letter); }), false);
  }
}

}  // namespace

std::shared_ptr<grid::TGBrowse> WordGrid() { return Parts().grid; }

bool SETLANG(std::string_view cBase) {
  auto& e = Editor();
  const Language* found = &kLanguages[0];
  for (const Language& l : kLanguages)
    if (l.base == cBase) found = &l;
  e.cCapDe = "Deutsch";
  e.cCapFr = found->foreign;
  e.cBmpDe = "DEU";
  e.cBmpFr = found->bitmap;
  return true;
}

void ZQGETVAR(bool lFocus) {
  auto& e = Editor();
  DialogParts& p = Parts();
  e.cSeekDe = std::string(kSeekLength, ' ');
  e.cSeekFr = std::string(kSeekLength, ' ');
  if (p.getFr && p.getFr->hWnd) p.getFr->Refresh();
  if (p.getDe && p.getDe->hWnd) p.getDe->Refresh();
  if (!lFocus) return;
  // The grid alone: the dialog has no clipped children, so its refresh
  // would paint every button and field again.
  if (p.grid && p.grid->hWnd) p.grid->Refresh(false);
  // The focus goes to the German field on purpose: a search started with
  // Enter must not go on to the next control once the check of the field
  // it leaves now has run, as a field left with Enter does.
  if (p.dialog) p.dialog->nLastKey = 0;
  if (p.getDe && p.getDe->hWnd) p.getDe->SetFocus();
}

void BUILDDLG() {
  auto& e = Editor();
  RECT r{};
  if (e.oWndMain && e.oWndMain->hWnd) GetClientRect(e.oWndMain->hWnd, &r);
  SETLANG(e.cDictBase);
  OPENDBF(e.cDictBase);
  svc::HELPSETTOPIC(rt::Value(kHelpTopic));

  DialogParts& p = Parts();
  p = DialogParts{};
  auto brush = std::make_shared<gfx::TBrush>()->New({}, {}, {}, rt::Value("WALL"));
  e.oBrushWall = rt::Value(brush);
  p.hand = std::make_shared<gfx::TCursor>();
  p.hand->New({}, rt::Value("HAND"));

  core::DialogArgs d;
  d.nTop = 3;
  d.nLeft = 0;
  d.nBottom = r.bottom - 24;
  d.nRight = r.right;
  d.nStyle = kDialogStyle;
  d.oBrush = e.oBrushWall;
  d.oWnd = rt::Value(e.oWndMain);
  d.lPixel = true;
  d.oFont = rt::Value(e.oFontNormal);
  p.dialog = std::make_shared<MainDialog>();
  p.dialog->New(d);
  e.oDlgMain = rt::Value(p.dialog);

  p.getDe = MakeGet(16, e.cSeekDe, "Deutscher Suchbegriff", "Suchwort Deutsch");
  p.getFr = MakeGet(155, e.cSeekFr, "Fremdsprachiger Suchbegriff", "Suchwort Fremdsprache");
  auto search = MakeButton(2, 278, 35, 11, "&Suchen", "Begriff suchen", rt::Value::Action([] {
                             SUCHEN(Editor().cSeekDe, Editor().cSeekFr);
                           }),
                           true);
  search->cToolTip = "Begriff suchen";
  MakeGrid(r.right / 2);
  MakeLetters();
  MakeFlag(3, e.cBmpDe, 1, e.cCapDe);
  MakeFlag(143, e.cBmpFr, 2, e.cCapFr);

  core::DialogActivation act;
  act.lModal = false;
  act.lCentered = false;
  // Escape would end the dialog: it stays while the key is held down.
  act.bValid = rt::Value::Block([](rt::Args) { return rt::Value(!svc::GETASYNCKEY(VK_ESCAPE)); });
  act.bInit = rt::Value::Action([] {
    TABSORT(1);
    ZQGETVAR(false);
    if (const auto g = WordGrid())
      g->aActions = rt::Value::Array({rt::Value::Action([] { TABSORT(1); }), rt::Value::Action([] { TABSORT(2); })});
    // Painted at once, without running other messages: the main window's
    // own start-up is still on the stack, and a close handled here would
    // end it before its message loop runs.
    if (const auto dialog = Parts().dialog; dialog && dialog->hWnd) UpdateWindow(dialog->hWnd);
  });
  p.dialog->Activate(act);
}

void RegisterDialogRoutines() {
  const auto text = [](rt::Args a, std::size_t i) {
    return i < a.size() && a[i].IsString() ? a[i].AsString() : std::string();
  };
  rt::RegisterFunction("BUILDDLG", [](rt::Args) {
    BUILDDLG();
    return rt::Value();
  });
  rt::RegisterFunction("SETLANG", [text](rt::Args a) { return rt::Value(SETLANG(text(a, 0))); });
  rt::RegisterFunction("TABSORT", [](rt::Args a) { return rt::Value(TABSORT(a.empty() ? 1 : a[0].AsInt())); });
  rt::RegisterFunction("SUCHEN", [text](rt::Args a) {
    SUCHEN(text(a, 0), text(a, 1));
    return rt::Value();
  });
  rt::RegisterFunction("SHORTSEEK", [text](rt::Args a) {
    SHORTSEEK(text(a, 0));
    return rt::Value();
  });
  rt::RegisterFunction("SEEKWORT", [text](rt::Args a) {
    SEEKWORT(text(a, 0));
    return rt::Value();
  });
  rt::RegisterFunction("ZQGETVAR", [](rt::Args a) {
    ZQGETVAR(!a.empty() && a[0].IsLogical() && a[0].AsLogical());
    return rt::Value();
  });
  rt::RegisterFunction("PUTCLIPBOARD", [text](rt::Args a) { return rt::Value(PUTCLIPBOARD(text(a, 0))); });
  rt::RegisterFunction("GETCLIPBOARD", [](rt::Args) { return rt::Value(GETCLIPBOARD()); });
}

}  // namespace dravonel
