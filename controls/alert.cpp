#include "controls/alert.h"

#include <windows.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "controls/alert_layout.h"
#include "controls/ticon.h"
#include "core/send_soft.h"
#include "core/tdialog.h"
#include "graphics/class_names.h"
#include "graphics/colour.h"
#include "graphics/fonts.h"
#include "graphics/icons.h"
#include "graphics/tfont.h"
#include "runtime/files.h"
#include "runtime/strings.h"
#include "runtime/value_text.h"
#include "services/win_version.h"

namespace ctl {

namespace {

constexpr std::size_t kMaxLine = 254;
constexpr int kExclamationIcon = 32515;
constexpr int kTextTop = 25, kTextLeft = 70;
constexpr int kIconTop = 20, kIconLeft = 18, kIconSize = 32;

// The message in lines of at most kMaxLine characters, without trailing
// blanks.
std::vector<std::string> SplitLines(const std::string& text) {
  std::vector<std::string> lines;
  std::size_t from = 0;
  for (;;) {
    const std::size_t end = text.find('\n', from);
    std::string line = text.substr(from, end == std::string::npos ? std::string::npos : end - from);
    if (!line.empty() && line.back() == '\r') line.pop_back();
    do {
      lines.push_back(rt::RTRIM(line.substr(0, kMaxLine)));
      line.erase(0, std::min(line.size(), kMaxLine));
    } while (!line.empty());
    if (end == std::string::npos) break;
    from = end + 1;
  }
  return lines;
}

std::string Joined(const std::vector<std::string>& lines) {
  std::string out;
  for (std::size_t i = 0; i < lines.size(); ++i) out += (i ? "\r\n" : "") + lines[i];
  return out;
}

HICON AlertIcon(const rt::Value& xIcon) {
  if (xIcon.IsString()) {
    if (rt::FileExists(xIcon.AsString())) return ExtractIconA(GetModuleHandleA(nullptr), xIcon.AsString().c_str(), 0);
    return gfx::LOADICON(GetModuleHandleA(nullptr), xIcon);
  }
  // System icons are shared: the control gets a copy it may destroy.
  const HICON shared = gfx::LOADICON(nullptr, xIcon.IsNumber() ? xIcon : rt::Value(kExclamationIcon));
  return shared ? CopyIcon(shared) : nullptr;
}

int TextWidth(HDC hDC, HFONT font, const std::string& text) {
  return static_cast<int>(gfx::GETTEXTWIDTH(hDC, text, font));
}

}  // namespace

int ALERT(const rt::Value& cMessage, const rt::Value& aOptions, const rt::Value& cTitle, const rt::Value& nDefault,
          const rt::Value& xIcon) {
  const std::string message = cMessage.IsNil() ? "Alert dialog box" : rt::CVALTOCHAR(cMessage);
  std::vector<std::string> options;
  if (aOptions.IsArray()) {
    for (const rt::Value& o : aOptions.Items()) options.push_back(rt::CVALTOCHAR(o));
  }
  if (options.empty()) options.push_back("&OK");
  const std::string title = cTitle.IsString() ? cTitle.AsString() : "Attention";
  const int focusOption = nDefault.IsNumber() ? static_cast<int>(nDefault.AsInt()) : 1;

  auto font = std::make_shared<gfx::TFont>()->New(svc::GETSYSFONT(), 0, -14);
  auto dlg = std::make_shared<core::TDialog>();
  core::DialogArgs args;
  args.cCaption = title;
  args.oFont = rt::Value(font);
  dlg->New(args);
  dlg->Cargo = rt::Value(0);
  dlg->lHelpIcon = rt::Value(false);

  const std::vector<std::string> lines = SplitLines(message);
  std::weak_ptr<core::TDialog> weak = dlg;
  core::DialogActivation activation;
  activation.bInit = rt::Value::Block([&, weak](rt::Args) {
    auto d = weak.lock();
    HDC hDC = GetDC(d->hWnd);
    AlertMeasures m{};
    // A line as the alert's font draws it: the dialog measures its font
    // only once it has taken it over, and a font's nominal height leaves
    // the last line of a text cut off.
    const HGDIOBJ previous = SelectObject(hDC, font->hFont);
    TEXTMETRICA tm{};
    GetTextMetricsA(hDC, &tm);
    SelectObject(hDC, previous);
    m.charHeight = static_cast<int>(tm.tmHeight + tm.tmExternalLeading);
    for (const std::string& line : lines) m.textWidth = std::max(m.textWidth, TextWidth(hDC, font->hFont, line));
    // Ten points of air, and the field's frame and inner margins.
    m.textWidth += 10 + 2 * GetSystemMetrics(SM_CXEDGE) + 8;
    // The text field's frame takes its share of the height.
    m.textHeight = static_cast<int>(lines.size()) * m.charHeight + 2 * GetSystemMetrics(SM_CYEDGE) + 2;
    m.titleWidth = TextWidth(hDC, font->hFont, title);
    for (const std::string& o : options) m.optionWidths.push_back(TextWidth(hDC, font->hFont, o));
    ReleaseDC(d->hWnd, hDC);
    const AlertLayout l = LayOutAlert(m);

    const rt::Value field = rt::FindClass(vdclass::kMultiGet) ? rt::CreateObject(vdclass::kMultiGet) : rt::Value();
    auto text = std::make_shared<rt::Value>(Joined(lines));
    const rt::Value setGet = rt::Value::Block([text](rt::Args a) {
      if (!a.empty() && !a[0].IsNil()) *text = a[0];
      return *text;
    });
    core::Ask(field, "New", kTextTop, kTextLeft, setGet, d->Self(), l.textWidth, l.textHeight, rt::Value(font),
              l.hScroll, rt::Value(), gfx::GETSYSCOLOR(COLOR_BTNFACE), rt::Value(), true, rt::Value(), rt::Value(),
              rt::Value(), rt::Value(), rt::Value(), true, rt::Value(), rt::Value(), rt::Value(), rt::Value(),
              !l.vScroll);
    // A read-only text: no caret when the mouse passes, nothing selected
    // when it gets the focus.
    core::Ask(field, "_bMMoved", rt::Value::Block([](rt::Args) {
                HideCaret(nullptr);
                return rt::Value();
              }));
    core::Ask(field, "_bGotFocus", rt::Value::Block([](rt::Args) {
                PostMessageA(GetFocus(), EM_SETSEL, 0, 0);
                return rt::Value();
              }));

    for (int i = 1; i <= static_cast<int>(options.size()); ++i) {
      const rt::Value button = rt::FindClass(vdclass::kButton) ? rt::CreateObject(vdclass::kButton) : rt::Value();
      core::Ask(button, "New", l.buttonRow, l.ButtonColumn(i), options[static_cast<std::size_t>(i - 1)], d->Self(),
                rt::Value::Block([weak, i](rt::Args) {
                  if (auto owner = weak.lock()) {
                    owner->Cargo = rt::Value(i);
                    owner->End(IDOK);
                  }
                  return rt::Value();
                }),
                l.buttonWidth, l.buttonHeight, rt::Value(), rt::Value(font), rt::Value(), true);
    }

    auto icon = std::make_shared<controls::TIcon>();
    controls::IconArgs iconArgs;
    iconArgs.oWnd = d->Self();
    icon->New(iconArgs);
    icon->hIcon = AlertIcon(xIcon);
    MoveWindow(icon->hWnd, kIconLeft, kIconTop, kIconSize, kIconSize, TRUE);

    const auto& controls = d->aControls.Items();
    const std::size_t focus = static_cast<std::size_t>(focusOption) + 1 <= controls.size() && focusOption >= 1
                                  ? static_cast<std::size_t>(focusOption) + 1
                                  : 2;
    if (focus <= controls.size()) core::Ask(controls[focus - 1], "SetFocus");
    MoveWindow(d->hWnd, 0, 0, l.width, l.height, FALSE);
    d->Center();
    return rt::Value(false);
  });
  dlg->Activate(activation);
  font->End();
  return static_cast<int>(dlg->Cargo.AsNumber());
}

}  // namespace ctl
