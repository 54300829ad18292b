#include "grid/grid_functions.h"

#include "grid/cell_painter.h"
#include "grid/dark_color.h"
#include "grid/date_seek.h"
#include "grid/grid_debug.h"
#include "grid/grid_geometry.h"
#include "grid/grid_messages.h"
#include "grid/scroll_natives.h"
#include "grid/tgtsay.h"
#include "runtime/macro.h"
#include "services/int32.h"

namespace grid {
namespace {

// Positional parameter n (1-based) as the native layer reads it.
struct Params {
  rt::Args args;
  const rt::Value& operator[](std::size_t n) const { return rt::Arg(args, n - 1); }
  int Int(std::size_t n) const { return svc::ToInt32((*this)[n]); }
  // A logical parameter that defaults to dflt when it is no logical.
  bool Flag(std::size_t n, bool dflt) const { return (*this)[n].IsLogical() ? (*this)[n].AsLogical() : dflt; }
  template <class H>
  H Handle(std::size_t n) const {
    return svc::HandleOf<H>(svc::ToHandle((*this)[n]));
  }
};

}  // namespace

void RegisterGridFunctions() {
  RegisterDebugFunctions();
  rt::RegisterFunction("TGDRAWCELL", [](rt::Args args) {
    TGDRAWCELL(args);
    return rt::Value();
  });
  rt::RegisterFunction("TGBRWSCROLL", [](rt::Args args) {
    const Params p{args};
    TGBRWSCROLL(p.Handle<HWND>(1), p.Int(2), p.Handle<HFONT>(3), p.Int(4), p.Int(5), p.Int(6), p.Int(7));
    return rt::Value();
  });
  rt::RegisterFunction("NTGBROW", [](rt::Args args) {
    const Params p{args};
    return rt::Value(NTGBROW(p.Handle<HWND>(1), p.Handle<HDC>(2), p.Int(3), p.Handle<HFONT>(4), p.Int(5), p.Int(6),
                             p.Int(7), p.Int(8)));
  });
  rt::RegisterFunction("NSBROWS", [](rt::Args args) {
    const Params p{args};
    return rt::Value(NSBROWS(p.Handle<HWND>(1), p.Handle<HDC>(2), p.Handle<HFONT>(3), p.Int(4), p.Int(5), p.Int(6),
                             p.Int(7)));
  });
  rt::RegisterFunction("ATGBRWPOSRECT", [](rt::Args args) {
    const Params p{args};
    return ATGBRWPOSRECT(p.Handle<HWND>(1), p.Int(2), p.Int(3), p.Int(4), p.Handle<HFONT>(5), p.Int(6), p.Int(7),
                         p.Int(8));
  });
  rt::RegisterFunction("SBGETHEIGHT", [](rt::Args args) {
    const Params p{args};
    return rt::Value(SBGETHEIGHT(p.Handle<HWND>(1), p.Handle<HFONT>(2), p.Int(3)));
  });
  rt::RegisterFunction("SBMPHEIGHT", [](rt::Args args) {
    const Params p{args};
    return rt::Value(SBMPHEIGHT(p.Handle<HBITMAP>(1)));
  });
  rt::RegisterFunction("DARKCOLOR", [](rt::Args args) {
    const Params p{args};
    return rt::Value(static_cast<double>(DARKCOLOR(p.Int(1), p.Int(2))));
  });
  rt::RegisterFunction("GETFONTHEIGHT", [](rt::Args args) {
    const Params p{args};
    return rt::Value(GETFONTHEIGHT(p.Handle<HDC>(1), p.Handle<HFONT>(2)));
  });
  rt::RegisterFunction("DATESEEK", [](rt::Args args) {
    const Params p{args};
    return rt::Value(DATESEEK(p[1].IsString() ? p[1].AsString() : std::string(), p.Int(2)));
  });
  rt::RegisterFunction("LOADMSG", [](rt::Args) { return LOADMSG(); });
  rt::RegisterFunction("PROPER", [](rt::Args args) { return rt::Value(PROPER(Params{args}[1].AsString())); });
  rt::RegisterFunction("MSGBLINK", [](rt::Args args) {
    const Params p{args};
    MSGBLINK(p[1], p[2], p[3], p[4], p[5], p[6], p[7], p[8]);
    return rt::Value();
  });
  // The grid programs' scroll functions take the place of the plain ones.
  rt::RegisterFunction("SETSCROLLRANGE", [](rt::Args args) {
    const Params p{args};
    return SETSCROLLRANGE(p.Handle<HWND>(1), p.Int(2), p.Int(3), p.Int(4), p.Flag(5, true), p.Flag(6, false),
                          p.Flag(7, false));
  });
  rt::RegisterFunction("SETSCROLLPOS", [](rt::Args args) {
    const Params p{args};
    return rt::Value(
        SETSCROLLPOS(p.Handle<HWND>(1), p.Int(2), p.Int(3), p.Flag(4, true), p.Flag(5, false), p.Flag(6, false)));
  });
  rt::RegisterFunction("GETSCROLLRANGE", [](rt::Args args) {
    const Params p{args};
    return GETSCROLLRANGE(p.Handle<HWND>(1), p.Int(2));
  });
  rt::RegisterFunction("GETSCROLLPOS", [](rt::Args args) {
    const Params p{args};
    return rt::Value(GETSCROLLPOS(p.Handle<HWND>(1), p.Int(2)));
  });
  rt::RegisterFunction("SETSCROLLINFO", [](rt::Args args) {
    const Params p{args};
    return rt::Value(SETSCROLLINFO(p.Handle<HWND>(1), p.Int(2), p.Int(3), p.Flag(4, false), p.Flag(5, false)));
  });
}

namespace {

// Every program that links the grid reaches its functions by name from its
// start, as its scroll functions take the place of the plain ones there.
const bool kRegistered = (RegisterGridFunctions(), true);

}  // namespace

}  // namespace grid
