// The grid's module functions: blocks over rows, fields and columns, the
// character tests of the seek and the range filter's skip and bottom.
#include <windows.h>

#include <algorithm>

#include "core/send_soft.h"
#include "graphics/tfont.h"
#include "grid/grid_geometry.h"
#include "grid/tgbrowse.h"
#include "runtime/compare.h"
#include "runtime/dates.h"
#include "runtime/macro.h"
#include "runtime/strings.h"
#include "runtime/table_fns.h"

namespace grid {

rt::Value _ADATA(const rt::Value& aBlocks) {
  rt::Value row = rt::Value::Array();
  if (!aBlocks.IsArray()) return row;
  for (const rt::Value& block : aBlocks.Items()) row.Items().push_back(block.Eval());
  return row;
}

rt::Value ArrayCopyOneLevel(const rt::Value& a) {
  if (!a.IsArray()) return a;
  rt::Value copy = rt::Value::Array();
  copy.Items() = a.Items();
  return copy;
}

rt::Value MAKEBLOCK(const std::shared_ptr<TGBrowse>& oBrw, long n) {
  std::weak_ptr<TGBrowse> weak = oBrw;
  return rt::Value::Block([weak, n](rt::Args) {
    const auto grid = weak.lock();
    if (!grid || !grid->bLine.IsBlock()) return rt::Value();
    const rt::Value row = grid->bLine.Eval();
    // A column number outside the row reads as nothing.
    if (!row.IsArray() || n < 1 || static_cast<std::size_t>(n) > row.Len()) return rt::Value();
    return row.At(static_cast<std::size_t>(n));
  });
}

rt::Value FIELDSETGETBLOCK(const rt::Value& cAlias, long nField) {
  return rt::Value::Block([cAlias, nField](rt::Args a) {
    const std::string alias = cAlias.AsString();
    if (alias.empty() || rt::SELECT(alias) == 0) return rt::Value();
    const rt::Value given = rt::Arg(a, 0);
    const bool write = !a.empty();
    return rt::AliasEval(cAlias, [&] {
      if (nField < 1 || nField > rt::FCOUNT()) return rt::Value();
      return write ? rt::FIELDPUT(static_cast<int>(nField), given) : rt::FIELDGET(static_cast<int>(nField));
    });
  });
}

namespace {

rt::Value ColumnOf(const rt::Value& aColumns, long n) {
  if (!aColumns.IsArray() || n < 1 || static_cast<std::size_t>(n) > aColumns.Len()) return {};
  return aColumns.At(static_cast<std::size_t>(n));
}

rt::Value Evaluated(const rt::Value& u) { return u.IsBlock() ? u.Eval() : u; }

}  // namespace

rt::Value GENHEAD(const rt::Value& aColumns, long n) {
  const rt::Value column = ColumnOf(aColumns, n);
  return rt::Value::Block([column](rt::Args) { return Evaluated(core::Ask(column, "cHeading")); });
}

rt::Value GENFOOT(const rt::Value& aColumns, long n) {
  const rt::Value column = ColumnOf(aColumns, n);
  return rt::Value::Block([column](rt::Args) { return Evaluated(core::Ask(column, "cFooting")); });
}

rt::Value GENDATA(const rt::Value& aColumns, long n) {
  const rt::Value column = ColumnOf(aColumns, n);
  return rt::Value::Block([column](rt::Args) {
    const rt::Value value = core::Ask(column, "bData").Eval();
    return value.IsNil() ? rt::Value("") : value;
  });
}

bool ISCHAR(long n) { return n >= 32 && n <= 255; }

bool ISNUMERIC(long n) {
  return n >= 0 && n <= 255 && std::string_view(".+-0123456789").find(static_cast<char>(n)) != std::string_view::npos;
}

bool EMPTYALIAS(const rt::Value& c) {
  if (!c.IsString()) return true;
  const std::string alias = rt::UPPER(rt::ALLTRIM(c.AsString()));
  if (alias == "ARRAY" || alias == "TEXT_") return false;
  return alias.empty() || rt::SELECT(alias) == 0;
}

bool CHECKBMPPAL() { return true; }

void SETHEIGHTS(TGBrowse& oBrw) {
  const HFONT gridFont = oBrw.FontHandle();
  auto lineOf = [&](const rt::Value& font) {
    const auto f = font.As<gfx::TFont>();
    return static_cast<long>(GETFONTHEIGHT(nullptr, f && f->hFont ? f->hFont : gridFont));
  };
  auto lines = [](const rt::Value& text) {
    const std::string& s = text.AsString();
    return 1 + static_cast<long>(std::count(s.begin(), s.end(), '\r'));
  };
  for (long i = 1; i <= oBrw.nColCount(); ++i) {
    const auto column = oBrw.Col(i);
    if (oBrw.lDrawHeaders) {
      const rt::Value heading = Evaluated(column->cHeading);
      if (heading.IsString() && heading.AsString().find('\r') != std::string::npos) {
        oBrw.nHeightHead = std::max(oBrw.nHeightHead, lineOf(column->oFontHead) * lines(heading) + 1);
      } else if (column->nHAlign.IsNumber() && column->nHAlign.AsInt() == 3 && heading.IsString()) {
        const auto f = column->oFontHead.As<gfx::TFont>();
        const HDC dc = GetDC(nullptr);
        const HGDIOBJ old = SelectObject(dc, f && f->hFont ? f->hFont : gridFont);
        SIZE size{};
        GetTextExtentPoint32A(dc, heading.AsString().data(), static_cast<int>(heading.Len()), &size);
        SelectObject(dc, old);
        ReleaseDC(nullptr, dc);
        oBrw.nHeightHead = std::max(oBrw.nHeightHead, static_cast<long>(size.cx));
      }
    }
    if (oBrw.lFooting && rt::IsTrue(oBrw.lDrawFooters)) {
      const rt::Value footing = Evaluated(column->cFooting);
      if (footing.IsString() && footing.AsString().find('\r') != std::string::npos) {
        oBrw.nHeightFoot = std::max(oBrw.nHeightFoot, lineOf(column->oFontFoot) * lines(footing) + 1);
      }
    }
    const rt::Value value = column->bData.Eval();
    if (value.IsString() && value.AsString().find('\r') != std::string::npos) {
      const long extra = oBrw.nLineStyle != 0 && oBrw.nLineStyle != 2 ? 1 : 0;
      oBrw.nHeightCell = std::max(oBrw.nHeightCell, lineOf(column->oFont) * lines(value) + extra);
    }
  }
}

rt::Value BUILDSKIP(const rt::Value& cAlias, const rt::Value& cField, const rt::Value& start, const rt::Value& end,
                    const std::shared_ptr<TGBrowse>& oBrw) {
  if (!(start.IsString() || start.IsDate() || start.IsNumber() || start.IsLogical())) return {};
  // The range is compared as values: nothing of them is ever compiled.
  const rt::Value field = rt::MacroCompile(cField.AsString());
  if (!field.IsBlock()) return {};
  const bool descend = oBrw->lDescend;
  const rt::Value low = start, high = end;
  const rt::Value condition = rt::Value::Block([field, low, high, descend](rt::Args) {
    const rt::Value v = field.Eval();
    if (v.type() != low.type()) return rt::Value(false);
    return rt::Value(descend ? rt::LE(v, low) && rt::GE(v, high) : rt::GE(v, low) && rt::LE(v, high));
  });
  std::weak_ptr<TGBrowse> weak = oBrw;
  return rt::Value::Block([cAlias, condition, weak](rt::Args a) {
    const auto grid = weak.lock();
    if (!grid) return rt::Value(0);
    const long n = rt::Arg(a, 0).AsInt();
    const std::string alias = cAlias.AsString();
    if (alias.empty() || rt::SELECT(alias) == 0) return rt::Value(0);
    return rt::AliasEval(cAlias, [&] { return rt::Value(BRWGOTO(n, condition, *grid)); });
  });
}

long BRWGOTO(long n, const rt::Value& bWhile, TGBrowse& oBrw) {
  const long step = n > 0 ? 1 : -1;
  long count = 0;
  while (count != n && rt::IsTrue(bWhile.Eval()) && !rt::DbEof() && !rt::BOF()) {
    rt::DBSKIP(step);
    count += step;
  }
  if (rt::DbEof()) {
    rt::DBSKIP(-1);
    if (!oBrw.lAppendMode) {
      count -= step;
    } else {
      if (oBrw.nPrevRec.IsNil()) oBrw.nPrevRec = rt::Value(rt::RECNO());
      rt::DBGOTO(0);
    }
  } else if (rt::BOF()) {
    rt::DBGOTO(rt::RECNO());
    ++count;
  } else if (!rt::IsTrue(bWhile.Eval())) {
    if (step > 0 && oBrw.lAppendMode) {
      rt::DBSKIP(-1);
      if (oBrw.nPrevRec.IsNil()) oBrw.nPrevRec = rt::Value(rt::RECNO());
      rt::DBGOTO(0);
    } else {
      rt::DBSKIP(-step);
      count -= step;
    }
  }
  return count;
}

namespace {

// The first value past the range's end in the order's direction; NIL when
// the bottom of the order is the range's bottom.
rt::Value PastEnd(const rt::Value& end, bool descend) {
  if (end.IsString()) {
    std::string s = end.AsString();
    while (!s.empty() && static_cast<unsigned char>(s.back()) == (descend ? 0 : 255)) s.pop_back();
    if (s.empty()) return {};
    s.back() = static_cast<char>(static_cast<unsigned char>(s.back()) + (descend ? -1 : 1));
    return rt::Value(s);
  }
  if (end.IsNumber()) return rt::Value(end.AsNumber() + (descend ? -1 : 1));
  if (end.IsDate()) return rt::Value(rt::Date{end.AsJulian() + (descend ? -1 : 1)});
  return {};
}

}  // namespace

void BRWGOBOTTOM(const rt::Value& end, TGBrowse& oBrw) {
  const rt::Value past = PastEnd(end, oBrw.lDescend);
  if (past.IsNil()) {
    rt::DBGOBOTTOM();
    return;
  }
  rt::DBSEEK(past, true);
  rt::DBSKIP(-1);
}

}  // namespace grid
