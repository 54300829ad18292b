#pragma once
// A folder: the native tab control whose pages are modeless child dialogs,
// one per tab. Only the chosen page is visible; choosing a tab hides the old
// page and shows the new one. Disabled tabs cannot be chosen and beep.

#include <memory>
#include <string>

#include "core/tcontrol.h"
#include "core/tdialog.h"
#include "runtime/value.h"

namespace controls {

struct FolderArgs {
  rt::Value nTop, nLeft, aPrompts, aDialogs, oWnd, nOption, nClrFore, nClrBack, lPixel, lDesign, nWidth, nHeight,
      cMsg, lAllWidth, oFont;
};

struct FolderRedefineArgs {
  rt::Value nId, aPrompts, aDialogs, oWnd, nOption, nClrFore, nClrBack, bChange, lAllWidth;
};

class TFolder : public core::TControl {
 public:
  RT_CLASS_DECL()

  rt::Value aPrompts = rt::Value::Array();
  rt::Value aDialogs = rt::Value::Array();
  long nOption = 1;
  long nTabSize = 0;
  long nFdHeight = 22;
  std::shared_ptr<gfx::TFont> oFont2;
  rt::Value aEnable = rt::Value::Array();
  bool lAllWidth = true, lWin95Look = true;

  TFolder& New(const FolderArgs& args = {});
  TFolder& ReDefine(const FolderRedefineArgs& args);

  void Initiate(HWND hDlg) override;
  void Default() override;
  std::string cToChar(const std::string& cClass = {}) override;
  // New labels when given; the native tabs rebuilt from the labels.
  void SetPrompts(const rt::Value& prompts = {});
  // Chooses tab n; positions outside the tabs change nothing.
  void SetOption(long n);
  void AddItem(const std::string& cPrompt);
  // Removes the current tab and its page.
  void DelItem();
  void DelPages();
  void LoadPages(const rt::Value& aResNames, const rt::Value& bBlock = {});
  // The first enabled tab other than the current one whose label has that
  // hot key; 0 for none.
  long GetHotPos(long nChar) const;
  void AdjustRect();
  void Update();

  long TabCount() const { return static_cast<long>(aPrompts.Len()); }
  bool Enabled(long n) const;
  std::shared_ptr<core::TDialog> Page(long n) const;

  rt::Value Display() override { return {}; }
  rt::Value Paint() override { return {}; }
  rt::Value CtlColor(LPARAM hWndChild, LPARAM hDCChild) override;
  rt::Value LButtonDown(long nRow, long nCol, long nFlags) override;
  rt::Value Notify(LPARAM nIdCtrl, LPARAM pNMHDR) override;
  rt::Value KeyDown(long nKey, long nFlags) override;
  rt::Value GotFocus(LPARAM hWndLost) override;
  rt::Value ReSize(long nSizeType, long nWidth, long nHeight) override;
  rt::Value MouseMove(long nRow, long nCol, long nFlags) override;
  rt::Value Destroy() override;

 private:
  std::shared_ptr<core::TDialog> MakePage(long n);
  // Activates the page as a modeless child that refuses to close and moves
  // to (row, col) when it starts.
  void ActivatePage(const std::shared_ptr<core::TDialog>& page, int row, int col);
  void SizePages(int width, int height);
  void ShowCurrent();
  void EndPage(const rt::Value& page);

  long nSelChanging_ = -1;
};

}  // namespace controls
