#include "graphics/tbrush.h"

#include <algorithm>
#include <array>
#include <string_view>

#include "graphics/bitmap.h"
#include "graphics/builtin_images.h"
#include "graphics/colour.h"
#include "graphics/dc.h"
#include "runtime/text_case.h"
#include "services/int32.h"
#include "services/log_file.h"
#include "services/resources.h"

namespace gfx {

namespace {

std::vector<TBrushPtr>& Pool() {
  static std::vector<TBrushPtr> pool;
  return pool;
}

constexpr std::array<std::string_view, 4> kPatterns{"BORLAND", "BRICKS", "TILED", "TABS"};
constexpr std::array<std::string_view, 6> kHatches{"HORIZONTAL", "VERTICAL", "FDIAGONAL",
                                                   "BDIAGONAL",  "CROSS",    "DIAGCROSS"};

template <std::size_t N>
int IndexIn(const std::array<std::string_view, N>& names, const std::string& name) {
  for (std::size_t i = 0; i < N; ++i) {
    if (names[i] == name) return static_cast<int>(i) + 1;
  }
  return 0;
}

int StockForColour(long rgb) {
  if (rgb == NRGB(255, 255, 255)) return WHITE_BRUSH;
  if (rgb == NRGB(0, 0, 0)) return BLACK_BRUSH;
  if (rgb == NRGB(192, 192, 192)) return LTGRAY_BRUSH;
  if (rgb == NRGB(128, 128, 128)) return GRAY_BRUSH;
  if (rgb == NRGB(64, 64, 64)) return DKGRAY_BRUSH;
  return -1;
}

bool FileExists(const rt::Value& name) {
  if (!name.IsString() || name.AsString().empty()) return false;
  const DWORD attributes = GetFileAttributesA(name.AsString().c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}


}  // namespace

const rt::ClassInfo& TBrush::ClassDef() {
  static const rt::ClassInfo info("TBRUSH", &rt::Object::ClassDef(), rt::FactoryOf<TBrush>(), [](rt::ClassInfo& c) {
    c.AddData(
        "hBrush",
        [](const rt::Object& o) { return rt::Value(svc::HandleNumber(static_cast<const TBrush&>(o).hBrush)); },
        [](rt::Object& o, const rt::Value& v) {
          static_cast<TBrush&>(o).hBrush = svc::HandleOf<HBRUSH>(svc::ToHandle(v));
        });
    c.AddData(
        "hBitmap",
        [](const rt::Object& o) { return rt::Value(svc::HandleNumber(static_cast<const TBrush&>(o).hBitmap)); },
        [](rt::Object& o, const rt::Value& v) {
          static_cast<TBrush&>(o).hBitmap = svc::HandleOf<HBITMAP>(svc::ToHandle(v));
        });
    rt::ClassBuilder<TBrush>(c)
        .Data("nCount", &TBrush::nCount)
        .Data("cStyle", &TBrush::cStyle)
        .Data("nRGBColor", &TBrush::nRGBColor)
        .Data("cBmpFile", &TBrush::cBmpFile)
        .Data("cBmpRes", &TBrush::cBmpRes)
        .Data("lSystem", &TBrush::lSystem)
        .Method("New",
                [](TBrush& b, rt::Args a) { return rt::Value(b.New(Arg(a, 0), Arg(a, 1), Arg(a, 2), Arg(a, 3))); })
        .Method("cGenPRG", [](TBrush& b, rt::Args) { return rt::Value(b.cGenPRG()); })
        .Method("End",
                [](TBrush& b, rt::Args) {
                  b.End();
                  return rt::Value();
                })
        .Method("Release", [](TBrush& b, rt::Args) {
          b.Release();
          return rt::Value();
        });
  });
  return info;
}
RT_CLASS_REGISTER(TBrush);

const std::vector<TBrushPtr>& BrushPool() { return Pool(); }

TBrushPtr TBrush::New(const rt::Value& style, const rt::Value& colour, const rt::Value& bmpFile,
                      const rt::Value& bmpRes) {
  hBrush = nullptr;
  hBitmap = nullptr;
  cStyle = style;
  nRGBColor = colour;
  cBmpFile = bmpFile;
  cBmpRes = bmpRes;
  lSystem = false;

  for (const TBrushPtr& pooled : Pool()) {
    if (pooled->cStyle == cStyle && pooled->nRGBColor == nRGBColor && pooled->cBmpFile == cBmpFile &&
        pooled->cBmpRes == cBmpRes) {
      ++pooled->nCount;
      return pooled;
    }
  }

  const bool hasStyle = cStyle.IsString() && !cStyle.AsString().empty();
  const bool hasColour = nRGBColor.IsNumber();
  bool patternWanted = false;
  if (!hasStyle && hasColour) {
    if (const int stock = StockForColour(nRGBColor.AsInt()); stock >= 0) {
      hBrush = static_cast<HBRUSH>(GETSTOCKOBJECT(stock));
      lSystem = true;
    } else {
      hBrush = CREATESOLIDBRUSH(nRGBColor.AsInt());
    }
  } else if (hasStyle) {
    const std::string name = rt::AsciiUpper(cStyle.AsString());
    if (name == "NULL") {
      hBrush = static_cast<HBRUSH>(GETSTOCKOBJECT(NULL_BRUSH));
      lSystem = true;
    } else if (const int pattern = IndexIn(kPatterns, name)) {
      hBitmap = VDBRUSHES(pattern);
      patternWanted = true;
    } else if (const int hatch = IndexIn(kHatches, name)) {
      hBrush = CREATEHATCHBRUSH(hatch - 1, nRGBColor.AsInt());
    } else {
      if (FileExists(cBmpFile)) hBitmap = READBITMAP(nullptr, cBmpFile.AsString());
      patternWanted = true;
    }
  } else {
    if (FileExists(cBmpFile)) {
      hBitmap = READBITMAP(nullptr, cBmpFile.AsString());
    } else {
      hBitmap = LOADBITMAP(svc::HandleOf<HINSTANCE>(svc::GETRESOURCES()), cBmpRes);
    }
    patternWanted = true;
  }
  if (patternWanted && hBitmap) hBrush = CREATEPATTERNBRUSH(hBitmap);

  nCount = 1;
  auto self = std::static_pointer_cast<TBrush>(shared_from_this());
  Pool().push_back(self);
  return self;
}

std::string TBrush::cGenPRG() const {
  return std::string("\r\n DEFINE BRUSH oBrush ") + (hBitmap ? "BITMAP \"brush.bmp\"" : "") + "\r\n";
}

void TBrush::End() {
  if (--nCount >= 1) return;
  const auto keepAlive = shared_from_this();  // the pool may hold the last reference
  // The ended object itself leaves the pool: several entries can hold the
  // same handle (a stock brush, or none at all), so the handle cannot tell
  // them apart.
  auto& pool = Pool();
  pool.erase(std::remove_if(pool.begin(), pool.end(), [this](const TBrushPtr& p) { return p.get() == this; }),
             pool.end());
  if (!lSystem && hBrush && !DELETEOBJECT(hBrush)) {
    svc::LOGFILE("resources.txt",
                 rt::Value::Array({"DeleteObject( ::hBrush ) failed from TBrush:End()", svc::HandleNumber(hBrush)}));
  }
  if (hBitmap) DELETEOBJECT(hBitmap);
  hBrush = nullptr;
  hBitmap = nullptr;
}

}  // namespace gfx
