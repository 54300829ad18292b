#pragma once
// The printer as a report's device: the report's fonts and pens made for
// the printer's resolution (point sizes to device pixels), text colours by
// font, a shading brush, and the printer's pages.

#include <memory>
#include <vector>

#include "graphics/tbrush.h"
#include "graphics/tfont.h"
#include "graphics/tpen.h"
#include "print/report_device.h"
#include "print/tprinter.h"

namespace prn {

class PrinterDevice : public ReportDevice {
 public:
  explicit PrinterDevice(TPrinterPtr printer) : printer_(std::move(printer)) {}

  bool Ready() const override { return printer_->hDC != nullptr; }
  bool IsText() const override { return false; }
  bool IsRecording() const override { return printer_->lMeta; }
  std::string Document() const override { return printer_->cDocument; }
  rt::Value AsValue() override { return printer_->Self(); }

  int Prepare(const rt::Value& aFont, const rt::Value& aPen) override;
  void Release() override;
  void SetTextColor(int font, long colour) override;
  void SetRuleColour(long colour) override;
  rt::Value Fonts() const override;
  rt::Value Pens() const override;
  rt::Value RulePen() const override { return rule_ ? rt::Value(rule_) : rt::Value(); }
  rt::Value ShadeBrush() const override { return shade_ ? rt::Value(shade_) : rt::Value(); }

  void StartPage() override { printer_->StartPage(); }
  void EndPage() override { printer_->EndPage(); }
  void End() override { printer_->End(); }

  void Say(double row, double col, const std::string& text, int font, double width, int pad, bool opaque) override;
  void SayRule(double, double, const std::string&) override {}
  void Line(double top, double left, double bottom, double right, int pen) override;
  void Box(double top, double left, double bottom, double right, int pen) override;
  // The brush of a colour is kept until the next colour or Release.
  void Shade(double top, double left, double bottom, double right, long colour) override;
  void SayBitmap(double row, double col, const rt::Value& bitmap, double width, double height) override;

  double TextWidth(const std::string& text, int font) override;
  double TextHeight(int font) override;
  double PenWidth(int pen) override;
  double Width() override { return printer_->nHorzRes(); }
  double Height() override { return printer_->nVertRes(); }
  double LogPixX() override { return printer_->nLogPixelX(); }
  double LogPixY() override { return printer_->nLogPixelY(); }
  double PhysicalWidth() override;
  double PhysicalHeight() override;
  bool Portrait() override { return printer_->GetOrientation() != DMORIENT_LANDSCAPE; }
  void SetLandscape() override { printer_->SetLandscape(); }

 private:
  std::shared_ptr<gfx::TFont> Font(int n) const;
  std::shared_ptr<gfx::TPen> Pen(int n) const;
  std::shared_ptr<gfx::TPen> MakePen(int style, double points, long colour) const;
  static std::shared_ptr<gfx::TPen> PixelPen(int style, int pixels, long colour);

  TPrinterPtr printer_;
  std::vector<std::shared_ptr<gfx::TFont>> fonts_;
  std::vector<std::shared_ptr<gfx::TPen>> pens_;
  std::vector<long> colours_;
  std::shared_ptr<gfx::TPen> rule_;
  std::shared_ptr<gfx::TBrush> shade_;
};

// Lends the report its printer devices, messages and progress dialog.
void InstallReportShell();

}  // namespace prn
