#include "services/clipboard.h"

#include <cstring>
#include <string>

#include "services/bitmap_copy.h"
#include "services/handle_registry.h"
#include "services/int32.h"

namespace svc {
namespace {

constexpr long kText = CF_TEXT;
constexpr long kBitmap = CF_BITMAP;

rt::Value PutText(const std::string& text) {
  HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, text.size() + 1);
  if (!block) return rt::Value(false);
  if (void* bytes = GlobalLock(block)) {
    std::memcpy(bytes, text.data(), text.size());
    GlobalUnlock(block);
  } else {
    GlobalFree(block);
    return rt::Value(false);
  }
  // The clipboard owns the block only when it takes it.
  if (SetClipboardData(CF_TEXT, block)) return rt::Value(true);
  GlobalFree(block);
  return rt::Value(false);
}

rt::Value PutBitmap(HBITMAP bitmap) {
  HBITMAP copy = CopyBitmapForScreen(bitmap);
  if (!copy) return rt::Value(false);
  if (SetClipboardData(CF_BITMAP, copy)) {
    UntrackHandle(copy);
    return rt::Value(true);
  }
  UntrackHandle(copy);
  DeleteObject(copy);
  return rt::Value(false);
}

// Another program's block need not end in a zero byte: read no further than
// the block reaches.
std::string ClipboardText() {
  HANDLE block = GetClipboardData(CF_TEXT);
  if (!block) return {};
  const auto* bytes = static_cast<const char*>(GlobalLock(block));
  if (!bytes) return {};
  const std::size_t size = GlobalSize(block);
  std::string text(bytes, strnlen(bytes, size));
  GlobalUnlock(block);
  return text;
}

}  // namespace

bool OPENCLIPBOARD(HWND hWnd) { return OpenClipboard(hWnd) != 0; }
bool CLOSECLIPBOARD() { return CloseClipboard() != 0; }
bool EMPTYCLIPBOARD() { return EmptyClipboard() != 0; }

rt::Value SETCLIPBOARDDATA(long nFormat, const std::optional<rt::Value>& uData) {
  if (!uData) return {};
  if (nFormat == kText) return PutText(uData->AsString());
  if (nFormat == kBitmap) return PutBitmap(HandleOf<HBITMAP>(ToHandle(*uData)));
  return {};
}

rt::Value GETCLPDATA(long nFormat) {
  if (nFormat == kText) return rt::Value(ClipboardText());
  if (nFormat == kBitmap) {
    if (!IsClipboardFormatAvailable(CF_BITMAP)) return rt::Value(0);
    return rt::Value(static_cast<double>(
        HandleNumber(CopyBitmapForScreen(static_cast<HBITMAP>(GetClipboardData(CF_BITMAP))))));
  }
  return {};
}

}  // namespace svc
