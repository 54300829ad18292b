#include "support/mail_setup.h"

#include <memory>

#include "controls/tbutton.h"
#include "controls/tget.h"
#include "controls/tsay.h"
#include "core/message_loop.h"
#include "core/tdialog.h"
#include "graphics/colour.h"
#include "graphics/tfont.h"
#include "runtime/strings.h"
#include "services/msgbox.h"
#include "support/mail_command.h"
#include "support/mail_settings.h"

namespace support {

namespace {

constexpr std::size_t kFieldLength = 100;
constexpr const char* kDialogColours = "N/W";

rt::Value TextBlock(std::string text) {
  return rt::Value::Block([text = std::move(text)](rt::Args) { return rt::Value(text); });
}

rt::Value VarBlock(std::string& var) {
  return rt::Value::Block([&var](rt::Args a) {
    if (!a.empty() && a[0].IsString()) var = a[0].AsString();
    return rt::Value(var);
  });
}

void Label(const rt::Value& dialog, int row, int col, int width, int height, std::string text, bool centred,
           bool right) {
  controls::SayArgs a;
  a.nRow = row;
  a.nCol = col;
  a.nWidth = width;
  a.nHeight = height;
  a.bText = TextBlock(std::move(text));
  a.oWnd = dialog;
  a.lPixel = true;
  a.lCentered = centred;
  a.lRight = right;
  a.nClrText = gfx::NGETFORERGB(rt::Value(kDialogColours));
  a.nClrBack = gfx::NGETBACKRGB(rt::Value(kDialogColours));
  std::make_shared<controls::TSay>()->New(a);
}

std::shared_ptr<controls::TGet> Field(const rt::Value& dialog, int row, std::string& var) {
  controls::GetArgs g;
  g.nRow = row;
  g.nCol = 22;
  g.nWidth = 120;
  g.nHeight = 10;
  g.bSetGet = VarBlock(var);
  g.oWnd = dialog;
  g.cPicture = "@K";
  g.nClrFore = gfx::NGETFORERGB(rt::Value("N*/W"));
  g.nClrBack = gfx::NGETBACKRGB(rt::Value("N*/W"));
  g.lPixel = true;
  auto get = std::make_shared<controls::TGet>();
  get->New(g);
  return get;
}

// One showing of the dialog; true when "&Speichern" ended it.
bool AskOnce(const std::string& cSubject, std::string& name, std::string& reply) {
  auto font = std::make_shared<gfx::TFont>()->New("Ms Sans Serif", 0, -8);
  auto dialog = std::make_shared<core::TDialog>();
  core::DialogArgs d;
  d.nTop = 0;
  d.nLeft = 0;
  d.nBottom = 150;
  d.nRight = 300;
  d.lPixel = true;
  d.cCaption = kMailSetupTitle;
  d.nClrText = gfx::NGETFORERGB(rt::Value(kDialogColours));
  d.nClrBack = gfx::NGETBACKRGB(rt::Value(kDialogColours));
  d.oFont = rt::Value(font);
  dialog->New(d);
  dialog->lHelpIcon = false;
  const rt::Value self(dialog);

  Label(self, 3, 5, 140, 27, ReleaseTitle() + " m\xF6" "chte eine Email zum Thema '" + cSubject + "' versenden.", true,
        false);
  Label(self, 28, 4, 110, 9, "Geben Sie nun Ihre Email-Daten ein", false, false);
  Label(self, 41, 4, 15, 7, "Name", false, true);
  Label(self, 52, 4, 15, 7, "Email", false, true);
  Field(self, 39, name);
  const auto address = Field(self, 50, reply);

  bool saved = false;
  const std::weak_ptr<core::TDialog> weak = dialog;
  const controls::ButtonRow buttons{self, 64, 30};
  buttons.Add(86, "&Speichern", false, rt::Value::Block([&saved, weak](rt::Args) {
                saved = true;
                if (const auto dlg = weak.lock()) dlg->End();
                return rt::Value();
              }));
  buttons.Add(118, "&Beenden", false, rt::Value::Block([weak](rt::Args) {
                if (const auto dlg = weak.lock()) dlg->End();
                return rt::Value();
              }));

  core::DialogActivation act;
  act.lCentered = true;
  act.bInit = rt::Value::Block([address](rt::Args) {
    address->SetFocus();
    return rt::Value(false);
  });
  dialog->Activate(act);
  font->End();
  return saved;
}

}  // namespace

bool MAILSETUP(const std::string& cSubject) {
  std::string name = rt::PADR(ReadMailSetting("Name"), kFieldLength);
  std::string reply = rt::PADR(ReadMailSetting("Reply"), kFieldLength);
  if (!rt::ALLTRIM(name).empty() && !rt::ALLTRIM(reply).empty()) return false;
  for (;;) {
    if (!AskOnce(cSubject, name, reply)) return false;
    const std::string problem = SenderProblem(name, reply);
    if (problem.empty()) break;
    svc::MSGALERT(problem, std::string("Problem"));
    core::SYSREFRESH();
  }
  // Stored as the command line will use them: trimmed, no quotes, no
  // control characters.
  WriteMailSetting("Name", MailValue(name));
  WriteMailSetting("Reply", MailValue(reply));
  return true;
}

}  // namespace support
