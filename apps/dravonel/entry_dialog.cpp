// The entry dialog of add and edit, and the save that follows it.

#include <windows.h>

#include <memory>
#include <string>

#include "apps/common/transchr.h"
#include "apps/dravonel/editor_state.h"
#include "apps/dravonel/entry_store.h"
#include "apps/dravonel/maintenance.h"
#include "controls/tbutton.h"
#include "controls/tget.h"
#include "controls/ticon.h"
#include "controls/tsay.h"
#include "core/callback_guard.h"
#include "core/tdialog.h"
#include "graphics/tfont.h"
#include "grid/tgtsay.h"
#include "runtime/memvar.h"
#include "runtime/strings.h"
#include "runtime/table_fns.h"
#include "services/help.h"

namespace dravonel {

namespace {

constexpr long kTermLength = 50;
constexpr const char* kMainTopic = "Hauptauswahl";
// The timer that checks the add dialog's fields once a key has reached them.
constexpr UINT_PTR kCheckTimer = 1;

struct EntryKind {
  bool add;
  const char* topic;
  const char* title;
  const char* icon;
  const char* intro;
  int foreignLabelRow;
};

constexpr EntryKind kAdd{true, "Begriff anf\xFCgen", " - Neuer Begriff", "NEW",
                         "Sie k\xF6nnen nun einen neuen Begriff in die Datenbank einf\xFCgen.", 44};
constexpr EntryKind kEdit{false, "Begriff bearbeiten", " - Begriff bearbeiten", "EDIT",
                          "Sie k\xF6nnen nun die Begriffe nach Belieben ver\xE4ndern.", 43};

// The dialog now open (one at a time: it is modal).
struct EntryParts {
  std::shared_ptr<core::TDialog> dialog;
  std::shared_ptr<controls::TGet> german, foreign;
  std::shared_ptr<controls::TButton> save;
  // The dialog's font, shared by the dialog and its controls: each takes a
  // use of its own.
  std::shared_ptr<gfx::TFont> font;
  std::string cGerman, cForeign;
  bool lSaved = false, lChanged = false;
};

EntryParts*& Open() {
  static EntryParts* parts = nullptr;
  return parts;
}

bool Filled(const std::shared_ptr<controls::TGet>& get) { return get && !rt::ALLTRIM(get->cText()).empty(); }

// "&Speichern" of the add dialog: enabled while both fields hold a term.
void CALLBACK CheckFields(HWND hWnd, UINT, UINT_PTR id, DWORD) {
  KillTimer(hWnd, id);
  core::GuardCallback([] {
    EntryParts* p = Open();
    if (!p || !p->save) return;
    Filled(p->german) && Filled(p->foreign) ? p->save->Enable() : p->save->Disable();
  });
}

void Intro(EntryParts& p, const char* text) {
  grid::TSayArgs a;
  a.nRow = 10;
  a.nCol = 9;
  a.bText = rt::Value::Block([text](rt::Args) { return rt::Value(text); });
  a.oWnd = rt::Value(p.dialog);
  a.lCentered = true;
  a.lPixels = true;
  a.oFont = rt::Value(p.font);
  a.nWidth = 160;
  a.nHeight = 14;
  std::make_shared<grid::TGTSay>()->New(a);
}

void Label(EntryParts& p, int row, const char* text) {
  controls::SayArgs a;
  a.nRow = row;
  a.nCol = 9;
  a.bText = rt::Value::Block([text](rt::Args) { return rt::Value(text); });
  a.oWnd = rt::Value(p.dialog);
  a.lRight = true;
  a.lPixel = true;
  a.oFont = rt::Value(p.font);
  a.nWidth = 40;
  a.nHeight = 7;
  std::make_shared<controls::TSay>()->New(a);
}

std::shared_ptr<controls::TGet> Field(EntryParts& p, int row, std::string& value, const char* message, bool add) {
  controls::GetArgs g;
  g.nRow = row;
  g.nCol = 53;
  g.nWidth = 115;
  g.nHeight = 10;
  g.lPixel = true;
  g.cPicture = "@K";
  g.cMsg = message;
  g.oFont = rt::Value(p.font);
  g.oWnd = rt::Value(p.dialog);
  g.bSetGet = rt::Value::Block([&value](rt::Args a) {
    if (!a.empty() && a[0].IsString()) value = rt::PADR(a[0].AsString(), kTermLength);
    return rt::Value(value);
  });
  auto get = std::make_shared<controls::TGet>();
  const std::weak_ptr<controls::TGet> weak = get;
  g.bValid = rt::Value::Block([weak](rt::Args) {
    if (const auto self = weak.lock()) self->Refresh();
    return rt::Value(true);
  });
  g.bChanged = rt::Value::Block([add, &p](rt::Args a) {
    // Tab and Enter reach the hook too; they move the focus, nothing else.
    const long key = static_cast<long>(rt::Arg(a, 0).AsNumber());
    if (key == VK_TAB || key == VK_RETURN) return rt::Value(true);
    if (add) {
      // The hook runs before the key reaches the field: look once it has.
      if (p.dialog && p.dialog->hWnd) SetTimer(p.dialog->hWnd, kCheckTimer, USER_TIMER_MINIMUM, &CheckFields);
    } else if (!p.lChanged && p.save) {
      p.save->Enable();
      p.lChanged = true;
    }
    return rt::Value(true);
  });
  get->New(g);
  return get;
}

rt::Value DialogIcon(const char* name) {
  auto icon = std::make_shared<controls::TIcon>();
  controls::IconArgs a;
  a.cResName = name;
  icon->New(a);
  return rt::Value(icon);
}

// Runs the dialog; true when "&Speichern" ended it.
bool RunDialog(const EntryKind& kind, const rt::Value& oWnd, EntryParts& p) {
  p.font = std::make_shared<gfx::TFont>()->New("Ms Sans Serif", 0, -8);
  core::DialogArgs d;
  d.nTop = 0;
  d.nLeft = 0;
  d.nBottom = 162;
  d.nRight = 358;
  d.lPixel = true;
  d.cCaption = rt::MEMVARGET(kShortNameVar).AsString() + kind.title;
  d.oWnd = oWnd;
  d.oIcon = DialogIcon(kind.icon);
  d.oFont = rt::Value(p.font);
  p.dialog = std::make_shared<core::TDialog>();
  p.dialog->New(d);
  p.dialog->lHelpIcon = rt::Value(false);

  Intro(p, kind.intro);
  Label(p, 32, "Deutsch");
  p.german = Field(p, 30, p.cGerman, "Deutscher Begriff", kind.add);
  Label(p, kind.foreignLabelRow, "Fremdsprache");
  p.foreign = Field(p, 42, p.cForeign, "Fremdsprachiger Begriff", kind.add);
  const std::weak_ptr<core::TDialog> weak = p.dialog;
  const controls::ButtonRow buttons{rt::Value(p.dialog), 68, 35, rt::Value(p.font)};
  p.save = buttons.Add(68, "&Speichern", true, rt::Value::Block([&p, weak](rt::Args) {
                    // The fields' texts as they stand, whether or not a
                    // field has handed its text over yet.
                    p.cGerman = rt::PADR(p.german->cText(), kTermLength);
                    p.cForeign = rt::PADR(p.foreign->cText(), kTermLength);
                    p.lSaved = true;
                    if (const auto dialog = weak.lock()) dialog->End();
                    return rt::Value();
                  }));
  buttons.Add(105, "&Hilfe", false, rt::Value::Block([](rt::Args) {
           svc::HELPTOPIC();
           return rt::Value();
         }));
  buttons.Add(143, "&Abbrechen", false, rt::Value::Block([weak](rt::Args) {
           if (const auto dialog = weak.lock()) dialog->End();
           return rt::Value();
         }));

  core::DialogActivation act;
  act.lCentered = true;
  act.bInit = rt::Value::Block([&p](rt::Args) {
    p.save->Disable();
    return rt::Value();
  });
  Open() = &p;
  p.dialog->Activate(act);
  Open() = nullptr;
  p.font->End();
  return p.lSaved;
}

bool EntryDialog(const EntryKind& kind, const rt::Value& oWnd) {
  if (!SelectWords() || (!kind.add && !HasCurrentRow())) return true;
  EntryParts p;
  p.cGerman = std::string(kTermLength, ' ');
  p.cForeign = p.cGerman;
  if (!kind.add) {
    p.cGerman = rt::PADR(common::ENTCRYPT(rt::FIELDGET("DEUTSCH")).AsString(), kTermLength);
    p.cForeign = rt::PADR(common::ENTCRYPT(rt::FIELDGET("FREMD")).AsString(), kTermLength);
  }
  svc::HELPSETTOPIC(rt::Value(kind.topic));
  const bool saved = RunDialog(kind, oWnd, p);
  if (saved && SelectWords() && (kind.add || HasCurrentRow())) {
    SetExportFlag(true);
    SaveEntry(kind.add, common::VERCRYPT(rt::Value(p.cGerman)).AsString(),
              common::VERCRYPT(rt::Value(p.cForeign)).AsString());
  }
  svc::HELPSETTOPIC(rt::Value(kMainTopic));
  return true;
}

}  // namespace

bool ADDDATA(const rt::Value& oWnd) { return EntryDialog(kAdd, oWnd); }
bool EDITDATA(const rt::Value& oWnd) { return EntryDialog(kEdit, oWnd); }

}  // namespace dravonel
