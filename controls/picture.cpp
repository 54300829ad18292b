#include "controls/picture.h"

#include "graphics/palette_bitmap.h"
#include "runtime/files.h"
#include "services/int32.h"
#include "services/handle_registry.h"

namespace controls {

namespace {

Picture FromPair(const rt::Value& pair) {
  if (!pair.IsArray() || pair.Len() < 2) return {};
  return {svc::HandleOf<HBITMAP>(svc::ToHandle(pair.At(1))), svc::HandleOf<HPALETTE>(svc::ToHandle(pair.At(2)))};
}

}  // namespace

Picture PictureFromResource(const rt::Value& name) {
  if (name.IsNil() || (name.IsString() && name.AsString().empty())) return {};
  return FromPair(gfx::PALBMPLOAD(name));
}

Picture PictureFromFile(HDC hDC, const std::string& file) {
  if (file.empty() || !rt::FileExists(file)) return {};
  return FromPair(gfx::PALBMPREAD(hDC, file));
}

void FreePicture(Picture& picture) {
  if (picture.bitmap && !gfx::PALBMPFREE(picture.bitmap, picture.palette)) {
    for (HGDIOBJ object : {static_cast<HGDIOBJ>(picture.palette), static_cast<HGDIOBJ>(picture.bitmap)}) {
      if (object && DeleteObject(object)) svc::UntrackHandle(object);
    }
  } else if (!picture.bitmap && picture.palette && DeleteObject(picture.palette)) {
    svc::UntrackHandle(picture.palette);
  }
  picture = {};
}

SIZE PictureSize(HBITMAP bitmap) {
  BITMAP info{};
  if (!bitmap || !GetObjectA(bitmap, sizeof info, &info)) return {0, 0};
  return {info.bmWidth, info.bmHeight};
}

}  // namespace controls
