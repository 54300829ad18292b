#include "core/handle_event.h"

#include <cstdint>
#include <dde.h>

#include "core/twindow.h"

namespace core {

namespace {

// Parameters as the event methods take them: full values (pointer sized, as
// wParam and lParam are: a pointer or handle must not be cut), unsigned
// 16-bit halves, or signed 16-bit halves where the value can be negative.
LPARAM Full(WPARAM v) { return static_cast<LPARAM>(v); }
LPARAM Full(LPARAM v) { return v; }
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
      return self.Moved(Full(nWParam), Low(l), High(l));
    case WM_SIZE:
      return self.ReSize(Full(nWParam), Low(l), High(l));
    case WM_SETFOCUS:
      return self.GotFocus(Full(nWParam));
    case WM_KILLFOCUS:
      return self.LostFocus(Full(nWParam));
    case WM_PAINT:
      self.BeginPaint();
      self.Paint();
      return self.EndPaint();
    case WM_CLOSE:
      return self.Close(Full(nWParam));
    case WM_QUERYENDSESSION:
      return self.QueryEndSession();
    case WM_ERASEBKGND:
      return self.EraseBkGnd(Full(nWParam));
    case WM_GETMINMAXINFO:
      return self.GetMinMaxInfo(Full(nLParam));
    case WM_DRAWITEM:
    case WM_VD_DRAWITEM:
      return self.DrawItem(Full(nWParam), Full(nLParam));
    case WM_MEASUREITEM:
      return self.MeasureItem(Full(nWParam), Full(nLParam));
    case WM_QUERYDRAGICON:
      return self.QueryDragIcon();
    case WM_COMMNOTIFY:
      return self.CommNotify(Full(nWParam), Full(nLParam));
    case WM_NOTIFY:
      return self.Notify(Full(nWParam), Full(nLParam));
    case WM_NCACTIVATE:
      return self.NcActivate(w != 0);
    case WM_GETDLGCODE:
      return self.GetDlgCode(Full(nWParam));
    case WM_NCMOUSEMOVE:
      return self.NcMouseMove(Full(nWParam), High(l), Low(l));
    case WM_KEYDOWN:
      return self.KeyDown(Full(nWParam), Full(nLParam));
    case WM_CHAR:
      return self.KeyChar(Full(nWParam), Full(nLParam));
    case WM_COMMAND:
      return self.Command(Full(nWParam), Full(nLParam));
    case WM_SYSCOMMAND:
      return self.SysCommand(Full(nWParam), Full(nLParam));
    case WM_TIMER:
      return self.Timer(Full(nWParam), Full(nLParam));
    case WM_HSCROLL:
      return self.HScroll(Full(nWParam), Full(nLParam));
    case WM_VSCROLL:
      return self.VScroll(Full(nWParam), Full(nLParam));
    case WM_INITMENUPOPUP:
      return self.InitMenuPopup(Full(nWParam), Low(l), High(l) != 0);
    // The menu flags travel in the high word of wParam.
    case WM_MENUSELECT:
      return self.MenuSelect(Low(w), High(w), Full(nLParam));
    // The end of a menu's tracking is a closed menu for MenuSelect, also
    // where the system sends no closing WM_MENUSELECT.
    case WM_EXITMENULOOP:
      return self.MenuSelect(0, 0xFFFF, 0);
    case WM_MENUCHAR:
      return self.MenuChar(Low(w), High(w), Full(nLParam));
    // The control's handle is all of lParam: a cut handle would never
    // compare equal to the control's own.
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORSTATIC:
      return self.CtlColor(Full(nLParam), Full(nWParam));
    case WM_MOUSEMOVE:
      return self.MouseMove(High(l), Low(l), Full(nWParam));
    case WM_LBUTTONDOWN:
      return self.LButtonDown(High(l), Low(l), Full(nWParam));
    case WM_LBUTTONUP:
      return self.LButtonUp(High(l), Low(l), Full(nWParam));
    case WM_LBUTTONDBLCLK:
      return self.LDblClick(High(l), Low(l), Full(nWParam));
    case WM_RBUTTONDOWN:
      return self.RButtonDown(High(l), Low(l), Full(nWParam));
    case WM_RBUTTONUP:
      return self.RButtonUp(High(l), Low(l), Full(nWParam));
    case WM_MBUTTONDOWN:
      return self.MButtonDown(High(l), Low(l), Full(nWParam));
    case WM_MBUTTONUP:
      return self.MButtonUp(High(l), Low(l), Full(nWParam));
    case WM_MOUSEWHEEL:
      return self.MouseWheel(Low(w), SignedHigh(w), SignedLow(l), SignedHigh(l));
    case WM_DROPFILES:
      return self.DropFiles(Full(nWParam));
    case WM_QUERYNEWPALETTE:
      return self.QueryNewPalette();
    case WM_PALETTECHANGED:
      return self.PaletteChanged(Full(nWParam));
    case WM_DDE_INITIATE:
      return self.DdeInitiate(Full(nWParam), Low(l), High(l));
    case WM_DDE_TERMINATE:
      return self.DdeTerminate(Full(nWParam), Full(nLParam));
    case WM_DDE_ACK:
      return self.DdeAck(Full(nWParam), Full(nLParam));
    case WM_DDE_EXECUTE:
      return self.DdeExecute(Full(nWParam), Full(nLParam));
    case WM_VD_HELPF1:
      return self.HelpF1();
    // A drag's release sends the key flags in wParam and the point (x low,
    // y high) in lParam.
    case WM_VD_DROPOVER:
      return self.DropOver(High(l), Low(l), Full(nWParam));
    case WM_VD_ASYNCSELECT:
      return self.AsyncSelect(Full(nWParam), Full(nLParam));
    case WM_VD_TASKBAR:
      return self.TaskBar(Full(nWParam), Full(nLParam));
    default:
      return rt::Value();
  }
}

const char* EventName(UINT nMsg) {
  switch (nMsg) {
    case WM_DESTROY:
      return "Destroy";
    case WM_SIZE:
      return "ReSize";
    case WM_SETFOCUS:
      return "GotFocus";
    case WM_KILLFOCUS:
      return "LostFocus";
    case WM_PAINT:
      return "Paint";
    case WM_CLOSE:
      return "Close";
    case WM_KEYDOWN:
      return "KeyDown";
    case WM_CHAR:
      return "KeyChar";
    case WM_COMMAND:
      return "Command";
    case WM_SYSCOMMAND:
      return "SysCommand";
    case WM_NOTIFY:
      return "Notify";
    case WM_TIMER:
      return "Timer";
    case WM_INITMENUPOPUP:
      return "InitMenuPopup";
    case WM_MENUSELECT:
      return "MenuSelect";
    case WM_DRAWITEM:
      return "DrawItem";
    case WM_MEASUREITEM:
      return "MeasureItem";
    case WM_LBUTTONDOWN:
      return "LButtonDown";
    case WM_LBUTTONUP:
      return "LButtonUp";
    case WM_RBUTTONDOWN:
      return "RButtonDown";
    case WM_RBUTTONUP:
      return "RButtonUp";
    case WM_LBUTTONDBLCLK:
      return "LDblClick";
    case WM_VSCROLL:
      return "VScroll";
    case WM_HSCROLL:
      return "HScroll";
    case WM_INITDIALOG:
      return "Initiate";
    default:
      return "HandleEvent";
  }
}

}  // namespace core
