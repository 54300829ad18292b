#include "support/error_offer.h"

#include <filesystem>
#include <fstream>
#include <memory>
#include <optional>
#include <sstream>
#include <string>
#include <system_error>

#include "controls/tbitmap.h"
#include "controls/tbutton.h"
#include "controls/tradio.h"
#include "controls/tsay.h"
#include "core/tdialog.h"
#include "graphics/tfont.h"
#include "print/tprinter.h"
#include "services/help.h"
#include "services/msgbox.h"
#include "support/mail_command.h"
#include "support/mail_settings.h"
#include "support/mail_support.h"

namespace support {

namespace {

void Problem(const std::string& text) { svc::MSGALERT(text, std::string("Problem")); }

bool LogExists() {
  std::error_code ec;
  return std::filesystem::is_regular_file(kErrorLogPath, ec);
}

std::optional<std::string> ReadLog() {
  std::ifstream in(kErrorLogPath, std::ios::binary);
  if (!in) return std::nullopt;
  std::stringstream s;
  s << in.rdbuf();
  if (in.bad()) return std::nullopt;
  return s.str();
}

// A log that stays (read-only, held by another program) is said so once
// per start; it is offered again at the next.
void EraseLog() {
  std::error_code ec;
  if (!std::filesystem::remove(kErrorLogPath, ec) || ec)
    Problem("Das Fehlerprotokoll \"ERROR.LOG\" konnte nicht gel\xF6scht werden.");
}

void Label(const rt::Value& dialog, int row, int col, int width, int height, std::string text,
           const std::shared_ptr<gfx::TFont>& font) {
  controls::SayArgs a;
  a.nRow = row;
  a.nCol = col;
  a.nWidth = width;
  a.nHeight = height;
  a.bText = rt::Value::Block([text = std::move(text)](rt::Args) { return rt::Value(text); });
  a.oWnd = dialog;
  a.oFont = rt::Value(font);
  a.lPixel = true;
  a.lCentered = true;
  std::make_shared<controls::TSay>()->New(a);
}

}  // namespace

bool PRINTERRORLOG() {
  const std::optional<std::string> log = ReadLog();
  if (!log) {
    Problem("Das Fehlerprotokoll \"ERROR.LOG\" kann nicht gelesen werden.");
    return false;
  }
  const prn::TPrinterPtr printer = prn::PRINTBEGIN(rt::Value(), true, false, rt::Value(), false);
  if (!printer || !printer->hDC) {
    prn::PRINTEND();
    return false;
  }
  const int lineHeight = printer->nVertRes() / 60;
  const int left = 8 * (printer->nHorzRes() / 80);
  for (const std::vector<std::string>& page : LogPages(*log)) {
    prn::PAGEBEGIN();
    int row = 1;
    for (const std::string& line : page) {
      printer->Say(row, left, line);
      row += lineHeight;
    }
    prn::PAGEEND();
  }
  prn::PRINTEND();
  return true;
}

bool DOWITHLOG(int nChoice) {
  bool dealtWith = false;
  switch (nChoice) {
    case 1:
      dealtWith = true;
      break;
    case 2:
      dealtWith = PRINTERRORLOG();
      break;
    case 3:
      dealtWith = svc::MSGYESNO(std::string("M\xF6" "chten Sie das Fehlerprotokoll nun per Email versenden ?"),
                                std::string("Email-Versand")) &&
                  MAILSUPPORT("Programmfehler in " + ReleaseTitle(), "Error.Log");
      break;
    default:
      break;
  }
  if (dealtWith) EraseLog();
  return true;
}

void PRINTERR() {
  if (!LogExists()) return;
  auto font = std::make_shared<gfx::TFont>()->New("Ms Sans Serif", 0, -8);
  auto bold = std::make_shared<gfx::TFont>()->New("Ms Sans Serif", 0, -8, false, true);
  auto dialog = std::make_shared<core::TDialog>();
  core::DialogArgs d;
  d.nTop = 0;
  d.nLeft = 0;
  d.nBottom = 180;
  d.nRight = 330;
  d.lPixel = true;
  d.cCaption = kErrorOfferTitle;
  d.oFont = rt::Value(font);
  dialog->New(d);
  const rt::Value self(dialog);

  controls::BitmapArgs image;
  image.nTop = 5;
  image.nLeft = 5;
  image.nWidth = 32;
  image.nHeight = 32;
  image.cResName = "Stop_Max";
  image.lNoBorder = true;
  image.oWnd = self;
  image.lPixel = true;
  std::make_shared<controls::TBitmap>()->New(image);

  Label(self, 8, 40, 120, 7, "Es wurde ein Fehlerprotokoll gefunden!", bold);
  Label(self, 20, 45, 110, 14, "W\xE4hlen Sie nun, wie Sie damit verfahren m\xF6" "chten !", bold);

  auto choice = std::make_shared<int>(1);
  controls::RadMenuArgs r;
  r.nRow = 39;
  r.nCol = 64;
  r.acItems = rt::Value::Array({" &L\xF6schen", " &Drucken", " &Email-Versand"});
  r.bSetGet = rt::Value::Block([choice](rt::Args a) {
    if (!a.empty() && a[0].IsNumber()) *choice = static_cast<int>(a[0].AsInt());
    return rt::Value(*choice);
  });
  r.oWnd = self;
  r.nWidth = 50;
  r.nHeight = 9;
  r.lPixel = true;
  std::make_shared<controls::TRadMenu>()->New(r);

  const std::weak_ptr<core::TDialog> weak = dialog;
  const controls::ButtonRow buttons{self, 78, 30};
  buttons.Add(69, "&Weiter", true, rt::Value::Block([choice, weak](rt::Args) {
                DOWITHLOG(*choice);
                if (const auto dlg = weak.lock()) dlg->End();
                return rt::Value();
              }));
  buttons.Add(101, "&Hilfe", false, rt::Value::Block([](rt::Args) {
                svc::HELPTOPIC(rt::Value(""));
                return rt::Value();
              }));
  buttons.Add(133, "&Abbrechen", false, rt::Value::Block([weak](rt::Args) {
                if (const auto dlg = weak.lock()) dlg->End();
                return rt::Value();
              }));

  core::DialogActivation act;
  act.lCentered = true;
  dialog->Activate(act);
  bold->End();
  font->End();
}

}  // namespace support
