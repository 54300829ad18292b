#pragma once
// A label: a static text showing a value through an optional picture, which
// Refresh reads again from its block.

#include <string>

#include "core/tcontrol.h"

namespace controls {

struct SayArgs {
  rt::Value nRow, nCol, bText, oWnd, cPicture, oFont, lCentered, lRight, lBorder, lPixel, nClrText, nClrBack,
      nWidth, nHeight, lDesign, lUpdate, lShaded, lBox, lRaised;
};

class TSay : public core::TControl {
 public:
  RT_CLASS_DECL()

  bool l3D = false;
  rt::Value cPicture, bGet;
  bool lWantClick = false;

  TSay& New(const SayArgs& args = {});
  TSay& ReDefine(long nId, const rt::Value& bText, const rt::Value& oWnd, const rt::Value& cPicture = {},
                 const rt::Value& nClrText = {}, const rt::Value& nClrBack = {}, bool lUpdate = false,
                 const rt::Value& oFont = {});
  std::string cToChar(const std::string& cClass = {}) override { return TControl::cToChar(cClass.empty() ? "STATIC" : cClass); }
  void Default() override;
  void Initiate(HWND hDlg) override;
  void Refresh();
  void SetText(const rt::Value& u);
  // Keeps the value for the next Refresh; nothing is repainted.
  void VarPut(const rt::Value& u) override;
  std::string cGenPrg() const;

  rt::Value EraseBkGnd(LPARAM hDC) override;
  rt::Value HandleEvent(UINT nMsg, WPARAM nWParam, LPARAM nLParam) override;
};

}  // namespace controls
