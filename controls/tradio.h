#pragma once
// Radio buttons and their group. TRadMenu (no window of its own) binds a
// numeric variable, the 1-based number of the chosen option, and owns one
// TRadio, a native automatic radio button, per option.

#include <string>

#include "core/tcontrol.h"
#include "runtime/object.h"

namespace controls {

struct RadioArgs {
  rt::Value nRow, nCol, cPrompt, lGroup, lChecked, nPos, oWnd, oRadMenu, nHelpId, nClrText, nClrPane, cMsg, lUpdate,
      bWhen, nWidth, nHeight, bValid, lDesign, lPixel;
};

class TRadio : public core::TControl {
 public:
  RT_CLASS_DECL()

  bool lChecked = false;
  rt::Value oRadMenu;
  long nPos = 1;

  TRadio& New(const RadioArgs& args = {});
  TRadio& Redefine(const rt::Value& nId, const rt::Value& lChecked, const rt::Value& nPos, const rt::Value& oWnd,
                   const rt::Value& oRadMenu, const rt::Value& nHelpId = {}, const rt::Value& nClrText = {},
                   const rt::Value& nClrPane = {}, const rt::Value& cMsg = {}, const rt::Value& lUpdate = {},
                   const rt::Value& bWhen = {}, const rt::Value& bValid = {});
  rt::Value Click() override;
  std::string cToChar(const std::string& cClass = {}) override {
    return TControl::cToChar(cClass.empty() ? "BUTTON" : cClass);
  }
  void Initiate(HWND hDlg) override;
  void Default() override;
  void SetCheck(bool checked);
  // The native state, kept in lChecked.
  bool lIsChecked();
  void Check() { SetCheck(true); }
  void UnCheck() { SetCheck(false); }
  void Refresh();
  void SetText(const std::string& cText);

  rt::Value KeyDown(long nKey, long nFlags) override;
  rt::Value EraseBkGnd(LPARAM hDC) override;
  rt::Value LostFocus(LPARAM hWndNew) override;
  rt::Value MouseMove(long nRow, long nCol, long nFlags) override;
};

struct RadMenuArgs {
  rt::Value nRow, nCol, acItems, bSetGet, oWnd, aHelpIds, bChange, nClrText, nClrPane, cMsg, lUpdate, bWhen, nWidth,
      nHeight, bValid, lDesign, l3D, lPixel;
};

class TRadMenu : public rt::Object {
 public:
  RT_CLASS_DECL()

  rt::Value aItems = rt::Value::Array();
  rt::Value bSetGet, bChange, cMsg, cVarName;
  bool lUpdate = false;

  TRadMenu& New(const RadMenuArgs& args = {});
  TRadMenu& Redefine(const rt::Value& bSetGet, const rt::Value& oWnd, const rt::Value& aHelpIds,
                     const rt::Value& aIds, const rt::Value& bChange = {}, const rt::Value& nClrText = {},
                     const rt::Value& nClrPane = {}, const rt::Value& cMsg = {}, const rt::Value& lUpdate = {},
                     const rt::Value& bWhen = {}, const rt::Value& bValid = {});
  TRadMenu& Define(const rt::Value& bSetGet, const rt::Value& bChange = {}, const rt::Value& cMsg = {},
                   const rt::Value& lUpdate = {});
  void AddRadio(const rt::Value& oRadio);

  long Count() const { return static_cast<long>(aItems.Len()); }
  // The radio of option n (1-based), null outside 1..Count().
  std::shared_ptr<TRadio> Radio(long n) const;

  long nOption();
  void _nOption(long n);
  void SetOption(long n);
  void Select(const TRadio& radio);
  void GoPrev() { SetOption(nOption() <= 1 ? Count() : nOption() - 1); }
  void GoNext() { SetOption(nOption() >= Count() ? 1 : nOption() + 1); }
  void Refresh();

  void Set3DLook();
  void End();
  void Disable();
  void Enable();
  void Show();
  void Hide();

 private:
  // A variable that holds no option of the group names option 1.
  long ValidOption(const rt::Value& v) const;
};

// Help ids per option: the list given, padded with its first id; without a
// list 100, 101, 102 ...
rt::Value HelpIds(const rt::Value& aHelpIds, long count);

}  // namespace controls
