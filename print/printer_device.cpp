#include "print/printer_device.h"

#include <algorithm>

#include "print/print_settings.h"

namespace prn {

std::shared_ptr<gfx::TPen> PrinterDevice::PixelPen(int style, int pixels, long colour) {
  auto pen = std::make_shared<gfx::TPen>();
  pen->New(style, std::max(1, pixels), colour);
  return pen;
}

std::shared_ptr<gfx::TPen> PrinterDevice::MakePen(int style, double points, long colour) const {
  return PixelPen(style, static_cast<int>(points * printer_->nLogPixelY() / 72), colour);
}

int PrinterDevice::Prepare(const rt::Value& aFont, const rt::Value& aPen) {
  const rt::Value device = printer_->Self();
  if (aFont.IsArray()) {
    for (const rt::Value& f : aFont.Items()) {
      const auto given = f.As<gfx::TFont>();
      if (!given) continue;
      fonts_.push_back(std::make_shared<gfx::TFont>()->New(
          given->cFaceName, given->nInpWidth * printer_->nLogPixelX() / 72, given->nInpHeight, false, given->lBold,
          given->nEscapement, given->nOrientation, given->nWeight, given->lItalic, given->lUnderline,
          given->lStrikeOut, given->nCharSet, given->nOutPrecision, given->nClipPrecision, given->nQuality, device,
          given->nPitchFamily));
    }
  }
  if (fonts_.empty())
    fonts_.push_back(std::make_shared<gfx::TFont>()->New("ARIAL", 0, -10, false, false, 0, 0, 0, false, false, false,
                                                         0, 0, 0, 0, device));
  if (aPen.IsArray()) {
    for (const rt::Value& p : aPen.Items())
      if (const auto given = p.As<gfx::TPen>()) pens_.push_back(MakePen(given->nStyle, given->nWidth, given->nColor));
  }
  if (pens_.empty()) pens_.push_back(MakePen(PS_SOLID, 1, 0));
  const gfx::TPen& first = *pens_.front();
  rule_ = PixelPen(first.nStyle, static_cast<int>(first.nWidth), first.nColor);
  colours_.assign(fonts_.size(), 0);
  return static_cast<int>(fonts_.size());
}

void PrinterDevice::Release() {
  for (const auto& f : fonts_) f->End();
  for (const auto& p : pens_) p->End();
  if (rule_) rule_->End();
  if (shade_) shade_->End();
  fonts_.clear();
  pens_.clear();
  rule_ = nullptr;
  shade_ = nullptr;
}

namespace {

template <class T>
rt::Value ArrayOf(const std::vector<std::shared_ptr<T>>& items) {
  rt::Value array = rt::Value::Array();
  for (const auto& item : items) array.Items().push_back(rt::Value(item));
  return array;
}

}  // namespace

rt::Value PrinterDevice::Fonts() const { return ArrayOf(fonts_); }
rt::Value PrinterDevice::Pens() const { return ArrayOf(pens_); }

std::shared_ptr<gfx::TFont> PrinterDevice::Font(int n) const {
  if (fonts_.empty()) return nullptr;
  return fonts_[static_cast<std::size_t>(std::clamp(n, 1, static_cast<int>(fonts_.size())) - 1)];
}

std::shared_ptr<gfx::TPen> PrinterDevice::Pen(int n) const {
  if (n <= 0 || pens_.empty()) return rule_;
  return pens_[static_cast<std::size_t>(std::min(n, static_cast<int>(pens_.size())) - 1)];
}

void PrinterDevice::SetTextColor(int font, long colour) {
  if (font >= 1 && font <= static_cast<int>(colours_.size())) colours_[static_cast<std::size_t>(font - 1)] = colour;
}

void PrinterDevice::SetRuleColour(long colour) {
  if (rule_) rule_->End();
  rule_ = MakePen(PS_SOLID, 1, colour);
}

void PrinterDevice::Say(double row, double col, const std::string& text, int font, double width, int pad,
                        bool opaque) {
  const long colour =
      font >= 1 && font <= static_cast<int>(colours_.size()) ? colours_[static_cast<std::size_t>(font - 1)] : 0;
  // The printer's pads: 0 left, 1 right and 2 centred, within the width.
  printer_->Say(row, col, text, Font(font), width, rt::Value(static_cast<double>(colour)),
                opaque ? OPAQUE : TRANSPARENT, rt::Value(pad));
}

void PrinterDevice::Line(double top, double left, double bottom, double right, int pen) {
  printer_->Line(static_cast<int>(top), static_cast<int>(left), static_cast<int>(bottom), static_cast<int>(right),
                 Pen(pen));
}

void PrinterDevice::Box(double top, double left, double bottom, double right, int pen) {
  printer_->Box(static_cast<int>(top), static_cast<int>(left), static_cast<int>(bottom), static_cast<int>(right),
                Pen(pen));
}

void PrinterDevice::Shade(double top, double left, double bottom, double right, long colour) {
  if (!shade_ || shade_->nRGBColor.AsNumber() != static_cast<double>(colour)) {
    if (shade_) shade_->End();
    shade_ = std::make_shared<gfx::TBrush>()->New(rt::Value(), rt::Value(static_cast<double>(colour)));
  }
  printer_->FillRect(rt::Value::Array({top, left, bottom, right}), shade_->hBrush);
}

void PrinterDevice::SayBitmap(double row, double col, const rt::Value& bitmap, double width, double height) {
  printer_->SayBitmap(static_cast<int>(row), static_cast<int>(col), bitmap, static_cast<int>(width),
                      static_cast<int>(height));
}

double PrinterDevice::PhysicalWidth() { return PRNGETSIZE(printer_->hDC).At(1).AsNumber(); }
double PrinterDevice::PhysicalHeight() { return PRNGETSIZE(printer_->hDC).At(2).AsNumber(); }

double PrinterDevice::TextWidth(const std::string& text, int font) { return printer_->GetTextWidth(text, Font(font)); }
double PrinterDevice::TextHeight(int font) { return printer_->GetTextHeight("", Font(font)); }

double PrinterDevice::PenWidth(int pen) {
  const auto p = Pen(pen);
  return p ? p->nWidth : 1;
}

}  // namespace prn
