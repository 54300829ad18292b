#include "core/tclipboard.h"

#include "core/twindow.h"
#include "core/window_defaults.h"
#include "core/window_list.h"
#include "services/clipboard.h"

namespace core {

TClipBoard& TClipBoard::New(long format, rt::Value window) {
  nFormat = format;
  if (window.IsNil()) {
    if (const auto main = WNDMAIN()) window = rt::Value(main);
    else window = GETWNDDEFAULT();
  }
  oWnd = std::move(window);
  return *this;
}

void TClipBoard::Clear() {
  Open();
  Empty();
  Close();
}

bool TClipBoard::Open() {
  const auto window = oWnd.IsObject() ? oWnd.As<TWindow>() : nullptr;
  return svc::OPENCLIPBOARD(window ? window->hWnd : nullptr);
}

bool TClipBoard::Empty() { return svc::EMPTYCLIPBOARD(); }
bool TClipBoard::Close() { return svc::CLOSECLIPBOARD(); }

// The text is read while the clipboard is open, not through GetText, which
// would try to open it a second time.
bool TClipBoard::IsEmpty() {
  if (!Open()) return true;
  const std::string text = svc::GETCLPDATA(CF_TEXT).AsString();
  Close();
  return text.empty();
}

rt::Value TClipBoard::SetData(const rt::Value& uData) { return svc::SETCLIPBOARDDATA(nFormat, uData); }
rt::Value TClipBoard::GetData() { return svc::GETCLPDATA(nFormat); }

bool TClipBoard::Put(long format, const rt::Value& data) {
  if (!Open()) return false;
  Empty();
  const bool put = svc::SETCLIPBOARDDATA(format, data).AsLogical();
  const bool closed = Close();
  return put && closed;
}

bool TClipBoard::SetText(const std::string& cText) { return Put(CF_TEXT, rt::Value(cText)); }

bool TClipBoard::SetBitmap(const rt::Value& oBitmap) {
  const rt::Value handle = oBitmap.IsObject() ? rt::Send(oBitmap, "hBitmap") : oBitmap;
  return Put(CF_BITMAP, handle);
}

rt::Value TClipBoard::GetBitmap() {
  if (!Open()) return rt::Value(0);
  rt::Value bitmap = svc::GETCLPDATA(CF_BITMAP);
  Close();
  return bitmap;
}

std::string TClipBoard::GetText() {
  if (!Open()) return {};
  std::string text = svc::GETCLPDATA(CF_TEXT).AsString();
  Close();
  return text;
}

void TClipBoard::End() { Close(); }

const rt::ClassInfo& TClipBoard::ClassDef() {
  static const rt::ClassInfo info(
      "TCLIPBOARD", &rt::Object::ClassDef(), rt::FactoryOf<TClipBoard>(), [](rt::ClassInfo& c) {
        rt::ClassBuilder<TClipBoard>(c)
            .Data("nFormat", &TClipBoard::nFormat)
            .Data("oWnd", &TClipBoard::oWnd)
            .Method("New",
                    [](TClipBoard& o, rt::Args a) {
                      const long format = !a.empty() && a[0].IsNumber() ? a[0].AsInt() : CF_TEXT;
                      return o.New(format, rt::Arg(a, 1)).Self();
                    })
            .Method("Clear", [](TClipBoard& o, rt::Args) { o.Clear(); return rt::Value(); })
            .Method("Open", [](TClipBoard& o, rt::Args) { return rt::Value(o.Open()); })
            .Method("Empty", [](TClipBoard& o, rt::Args) { return rt::Value(o.Empty()); })
            .Method("Close", [](TClipBoard& o, rt::Args) { return rt::Value(o.Close()); })
            .Method("IsEmpty", [](TClipBoard& o, rt::Args) { return rt::Value(o.IsEmpty()); })
            .Method("SetData", [](TClipBoard& o, rt::Args a) { return o.SetData(rt::Arg(a, 0)); })
            .Method("GetData", [](TClipBoard& o, rt::Args) { return o.GetData(); })
            .Method("SetText",
                    [](TClipBoard& o, rt::Args a) { return rt::Value(o.SetText(a.empty() ? "" : a[0].AsString())); })
            .Method("GetBitmap", [](TClipBoard& o, rt::Args) { return o.GetBitmap(); })
            .Method("SetBitmap",
                    [](TClipBoard& o, rt::Args a) { return rt::Value(o.SetBitmap(rt::Arg(a, 0))); })
            .Method("GetText", [](TClipBoard& o, rt::Args) { return rt::Value(o.GetText()); })
            .Method("End", [](TClipBoard& o, rt::Args) { o.End(); return rt::Value(); });
      });
  return info;
}
RT_CLASS_REGISTER(TClipBoard);

}  // namespace core
