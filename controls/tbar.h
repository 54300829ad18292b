#pragma once
// The button bar of a window: a bordered child window holding bitmap
// buttons in a row (docked at the top or bottom) or a column (left or
// right), with etched lines between button groups, or floating in a small
// tool window of its own. The owner keeps a docked bar in its slot for that
// side (oBar and oTop, oLeft, oRight, oBottom) and places it when resized.
// Buttons ask the bar where they go when they are made (GetBtnTop,
// GetBtnLeft); the bar lays them out again whenever it moves (BtnAdjust).

#include <memory>
#include <string>

#include "core/tcontrol.h"
#include "runtime/value.h"

namespace controls {

class TBtnBmp;

struct BarArgs {
  rt::Value oWnd, nBtnWidth, nBtnHeight, l3D, cMode, oCursor;
};

struct BarAtArgs {
  rt::Value nRow, nCol, nWidth, nHeight, nBtnWidth, nBtnHeight, oWnd, l3D, cMode, oCursor;
};

// The places of a bar, as nMode.
enum BarMode { kBarTop = 1, kBarLeft, kBarRight, kBarBottom, kBarFloat };

// The mode of a mode word: "TOP", "LEFT", "RIGHT", "BOTTOM" (or "DOWN", the
// word the generated source uses), "FLOAT", in any case; any other word is
// the top.
int BarModeOf(const rt::Value& cMode);

class TBar : public core::TControl {
 public:
  RT_CLASS_DECL()

  long nGroups = 0;
  int nMode = kBarTop;
  long nBtnWidth = 28, nBtnHeight = 28;
  // The bar's 3-D look (the base control's l3D() is another look).
  bool l3D = false;

  TBar& New(const BarArgs& args);
  TBar& NewAt(const BarAtArgs& args);

  // Appends the button, or inserts it at nPos (from 1).
  void Add(const rt::Value& oBtn, const rt::Value& nPos = {});
  void AddGroup(long nPos);
  void DelGroup(long nPos);
  // Removes button nPos and ends it; positions out of range change nothing.
  void Del(long nPos);
  long GetBtnTop(bool lGroup, const rt::Value& nPos = {});
  long GetBtnLeft(bool lGroup, const rt::Value& nPos = {});

  // Places the bar at its side of the owner (above a message bar).
  void Adjust();
  // Lays the buttons out for the bar's mode.
  void BtnAdjust();

  void GoTop();
  void GoLeft();
  void GoRight();
  void GoDown();
  void Float();
  // The right-click menu of the floating tool window.
  void FloatClick(long nRow, long nCol, const rt::Value& oFloatWnd);
  // The menu that the right click opens, built but not shown: the places
  // the bar can move to.
  rt::Value DockMenu();
  // The tool window while the bar floats; null otherwise.
  std::shared_ptr<core::TWindow> FloatWindow() const { return floatWnd_; }

  void SaveIni(const std::string& cName, const std::string& cIniFile);
  std::string cGenPRG() const;

  // The buttons, in order (the controls that are bitmap buttons).
  std::size_t ButtonCount() const;
  std::shared_ptr<TBtnBmp> Button(std::size_t i) const;

  rt::Value Display() override;
  rt::Value EraseBkGnd(LPARAM) override { return rt::Value(1); }
  rt::Value Paint() override;
  rt::Value RButtonDown(long nRow, long nCol, long nFlags) override;
  rt::Value LButtonDown(long nRow, long nCol, long nFlags) override;
  rt::Value LButtonUp(long nRow, long nCol, long nFlags) override;
  rt::Value MouseMove(long nRow, long nCol, long nFlags) override;

 private:
  bool Horizontal() const { return nMode == kBarTop || nMode == kBarBottom; }
  bool Vertical() const { return nMode == kBarLeft || nMode == kBarRight; }
  bool AnyDropDown() const;
  // Moves the bar to a docked place: clears the old slot, fills the new
  // one, sizes the bar and lays everything out again.
  void Dock(int mode);
  void ClearOwnerSlot();
  void FillOwnerSlot();
  // What New and NewAt share once the bar's place is set: its style,
  // colours, cursor and window.
  void Open(const rt::Value& oCursorGiven);
  // Whether the owner has room for the bar at that side (the menu rules).
  bool PlaceFree(int mode) const;
  // Gives the buttons back from the tool window, ends it and docks.
  void Unfloat(int mode);
  void SizeFloatWindow();
  void RepaintMdiClient() const;
  void ShiftButtons(std::size_t from, int dx, int dy);

  std::shared_ptr<core::TWindow> floatWnd_;
};

}  // namespace controls
