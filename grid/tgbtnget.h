#pragma once
// The grid's button cell editor: the single-line editor with a small drop-
// down button inside its right edge whose action the program gives (a
// choice list, a calendar). Clicking the button or pressing the fire key
// keeps the edit open. It answers to the plain Get's class name, so code
// that asks for the class treats it as a Get.

#include <memory>

#include "grid/tbtndown.h"
#include "grid/tgget.h"

namespace grid {

// New's 32 arguments: the Get's first 24 and its last five in get (their
// positions 1-24 and 27-31), then 25 cResName, 26 bAction, 32 nBmpWidth.
struct BtnGetArgs {
  controls::GetArgs get;
  rt::Value cResName, bAction, nBmpWidth;
};

// ReDefine's 23 arguments: the Get's 20, then cResName, bAction, nBmpWidth.
struct BtnGetRedefineArgs {
  controls::GetRedefineArgs get;
  rt::Value cResName, bAction, nBmpWidth;
};

// The key that presses the button of an editor made outside a grid.
inline constexpr long kBtnGetFireKey = VK_F5;

class TGBtnGet : public TGGet {
 public:
  // Instance data in declaration order (lRightLeftExit and lFixCaret are
  // the single-line editor's).
  rt::Value bAction, cResName;
  std::shared_ptr<TBtnDown> oBtn;
  bool lBtnORBmp = false;
  rt::Value nClrPFoText, nClrPFoPane;
  rt::Value nBmpWidth;
  rt::Value bTmpValid;
  bool lReturn = false;
  rt::Value nFireKey;
  rt::Value nClrFocuText, nClrFocuPane;

  const rt::ClassInfo& GetClass() const override { return controls::TGet::ClassDef(); }

  TGBtnGet& New(const BtnGetArgs& args = {});
  TGBtnGet& ReDefine(const BtnGetRedefineArgs& args);
  // Makes the button (once) and keeps typed text clear of it.
  void Default() override;
  void Initiate(HWND hDlg) override;
  // Puts the button inside the editor's right edge as the editor is now.
  void PlaceButton();
  void SetIniClr();
  // The pixels at the right edge that typed text keeps clear of.
  int ButtonMargin() const;

 protected:
  long& LastKey() override { return TGBtnGetLastKey(); }
  const EditMenuLabels& MenuLabels() const override;
  bool OwnKey(long nKey) override;
  bool KeepsEditOn(HWND hWndNew) override;
  void ClearFocusState() override { lReturn = false; }
};

// Keeps the text of the single-line edit clear of nWidth pixels at its
// right edge (its right margin); the left margin stays.
void GETBTN(HWND hWnd, int nWidth);

}  // namespace grid
