#include "services/bitmap_copy.h"

#include "services/handle_registry.h"

namespace svc {

HBITMAP CopyBitmapForScreen(HBITMAP bitmap) {
  BITMAP bm{};
  if (!bitmap || !GetObjectA(bitmap, sizeof bm, &bm) || bm.bmWidth == 0) return nullptr;
  HDC screen = GetDC(nullptr);
  HDC source = CreateCompatibleDC(screen);
  HDC target = CreateCompatibleDC(screen);
  HBITMAP copy = CreateCompatibleBitmap(screen, bm.bmWidth, bm.bmHeight);
  if (copy && source && target) {
    HGDIOBJ oldSource = SelectObject(source, bitmap);
    HGDIOBJ oldTarget = SelectObject(target, copy);
    BitBlt(target, 0, 0, bm.bmWidth, bm.bmHeight, source, 0, 0, SRCCOPY);
    SelectObject(target, oldTarget);
    SelectObject(source, oldSource);
  } else if (copy) {
    DeleteObject(copy);
    copy = nullptr;
  }
  if (target) DeleteDC(target);
  if (source) DeleteDC(source);
  ReleaseDC(nullptr, screen);
  if (copy) TrackHandle(copy, "BMP");
  return copy;
}

}  // namespace svc
