#include "print/printer_device.h"

#include <algorithm>

namespace prn {

std::shared_ptr<gfx::TPen> PrinterDevice::MakePen(int style, double points, long colour) const {
  auto pen = std::make_shared<gfx::TPen>();
  pen->New(style, std::max(1, static_cast<int>(points * printer_->nLogPixelY() / 72)), colour);
  return pen;
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
  rule_ = MakePen(pens_.front()->nStyle, 1, pens_.front()->nColor);
  colours_.assign(fonts_.size(), 0);
  return static_cast<int>(fonts_.size());
}

void PrinterDevice::Release() {
  for (const auto& f : fonts_) f->End();
  for (const auto& p : pens_) p->End();
  if (rule_) rule_->End();
  fonts_.clear();
  pens_.clear();
  rule_ = nullptr;
}

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

void PrinterDevice::Shade(double top, double left, double bottom, double right, long colour) {
  HBRUSH brush = CreateSolidBrush(static_cast<COLORREF>(colour));
  printer_->FillRect(rt::Value::Array({top, left, bottom, right}), brush);
  DeleteObject(brush);
}

double PrinterDevice::TextWidth(const std::string& text, int font) { return printer_->GetTextWidth(text, Font(font)); }
double PrinterDevice::TextHeight(int font) { return printer_->GetTextHeight("", Font(font)); }

double PrinterDevice::PenWidth(int pen) {
  const auto p = Pen(pen);
  return p ? p->nWidth : 1;
}

}  // namespace prn
