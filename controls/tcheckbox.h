#pragma once
// A check box: the native automatic check box bound to a logical variable.

#include <string>

#include "core/tcontrol.h"

namespace controls {

struct CheckBoxArgs {
  rt::Value nRow, nCol, cCaption, bSetGet, oWnd, nWidth, nHeight, nHelpTopic, bChange, oFont, bValid, nClrFore,
      nClrBack, lDesign, lPixel, cMsg, lUpdate, bWhen;
};

class TCheckBox : public core::TControl {
 public:
  RT_CLASS_DECL()

  TCheckBox& New(const CheckBoxArgs& args = {});
  TCheckBox& ReDefine(const rt::Value& nId, const rt::Value& bSetGet, const rt::Value& oWnd,
                      const rt::Value& nHelpId = {}, const rt::Value& bChange = {}, const rt::Value& bValid = {},
                      const rt::Value& nClrFore = {}, const rt::Value& nClrBack = {}, const rt::Value& cMsg = {},
                      const rt::Value& lUpdate = {}, const rt::Value& bWhen = {});
  rt::Value Click() override;
  void Default() override;
  std::string cToChar(const std::string& cClass = {}) override {
    return TControl::cToChar(cClass.empty() ? "BUTTON" : cClass);
  }
  void Initiate(HWND hDlg) override;
  void Refresh();
  // Writes .F. and unchecks.
  void Reset();
  std::string cGenPrg();
  void Check();
  void UnCheck();
  void SetCheck(bool checked);
  void SetText(const std::string& cText);

  rt::Value EraseBkGnd(LPARAM hDC) override;
  rt::Value LostFocus(LPARAM hWndNew) override;
  rt::Value MouseMove(long nRow, long nCol, long nFlags) override;

 private:
  void Bind(const rt::Value& bSetGet);
};

}  // namespace controls
