#include "apps/voskdar/about_box.h"

#include <memory>
#include <string>

#include "apps/common/settings_file.h"
#include "apps/voskdar/program_state.h"
#include "controls/tsay.h"
#include "core/tdialog.h"
#include "graphics/colour.h"
#include "graphics/tfont.h"
#include "runtime/memvar.h"
#include "services/timer.h"

namespace voskdar {

namespace {

constexpr long kSplashMs = 3000;
constexpr const char* kColors = "N*/W";
constexpr const char* kNotice = "Alle Rechte vorbehalten.";

struct Line {
  int row, height;
  std::string text;
  bool bold;
};

void AddLabel(const std::shared_ptr<core::TDialog>& dialog, const Line& line,
              const std::shared_ptr<gfx::TFont>& font) {
  controls::SayArgs s;
  s.nRow = line.row;
  s.nCol = 0;
  s.nWidth = 160;
  s.nHeight = line.height;
  s.lPixel = true;
  s.lCentered = true;
  s.nClrText = gfx::NGETFORERGB(rt::Value(kColors));
  s.nClrBack = gfx::NGETBACKRGB(rt::Value(kColors));
  s.oFont = font ? rt::Value(font) : rt::Value();
  s.bText = rt::Value::Block([text = line.text](rt::Args) { return rt::Value(text); });
  s.oWnd = rt::Value(dialog);
  std::make_shared<controls::TSay>()->New(s);
}

}  // namespace

bool ABOUTINFO(bool lWait, bool lShow) {
  const std::string bitmap = common::ReadSetting("About", "Bitmap");
  const std::string firma1 = common::ReadSetting("About", "Firma1");
  const std::string firma2 = common::ReadSetting("About", "Firma2");
  const std::string firma3 = common::ReadSetting("About", "Firma3");
  const std::string email = common::ReadSetting("About", "Email");
  const std::string internet = common::ReadSetting("About", "Internet");
  if (!lShow) return true;

  const std::string release = rt::MEMVARGET(kReleaseVar).AsString();
  auto font = std::make_shared<gfx::TFont>()->New("Ms Sans Serif", 0, -8);
  auto bold = std::make_shared<gfx::TFont>()->New("Ms Sans Serif", 0, -8, false, true);
  auto dialog = std::make_shared<core::TDialog>();
  core::DialogArgs d;
  d.nTop = 0;
  d.nLeft = 0;
  d.nBottom = 200;
  d.nRight = 319;
  d.cCaption = release;
  d.nClrText = kColors;
  d.lPixel = true;
  d.oIcon = "Voskseek";
  d.oFont = rt::Value(font);
  dialog->New(d);
  dialog->lHelpIcon = rt::Value(false);

  // The title stands where a picture of the maker's would be.
  if (bitmap.empty()) {
    AddLabel(dialog, {20, 20, release, true}, bold);
    AddLabel(dialog, {55, 30, firma1 + "\r" + firma2 + "\r" + firma3, false}, font);
    AddLabel(dialog, {75, 15, internet + "\r" + email, false}, font);
    AddLabel(dialog, {92, 8, kNotice, true}, bold);
  } else {
    AddLabel(dialog, {20, 20, release, true}, bold);
    AddLabel(dialog, {70, 20, std::string(kNotice) + "\r" + firma1, true}, bold);
    AddLabel(dialog, {90, 8, "Irrtum und \xC4nderungen vorbehalten.", true}, bold);
  }

  // One timer for the box, made at its first paint and ended with it.
  std::shared_ptr<svc::TTimer> timer;
  core::DialogActivation act;
  act.lCentered = true;
  act.bLClicked = rt::Value::Block([&dialog](rt::Args) {
    dialog->End();
    return rt::Value();
  });
  if (lWait) {
    act.bPainted = rt::Value::Block([&](rt::Args) {
      if (!timer) {
        timer = std::make_shared<svc::TTimer>();
        timer->New(kSplashMs, rt::Value::Block([&dialog](rt::Args) {
                     dialog->End();
                     return rt::Value();
                   }),
                   rt::Value(dialog));
        timer->Activate();
      }
      return rt::Value();
    });
  }
  dialog->Activate(act);
  if (timer) timer->End();
  font->End();
  bold->End();
  return true;
}

}  // namespace voskdar
