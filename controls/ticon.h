#pragma once
// A 32 x 32 icon control; without an owner it only holds the icon handle
// (no window), and End frees the icon.

#include <string>

#include "core/tcontrol.h"

namespace controls {

struct IconArgs {
  rt::Value nRow, nCol, cResName, cIcoFile, lBorder, bLClicked, oWnd, lUpdate, bWhen, nClrFore, nClrBack;
};

class TIcon : public core::TControl {
 public:
  RT_CLASS_DECL()

  std::string cIcoFile, cResName;
  HICON hIcon = nullptr;

  TIcon& New(const IconArgs& args = {});
  TIcon& ReDefine(long nId, const std::string& cResName, const std::string& cIcoFile, const rt::Value& bLClicked,
                  bool lUpdate, const rt::Value& oWnd, const rt::Value& bWhen = {});
  void Initiate(HWND hDlg) override;
  void SetName(const std::string& cName);
  void SetFile(const std::string& cFile);
  bool End();

  rt::Value Display() override;
  rt::Value Paint() override;
  rt::Value Destroy() override;
  rt::Value HandleEvent(UINT nMsg, WPARAM nWParam, LPARAM nLParam) override;

 private:
  // The icon of the file, else of the resource; none when neither has one.
  void Load();
};

}  // namespace controls
