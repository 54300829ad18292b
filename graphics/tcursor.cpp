#include "graphics/tcursor.h"

#include <array>
#include <string_view>

#include "graphics/class_names.h"
#include "graphics/cursors.h"
#include "runtime/text_case.h"
#include "services/int32.h"
#include "services/msgbox.h"
#include "services/resources.h"

namespace gfx {

namespace {

struct SystemCursor {
  std::string_view name;
  int id;
};
constexpr std::array<SystemCursor, 11> kSystemCursors{{{"ARROW", 32512},
                                                        {"IBEAM", 32513},
                                                        {"WAIT", 32514},
                                                        {"CROSS", 32515},
                                                        {"UPARROW", 32516},
                                                        {"SIZE", 32646},
                                                        {"ICON", 32641},
                                                        {"SIZENWSE", 32642},
                                                        {"SIZENESW", 32643},
                                                        {"SIZEWE", 32644},
                                                        {"SIZENS", 32645}}};

HCURSOR Predefined(const std::string& name) {
  for (const auto& c : kSystemCursors) {
    if (name == c.name) return LOADCURSOR(nullptr, c.id);
  }
  if (name == "HAND") return GETCURSORHAND();
  if (name == "STOP") return GETCURSORSTOP();
  if (name == "DRAG") return GETCURSORDRAG();
  return nullptr;
}


}  // namespace

const rt::ClassInfo& TCursor::ClassDef() {
  static const rt::ClassInfo info("TCURSOR", &rt::Object::ClassDef(), rt::FactoryOf<TCursor>(), [](rt::ClassInfo& c) {
    c.AddData(
        "hCursor",
        [](const rt::Object& o) { return rt::Value(svc::HandleNumber(static_cast<const TCursor&>(o).hCursor)); },
        [](rt::Object& o, const rt::Value& v) {
          static_cast<TCursor&>(o).hCursor = svc::HandleOf<HCURSOR>(svc::ToHandle(v));
        });
    rt::ClassBuilder<TCursor>(c)
        .Data("lPredef", &TCursor::lPredef)
        .Method("New", [](TCursor& t, rt::Args a) { return t.New(Arg(a, 0), Arg(a, 1)).Self(); })
        .Method("NewBmp",
                [](TCursor& t, rt::Args a) {
                  return t
                      .NewBmp(Arg(a, 0), Arg(a, 1).AsInt(), Arg(a, 2).AsInt(), Arg(a, 3).AsLogical(), Arg(a, 4),
                              Arg(a, 5), Arg(a, 6), Arg(a, 7))
                      .Self();
                })
        .Method("End", [](TCursor& t, rt::Args) {
          t.End();
          return rt::Value();
        });
  });
  return info;
}
RT_CLASS_REGISTER(TCursor);

TCursor& TCursor::New(const rt::Value& cResName, const rt::Value& cPredef) {
  if (cPredef.IsString() && !cPredef.AsString().empty()) {
    hCursor = Predefined(rt::AsciiUpper(cPredef.AsString()));
    if (hCursor) {
      lPredef = true;
    } else {
      svc::MSGALERT("Wrong predefined cursor type!");
    }
    return *this;
  }
  hCursor = LOADCURSOR(svc::HandleOf<HINSTANCE>(svc::GETRESOURCES()), cResName);
  lPredef = false;
  return *this;
}

TCursor& TCursor::NewBmp(const rt::Value& uBitmap, int hotRow, int hotCol, bool ranges, const rt::Value& black,
                         const rt::Value& white, const rt::Value& transparent, const rt::Value& invert) {
  rt::Value bitmap = uBitmap;
  rt::Value palette;
  if (uBitmap.IsObject()) {
    const bool button = uBitmap.AsObject()->IsKindOf(vdclass::kBtnBmp);
    bitmap = rt::Send(uBitmap, button ? "hBitmap1" : "hBitmap");
    palette = rt::Send(uBitmap, button ? "hPalette1" : "hPalette");
  }
  const auto hBitmap = svc::HandleOf<HBITMAP>(svc::ToHandle(bitmap));
  if (!hBitmap) return *this;
  End();
  hCursor = CREATEBMPCURSOR(hBitmap, svc::HandleOf<HPALETTE>(svc::ToHandle(palette)), hotRow, hotCol, ranges, black,
                            white, transparent, invert);
  lPredef = false;
  return *this;
}

void TCursor::End() {
  if (hCursor && !lPredef) DESTROYCURSOR(hCursor);
  hCursor = nullptr;
}

}  // namespace gfx
