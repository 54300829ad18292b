#pragma once
// The message bar docked at the bottom of a main window. Its left part
// shows the current message (or the default one); its right part holds
// panels laid out from the right edge, among them optional clock, date and
// Num/Caps/Ins panels refreshed by a 400 ms timer. A double click toggles a
// read-out of memory and running time in the owner's title.

#include <memory>
#include <string>
#include <vector>

#include "controls/tmsgitem.h"
#include "core/twindow.h"
#include "services/timer.h"

namespace controls {

struct MsgBarArgs {
  rt::Value oWnd, cMsg, lCentered, lClock, lDate, lKeyboard, nClrText, nClrPane, oFont, lInset;
};

using TMsgItemPtr = std::shared_ptr<TMsgItem>;

// The owner's title while the read-out is on.
std::string ResourceReadOut(double memUsed, double memMax, int freeResources, const std::string& runningTime);

class TMsgBar : public core::TWindow {
 public:
  RT_CLASS_DECL()

  std::string cMsgDef;
  bool lCentered = false, lInset = true;
  std::shared_ptr<svc::TTimer> oTimer;
  std::vector<TMsgItemPtr> aItem;
  long nItem = 0;
  TMsgItemPtr oKeyNum, oKeyCaps, oKeyIns, oClock, oDate;
  int nBarHeight = 0;
  bool lCheckRes = false, lInfoRes = true;

  TMsgBar& New(const MsgBarArgs& args);

  void AddItem(const TMsgItemPtr& item);
  void InsItem(const TMsgItemPtr& item, const rt::Value& nAt);
  void DelItem(const TMsgItemPtr& item);
  long GetItem() const { return static_cast<long>(aItem.size()); }
  long Height() const { return nBarHeight; }

  // Places the bar along the bottom of the owner's client area.
  void Adjust();
  void Default();
  void CheckTimer();
  void ClockOn();
  void ClockOff();
  void DateOn();
  void DateOff();
  void KeybOn();
  void KeybOff();
  void SetMsg(const std::string& cText);
  void TimerEval();
  // The message area's right limit: the first panel's left edge, 0 without
  // panels (at least 1 with panels, so that panels wider than the bar still
  // count as panels).
  long RightLimit() const;
  virtual void ShowMsgBar() {}

  rt::Value Display();
  rt::Value EraseBkGnd(LPARAM) override { return rt::Value(1); }
  rt::Value Paint() override;
  rt::Value Destroy() override;
  rt::Value MouseMove(long nRow, long nCol, long nFlags) override;
  rt::Value LButtonDown(long nRow, long nCol, long nFlags) override;
  rt::Value LDblClick(long nRow, long nCol, long nFlags) override;
  // Takes the tooltip of panel nItem as the bar's own; false when it has
  // none to show.
  bool ShowToolTip();

 private:
  void PaintMessage(HDC hDC, bool l3D);
  void RemoveItem(TMsgItemPtr& member);
  TMsgItemPtr KeyPanel(const std::string& text, int vkey);
};

}  // namespace controls
