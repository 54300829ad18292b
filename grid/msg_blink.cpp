// MSGBLINK: one blinking notice at a time; later calls wait in a queue and
// show in call order as each notice ends, however it ends.
#include <deque>
#include <sstream>

#include "core/send_soft.h"
#include "core/window_defaults.h"
#include "graphics/tfont.h"
#include "grid/dark_color.h"
#include "grid/grid_geometry.h"
#include "grid/tgtsay.h"
#include "runtime/strings.h"
#include "services/callback_guard.h"
#include "services/int32.h"

namespace grid {

namespace {

struct Notice {
  rt::Value cText, oWnd, nRow, nCol, nClrBlink, lSound, nTime, oFont;
};

struct NoticeState {
  std::shared_ptr<TGTSay> label;
  std::shared_ptr<gfx::TFont> ownFont;
  std::deque<Notice> queue;
  UINT_PTR nextTimer = 0;  // the thread timer that shows the next notice
};

NoticeState& State() {
  static NoticeState state;
  return state;
}

void ShowNext();

void CALLBACK NextNoticeTick(HWND, UINT, UINT_PTR id, DWORD) {
  svc::Guarded([id] {
    KillTimer(nullptr, id);
    State().nextTimer = 0;
    ShowNext();
  });
}

// The notice's label is gone: its own font goes with it, and the next
// notice in the queue shows once the messages of the moment have run (its
// window may be going down with the label's).
void NoticeGone() {
  NoticeState& s = State();
  s.label = nullptr;
  if (s.ownFont) {
    const auto font = std::move(s.ownFont);
    s.ownFont = nullptr;
    font->End();
  }
  if (!s.queue.empty() && !s.nextTimer) s.nextTimer = SetTimer(nullptr, 0, 0, NextNoticeTick);
}

HWND WindowOf(const rt::Value& oWnd) { return reinterpret_cast<HWND>(svc::ToHandle(core::Ask(oWnd, "hWnd"))); }

// False when the notice cannot show (its window is gone).
bool Show(const Notice& n) {
  NoticeState& s = State();
  const rt::Value owner = n.oWnd.IsNil() ? core::GETWNDDEFAULT() : n.oWnd;
  const HWND hwnd = WindowOf(owner);
  if (!IsWindow(hwnd)) return false;
  const long blink = n.nClrBlink.IsNumber() ? svc::ToInt32(n.nClrBlink) : 65280;
  const long textColour = DARKCOLOR(blink, 127);
  const std::string text = rt::STRTRAN(n.cText.AsString(), ";", "\r\n");
  std::shared_ptr<gfx::TFont> font = n.oFont.As<gfx::TFont>();
  if (!font) {
    font = std::make_shared<gfx::TFont>()->New("Arial", 0, -16, false, true);
    s.ownFont = font;
  }
  // The widest line on the screen in the notice's font.
  long width = 0, lines = 0;
  {
    const HDC dc = GetDC(nullptr);
    const HGDIOBJ old = SelectObject(dc, font->hFont);
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) {
      if (!line.empty() && line.back() == '\r') line.pop_back();
      SIZE size{};
      GetTextExtentPoint32A(dc, line.data(), static_cast<int>(line.size()), &size);
      width = std::max(width, static_cast<long>(size.cx));
      ++lines;
    }
    SelectObject(dc, old);
    ReleaseDC(nullptr, dc);
  }
  lines = std::max(lines, 1L);
  const long height = GETFONTHEIGHT(nullptr, font->hFont) * lines;
  RECT client{};
  GetClientRect(hwnd, &client);
  const long row = n.nRow.IsNumber() ? svc::ToInt32(n.nRow) : client.bottom / 2;
  const long col = n.nCol.IsNumber() ? svc::ToInt32(n.nCol) : client.right / 2 - width / 2;
  auto label = std::make_shared<TGTSay>();
  s.label = label;
  TSayArgs a;
  a.nRow = row;
  a.nCol = col;
  a.bText = rt::Value::Block([text](rt::Args) { return rt::Value(text); });
  a.oWnd = owner;
  a.oFont = rt::Value(font);
  a.lCentered = true;
  a.lPixels = true;
  a.aColors = rt::Value::Array({rt::Value(textColour)});
  a.nWidth = width;
  a.nHeight = height;
  a.lShaded = true;
  a.aBlink = rt::Value::Array({rt::Value(blink), rt::Value(500), n.nTime.IsNumber() ? n.nTime : rt::Value(3000)});
  label->New(a);
  label->OnGone(NoticeGone);
  std::weak_ptr<TGTSay> weak = label;
  label->bEnd = rt::Value::Block([weak](rt::Args) {
    if (const auto l = weak.lock()) l->End();
    return rt::Value();
  });
  if (!label->hWnd) {
    label->OnGone(nullptr);
    s.label = nullptr;
    if (s.ownFont) {
      s.ownFont->End();
      s.ownFont = nullptr;
    }
    return false;
  }
  if (!n.lSound.IsLogical() || n.lSound.AsLogical()) Beep(500, 55);
  return true;
}

void ShowNext() {
  NoticeState& s = State();
  while (!s.label && !s.queue.empty()) {
    const Notice next = s.queue.front();
    s.queue.pop_front();
    Show(next);
  }
}

}  // namespace

void MSGBLINK(const rt::Value& cText, const rt::Value& oWnd, const rt::Value& nRow, const rt::Value& nCol,
              const rt::Value& nClrBlink, const rt::Value& lSound, const rt::Value& nTime, const rt::Value& oFont) {
  NoticeState& s = State();
  Notice n{cText, oWnd, nRow, nCol, nClrBlink, lSound, nTime, oFont};
  if (s.label || !s.queue.empty()) {
    s.queue.push_back(std::move(n));
    return;
  }
  Show(n);
}

std::shared_ptr<TGTSay> MsgBlinkLabel() { return State().label; }

std::size_t MsgBlinkQueued() { return State().queue.size(); }

}  // namespace grid
