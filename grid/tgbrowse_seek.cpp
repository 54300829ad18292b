// The grid's incremental seek: printable keys typed into a grid whose
// column order is active build a seek text, and the grid moves to the
// first record that matches it. A pause of more than five seconds starts a
// new text.
#include <windows.h>

#include <cctype>
#include <cmath>

#include "grid/date_seek.h"
#include "grid/seek_clock.h"
#include "grid/tgbrowse.h"
#include "runtime/dates.h"
#include "runtime/macro.h"
#include "runtime/numbers.h"
#include "runtime/strings.h"
#include "runtime/table_fns.h"

namespace grid {
namespace {

constexpr long kBackspace = 8;
constexpr double kSeekPause = 5.0;

// The value of the controlling order's key for the current record; NIL
// without an order.
rt::Value KeyValue() {
  const std::string key = rt::ORDKEY();
  return key.empty() ? rt::Value() : rt::MacroEval(key);
}

// The time of the last seek keystroke, shared by every grid as the user
// types into one at a time.
double lastSeekKey = -1;

}  // namespace

TGBrowse& TGBrowse::Seek(long nKey) {
  const std::string type = cOrderType.IsString() ? cOrderType.AsString() : std::string();
  const bool dateOrder = type == "D", numericOrder = type == "N", charOrder = !dateOrder && !numericOrder;
  std::string text = cSeek.IsString() ? cSeek.AsString() : std::string();
  const double now = SeekSeconds();
  if (lastSeekKey < 0 || now - lastSeekKey > kSeekPause || now < lastSeekKey) {
    text = dateOrder ? std::string(kEmptyDateSeek) : std::string();
  }
  lastSeekKey = now;
  const rt::Value prefixValue = cPrefix.IsBlock() ? cPrefix.Eval() : cPrefix;
  const std::string prefix = prefixValue.IsString() ? prefixValue.AsString() : std::string();
  if (nColOrder <= 0 || !IsTable()) return *this;

  std::size_t keyLen = 0;
  if (charOrder) {
    const rt::Value key = InArea(KeyValue);
    keyLen = key.IsString() ? key.AsString().size() : 0;
  }
  bool accepted = true;
  if (nKey == kBackspace) {
    if (dateOrder) {
      text = DATESEEK(text, kBackspace);
    } else if (!text.empty()) {
      text.pop_back();
    }
  } else if (dateOrder) {
    // DATESEEK beeps itself for a key it refuses.
    accepted = nKey >= '0' && nKey <= '9' && text.find(' ') != std::string::npos;
    text = DATESEEK(text, static_cast<int>(nKey));
  } else if (numericOrder) {
    accepted = nKey < 256 && std::string_view("0123456789-.").find(static_cast<char>(nKey)) != std::string_view::npos;
    if (accepted) text += static_cast<char>(nKey);
  } else {
    accepted = text.size() < keyLen && nKey >= 32 && nKey < 256;
    if (accepted) {
      const char c = static_cast<char>(nKey);
      text += lUpperSeek && c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
    }
  }
  if (!accepted && !dateOrder) SeekBeep();

  rt::Value sought;
  if (numericOrder) {
    sought = rt::VAL(text);
  } else if (dateOrder) {
    const rt::Date date = rt::CTOD(text);
    sought = prefix.empty() ? rt::Value(date) : rt::Value(prefix + rt::DTOS(date));
  } else {
    sought = prefix + text;
  }

  const bool incompleteDate = dateOrder && text.find(' ') != std::string::npos;
  if (accepted && !incompleteDate) {
    const long rec = RowNumber();
    bool eof = false, found = false;
    InArea([&] {
      found = rt::DBSEEK(sought, true);
      eof = rt::DbEof();
      if (eof || (charOrder && !found)) rt::DBGOTO(rec);
      return rt::Value();
    });
    if (eof || (charOrder && !found)) {
      SeekBeep();
      if (dateOrder) {
        text = DATESEEK(text, kBackspace);
      } else if (!text.empty()) {
        text.pop_back();
      }
      cSeek = text;
      bSeekChange.Eval();
      return *this;
    }
    if (numericOrder && !found) {
      // No key equals the number: a longer number typed on may still
      // match, unless the next key after value x 10 lies beyond every
      // number that starts with these digits.
      const double value = sought.AsNumber();
      InArea([&] {
        rt::DBSEEK(rt::Value(value * 10), true);
        const rt::Value key = rt::DbEof() ? rt::Value() : KeyValue();
        const double next = key.IsNumber() ? std::fmod(std::fabs(key.AsNumber()), std::pow(10.0, text.size() + 1))
                                           : HUGE_VAL;
        if (next > value * 10 + 9) {
          SeekBeep();
          text.pop_back();
        }
        rt::DBGOTO(rec);
        return rt::Value();
      });
      cSeek = text;
      bSeekChange.Eval();
      return *this;
    }
    const long now = RowNumber();
    if (now != rec) {
      const long rows = nRowCount();
      if (Count() > rows) {
        const long below = rows - nRowPos;
        if (Skip(below) < below) {
          // The record lies on the last page.
          bGoBottom.Eval();
          nRowPos = rows;
          while (RowNumber() != now && nRowPos > 1 && Skip(-1) == -1) --nRowPos;
        } else {
          InArea([now] {
            rt::DBGOTO(now);
            return rt::Value();
          });
        }
      } else {
        bGoTop.Eval();
        nAt = nRowPos = 1;
        while (RowNumber() != now && Skip(1) == 1) {
          ++nRowPos;
          ++nAt;
        }
      }
      lHitTop = lHitBottom = false;
      if (hWnd) Refresh(false);
      ResetBarPos();
    }
    bChange.Eval(Self(), 0L);
  }
  // A refused key has beeped and leaves the text as it was: the user goes
  // on typing where the seek stood.
  cSeek = text;
  bSeekChange.Eval();
  return *this;
}

}  // namespace grid
