#pragma once
// A progress meter: the value behind bSetGet against nTotal, painted as a bar
// with the percentage.

#include <string>

#include "core/tcontrol.h"

namespace controls {

struct MeterArgs {
  rt::Value nRow, nCol, bSetGet, nTotal, oWnd, nWidth, nHeight, lUnused, lPixel, oFont, cText, lNoPercentage,
      nClrPane, nClrText, nClrBar, nClrBText, lDesign;
};

// ReDefine's arguments in their order.
struct MeterRedefineArgs {
  rt::Value nId, bSetGet, nTotal, oWnd, lUpdate, oFont, cText, lNoPercentage, nClrPane, nClrText, nClrBar, nClrBText;
};

inline constexpr long kMeterBar = 16711680, kMeterBarText = 16777215;

class TMeter : public core::TControl {
 public:
  RT_CLASS_DECL()

  double nTotal = 10;
  double nRefresh = 0;
  long nClrBar = kMeterBar, nClrBText = kMeterBarText;
  std::string cText;
  bool lPercentage = true;

  TMeter& New(const MeterArgs& args = {});
  // Binds the meter to control nId of a dialog made from a resource.
  TMeter& ReDefine(const MeterRedefineArgs& args);
  void Default() override;
  void Initiate(HWND hDlg) override;
  // The value as a number (0 for anything else) and its percentage of the
  // total (a total of 0 counts as 1).
  double Value();
  int Percent();
  // Stores n clamped to 0..nTotal; repaints and lets pending messages run
  // once the step is worth showing.
  void Set(const rt::Value& n = {});
  void SetTotal(double n);

  rt::Value Display() override;
  rt::Value Paint() override;

 private:
  // The settings New and ReDefine share, with their defaults.
  void Common(const rt::Value& setGet, const rt::Value& total, const rt::Value& font, const rt::Value& text,
              const rt::Value& noPercentage, const rt::Value& pane, const rt::Value& textColour, const rt::Value& bar,
              const rt::Value& barText);
};

}  // namespace controls
