#pragma once
// What a report draws on: the printer (through its adapter) or a text file.
// Positions and sizes are the device's units (pixels, or characters and
// lines); fonts, pens and text colours go by the report's numbers (from 1),
// which the device maps to its own objects.

#include <string>

#include "runtime/value.h"

namespace prn {

class ReportDevice {
 public:
  virtual ~ReportDevice() = default;

  // Whether the device can take output (a printer DC, an open file).
  virtual bool Ready() const = 0;
  virtual bool IsText() const = 0;
  virtual bool IsRecording() const = 0;
  virtual std::string Document() const = 0;
  // The device as the report's hooks and the preview see it.
  virtual rt::Value AsValue() = 0;

  // The report's fonts and pens (arrays of font and pen objects, possibly
  // empty) made for this device; answers how many fonts there are.
  virtual int Prepare(const rt::Value& aFont, const rt::Value& aPen) = 0;
  virtual void Release() = 0;
  virtual void SetTextColor(int font, long colour) = 0;
  // The rule pen becomes a solid pen of one point in the colour.
  virtual void SetRuleColour(long colour) = 0;
  // The report's tools as objects, for the hooks: the fonts and pens made
  // for the device, the rule pen and the shading brush (NIL without them).
  virtual rt::Value Fonts() const = 0;
  virtual rt::Value Pens() const = 0;
  virtual rt::Value RulePen() const = 0;
  virtual rt::Value ShadeBrush() const = 0;

  virtual void StartPage() = 0;
  virtual void EndPage() = 0;
  virtual void End() = 0;

  // Text in a width from col: pad 0 left, 1 right, 2 centred; a width of
  // 0 takes the text's own width.
  virtual void Say(double row, double col, const std::string& text, int font, double width, int pad,
                   bool opaque) = 0;
  // Box-drawing characters of a text device, written as they are; a
  // graphic device draws nothing for them.
  virtual void SayRule(double row, double col, const std::string& chars) = 0;
  // A line in pen n (0 for the rule pen).
  virtual void Line(double top, double left, double bottom, double right, int pen) = 0;
  virtual void Box(double top, double left, double bottom, double right, int pen) = 0;
  virtual void Shade(double top, double left, double bottom, double right, long colour) = 0;
  // A bitmap resource (number or name) or .BMP file in width x height.
  virtual void SayBitmap(double row, double col, const rt::Value& bitmap, double width, double height) = 0;

  virtual double TextWidth(const std::string& text, int font) = 0;
  virtual double TextHeight(int font) = 0;
  virtual double PenWidth(int pen) = 0;
  virtual double Width() = 0;
  virtual double Height() = 0;
  virtual double LogPixX() = 0;
  virtual double LogPixY() = 0;
  // The physical page, unprintable margins included, in device units.
  virtual double PhysicalWidth() = 0;
  virtual double PhysicalHeight() = 0;
  virtual bool Portrait() = 0;
  virtual void SetLandscape() = 0;
  // A text device's line width follows the report.
  virtual void SetLineWidth(double) {}
};

}  // namespace prn
