#include "grid/tgcolumn.h"

#include <windows.h>

#include <cmath>
#include <optional>
#include <utility>
#include <vector>

#include "core/design_record.h"
#include "core/send_soft.h"
#include "graphics/colour.h"
#include "graphics/tfont.h"
#include "grid/grid_geometry.h"
#include "runtime/error.h"
#include "runtime/numbers.h"
#include "runtime/strings.h"
#include "runtime/transform.h"
#include "runtime/value_text.h"
#include "services/int32.h"

namespace grid {

namespace {

// The 14 colour positions of aColors: the grid member a missing one comes
// from, and the system colour (or, as a negative number, the RGB value)
// without a grid.
struct ColourSlot {
  rt::Value TGColumn::*member;
  const char* gridMember;
  long system;
};

constexpr long kRgb(long rgb) { return -1 - rgb; }

const ColourSlot kColourSlots[] = {
    {&TGColumn::nClrFore, "nClrText", COLOR_WINDOWTEXT},
    {&TGColumn::nClrBack, "nClrPane", COLOR_WINDOW},
    {&TGColumn::nClrHeadFore, "nClrHeadFore", COLOR_BTNTEXT},
    {&TGColumn::nClrHeadBack, "nClrHeadBack", COLOR_BTNFACE},
    {&TGColumn::nClrFocuFore, "nClrFocuFore", COLOR_HIGHLIGHTTEXT},
    {&TGColumn::nClrFocuBack, "nClrFocuBack", COLOR_HIGHLIGHT},
    {&TGColumn::nClrEditFore, "nClrEditFore", COLOR_WINDOWTEXT},
    {&TGColumn::nClrEditBack, "nClrEditBack", COLOR_WINDOW},
    {&TGColumn::nClrFootFore, "nClrFootFore", COLOR_BTNTEXT},
    {&TGColumn::nClrFootBack, "nClrFootBack", COLOR_BTNFACE},
    {&TGColumn::nClrSeleFore, "nClrSeleFore", kRgb(0xC0C0C0)},
    {&TGColumn::nClrSeleBack, "nClrSeleBack", kRgb(0x808080)},
    {&TGColumn::nClrOrdeFore, "nClrOrdeFore", COLOR_BTNTEXT},
    {&TGColumn::nClrOrdeBack, "nClrOrdeBack", COLOR_BTNFACE},
};

rt::Value Item(const rt::Value& array, std::size_t oneBased) {
  return array.IsArray() && oneBased <= array.Len() ? array.At(oneBased) : rt::Value();
}

rt::Value Or(const rt::Value& given, rt::Value fallback) { return given.IsNil() ? std::move(fallback) : given; }

// The text a value shows as when a column is measured: NIL counts as "NIL".
std::string MeasureText(const rt::Value& u, const rt::Value& cPicture) {
  if (u.IsNil()) return "NIL";
  if (cPicture.IsString() && !cPicture.AsString().empty()) return rt::TRANSFORM(u, cPicture.AsString());
  return rt::CVALTOCHAR(u);
}

std::size_t HeadingLength(const rt::Value& heading) {
  return heading.IsString() ? heading.Len() : rt::CVALTOCHAR(heading).size();
}

// Width in pixels of text on the screen with the screen's default font.
long ScreenTextWidth(const std::string& text) {
  const HDC dc = ::GetDC(nullptr);
  SIZE size{};
  GetTextExtentPoint32A(dc, text.data(), static_cast<int>(text.size()), &size);
  ::ReleaseDC(nullptr, dc);
  return size.cx;
}

std::vector<std::string> NamesOf(const rt::Value& list) {
  std::vector<std::string> names;
  for (const rt::Value& name : list.Items()) names.push_back(name.AsString());
  return names;
}

bool IsStoredName(std::string_view name) {
  for (const rt::Value* list : {&TGColumn::aProperties(), &TGColumn::aEvents()}) {
    for (const rt::Value& known : list->Items()) {
      if (rt::UPPER(known.AsString()) == rt::UPPER(name)) return true;
    }
  }
  return false;
}

void RaiseRecordError(int genCode, const char* operation, const std::string& description) {
  rt::ErrorPtr error = rt::MakeError(genCode, 0, "BASE", operation);
  error->description = description;
  error->canDefault = true;
  rt::RaiseError(error);
}

}  // namespace

const rt::Value& TGColumn::aProperties() {
  static const rt::Value names = rt::Value::Array({"cHeading", "cPicture", "nWidth"});
  return names;
}

const rt::Value& TGColumn::aEvents() {
  static const rt::Value names = rt::Value::Array({"OnEdit"});
  return names;
}

rt::Value AlignOf(const rt::Value& u) {
  if (u.IsNumber() || u.IsBlock()) return u;
  if (!u.IsString()) return rt::Value(0);
  const std::string word = rt::UPPER(u.AsString());
  if (word == "CENTER") return rt::Value(1);
  if (word == "RIGHT") return rt::Value(2);
  if (word == "VERT") return rt::Value(3);
  return rt::Value(0);
}

bool LookOf(const rt::Value& u) {
  if (u.IsLogical()) return u.AsLogical();
  if (!u.IsString()) return false;
  const std::string word = rt::UPPER(u.AsString());
  return word == "T" || word == ".T." || word == "SI" || word == "YES";
}

TGColumn& TGColumn::New(const ColumnArgs& a) {
  const rt::Value& oBrw = a.oBrw;
  const bool withGrid = oBrw.IsObject();
  for (std::size_t i = 0; i < std::size(kColourSlots); ++i) {
    const ColourSlot& slot = kColourSlots[i];
    rt::Value colour = Item(a.aColors, i + 1);
    if (colour.IsNil()) {
      colour = withGrid ? core::Ask(oBrw, slot.gridMember)
                        : rt::Value(slot.system < 0 ? -1 - slot.system : gfx::GETSYSCOLOR(static_cast<int>(slot.system)));
    }
    this->*slot.member = colour;
  }

  const rt::Value cellAlign = Item(a.aAlign, 1);
  nAlign = AlignOf(cellAlign);
  nHAlign = Item(a.aAlign, 2).IsNil() ? nAlign : AlignOf(Item(a.aAlign, 2));
  nFAlign = Item(a.aAlign, 3).IsNil() ? nAlign : AlignOf(Item(a.aAlign, 3));
  l3DLook = LookOf(Item(a.a3DLook, 1));
  l3DLookHead = Item(a.a3DLook, 2).IsNil() ? l3DLook : LookOf(Item(a.a3DLook, 2));
  l3DLookFoot = Item(a.a3DLook, 3).IsNil() ? l3DLook : LookOf(Item(a.a3DLook, 3));

  aExport = rt::Value::Array();
  cError = rt::Value("");
  cHeading = Or(a.cHeading, rt::Value(""));
  cPicture = a.cPicture;
  cFooting = a.cFooting;
  cOrder = Or(a.cOrder, rt::Value(""));
  cMsg = Or(a.cMsg, rt::Value(kDefaultEditMsg));
  lBitMap = Or(a.lBitMap, rt::Value(false));
  lEdit = rt::IsTrue(a.lEdit);
  bValid = a.bValid.IsBlock() ? a.bValid : rt::Value::Block([](rt::Args) { return rt::Value(true); });
  lNoLite = rt::IsTrue(a.lNoLite);
  lNoHiLite = lNoLite;
  lFixLite = rt::IsTrue(a.lFixLite);
  bPrevEdit = a.bPrevEdit;
  bPostEdit = a.bPostEdit;
  nEditMove = a.nEditMove.IsNumber() ? a.nEditMove.AsInt() : 1;
  bWhen = a.bWhen;
  lSpinner = rt::IsTrue(a.lSpinner);
  bUp = a.bUp;
  bDown = a.bDown;
  bMin = a.bMin;
  bMax = a.bMax;
  lAppend = a.lAppend.IsLogical() ? a.lAppend.AsLogical() : true;
  lAdjBmp = lAdjBmpHead = lAdjBmpFoot = false;
  lIndexCol = false;
  nClr3DLCell = nClr3DLHead = nClr3DLFoot = rt::Value(gfx::GETSYSCOLOR(COLOR_BTNHIGHLIGHT));
  nClr3DSCell = nClr3DSHead = nClr3DSFoot = rt::Value(gfx::GETSYSCOLOR(COLOR_BTNSHADOW));

  bData = a.bData.IsBlock() ? a.bData : rt::Value::Block([](rt::Args) { return rt::Value(); });
  rt::Value value = bData.Eval();
  if (value.IsArray()) {
    aList = Item(value, 2);
    const rt::Value first = Item(value, 1);
    bData = first.IsBlock() ? first : rt::Value::Block([first](rt::Args) { return first; });
    value = bData.Eval();
  }

  if (withGrid) {
    oFont = oFontHead = oFontFoot = core::Ask(oBrw, "oFont");
  }

  if (a.nWidth.IsNumber()) {
    nWidth = a.nWidth.AsInt();
  } else {
    const std::size_t headLen = nHAlign.IsNumber() && nHAlign.AsInt() == 3 ? 2 : HeadingLength(cHeading);
    const std::size_t n = std::max(headLen, MeasureText(value, cPicture).size());
    if (withGrid) {
      const auto font = oFont.As<gfx::TFont>();
      const HWND hwnd = reinterpret_cast<HWND>(svc::ToHandle(core::Ask(oBrw, "hWnd")));
      const int w = SBGETHEIGHT(IsWindow(hwnd) ? hwnd : nullptr, font ? font->hFont : nullptr, 1);
      nWidth = std::lround(w * static_cast<double>(n) * 1.3);
    } else if (rt::IsTrue(lBitMap)) {
      nWidth = 16;
    } else {
      nWidth = static_cast<long>(0.67 * ScreenTextWidth(std::string(n + 1, 'B')));
    }
  }
  return *this;
}

std::string TGColumn::Save() const {
  const rt::Value self(std::const_pointer_cast<rt::Object>(shared_from_this()));
  auto reference = std::make_shared<TGColumn>();
  reference->New();
  try {
    std::string items;
    int count = 0;
    for (const std::string& name : NamesOf(aProperties())) {
      const rt::Value value = rt::Send(self, name);
      if (value.IsBlock() || core::SameRecordValue(value, rt::Send(rt::Value(reference), name))) continue;
      items += core::RecordLen2(name.size(), name) + name + core::RecordOfValue(value, name);
      ++count;
    }
    for (const std::string& name : NamesOf(aEvents())) {
      const rt::Value value = rt::Send(self, name);
      if (value.IsNil()) continue;
      const std::string text = rt::CVALTOCHAR(value);
      items += core::RecordLen2(name.size(), name) + name + "C" + core::RecordLen2(text.size(), name) + text;
      ++count;
    }
    const std::string& className = "TGColumn";
    const std::string body =
        core::RecordLen2(className.size(), "class name") + className + core::RecordLen2(count, "item count") + items;
    reference->End();
    return "O" + core::RecordLen2(body.size(), "record") + body;
  } catch (const core::RecordTooLong& e) {
    RaiseRecordError(rt::EG_LIMIT, "TGCOLUMN:SAVE", std::string("Value too long for the column record: ") + e.what());
    return {};
  }
}

bool TGColumn::Load(const std::string& cData) {
  // Every item is read and checked before any is assigned, so that a
  // damaged record changes nothing.
  std::vector<std::pair<std::string, rt::Value>> items;
  core::RecordReader r(cData);
  const auto count = r.Int2();
  bool damaged = !count || *count < 0;
  for (int i = 0; !damaged && i < *count; ++i) {
    const auto nameLen = r.Int2();
    const auto name = nameLen ? r.Bytes(*nameLen) : std::nullopt;
    if (!name || !IsStoredName(*name)) {
      damaged = true;
      break;
    }
    const auto letter = r.Letter();
    const auto len = r.Int2();
    const auto body = len ? r.Bytes(*len) : std::nullopt;
    if (!letter || !body) {
      damaged = true;
      break;
    }
    const std::string member(*name);
    if (*letter == 'A' || *letter == 'O') {
      // An array or object record again carries its letter and length.
      core::RecordReader inner(std::string(1, *letter) + rt::I2BIN(*len) + std::string(*body));
      const auto value = inner.Value();
      if (!value) {
        damaged = true;
        break;
      }
      items.emplace_back(member, *value);
    } else if (*letter == 'C') {
      items.emplace_back(member, rt::Value(*body));
    } else if (*letter == 'L') {
      items.emplace_back(member, rt::Value(*body == ".T."));
    } else if (*letter == 'N') {
      items.emplace_back(member, rt::VAL(*body));
    }
  }
  if (damaged) {
    RaiseRecordError(rt::EG_CORRUPTION, "TGCOLUMN:LOAD", "Column record damaged or incomplete");
    return false;
  }
  for (const auto& [name, value] : items) {
    if (rt::UPPER(name) == "NWIDTH" && !value.IsNumber()) continue;
    rt::Value slot = value;
    rt::Send(Self(), "_" + name, rt::Args(&slot, 1));
  }
  return true;
}

}  // namespace grid
