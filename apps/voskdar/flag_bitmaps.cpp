#include "apps/voskdar/flag_bitmaps.h"

#include "apps/voskdar/search_texts.h"
#include "graphics/bitmap.h"
#include "graphics/dc.h"
#include "services/resources.h"

namespace voskdar {

FlagBitmaps::FlagBitmaps() {
  const auto module = reinterpret_cast<HINSTANCE>(svc::GETRESOURCES());
  std::size_t i = 0;
  auto load = [&](std::string code) {
    const HBITMAP bitmap = gfx::LOADBITMAP(module, rt::Value(code));
    flags_[i++] = {std::move(code), bitmap};
  };
  for (const common::WordTable& table : common::kWordTables) load(HeaderCode(table, SearchSide::German));
  load(HeaderCode(common::kWordTables.front(), SearchSide::Foreign));
}

FlagBitmaps::~FlagBitmaps() {
  for (const Flag& flag : flags_)
    if (flag.bitmap) gfx::DELETEOBJECT(flag.bitmap);
}

HBITMAP FlagBitmaps::Of(std::string_view code) const {
  while (!code.empty() && code.back() == ' ') code.remove_suffix(1);
  for (const Flag& flag : flags_)
    if (!code.empty() && flag.code == code) return flag.bitmap;
  return nullptr;
}

}  // namespace voskdar
