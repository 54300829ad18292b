// TGBrowse:Report. The report engine sits in the print layer above this
// one: its builders come from the function registry and the report answers
// by name, so this layer links nothing of it.
#include <windows.h>

#include "core/send_soft.h"
#include "graphics/function_names.h"
#include "grid/tgbrowse.h"
#include "grid/tgbscrlbar.h"
#include "runtime/dates.h"
#include "runtime/macro.h"
#include "runtime/numbers.h"
#include "runtime/strings.h"
#include "runtime/table_fns.h"

namespace grid {

namespace {

rt::Value Call(const rt::PublicFn& fn, std::initializer_list<rt::Value> args) {
  std::vector<rt::Value> v(args);
  return fn(rt::Args(v.data(), v.size()));
}

}  // namespace

TGBrowse& TGBrowse::Report(const rt::Value& cTitle, bool lPreview, const rt::Value& oFont, const rt::Value& cCaption,
                           bool lModal) {
  const rt::PublicFn* begin = rt::FindFunction(vdfn::kRptBegin);
  const rt::PublicFn* addColumn = rt::FindFunction(vdfn::kRptAddColumn);
  const rt::PublicFn* end = rt::FindFunction(vdfn::kRptEnd);
  if (!begin || !addColumn || !end) return *this;
  const auto self = std::static_pointer_cast<TGBrowse>(shared_from_this());
  const auto bar = oVScroll.As<TGBScrlBar>();
  const int barPos = bar ? bar->GetPos() : 0;
  const long rowPos = nRowPos, at = nAt, record = RowNumber();
  const bool noResetPos = lNoResetPos;
  lNoResetPos = true;
  GoTop();

  char owner[256] = {};
  GetWindowTextA(GetParent(hWnd), owner, sizeof owner);
  const std::string title = cTitle.IsString() ? cTitle.AsString() : owner;
  const std::string caption = cCaption.IsString() ? cCaption.AsString() : owner;
  auto msg = [this](std::size_t n) {
    return aMsg.IsArray() && aMsg.Len() >= n && aMsg.At(n).IsString() ? aMsg.At(n).AsString() : std::string();
  };
  const std::string header = msg(20) + " " + rt::DTOC(rt::DATE()) + " - " + msg(22) + " " + rt::TIME();
  // The footer's page number is the report's, read when the footer prints.
  auto report = std::make_shared<rt::Value>();
  const std::string pageWord = msg(21);
  const rt::Value footer = rt::Value::Block([report, pageWord](rt::Args) {
    return rt::Value(pageWord + " " + rt::STR(core::Ask(*report, "nPage").AsNumber(), 3));
  });
  const rt::Value font = oFont.IsObject() ? oFont : this->oFont;
  *report = Call(*begin, {rt::Value::Array({rt::Value(title)}), rt::Value::Array({rt::Value(header)}),
                          rt::Value::Array({footer}), font.IsObject() ? rt::Value::Array({font}) : rt::Value(),
                          rt::Value(), rt::Value(), rt::Value(), rt::Value(), rt::Value(!lPreview),
                          rt::Value(lPreview), rt::Value(), rt::Value(),
                          rt::Value(lPreview ? caption + " " + msg(23) : caption), rt::Value("CENTERED")});
  for (long n = 1; n <= nColCount(); ++n) {
    const rt::Value column = aColumns.At(static_cast<std::size_t>(n));
    if (rt::IsTrue(core::Ask(column, "lBitMap"))) continue;
    const rt::Value data = GENDATA(aColumns, n);
    const rt::Value sample = data.Eval();
    const bool numeric = sample.IsNumber();
    const rt::Value footing = core::Ask(column, "cFooting");
    const bool total = numeric && !footing.IsNil() && !(footing.IsString() && footing.AsString().empty());
    const rt::Value picture = core::Ask(column, "cPicture");
    Call(*addColumn, {rt::Value::Array({GENHEAD(aColumns, n)}), rt::Value(), rt::Value::Array({data}), rt::Value(),
                      picture.IsString() ? rt::Value::Array({picture}) : rt::Value(), rt::Value(), rt::Value(total),
                      rt::Value(), numeric || sample.IsDate() ? rt::Value("RIGHT") : rt::Value()});
  }
  const rt::Value declared = Call(*end, {});
  if (declared.IsObject()) {
    // The report moves the grid; it runs while a skip still moved, so the
    // last row (the only one of a one-row array) prints once.
    auto moved = std::make_shared<long>(bLogicLen.IsBlock() && bLogicLen.Eval().AsNumber() <= 0 ? 0 : 1);
    core::Ask(core::Ask(declared, "oDevice"), "_lPrvModal", rt::Value(lModal));
    core::Ask(declared, "_bSkip", rt::Value::Block([self, moved](rt::Args) {
                *moved = self->Skip(1);
                return rt::Value(*moved);
              }));
    core::Ask(declared, "Activate", rt::Value(), rt::Value::Block([moved](rt::Args) { return rt::Value(*moved == 1); }));
  }
  // The footer's block holds the report that holds the footer: once the
  // report has run, the block lets go of it.
  *report = rt::Value();
  if (IsTable()) {
    InArea([record] {
      rt::DBGOTO(record);
      return rt::Value();
    });
  } else {
    GoTop();
  }
  if (bar) bar->SetPos(barPos);
  nRowPos = rowPos;
  nAt = at;
  lNoResetPos = noResetPos;
  lHitTop = false;
  if (IsWindow(hWnd)) ::SetFocus(hWnd);
  return *this;
}

}  // namespace grid
