#include "controls/list_bitmaps.h"

#include <algorithm>
#include <fstream>

#include "graphics/bitmap.h"
#include "runtime/strings.h"
#include "runtime/text_case.h"
#include "runtime/value_text.h"
#include "services/int32.h"
#include "services/resources.h"

namespace controls {

void ListBitmaps::Set(const rt::Value& aNames) {
  Clear();
  aBitmaps = rt::Value::Array();
  nWidth = nHeight = 0;
  if (!aNames.IsArray()) return;
  for (const rt::Value& name : aNames.Items()) {
    HBITMAP bitmap = nullptr;
    if (name.IsNumber()) {
      bitmap = svc::HandleOf<HBITMAP>(svc::ToHandle(name));
    } else if (name.IsString() && !name.AsString().empty()) {
      if (std::ifstream(name.AsString())) bitmap = gfx::READBITMAP(nullptr, name.AsString());
      if (!bitmap)
        bitmap = gfx::LOADBITMAP(reinterpret_cast<HINSTANCE>(svc::GETRESOURCES()), name);
      if (bitmap) owned_.push_back(bitmap);
    }
    aBitmaps.Items().push_back(rt::Value(svc::HandleNumber(bitmap)));
  }
  for (const rt::Value& handle : aBitmaps.Items()) {
    if (const auto bitmap = svc::HandleOf<HBITMAP>(svc::ToHandle(handle))) {
      nWidth = gfx::NBMPWIDTH(bitmap);
      nHeight = gfx::NBMPHEIGHT(bitmap);
      break;
    }
  }
}

void ListBitmaps::Clear() {
  for (HBITMAP bitmap : owned_) DeleteObject(bitmap);
  owned_.clear();
  if (aBitmaps.IsArray()) aBitmaps.Items().clear();
}

void ListBitmaps::Swap(std::size_t i, std::size_t j) {
  if (!aBitmaps.IsArray() || std::max(i, j) > aBitmaps.Len() || std::min(i, j) < 1) return;
  std::swap(aBitmaps.At(i), aBitmaps.At(j));
}

std::string EntryText(const rt::Value& item) { return rt::CVALTOCHAR(item); }

std::string EntryKey(const rt::Value& item) { return rt::AsciiUpper(rt::ALLTRIM(EntryText(item))); }

std::string NativeEntry(HWND hWnd, long n, long count, UINT lengthMsg, UINT textMsg) {
  if (n < 1 || n > count) return {};
  const LRESULT length = SendMessageA(hWnd, lengthMsg, static_cast<WPARAM>(n - 1), 0);
  if (length <= 0) return {};
  std::string text(static_cast<std::size_t>(length) + 1, '\0');
  SendMessageA(hWnd, textMsg, static_cast<WPARAM>(n - 1), reinterpret_cast<LPARAM>(text.data()));
  text.resize(static_cast<std::size_t>(length));
  return text;
}

}  // namespace controls
