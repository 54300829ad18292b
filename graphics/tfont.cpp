#include "graphics/tfont.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <string_view>
#include <utility>

#include "graphics/dc.h"
#include "graphics/fonts.h"
#include "runtime/text_case.h"
#include "services/int32.h"
#include "services/log_file.h"

namespace gfx {

namespace {

std::vector<TFontPtr>& Pool() {
  static std::vector<TFontPtr> pool;
  return pool;
}

struct StockFont {
  std::string_view name;
  int index;
};
constexpr std::array<StockFont, 6> kStockFonts{{{"OEM_FIXED_FONT", OEM_FIXED_FONT},
                                                 {"ANSI_FIXED_FONT", ANSI_FIXED_FONT},
                                                 {"ANSI_VAR_FONT", ANSI_VAR_FONT},
                                                 {"SYSTEM_FONT", SYSTEM_FONT},
                                                 {"DEVICE_DEFAULT_FONT", DEVICE_DEFAULT_FONT},
                                                 {"SYSTEM_FIXED_FONT", SYSTEM_FIXED_FONT}}};

int StockIndex(const std::string& face) {
  const std::string upper = rt::AsciiUpper(face);
  for (const auto& s : kStockFonts) {
    if (upper == s.name) return s.index;
  }
  return -1;
}

bool SameFont(const TFont& a, const TFont& b) {
  return a.nInpHeight == b.nInpHeight && a.nInpWidth == b.nInpWidth && a.nEscapement == b.nEscapement &&
         a.nOrientation == b.nOrientation && a.nWeight == b.nWeight && a.lItalic == b.lItalic &&
         a.lUnderline == b.lUnderline && a.lBold == b.lBold && a.lStrikeOut == b.lStrikeOut &&
         a.nCharSet == b.nCharSet && a.nOutPrecision == b.nOutPrecision && a.nClipPrecision == b.nClipPrecision &&
         a.nQuality == b.nQuality && a.nPitchFamily == b.nPitchFamily && a.cFaceName == b.cFaceName;
}

// Whether two logical-font arrays describe the same font, however each
// element is typed.
bool SameLogFont(const rt::Value& a, const rt::Value& b) {
  if (!a.IsArray() || !b.IsArray() || a.Len() < 14 || b.Len() < 14) return false;
  for (std::size_t i = 1; i <= 14; ++i) {
    const rt::Value& x = a.At(i);
    const rt::Value& y = b.At(i);
    if (x.IsString() || y.IsString()) {
      if (x.AsString() != y.AsString()) return false;
    } else if (x.IsLogical() || y.IsLogical()) {
      if (x.AsLogical() != y.AsLogical()) return false;
    } else if (x.AsNumber() != y.AsNumber()) {
      return false;
    }
  }
  return true;
}


template <class T>
T NumOr(const rt::Value& v, T fallback) {
  return v.IsNumber() ? static_cast<T>(v.AsNumber()) : fallback;
}

TFontPtr NewByArgs(TFont& f, rt::Args a) {
  return f.New(Arg(a, 0).IsString() ? Arg(a, 0).AsString() : std::string("SYSTEM_FONT"), NumOr(Arg(a, 1), 0.0),
               NumOr(Arg(a, 2), 14.0), Arg(a, 3).AsLogical(), Arg(a, 4).AsLogical(), NumOr(Arg(a, 5), 0),
               NumOr(Arg(a, 6), 0), NumOr(Arg(a, 7), 0), Arg(a, 8).AsLogical(), Arg(a, 9).AsLogical(),
               Arg(a, 10).AsLogical(), NumOr(Arg(a, 11), 0), NumOr(Arg(a, 12), 0), NumOr(Arg(a, 13), 0),
               NumOr(Arg(a, 14), 0), Arg(a, 15), NumOr(Arg(a, 16), 0));
}

}  // namespace

const rt::ClassInfo& TFont::ClassDef() {
  static const rt::ClassInfo info("TFONT", &rt::Object::ClassDef(), rt::FactoryOf<TFont>(), [](rt::ClassInfo& c) {
    c.AddData(
        "hFont", [](const rt::Object& o) { return rt::Value(svc::HandleNumber(static_cast<const TFont&>(o).hFont)); },
        [](rt::Object& o, const rt::Value& v) {
          static_cast<TFont&>(o).hFont = svc::HandleOf<HFONT>(svc::ToHandle(v));
        });
    rt::ClassBuilder<TFont>(c)
        .Data("cFaceName", &TFont::cFaceName)
        .Data("lBold", &TFont::lBold)
        .Data("lItalic", &TFont::lItalic)
        .Data("lUnderline", &TFont::lUnderline)
        .Data("lStrikeOut", &TFont::lStrikeOut)
        .Data("nInpHeight", &TFont::nInpHeight)
        .Data("nInpWidth", &TFont::nInpWidth)
        .Data("nEscapement", &TFont::nEscapement)
        .Data("nOrientation", &TFont::nOrientation)
        .Data("nWeight", &TFont::nWeight)
        .Data("nCharSet", &TFont::nCharSet)
        .Data("nCount", &TFont::nCount)
        .Data("lDestroy", &TFont::lDestroy)
        .Data("lNew", &TFont::lNew)
        .Method("New", [](TFont& f, rt::Args a) { return rt::Value(NewByArgs(f, a)); })
        .Method("End",
                [](TFont& f, rt::Args) {
                  f.End();
                  return rt::Value();
                })
        .Method("Release",
                [](TFont& f, rt::Args) {
                  f.Release();
                  return rt::Value();
                })
        .Method("Choose",
                [](TFont& f, rt::Args a) {
                  return rt::Value(a.empty() || a[0].IsNil() ? f.Choose() : f.Choose(&a[0]));
                })
        .Method("Activate",
                [](TFont& f, rt::Args a) {
                  f.Activate(svc::HandleOf<HDC>(svc::ToHandle(Arg(a, 0))));
                  return rt::Value();
                })
        .Method("DeActivate",
                [](TFont& f, rt::Args a) {
                  f.DeActivate(svc::HandleOf<HDC>(svc::ToHandle(Arg(a, 0))));
                  return rt::Value();
                })
        .Method("nSize", [](TFont& f, rt::Args) { return rt::Value(f.nSize()); });
    // Read and assigned like data: "oFont:nWidth := n" reaches _nWidth.
    c.AddData(
        "nWidth", [](const rt::Object& o) { return rt::Value(static_cast<const TFont&>(o).nWidth()); },
        [](rt::Object& o, const rt::Value& v) { static_cast<TFont&>(o)._nWidth(v.AsNumber()); });
    c.AddData(
        "nHeight", [](const rt::Object& o) { return rt::Value(static_cast<const TFont&>(o).nHeight()); },
        [](rt::Object& o, const rt::Value& v) { static_cast<TFont&>(o)._nHeight(v.AsNumber()); });
  });
  return info;
}
RT_CLASS_REGISTER(TFont);

const std::vector<TFontPtr>& FontPool() { return Pool(); }

TFontPtr TFont::New(const std::string& face, double width, double height, bool fromUser, bool bold, int escapement,
                    int orientation, int weight, bool italic, bool underline, bool strikeOut, int charSet,
                    int outPrecision, int clipPrecision, int quality, const rt::Value& oDevice, int pitchFamily) {
  std::string faceName = face;
  if (rt::AsciiUpper(faceName) == "SYSTAHOMA") {
    // The system's dialog face, never smaller than 12 pixels.
    if (height < 0 && height > -12) height = -12;
    faceName = "TAHOMA";
  }
  rt::Value chosen;
  if (fromUser) {
    chosen = CHOOSEFONT();
    fromUser = chosen.IsArray() && chosen.Len() >= 14 && !chosen.At(14).AsString().empty();
  }
  if (bold) weight |= FW_BOLD;
  if (fromUser) {
    nInpHeight = chosen.At(1).AsNumber();
    nInpWidth = chosen.At(2).AsNumber();
    nEscapement = chosen.At(3).AsInt();
    nOrientation = chosen.At(4).AsInt();
    nWeight = chosen.At(5).AsInt();
    lItalic = chosen.At(6).AsLogical();
    lUnderline = chosen.At(7).AsLogical();
    lStrikeOut = chosen.At(8).AsLogical();
    nCharSet = chosen.At(9).AsInt();
    nOutPrecision = chosen.At(10).AsInt();
    nClipPrecision = chosen.At(11).AsInt();
    nQuality = chosen.At(12).AsInt();
    nPitchFamily = chosen.At(13).AsInt();
    cFaceName = chosen.At(14).AsString();
    lBold = nWeight != FW_NORMAL;
  } else {
    nInpHeight = height;
    nInpWidth = width;
    nEscapement = escapement;
    nOrientation = orientation;
    nWeight = weight;
    lItalic = italic;
    lUnderline = underline;
    lStrikeOut = strikeOut;
    nCharSet = charSet;
    nOutPrecision = outPrecision;
    nClipPrecision = clipPrecision;
    nQuality = quality;
    nPitchFamily = pitchFamily;
    cFaceName = faceName;
    lBold = bold;
  }
  hFontOld = nullptr;
  if (oDevice.IsObject()) nInpHeight = rt::Send(oDevice, "nLogPixelY").AsNumber() / 72 * nInpHeight;

  for (const TFontPtr& pooled : Pool()) {
    if (SameFont(*pooled, *this)) {
      ++pooled->nCount;
      pooled->lNew = false;
      return pooled;
    }
  }
  auto self = std::static_pointer_cast<TFont>(shared_from_this());
  if (const int stock = StockIndex(cFaceName); stock >= 0) {
    hFont = static_cast<HFONT>(GETSTOCKOBJECT(stock));
    const rt::Value info = GETFONTINFO(hFont);
    nInpHeight = info.At(1).AsNumber();
    nInpWidth = info.At(2).AsNumber();
    lBold = info.At(3).AsLogical();
    lDestroy = false;
    ++nCount;
    lNew = true;
    return self;
  }
  hFont = CREATEFONT(LogFont());
  lDestroy = true;
  ++nCount;
  lNew = true;
  Pool().push_back(self);
  return self;
}

rt::Value TFont::LogFont() const {
  return rt::Value::Array({nInpHeight, nInpWidth, nEscapement, nOrientation, nWeight, lItalic, lUnderline,
                           lStrikeOut, nCharSet, nOutPrecision, nClipPrecision, nQuality, nPitchFamily,
                           cFaceName});
}

TFontPtr TFont::Choose(rt::Value* nRGBColor) {
  const rt::Value initial = LogFont();
  const rt::Value chosen = CHOOSEFONT(initial, nRGBColor);
  auto self = std::static_pointer_cast<TFont>(shared_from_this());
  // A cancelled dialog hands back the initial font; so does a confirmed
  // choice of the same font. Either way this font stays as it is.
  if (!chosen.IsArray() || chosen.Len() < 14 || chosen.At(14).AsString().empty() || SameLogFont(chosen, initial)) {
    return self;
  }
  End();
  const int weight = chosen.At(5).AsInt();
  // The dialog's width is not kept: the new font takes the face's own.
  return std::make_shared<TFont>()->New(chosen.At(14).AsString(), 0, chosen.At(1).AsNumber(), false,
                                        weight != FW_NORMAL, chosen.At(3).AsInt(), chosen.At(4).AsInt(), weight,
                                        chosen.At(6).AsLogical(), chosen.At(7).AsLogical(),
                                        chosen.At(8).AsLogical(), chosen.At(9).AsInt(), chosen.At(10).AsInt(),
                                        chosen.At(11).AsInt(), chosen.At(12).AsInt(), {}, chosen.At(13).AsInt());
}

void HoldFont(TFontPtr& slot, TFontPtr font) {
  if (font) ++font->nCount;
  if (const auto old = std::exchange(slot, std::move(font))) old->End();
}

void TFont::End() {
  --nCount;
  if (nCount >= 1 || !hFont || !lDestroy) return;
  if (DELETEOBJECT(hFont)) {
    const auto keepAlive = shared_from_this();  // the pool may hold the last reference
    // The object itself leaves the pool, whatever other entry might hold an
    // equal handle value.
    auto& pool = Pool();
    pool.erase(std::remove_if(pool.begin(), pool.end(), [this](const TFontPtr& p) { return p.get() == this; }),
               pool.end());
    hFont = nullptr;
    nCount = 0;
  } else {
    svc::LOGFILE("resources.txt", rt::Value::Array({"DeleteObject( ::hFont ) failed from TFont:End()",
                                                  svc::HandleNumber(hFont), nCount, lDestroy}));
  }
}

void TFont::Activate(HDC hDC) { hFontOld = static_cast<HFONT>(SELECTOBJECT(hDC, hFont)); }

void TFont::DeActivate(HDC hDC) { SELECTOBJECT(hDC, hFontOld); }

double TFont::nSize() const {
  HDC screen = GETDC(nullptr);
  const int dpi = GETDEVICECAPS(screen, LOGPIXELSY);
  RELEASEDC(nullptr, screen);
  double size = dpi ? -nInpHeight * 72 / dpi : 0;
  const double fraction = size - std::floor(size);
  if (fraction == 0.25) {
    size -= 0.25;
  } else if (fraction != 0) {
    size += 0.25;
  }
  return size;
}

double TFont::nWidth() const { return nInpWidth != 0 ? nInpWidth : nHeight() * 0.44; }

double TFont::nHeight() const { return std::fabs(nInpHeight); }

}  // namespace gfx
