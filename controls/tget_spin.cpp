// TGet's spinner steps for numbers and dates.
#include <cmath>

#include "controls/tget.h"
#include "runtime/compare.h"
#include "runtime/dates.h"
#include "runtime/numbers.h"
#include "runtime/settings.h"
#include "runtime/text_case.h"

namespace controls {

namespace {

// Whether v lies outside what the bound blocks allow in the step's direction.
bool OutOfBounds(const rt::Value& v, int n, const rt::Value& bMin, const rt::Value& bMax) {
  if (n > 0 && bMax.IsBlock()) {
    const rt::Value high = bMax.Eval();
    if (v.IsNumber() && high.IsNumber()) return v.AsNumber() > high.AsNumber();
    if (v.IsDate() && high.IsDate()) return v.AsJulian() > high.AsJulian();
  }
  if (n <= 0 && bMin.IsBlock()) {
    const rt::Value low = bMin.Eval();
    if (v.IsNumber() && low.IsNumber()) return v.AsNumber() < low.AsNumber();
    if (v.IsDate() && low.IsDate()) return v.AsJulian() < low.AsJulian();
  }
  return false;
}

int LastDay(int year, int month) {
  int day = 28;
  while (day < 31 && rt::MakeDate(year, month, day + 1).julian != 0) ++day;
  return day;
}

}  // namespace

void TGet::ScrollNumber(int n) {
  const rt::Value now = VarGet();
  double value = now.AsNumber();
  const int dec = oGet->DecPos();
  int decimals = 0;
  if (dec > 0 && nPos >= dec) {
    decimals = std::max(1, nPos - dec - 1);
    const double step = 1 / std::pow(10.0, decimals);
    value += n > 0 ? step : -step;
  } else {
    value += n;
  }
  // Steps of tenths do not add up exactly in binary: round to the step's digits.
  value = rt::RoundHalfAway(value, std::max(decimals, static_cast<int>(now.AsNumberInfo().dec)));
  rt::Number shaped = now.AsNumberInfo();
  shaped.value = value;
  const rt::Value next(shaped);
  if (OutOfBounds(next, n, bMin, bMax)) {
    MessageBeep(MB_OK);
  } else {
    _cText(next);
  }
  SetPos(nPos);
}

void TGet::ScrollDate(int n) {
  const std::string format = rt::DateFormat();
  const rt::Date now{VarGet().AsJulian()};
  const int at = std::clamp(nPos, 1, static_cast<int>(format.size()));
  char part = rt::AsciiUpperChar(format[static_cast<std::size_t>(at - 1)]);
  if (part != 'D' && part != 'M' && part != 'Y' && at > 1) part = rt::AsciiUpperChar(format[static_cast<std::size_t>(at - 2)]);
  int year = 0, month = 0, day = 0;
  rt::SplitDate(now, &year, &month, &day);
  rt::Date next = now;
  if (part == 'D') {
    next.julian = now.julian + n;
  } else if (part == 'M' || part == 'Y') {
    if (part == 'M') {
      month += n;
      while (month > 12) month -= 12, ++year;
      while (month < 1) month += 12, --year;
    } else {
      year += n;
    }
    // A day the new month lacks (31 April, 29 February) becomes its last day.
    next = rt::MakeDate(year, month, std::min(day, LastDay(year, month)));
  }
  if (now.julian == 0 || next.julian == now.julian) return;
  if (OutOfBounds(rt::Value(next), n, bMin, bMax)) {
    MessageBeep(MB_OK);
    return;
  }
  _cText(rt::Value(next));
  const int start = static_cast<int>(format.find_first_of(part == 'D' ? "dD" : part == 'M' ? "mM" : "yY"));
  const int end = static_cast<int>(format.find_last_of(part == 'D' ? "dD" : part == 'M' ? "mM" : "yY")) + 1;
  SetSel(start, end);
  nPos = start + 1;
}

void TGet::StepValue(int n) {
  if (!oGet->BadDate() && !lReadOnly && oGet->HasFocus()) {
    oGet->Assign();
    oGet->UpdateBuffer();
  }
  const rt::Value before = VarGet();
  if (before.IsNumber()) ScrollNumber(n);
  else if (before.IsDate()) ScrollDate(n);
  else return;
  if (!(VarGet() == before) && bChange.IsBlock()) bChange.Eval(rt::Value(), rt::Value(), Self());
}

TGet& TGet::Increment() {
  StepValue(1);
  return *this;
}

TGet& TGet::Decrement() {
  StepValue(-1);
  return *this;
}

}  // namespace controls
