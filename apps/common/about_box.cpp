#include "apps/common/about_box.h"

#include <map>

#include "apps/common/settings_file.h"
#include "controls/tbitmap.h"
#include "controls/tsay.h"
#include "core/tdialog.h"
#include "graphics/colour.h"
#include "graphics/tfont.h"
#include "runtime/memvar.h"
#include "services/timer.h"

namespace common {

namespace {

constexpr const char* kColours = "N*/W";
const char* const kNotice = "Alle Rechte beim Hersteller";
const char* const kReservation = "Irrtum und \xC4nderungen vorbehalten";

// The splash timer of each open about box: one per dialog.
std::map<const core::TDialog*, std::shared_ptr<svc::TTimer>>& SplashTimers() {
  static std::map<const core::TDialog*, std::shared_ptr<svc::TTimer>> timers;
  return timers;
}

void EndSplashTimer(const core::TDialog* dialog) {
  auto& timers = SplashTimers();
  if (const auto it = timers.find(dialog); it != timers.end()) {
    it->second->End();
    timers.erase(it);
  }
}

void Label(const rt::Value& dialog, int row, int height, const std::string& text,
           const std::shared_ptr<gfx::TFont>& font) {
  controls::SayArgs a;
  a.nRow = row;
  a.nCol = 0;
  a.bText = rt::Value::Block([text](rt::Args) { return rt::Value(text); });
  a.oWnd = dialog;
  a.oFont = rt::Value(font);
  a.lCentered = true;
  a.lPixel = true;
  a.nClrText = gfx::NGETFORERGB(rt::Value(kColours));
  a.nClrBack = gfx::NGETBACKRGB(rt::Value(kColours));
  a.nWidth = 160;
  a.nHeight = height;
  std::make_shared<controls::TSay>()->New(a);
}

}  // namespace

AboutLines ReadAboutLines() {
  AboutLines lines;
  lines.bitmapFile = ReadSetting("About", "Bitmap");
  lines.firma1 = ReadSetting("About", "Firma1");
  lines.firma2 = ReadSetting("About", "Firma2");
  lines.firma3 = ReadSetting("About", "Firma3");
  lines.email = ReadSetting("About", "Email");
  lines.internet = ReadSetting("About", "Internet");
  return lines;
}

bool AboutWait(const std::shared_ptr<core::TDialog>& oDlg) {
  if (!oDlg || SplashTimers().count(oDlg.get())) return true;
  const std::weak_ptr<core::TDialog> weak = oDlg;
  auto timer = std::make_shared<svc::TTimer>();
  timer->New(kSplashMilliseconds, rt::Value::Block([weak](rt::Args) {
               if (const auto dialog = weak.lock(); dialog && dialog->hWnd) dialog->End();
               return rt::Value();
             }),
             rt::Value(oDlg));
  SplashTimers()[oDlg.get()] = timer;
  if (rt::MEMVAREXISTS(kAboutTimerVar)) rt::MEMVARPUT(kAboutTimerVar, rt::Value(timer));
  timer->Activate();
  return true;
}

bool AboutInfo(const AboutOptions& o, const rt::Value& bReady) {
  const std::size_t privates = rt::PrivateMark();
  rt::PRIVATE(kAboutTimerVar);
  if (!o.show) {
    rt::ReleasePrivates(privates);
    return true;
  }
  auto font = std::make_shared<gfx::TFont>()->New("Ms Sans Serif", 0, -8);
  auto bold = std::make_shared<gfx::TFont>()->New("Ms Sans Serif", 0, -8, false, true);
  auto dialog = std::make_shared<core::TDialog>();
  core::DialogArgs a;
  a.nTop = 0;
  a.nLeft = 0;
  a.nBottom = 200;
  a.nRight = 319;
  a.lPixel = true;
  a.cCaption = o.title;
  a.nClrText = gfx::NGETFORERGB(rt::Value(kColours));
  a.nClrBack = gfx::NGETBACKRGB(rt::Value(kColours));
  a.oWnd = o.owner;
  a.oIcon = o.icon;
  a.oFont = rt::Value(font);
  dialog->New(a);
  dialog->lHelpIcon = false;
  const rt::Value self(dialog);
  const std::weak_ptr<core::TDialog> weak = dialog;
  const rt::Value close = rt::Value::Block([weak](rt::Args) {
    if (const auto d = weak.lock()) d->End();
    return rt::Value();
  });

  controls::BitmapArgs picture;
  picture.nTop = 0;
  picture.nLeft = 0;
  picture.nWidth = 160;
  picture.nHeight = 55;
  picture.lNoBorder = true;
  picture.lPixel = true;
  picture.oWnd = self;
  picture.bLClicked = close;
  const AboutLines& l = o.lines;
  if (l.bitmapFile.empty()) {
    picture.cResName = o.bitmapResource;
  } else {
    picture.cBmpFile = l.bitmapFile;
  }
  std::make_shared<controls::TBitmap>()->New(picture);
  if (l.bitmapFile.empty()) {
    Label(self, 55, 30, l.firma1 + "\r" + l.firma2 + "\r" + l.firma3, font);
    Label(self, 75, 15, l.internet + "\r" + l.email, font);
    Label(self, 92, 8, kNotice, bold);
  } else {
    Label(self, 70, 20, std::string(kNotice) + "\r" + l.firma1, bold);
    Label(self, 90, 8, kReservation, bold);
  }

  core::DialogActivation act;
  act.lCentered = true;
  act.bLClicked = close;
  if (o.timed) {
    act.bPainted = rt::Value::Block([weak](rt::Args) {
      AboutWait(weak.lock());
      return rt::Value();
    });
  }
  if (bReady.IsBlock()) {
    dialog->bStart = rt::Value::Block([bReady, self](rt::Args) { return bReady.Eval(self); });
  }
  dialog->Activate(act);
  EndSplashTimer(dialog.get());
  rt::ReleasePrivates(privates);
  bold->End();
  font->End();
  return true;
}

}  // namespace common
