#include "apps/voskdar/search_dialog.h"

#include <array>
#include <vector>

#include "apps/voskdar/program_state.h"
#include "apps/voskdar/quick_search.h"
#include "apps/voskdar/result_list.h"
#include "apps/voskdar/search_texts.h"
#include "apps/voskdar/tgradio.h"
#include "controls/tbutton.h"
#include "controls/tget.h"
#include "controls/tgroup.h"
#include "controls/tsay.h"
#include "core/tclipboard.h"
#include "core/tdialog.h"
#include "graphics/cursors.h"
#include "runtime/strings.h"
#include "runtime/table_fns.h"
#include "services/help.h"
#include "services/msgbox.h"
#include "services/timer.h"

namespace voskdar {

namespace {

// WS_CHILD | WS_VISIBLE.
constexpr long kDialogStyle = 1342177280L;
static_assert(kDialogStyle == static_cast<long>(WS_CHILD | WS_VISIBLE));

struct ItemSpec {
  const char* caption;
  int row, col, width;
  const char* toolTip;
};

// The six languages in the catalogue's order, then the sides and the exact
// search; all 8 high.
constexpr std::array<ItemSpec, 9> kItems{{
    {" Eng", 21, 31, 22, "Deutsch/Englisch"},
    {" Fra", 21, 56, 22, "Deutsch/Franz\xF6sisch"},
    {" Ita", 21, 81, 22, "Deutsch/Italienisch"},
    {" Spa", 21, 106, 22, "Deutsch/Spanisch"},
    {" Por", 21, 131, 22, "Deutsch/Portugiesisch"},
    {" Lat", 21, 156, 22, "Deutsch/Latein"},
    {" Deutsch --> Fremdspr.", 36, 31, 70, "Deutsche Begriffe suchen"},
    {" Fremdspr. --> Deutsch", 36, 106, 70, "Fremdsprachige Begriffe suchen"},
    {" Exakte Suche einschalten", 46, 31, 80, "Genaue oder ungenaue Suche"},
}};
constexpr int kItemHeight = 8;
// The width of the word tables' terms, over which an exact search compares.
constexpr long kExactLength = 50;
// How often the dialog looks whether the clipboard changed.
constexpr long kClipWatchMilliseconds = 250;

// The dialog and the controls its actions reach.
struct SearchParts {
  std::shared_ptr<core::TDialog> dialog;
  std::shared_ptr<controls::TGet> get;
  std::shared_ptr<controls::TButton> search;
  std::vector<std::shared_ptr<TGRadio>> items;
  // Typing has enabled "&Suchen" since the last reset.
  bool lTyped = false;
  // Looks for new clipboard contents, which the paste button follows.
  std::shared_ptr<svc::TTimer> clipWatch;
  DWORD clipSequence = 0;
};

SearchParts& Parts() {
  static SearchParts parts;
  return parts;
}

bool TermEmpty() { return rt::ALLTRIM(Program().cTerm).empty(); }

// A logical of the state as a variable of a control.
rt::Value FlagBlock(bool& flag) {
  return rt::Value::Block([&flag](rt::Args a) {
    if (!a.empty() && a[0].IsLogical()) flag = a[0].AsLogical();
    return rt::Value(flag);
  });
}

bool& ItemFlag(std::size_t i) {
  SearchOptions& o = Program().options;
  if (i < o.languages.size()) return o.languages[i];
  return i == 6 ? o.german : i == 7 ? o.foreign : o.exact;
}

// The text up to the first control character: a single-line field gets a
// single line.
std::string FirstLine(std::string text) {
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (static_cast<unsigned char>(text[i]) < 32) {
      text.resize(i);
      break;
    }
  }
  return text;
}

bool ClipboardHasText() {
  const auto& clip = Program().oClip;
  return clip && !rt::ALLTRIM(FirstLine(clip->GetText())).empty();
}

std::shared_ptr<controls::TSay> Label(const std::shared_ptr<core::TDialog>& dialog, int row, int col,
                                      const char* text) {
  controls::SayArgs s;
  s.nRow = row;
  s.nCol = col;
  s.nWidth = 23;
  s.nHeight = 10;
  s.lPixel = true;
  s.nClrText = dialog->nClrText;  // the dialog's colours
  s.nClrBack = dialog->nClrPane;
  s.bText = rt::Value::Block([text](rt::Args) { return rt::Value(text); });
  s.oWnd = rt::Value(dialog);
  auto say = std::make_shared<controls::TSay>();
  say->New(s);
  return say;
}

void MakeGet(SearchParts& p) {
  controls::GetArgs g;
  g.nRow = 5;
  g.nCol = 31;
  g.nWidth = 150;
  g.nHeight = 10;
  g.lPixel = true;
  g.cPicture = "@K";
  g.oWnd = rt::Value(p.dialog);
  g.bSetGet = rt::Value::Block([](rt::Args a) {
    if (!a.empty() && a[0].IsString()) Program().cTerm = rt::PADR(a[0].AsString(), kTermLength);
    return rt::Value(Program().cTerm);
  });
  g.bValid = rt::Value::Block([](rt::Args) {
    if (Parts().get) Parts().get->Refresh();
    return rt::Value(true);
  });
  g.bChanged = rt::Value::Block([](rt::Args) {
    SearchParts& parts = Parts();
    if (!parts.lTyped && parts.search) parts.search->Enable();
    parts.lTyped = true;
    return rt::Value(true);
  });
  g.cMsg = "Suchbegriff";
  p.get = std::make_shared<controls::TGet>();
  p.get->New(g);
  p.get->cToolTip = "Suchbegriff";
}

void MakeItems(SearchParts& p) {
  for (std::size_t i = 0; i < kItems.size(); ++i) {
    const ItemSpec& spec = kItems[i];
    GRadioArgs a;
    a.nRow = spec.row;
    a.nCol = spec.col;
    a.aItems = rt::Value::Array({spec.caption});
    a.bSetGet = FlagBlock(ItemFlag(i));
    a.oWnd = rt::Value(p.dialog);
    a.nWidth = spec.width;
    a.nHeight = kItemHeight;
    a.lPixel = true;
    a.cBoxStyle = "CHECK";
    a.cToolTip = spec.toolTip;
    auto item = std::make_shared<TGRadio>();
    item->New(a);
    p.items.push_back(item);
  }
}

void MakeButtons(SearchParts& p, int row, int right, const std::shared_ptr<core::TWindow>& oWnd) {
  auto button = [&](int col, const char* caption, bool isDefault, const char* tip, rt::Value action) {
    controls::ButtonArgs a;
    a.nRow = row;
    a.nCol = right / 2 - col;
    a.nWidth = 35;
    a.nHeight = 10;
    a.lPixel = true;
    a.cCaption = caption;
    a.lDefault = isDefault;
    a.bAction = std::move(action);
    a.oWnd = rt::Value(p.dialog);
    auto b = std::make_shared<controls::TButton>();
    b->New(a);
    b->cToolTip = tip;
    return b;
  };
  const std::weak_ptr<core::TWindow> window = oWnd;
  p.search = button(147, "&Suchen", true, "Begriff suchen", rt::Value::Block([window](rt::Args) {
                      SearchParts& parts = Parts();
                      parts.lTyped = false;
                      const auto main = window.lock();
                      if (SUCHEN(main, Program().cTerm)) {
                        if (Program().lClsCopy) {
                          parts.dialog->End();
                          if (main) main->End();
                        }
                      } else if (parts.get) {
                        parts.get->SetFocus();
                      }
                      return rt::Value();
                    }));
  auto paste = button(110, "&Einf\xFCgen", false, "Einf\xFCgen aus Zwischenablage", rt::Value::Block([](rt::Args) {
                        const std::string text = GETCLIPBOARD();
                        // A clipboard emptied since the button was last
                        // enabled gives nothing: the term stays.
                        if (rt::ALLTRIM(text).empty()) return rt::Value();
                        SearchParts& parts = Parts();
                        Program().cTerm = text;
                        if (parts.search) parts.search->Enable();
                        parts.lTyped = true;
                        if (parts.get) {
                          parts.get->SetFocus();
                          parts.get->_cText(rt::Value(text));
                        }
                        return rt::Value();
                      }));
  button(73, "&Hilfe", false, "Hilfe anzeigen", rt::Value::Block([](rt::Args) {
           svc::HELPTOPIC(rt::Value(kSearchHelpTopic));
           return rt::Value();
         }));
  button(36, "&Beenden", false, "Dialog schlie\xDF" "en", rt::Value::Block([window](rt::Args) {
           if (const auto main = window.lock()) main->End();
           return rt::Value();
         }));
  paste->bWhen = rt::Value::Block([](rt::Args) { return rt::Value(ClipboardHasText()); });
}

// The whens run again whenever the clipboard's contents change, so that
// "&Einfügen" follows what other programs copy or take away.
void WatchClipboard(SearchParts& p) {
  p.clipSequence = GetClipboardSequenceNumber();
  p.clipWatch = std::make_shared<svc::TTimer>();
  p.clipWatch->New(kClipWatchMilliseconds, rt::Value::Block([](rt::Args) {
                     SearchParts& parts = Parts();
                     const DWORD now = GetClipboardSequenceNumber();
                     if (now != parts.clipSequence && parts.dialog) {
                       parts.clipSequence = now;
                       parts.dialog->AEvalWhen();
                     }
                     return rt::Value();
                   }),
                   rt::Value(p.dialog));
  p.clipWatch->Activate();
}

}  // namespace

std::shared_ptr<core::TDialog> SearchDialog() { return Parts().dialog; }

void BUILDDLG(const std::shared_ptr<core::TWindow>& oWnd) {
  RECT client{};
  GetClientRect(oWnd->hWnd, &client);
  SearchParts& p = Parts();
  if (p.clipWatch) p.clipWatch->End();
  p = SearchParts{};
  CHECKINI(true);
  svc::HELPSETTOPIC(rt::Value(kSearchHelpTopic));

  core::DialogArgs d;
  d.nTop = 0;
  d.nLeft = 0;
  d.nBottom = client.bottom;
  d.nRight = client.right;
  d.nStyle = kDialogStyle;
  d.nClrText = "N/W";
  d.oWnd = rt::Value(oWnd);
  d.lPixel = true;
  d.oFont = oWnd->oFont ? rt::Value(oWnd->oFont) : rt::Value();
  p.dialog = std::make_shared<core::TDialog>();
  p.dialog->New(d);

  controls::GroupArgs g;
  g.nTop = -3;
  g.nLeft = 0;
  g.nBottom = client.bottom / 2 - 18;
  g.nRight = client.right / 2 - 1;
  g.cLabel = "";
  g.lPixel = true;
  g.oWnd = rt::Value(p.dialog);
  std::make_shared<controls::TGroup>()->New(g);

  Label(p.dialog, 7, 3, "Begriff");
  MakeGet(p);
  Label(p.dialog, 22, 3, "Sprachen");
  MakeItems(p);
  MakeButtons(p, client.bottom / 2 - 13, client.right, oWnd);

  core::DialogActivation act;
  act.lModal = false;
  act.lCentered = false;
  act.bInit = rt::Value::Block([](rt::Args) {
    SearchParts& parts = Parts();
    for (std::size_t i = 0; i < Program().lTable.size(); ++i)
      if (!Program().lTable[i]) parts.items[i]->Disable();
    return rt::Value();
  });
  act.bPainted = rt::Value::Block([](rt::Args) {
    if (TermEmpty() && Parts().search) Parts().search->Disable();
    return rt::Value();
  });
  act.bValid = rt::Value::Block([](rt::Args) { return rt::Value((GetKeyState(VK_ESCAPE) & 0x8000) == 0); });
  p.dialog->lHelpIcon = rt::Value(false);
  p.dialog->Activate(act);
  WatchClipboard(p);
}

bool SUCHEN(const std::shared_ptr<core::TWindow>& oWnd, std::string_view cTerm) {
  SearchHooks hooks;
  hooks.error = [](std::string_view text) { svc::MSGALERT(std::string(text), std::string(kErrorTitle)); };
  hooks.busy = [] { gfx::CURSORWAIT(); };
  bool copied = false;
  if (SearchTables(cTerm, Program().options, hooks) > 0) {
    // The list's title shows the term as searched: folded, upper-cased and,
    // in an exact search, with the blanks the comparison covers.
    std::string term = PrepareTerm(cTerm).folded;
    if (Program().options.exact) term = rt::PADR(term, kExactLength);
    copied = SHOWTEMP(oWnd, term);
  }
  rt::DBCLOSEALL();
  gfx::CURSORARROW();
  return copied;
}

std::string GETCLIPBOARD() {
  ProgramState& s = Program();
  const std::string text = s.oClip ? s.oClip->GetText() : std::string();
  if (text.empty()) return std::string(kTermLength, ' ');
  s.oClip->Clear();
  return rt::PADR(FirstLine(text), kTermLength);
}

}  // namespace voskdar
