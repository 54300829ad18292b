#include "controls/tfolder.h"

#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <cctype>
#include <utility>

#include "controls/control_owner.h"
#include "core/list_tab.h"
#include "core/send_soft.h"
#include "core/window_defaults.h"
#include "core/window_messages.h"
#include "core/window_text.h"
#include "graphics/colour.h"
#include "graphics/theme.h"
#include "runtime/strings.h"
#include "services/display_info.h"
#include "services/int32.h"
#include "services/msgbox.h"
#include "services/win_version.h"

namespace controls {

namespace {

constexpr const char* kTabClass = "SysTabControl32";
// The tab control's notifications, as the signed codes of its header.
constexpr long kSelChanging = -552, kSelChange = -551;

rt::Value DefaultPrompts() {
  rt::Value prompts = rt::Value::Array();
  for (const char* p : {"&One", "&Two", "T&hree"}) prompts.Items().emplace_back(p);
  return prompts;
}

bool Win95Look() {
  const DWORD version = GetVersion();
  const int major = LOBYTE(LOWORD(version)), minor = HIBYTE(LOWORD(version));
  const bool nt = (version & 0x80000000u) == 0;
  return major > 3 || minor > 51 || nt;
}

// A tone of nFreq hertz for nTicks eighteenths of a second.
void TONE(DWORD nFreq, DWORD nTicks) { Beep(nFreq, nTicks * 1000 / 18); }

}  // namespace

TFolder& TFolder::New(const FolderArgs& a) {
  oWnd = OwnerOr(a.oWnd);
  const auto owner = Container();
  aPrompts = a.aPrompts.IsArray() && a.aPrompts.Len() > 0 ? a.aPrompts : DefaultPrompts();
  aDialogs = a.aDialogs.IsArray() ? a.aDialogs : rt::Value::Array();
  while (aDialogs.Len() < aPrompts.Len()) aDialogs.Items().emplace_back();
  nOption = std::clamp(NumOr(a.nOption, 1), 1L, TabCount());
  aEnable = rt::Value::Array();
  for (long i = 0; i < TabCount(); ++i) aEnable.Items().emplace_back(true);
  nFdHeight = svc::LARGEFONTS() ? 25 : 22;
  lWin95Look = Win95Look();
  lAllWidth = a.lAllWidth.IsLogical() ? a.lAllWidth.AsLogical() : true;
  lDesign = rt::IsTrue(a.lDesign);
  cMsg = a.cMsg;
  cVarName = rt::Value("");
  nClrText = a.nClrFore.IsNumber() ? svc::ToInt32(a.nClrFore) : owner ? owner->nClrText : 0;
  nClrPane = a.nClrBack.IsNumber() ? svc::ToInt32(a.nClrBack) : gfx::GETSYSCOLOR(COLOR_BTNFACE);
  const bool pixel = rt::IsTrue(a.lPixel);
  const int top = static_cast<int>(NumOr(a.nTop, 0) * (pixel ? 1 : 15));
  const int left = static_cast<int>(NumOr(a.nLeft, 0) * (pixel ? 1 : 6));
  nTop = top;
  nLeft = left;
  nBottom = top + static_cast<int>(NumOr(a.nHeight, 100)) - 1;
  nRight = left + static_cast<int>(NumOr(a.nWidth, 100)) - 1;
  nStyle = WS_CHILD | WS_VISIBLE | WS_TABSTOP | (lDesign ? WS_CLIPSIBLINGS : 0);
  const auto bold = std::make_shared<gfx::TFont>();
  oFont2 = bold->New(svc::GETSYSFONT(), 0, -9, false, true);
  const bool made = owner && owner->hWnd;
  if (made) {
    nId = GetNewId();
    Create(kTabClass);
    SetColor(rt::Value(nClrText), rt::Value(nClrPane));
    SetPrompts();
    auto font = a.oFont.As<gfx::TFont>();
    if (!font) font = owner->oFont;
    if (font) {
      SetFont(font);
    } else {
      GetFont();
    }
    owner->AddControl(Self());
  } else {
    core::Ask(oWnd, "DefControl", Self());
  }
  for (long n = 1; n <= TabCount(); ++n) {
    if (!Page(n)) aDialogs.Items()[static_cast<std::size_t>(n - 1)] = rt::Value(MakePage(n));
  }
  if (made) {
    Default();
    SizePages(nRight - nLeft + 1, nBottom - nTop + 1);
  }
  if (lDesign) CheckDots();
  core::SETWNDDEFAULT(oWnd);
  return *this;
}

TFolder& TFolder::ReDefine(const FolderRedefineArgs& a) {
  oWnd = OwnerOr(a.oWnd);
  const auto owner = Container();
  nId = NumOr(a.nId, 0);
  aPrompts = a.aPrompts.IsArray() ? a.aPrompts : DefaultPrompts();
  nOption = std::clamp(NumOr(a.nOption, 1), 1L, std::max(1L, TabCount()));
  bChange = a.bChange;
  lAllWidth = a.lAllWidth.IsLogical() ? a.lAllWidth.AsLogical() : true;
  nFdHeight = svc::LARGEFONTS() ? 25 : 22;
  lWin95Look = Win95Look();
  cVarName = rt::Value("");
  nClrText = a.nClrFore.IsNumber() ? svc::ToInt32(a.nClrFore) : owner ? owner->nClrText : 0;
  nClrPane = a.nClrBack.IsNumber() ? svc::ToInt32(a.nClrBack) : owner ? owner->nClrPane : 0;
  aEnable = rt::Value::Array();
  aDialogs = rt::Value::Array();
  for (long n = 1; n <= TabCount(); ++n) {
    aEnable.Items().emplace_back(true);
    auto page = std::make_shared<core::TDialog>();
    core::DialogArgs d;
    d.cResName = a.aDialogs.IsArray() && static_cast<long>(a.aDialogs.Len()) >= n
                     ? a.aDialogs.At(static_cast<std::size_t>(n))
                     : rt::Value();
    d.nClrText = rt::Value(nClrText);
    d.nClrBack = rt::Value(nClrPane);
    d.oWnd = Self();
    page->New(d);
    aDialogs.Items().emplace_back(page);
  }
  const auto bold = std::make_shared<gfx::TFont>();
  oFont2 = bold->New(svc::GETSYSFONT(), 0, -9, false, true);
  core::Ask(oWnd, "DefControl", Self());
  core::SETWNDDEFAULT(oWnd);
  return *this;
}

std::shared_ptr<core::TDialog> TFolder::MakePage(long n) {
  auto page = std::make_shared<core::TDialog>();
  core::DialogArgs d;
  d.nTop = 0;
  d.nLeft = 0;
  d.nBottom = (nBottom - nTop + 1) - nFdHeight - 5;
  d.nRight = (nRight - nLeft + 1) - 6;
  d.nStyle = static_cast<double>(WS_CHILD);
  d.oWnd = Self();
  d.lPixel = true;
  d.oFont = oFont ? rt::Value(oFont) : rt::Value();
  page->New(d);
  page->cVarName = rt::Value("Page" + std::to_string(n));
  return page;
}

void TFolder::ActivatePage(const std::shared_ptr<core::TDialog>& page, int row, int col) {
  if (!page) return;
  const std::weak_ptr<core::TDialog> weak = page;
  core::DialogActivation act;
  act.lModal = false;
  act.lCentered = false;
  act.bValid = rt::Value::Block([](rt::Args) { return rt::Value(false); });
  act.bInit = rt::Value::Block([weak, row, col](rt::Args) {
    if (const auto p = weak.lock()) p->MoveCorner(row, col);
    return rt::Value();
  });
  if (gfx::ISAPPTHEMED()) {
    page->bEraseBkGnd = rt::Value::Block([weak](rt::Args a) {
      if (const auto p = weak.lock()) gfx::DRAWPBACK(p->hWnd, reinterpret_cast<HDC>(svc::ToHandle(rt::Arg(a, 0))));
      return rt::Value(1);
    });
  }
  page->Activate(act);
}

void TFolder::Default() {
  for (long n = 1; n <= TabCount(); ++n) ActivatePage(Page(n), static_cast<int>(nFdHeight), 1);
  ShowCurrent();
}

void TFolder::ShowCurrent() {
  for (long n = 1; n <= TabCount(); ++n) {
    if (const auto p = Page(n); p && p->hWnd) p->Hide();
  }
  if (const auto p = Page(nOption); p && p->hWnd) {
    ShowWindow(p->hWnd, SW_SHOW);
  }
}

void TFolder::SizePages(int width, int height) {
  for (long n = 1; n <= TabCount(); ++n) {
    if (const auto p = Page(n); p && p->hWnd) p->SetSize(width - 6, height - static_cast<int>(nFdHeight) - 5);
  }
}

void TFolder::Initiate(HWND hDlg) {
  TControl::Initiate(hDlg);
  Default();
  RECT r{};
  GetClientRect(hWnd, &r);
  for (long n = 1; n <= TabCount(); ++n) {
    if (const auto p = Page(n); p && p->hWnd) p->SetSize(r.right - 5, r.bottom - static_cast<int>(nFdHeight) - 4);
  }
  SetPrompts();
}

std::string TFolder::cToChar(const std::string&) { return TControl::cToChar(kTabClass); }

bool TFolder::Enabled(long n) const {
  return n >= 1 && n <= static_cast<long>(aEnable.Len()) && rt::IsTrue(aEnable.At(static_cast<std::size_t>(n)));
}

std::shared_ptr<core::TDialog> TFolder::Page(long n) const {
  if (n < 1 || n > static_cast<long>(aDialogs.Len())) return nullptr;
  return aDialogs.At(static_cast<std::size_t>(n)).As<core::TDialog>();
}

void TFolder::SetPrompts(const rt::Value& prompts) {
  if (prompts.IsArray()) aPrompts = prompts;
  if (!hWnd) return;
  core::TABDELALLITEMS(hWnd);
  for (long n = TabCount(); n >= 1; --n) {
    const rt::Value label = aPrompts.At(static_cast<std::size_t>(n));
    core::TABCTRLADD(hWnd, label.IsString() ? label.AsString() : std::string(), Enabled(n));
  }
  SendMessageA(hWnd, TCM_SETCURSEL, static_cast<WPARAM>(nOption - 1), 0);
  Refresh();
}

void TFolder::SetOption(long n) {
  if (n < 1 || n > TabCount()) return;
  if (n != nOption && Enabled(n)) {
    const long old = nOption;
    if (const auto p = Page(old); p && p->hWnd) p->Hide();
    nOption = n;
    if (const auto p = Page(n)) {
      if (bChange.IsBlock()) bChange.Eval(n, old);
      p->AEvalWhen();
      if (p->hWnd) {
        ShowWindow(p->hWnd, SW_SHOW);
        p->SetFocus();
      }
    }
  }
  PostMessageA(hWnd, TCM_SETCURSEL, static_cast<WPARAM>(nOption - 1), 0);
  if (!Enabled(n)) svc::MSGBEEP();
}

rt::Value TFolder::LButtonDown(long nRow, long nCol, long nFlags) {
  if (lDesign) return TControl::LButtonDown(nRow, nCol, nFlags);
  TCHITTESTINFO hit{};
  hit.pt = {static_cast<LONG>(nCol), static_cast<LONG>(nRow)};
  SetOption(static_cast<long>(SendMessageA(hWnd, TCM_HITTEST, 0, reinterpret_cast<LPARAM>(&hit))) + 1);
  return {};
}

rt::Value TFolder::Notify(LPARAM, LPARAM pNMHDR) {
  const long code = core::GETNMHDRCODE(pNMHDR);
  if (code == kSelChanging) {
    nSelChanging_ = core::TABCTRL_GETCURSEL(hWnd);
  } else if (code == kSelChange) {
    const long chosen = core::TABCTRL_GETCURSEL(hWnd) + 1;
    if (!Enabled(chosen) && nSelChanging_ >= 0) {
      core::TABCTRL_SETCURSEL(hWnd, nSelChanging_);
    } else {
      // Chosen by the keyboard as well: the page follows the tab.
      SetOption(chosen);
    }
  }
  return {};
}

long TFolder::GetHotPos(long nChar) const {
  const int wanted = std::toupper(static_cast<unsigned char>(nChar));
  for (long n = 1; n <= TabCount(); ++n) {
    if (n == nOption || !Enabled(n)) continue;
    const rt::Value label = aPrompts.At(static_cast<std::size_t>(n));
    if (!label.IsString()) continue;
    const std::string& text = label.AsString();
    const auto amp = text.find('&');
    if (amp != std::string::npos && amp + 1 < text.size() &&
        std::toupper(static_cast<unsigned char>(text[amp + 1])) == wanted) {
      return n;
    }
  }
  return 0;
}

rt::Value TFolder::KeyDown(long nKey, long nFlags) {
  if (nKey == VK_NEXT || nKey == VK_PRIOR) {
    TONE(nKey == VK_NEXT ? 155 : 955, 3);
    return rt::Value(0);
  }
  return TControl::KeyDown(nKey, nFlags);
}

rt::Value TFolder::GotFocus(LPARAM hWndLost) {
  TControl::GotFocus(hWndLost);
  if (const auto p = Page(nOption); p && p->hWnd) {
    p->AEvalWhen();
    p->SetFocus();
  }
  return rt::Value(0);
}

rt::Value TFolder::ReSize(long nSizeType, long nWidth, long nHeight) {
  SizePages(static_cast<int>(nWidth), static_cast<int>(nHeight));
  return TControl::ReSize(nSizeType, nWidth, nHeight);
}

rt::Value TFolder::CtlColor(LPARAM hWndChild, LPARAM hDCChild) {
  const HWND child = reinterpret_cast<HWND>(hWndChild);
  if (gfx::ISAPPTHEMED()) {
    const std::string cls = rt::UPPER(core::GETCLASSNAME(child));
    if (cls == "BUTTON" || cls == "STATIC") {
      return rt::Value(svc::HandleNumber(gfx::DRAWTHEMED(child, reinterpret_cast<HDC>(hDCChild))));
    }
  }
  return TControl::CtlColor(hWndChild, hDCChild);
}

rt::Value TFolder::MouseMove(long nRow, long nCol, long nFlags) {
  TControl::MouseMove(nRow, nCol, nFlags);
  return {};
}

void TFolder::EndPage(const rt::Value& page) {
  const auto p = page.As<core::TDialog>();
  if (!p || !p->hWnd) return;
  p->bValid = rt::Value::Block([](rt::Args) { return rt::Value(true); });
  // At once: the tabs and pages are rebuilt right after.
  DestroyWindow(p->hWnd);
}

void TFolder::AddItem(const std::string& cPrompt) {
  const long n = TabCount() + 1;
  const auto page = MakePage(n);
  aPrompts.Items().emplace_back(cPrompt);
  aDialogs.Items().emplace_back(page);
  aEnable.Items().emplace_back(true);
  if (hWnd) {
    ActivatePage(page, static_cast<int>(nFdHeight) + 2, 3);
    if (page->hWnd) {
      page->Hide();
      page->SetSize((nRight - nLeft + 1) - 6, (nBottom - nTop + 1) - static_cast<int>(nFdHeight) - 5);
    }
    SetPrompts();
  }
}

void TFolder::DelItem() {
  if (TabCount() < 1 || nOption < 1 || nOption > TabCount()) return;
  const std::size_t at = static_cast<std::size_t>(nOption - 1);
  EndPage(aDialogs.Items()[at]);
  aPrompts.Items().erase(aPrompts.Items().begin() + static_cast<std::ptrdiff_t>(at));
  aDialogs.Items().erase(aDialogs.Items().begin() + static_cast<std::ptrdiff_t>(at));
  if (at < aEnable.Len()) aEnable.Items().erase(aEnable.Items().begin() + static_cast<std::ptrdiff_t>(at));
  nOption = std::max(1L, std::min(nOption, TabCount()));
  if (hWnd) {
    SetPrompts();
    ShowCurrent();
  }
}

void TFolder::DelPages() {
  while (TabCount() > 0) DelItem();
}

void TFolder::LoadPages(const rt::Value& aResNames, const rt::Value& bBlock) {
  for (const rt::Value& page : aDialogs.Items()) EndPage(page);
  aPrompts = rt::Value::Array();
  aDialogs = rt::Value::Array();
  aEnable = rt::Value::Array();
  if (!aResNames.IsArray()) {
    if (hWnd) SetPrompts();
    return;
  }
  for (const rt::Value& name : aResNames.Items()) {
    aPrompts.Items().push_back(name);
    aEnable.Items().emplace_back(true);
    auto page = std::make_shared<core::TDialog>();
    core::DialogArgs d;
    d.cResName = name;
    d.oWnd = Self();
    d.oFont = oFont ? rt::Value(oFont) : rt::Value();
    page->New(d);
    aDialogs.Items().emplace_back(page);
    if (bBlock.IsBlock()) bBlock.Eval(Self(), static_cast<long>(aDialogs.Len()));
    if (hWnd) {
      ActivatePage(page, static_cast<int>(nFdHeight) + 2, 3);
      if (page->hWnd) page->Hide();
    }
  }
  nOption = 1;
  if (hWnd) {
    SetPrompts();
    ShowCurrent();
  }
}

void TFolder::AdjustRect() {
  if (!hWnd) return;
  const rt::Value area = core::TABCTRL_ADJUSTRECT(hWnd);
  const int top = static_cast<int>(area.At(1).AsInt()), left = static_cast<int>(area.At(2).AsInt());
  const auto first = Page(1);
  if (!first || first->nTop == top) return;
  for (long n = 1; n <= TabCount(); ++n) {
    if (const auto p = Page(n)) p->MoveCorner(top, left);
  }
}

void TFolder::Update() {
  for (long n = 1; n <= TabCount(); ++n) {
    if (const auto p = Page(n)) p->Update();
  }
}

rt::Value TFolder::Destroy() {
  if (oFont2) std::exchange(oFont2, nullptr)->End();
  // The pages go with the tab control's window; they may close now.
  for (const rt::Value& page : aDialogs.Items()) {
    if (const auto p = page.As<core::TDialog>()) p->bValid = rt::Value::Block([](rt::Args) { return rt::Value(true); });
  }
  return TControl::Destroy();
}

}  // namespace controls
