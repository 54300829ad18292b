#include "core/handle_event.h"

#include <cstdint>
#include <dde.h>

#include "core/twindow.h"

namespace core {

namespace {

// Parameters as the event methods take them: full 32-bit values, unsigned
// 16-bit halves, or signed 16-bit halves where the value can be negative.
long Full(std::uint32_t v) { return static_cast<long>(v); }
long Low(std::uint32_t v) { return static_cast<long>(v & 0xFFFF); }
long High(std::uint32_t v) { return static_cast<long>(v >> 16); }
long SignedLow(std::uint32_t v) { return static_cast<std::int16_t>(v & 0xFFFF); }
long SignedHigh(std::uint32_t v) { return static_cast<std::int16_t>(v >> 16); }

}  // namespace

rt::Value WNDHANDLEEVENT(TWindow& self, UINT nMsg, WPARAM nWParam, LPARAM nLParam) {
  const auto w = static_cast<std::uint32_t>(nWParam);
  const auto l = static_cast<std::uint32_t>(nLParam);
  switch (nMsg) {
    case WM_DESTROY:
      return self.Destroy();
    case WM_MOVE:
      return self.Moved(Full(w), Low(l), High(l));
    case WM_SIZE:
      return self.ReSize(Full(w), Low(l), High(l));
    case WM_SETFOCUS:
      return self.GotFocus(Full(w));
    case WM_KILLFOCUS:
      return self.LostFocus(Full(w));
    case WM_PAINT:
      self.BeginPaint();
      self.Paint();
      return self.EndPaint();
    case WM_CLOSE:
      return self.Close(Full(w));
    case WM_QUERYENDSESSION:
      return self.QueryEndSession();
    case WM_ERASEBKGND:
      return self.EraseBkGnd(Full(w));
    case WM_GETMINMAXINFO:
      return self.GetMinMaxInfo(Full(l));
    case WM_DRAWITEM:
    case WM_VD_DRAWITEM:
      return self.DrawItem(Full(w), Full(l));
    case WM_MEASUREITEM:
      return self.MeasureItem(Full(w), Full(l));
    case WM_QUERYDRAGICON:
      return self.QueryDragIcon();
    case WM_COMMNOTIFY:
      return self.CommNotify(Full(w), Full(l));
    case WM_NOTIFY:
      return self.Notify(Full(w), Full(l));
    case WM_NCACTIVATE:
      return self.NcActivate(w != 0);
    case WM_GETDLGCODE:
      return self.GetDlgCode(Full(w));
    case WM_NCMOUSEMOVE:
      return self.NcMouseMove(Full(w), High(l), Low(l));
    case WM_KEYDOWN:
      return self.KeyDown(Full(w), Full(l));
    case WM_CHAR:
      return self.KeyChar(Full(w), Full(l));
    case WM_COMMAND:
      return self.Command(Full(w), Full(l));
    case WM_SYSCOMMAND:
      return self.SysCommand(Full(w), Full(l));
    case WM_TIMER:
      return self.Timer(Full(w), Full(l));
    case WM_HSCROLL:
      return self.HScroll(Full(w), Full(l));
    case WM_VSCROLL:
      return self.VScroll(Full(w), Full(l));
    case WM_INITMENUPOPUP:
      return self.InitMenuPopup(Full(w), Low(l), High(l) != 0);
    // The menu flags travel in the high word of wParam.
    case WM_MENUSELECT:
      return self.MenuSelect(Low(w), High(w), Full(l));
    case WM_MENUCHAR:
      return self.MenuChar(Low(w), High(w), Full(l));
    // The control's handle is all of lParam: a cut handle would never
    // compare equal to the control's own.
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORSTATIC:
      return self.CtlColor(Full(l), Full(w));
    case WM_MOUSEMOVE:
      return self.MouseMove(High(l), Low(l), Full(w));
    case WM_LBUTTONDOWN:
      return self.LButtonDown(High(l), Low(l), Full(w));
    case WM_LBUTTONUP:
      return self.LButtonUp(High(l), Low(l), Full(w));
    case WM_LBUTTONDBLCLK:
      return self.LDblClick(High(l), Low(l), Full(w));
    case WM_RBUTTONDOWN:
      return self.RButtonDown(High(l), Low(l), Full(w));
    case WM_RBUTTONUP:
      return self.RButtonUp(High(l), Low(l), Full(w));
    case WM_MBUTTONDOWN:
      return self.MButtonDown(High(l), Low(l), Full(w));
    case WM_MBUTTONUP:
      return self.MButtonUp(High(l), Low(l), Full(w));
    case WM_MOUSEWHEEL:
      return self.MouseWheel(Low(w), SignedHigh(w), SignedLow(l), SignedHigh(l));
    case WM_DROPFILES:
      return self.DropFiles(Full(w));
    case WM_QUERYNEWPALETTE:
      return self.QueryNewPalette();
    case WM_PALETTECHANGED:
      return self.PaletteChanged(Full(w));
    case WM_DDE_INITIATE:
      return self.DdeInitiate(Full(w), Low(l), High(l));
    case WM_DDE_TERMINATE:
      return self.DdeTerminate(Full(w));
    case WM_DDE_ACK:
      return self.DdeAck(Full(w), Full(l));
    case WM_DDE_EXECUTE:
      return self.DdeExecute(Full(w), Full(l));
    case WM_VD_HELPF1:
      return self.HelpF1();
    case WM_VD_DROPOVER:
      return self.DropOver(Low(l), High(l), Full(l));
    case WM_VD_ASYNCSELECT:
      return self.AsyncSelect(Full(w), Full(l));
    case WM_VD_TASKBAR:
      return self.TaskBar(Full(w), Full(l));
    default:
      return rt::Value();
  }
}

}  // namespace core
