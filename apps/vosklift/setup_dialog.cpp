#include "apps/vosklift/setup_dialog.h"

#include <array>

#include "apps/common/settings_file.h"
#include "apps/vosklift/loader_state.h"
#include "controls/tbutton.h"
#include "controls/tcheckbox.h"
#include "controls/tgroup.h"
#include "core/tdialog.h"
#include "graphics/tfont.h"
#include "services/help.h"

namespace vosklift {

namespace {

struct Switch {
  const char* caption;
  int row;
  bool LoaderState::*flag;
};

constexpr std::array<Switch, 3> kSwitches{{
    {" Automatisches &Einf\xFCgen aus der Zwischenablage", 19, &LoaderState::lAutoClp},
    {" Suchmaschine nach &Kopieren verstecken", 31, &LoaderState::lClsCopy},
    {" Zwischenablage per &Timer \xFC" "berwachen", 43, &LoaderState::lClpTime},
}};

rt::Value FlagBlock(bool& flag) {
  return rt::Value::Block([&flag](rt::Args a) {
    if (!a.empty() && a[0].IsLogical()) flag = a[0].AsLogical();
    return rt::Value(flag);
  });
}

}  // namespace

bool SETUP(const std::shared_ptr<core::TWindow>& oWnd) {
  LoaderState& s = Loader();
  svc::HELPSETTOPIC(rt::Value(kSetupHelpTopic));
  auto font = std::make_shared<gfx::TFont>()->New("Ms Sans Serif", 0, -8);
  auto dialog = std::make_shared<core::TDialog>();
  core::DialogArgs d;
  d.nTop = 0;
  d.nLeft = 0;
  d.nBottom = 162;
  d.nRight = 358;
  d.lPixel = true;
  d.cCaption = ShortName() + " - Einstellungen";
  d.oWnd = oWnd ? rt::Value(oWnd) : rt::Value();
  d.oIcon = "Setup";
  d.oFont = rt::Value(font);
  dialog->New(d);
  dialog->lHelpIcon = false;
  const rt::Value self(dialog);

  controls::GroupArgs g;
  g.nTop = -3;
  g.nLeft = 0;
  g.nBottom = 62;
  g.nRight = 179;
  g.cLabel = "";
  g.lPixel = true;
  g.oWnd = self;
  std::make_shared<controls::TGroup>()->New(g);

  for (const Switch& sw : kSwitches) {
    controls::CheckBoxArgs c;
    c.nRow = sw.row;
    c.nCol = 9;
    c.nWidth = 150;
    c.nHeight = 10;
    c.lPixel = true;
    c.cCaption = sw.caption;
    c.bSetGet = FlagBlock(s.*sw.flag);
    c.oWnd = self;
    std::make_shared<controls::TCheckBox>()->New(c);
  }

  const std::weak_ptr<core::TDialog> weak = dialog;
  bool save = false;
  const bool before[] = {s.lAutoClp, s.lClsCopy, s.lClpTime};
  const controls::ButtonRow buttons{self, 68, 35};
  buttons.Add(68, "&Speichern", true, rt::Value::Block([&save, weak](rt::Args) {
                save = true;
                if (const auto d = weak.lock()) d->End();
                return rt::Value();
              }));
  buttons.Add(105, "&Hilfe", false, rt::Value::Block([](rt::Args) {
                svc::HELPTOPIC(rt::Value(kSetupHelpTopic));
                return rt::Value();
              }));
  buttons.Add(143, "&Abbrechen", false, rt::Value::Block([weak](rt::Args) {
                if (const auto d = weak.lock()) d->End();
                return rt::Value();
              }));

  core::DialogActivation act;
  act.lCentered = true;
  dialog->Activate(act);
  font->End();

  if (save) {
    common::WriteSwitch("System", "AutoClp", s.lAutoClp);
    common::WriteSwitch("System", "ClsCopy", s.lClsCopy);
    common::WriteSwitch("System", "ClpTime", s.lClpTime);
  } else {
    // Cancelled: the exit must not write what was only tried out.
    s.lAutoClp = before[0];
    s.lClsCopy = before[1];
    s.lClpTime = before[2];
  }
  svc::HELPSETTOPIC(rt::Value(kMainHelpTopic));
  if (s.lClpTime) StartWatch(oWnd);
  return true;
}

}  // namespace vosklift
