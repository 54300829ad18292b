#include "controls/tget.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "controls/control_owner.h"
#include "controls/edit_selection.h"
#include "core/send_soft.h"
#include "core/window_text.h"
#include "graphics/colour.h"
#include "runtime/settings.h"
#include "runtime/strings.h"
#include "runtime/transform.h"
#include "runtime/value_fns.h"
#include "runtime/value_text.h"
#include "services/int32.h"

namespace controls {

namespace {


// The variable a field without its own block edits: 50 blanks.
rt::Value OwnVariable() {
  auto text = std::make_shared<rt::Value>(std::string(50, ' '));
  return rt::Value::Block([text](rt::Args a) {
    if (!a.empty()) *text = a[0];
    return *text;
  });
}

constexpr int kPasswordStyle = ES_PASSWORD;

}  // namespace

const rt::ClassInfo& TGet::ClassDef() {
  static const rt::ClassInfo info("TGET", &core::TControl::ClassDef(), rt::FactoryOf<TGet>(), [](rt::ClassInfo& c) {
    rt::ClassBuilder<TGet>(c)
        .Data("bMin", &TGet::bMin)
        .Data("bMax", &TGet::bMax)
        .Data("nClrDef", &TGet::nClrDef)
        .Data("nPos", &TGet::nPos)
        .Data("lReadOnly", &TGet::lReadOnly)
        .Data("lPassword", &TGet::lPassword)
        .Data("cError", &TGet::cError)
        .Data("hHeap", &TGet::hHeap)
        .Data("cPicture", &TGet::cPicture)
        .Method("cText", [](TGet& g, rt::Args) { return rt::Value(g.cText()); })
        .Method("_cText", [](TGet& g, rt::Args a) {
          g._cText(rt::Arg(a, 0));
          return g.Self();
        })
        .Method("Value", [](TGet& g, rt::Args) { return g.Value(); })
        .Method("Refresh", [](TGet& g, rt::Args) {
          g.Refresh();
          return g.Self();
        })
        .Method("lValid", [](TGet& g, rt::Args) { return rt::Value(g.lValid()); });
    c.AddData("oGet", [](const rt::Object& o) { return rt::Value(static_cast<const TGet&>(o).oGet); }, nullptr);
  });
  return info;
}

RT_CLASS_REGISTER(TGet);

std::string TGet::PutText(const rt::Value& u) const { return ValueText(u, cPicture); }

TGet& TGet::New(const GetArgs& a) {
  oWnd = OwnerOr(a.oWnd);
  bSetGet = a.bSetGet.IsBlock() ? a.bSetGet : OwnVariable();
  cPicture = a.cPicture;
  KeepFont(a.oFont.As<gfx::TFont>());
  oCursor = a.oCursor.As<gfx::TCursor>();
  lDrag = rt::IsTrue(a.lDesign);
  cMsg = a.cMsg;
  lUpdate = rt::IsTrue(a.lUpdate);
  bWhen = a.bWhen;
  bValid = a.bValid;
  bChange = a.bChanged;
  lReadOnly = rt::IsTrue(a.lReadOnly);
  lPassword = rt::IsTrue(a.lPassword);
  nHelpId = a.nHelpId;
  const bool spinner = rt::IsTrue(a.lSpinner) && !lReadOnly;
  cCaption = PutText(bSetGet.Eval());

  long height = 12;
  if (a.nHeight.IsNumber()) height = svc::ToInt32(a.nHeight);
  else if (oFont) height = std::lround(std::abs(oFont->nHeight()));
  if (spinner) height = std::max(height, 15L);
  int top = static_cast<int>(svc::ToInt32(a.nRow)), left = static_cast<int>(svc::ToInt32(a.nCol));
  if (!rt::IsTrue(a.lPixel)) {
    top *= 13;
    left *= 8;
  }
  nTop = top;
  nLeft = left;
  nBottom = top + static_cast<int>(height) - 1;
  nRight = a.nWidth.IsNumber()
               ? left + static_cast<int>(svc::ToInt32(a.nWidth)) - 1
               : left + static_cast<int>((static_cast<double>(cCaption.size()) + 1) * 3.5);
  if (spinner) nRight += 20;

  nStyle = WS_CHILD | WS_VISIBLE | ES_AUTOHSCROLL | WS_BORDER;
  if (!lReadOnly) nStyle |= WS_TABSTOP;
  if (lDrag) nStyle |= WS_CLIPSIBLINGS;
  if (spinner) nStyle |= WS_VSCROLL;
  if (lReadOnly) nStyle |= ES_READONLY;
  if (rt::IsTrue(a.lCenter)) nStyle |= ES_CENTER;
  else if (rt::IsTrue(a.lRight)) nStyle |= ES_RIGHT;
  if (lPassword) nStyle |= kPasswordStyle;
  if (rt::IsTrue(a.lNoBorder)) nStyle &= ~static_cast<long>(WS_BORDER);

  oGet = GETNEW(20, 20, bSetGet, {}, cPicture);
  nPos = 1;
  lCaptured = lFocused = false;
  const long fore = a.nClrFore.IsNil() ? gfx::GETSYSCOLOR(COLOR_WINDOWTEXT) : svc::ToInt32(a.nClrFore);
  const long back = a.nClrBack.IsNil() ? gfx::GETSYSCOLOR(COLOR_WINDOW) : svc::ToInt32(a.nClrBack);
  SetColor(rt::Value(fore), rt::Value(back));
  nClrDef = back;
  oGet->SetFocus();
  cCaption = oGet->Buffer();
  // A password is never the window's text, not even at its creation.
  if (lPassword && oGet->Type() == "C") cCaption.assign(rt::TRIM(cCaption).size(), '*');
  oGet->KillFocus();
  Place(*this, "EDIT");
  if (spinner) {
    bMin = a.bMin;
    bMax = a.bMax;
    spin_ = rt::Value::Array({a.bUp, a.bDown});
    if (hWnd) Initiate(nullptr);
  }
  return *this;
}

TGet& TGet::ReDefine(const GetRedefineArgs& a) {
  oWnd = OwnerOr(a.oWnd);
  bSetGet = a.bSetGet.IsBlock() ? a.bSetGet : OwnVariable();
  if (bSetGet.Eval().IsNil()) bSetGet.Eval(rt::Value(std::string(30, ' ')));
  nHelpId = a.nHelpId;
  cPicture = a.cPicture;
  bValid = a.bValid;
  KeepFont(a.oFont.As<gfx::TFont>());
  oCursor = a.oCursor.As<gfx::TCursor>();
  cMsg = a.cMsg;
  lUpdate = rt::IsTrue(a.lUpdate);
  bWhen = a.bWhen;
  bChange = a.bChanged;
  lReadOnly = rt::IsTrue(a.lReadOnly);
  const long fore = a.nClrFore.IsNil() ? gfx::GETSYSCOLOR(COLOR_WINDOWTEXT) : svc::ToInt32(a.nClrFore);
  const long back = a.nClrBack.IsNil() ? gfx::GETSYSCOLOR(COLOR_WINDOW) : svc::ToInt32(a.nClrBack);
  SetColor(rt::Value(fore), rt::Value(back));
  nClrDef = back;
  oGet = GETNEW(20, 20, bSetGet, {}, cPicture);
  nPos = 1;
  if (rt::IsTrue(a.lSpinner) && !lReadOnly) {
    bMin = a.bMin;
    bMax = a.bMax;
    spin_ = rt::Value::Array({a.bUp, a.bDown});
  }
  nId = svc::ToInt32(a.nId);
  core::Ask(oWnd, "DefControl", Self());
  return *this;
}

void TGet::Default() {
  if (!oFont) {
    if (const auto owner = Container()) {
      if (!owner->oFont) owner->GetFont();
      KeepFont(owner->oFont);
    }
  }
  if (oFont && hWnd) SendMessageA(hWnd, WM_SETFONT, reinterpret_cast<WPARAM>(oFont->hFont), 0);
}

void TGet::Initiate(HWND hDlg) {
  if (hDlg) TControl::Initiate(hDlg);
  if (!hWnd) return;
  if (spin_.IsArray()) {
    const rt::Value actions = spin_;
    spin_ = rt::Value();
    Spinner(actions.At(1), actions.At(2), bMin, bMax);
    if (!hDlg) return;
  }
  oGet->SetFocus();
  if (GetWindowLongA(hWnd, GWL_STYLE) & kPasswordStyle) lPassword = true;
  if (lReadOnly && nClrText == gfx::GETSYSCOLOR(COLOR_WINDOWTEXT) && nClrPane == gfx::GETSYSCOLOR(COLOR_WINDOW))
    SetColor(rt::Value(gfx::GETSYSCOLOR(COLOR_GRAYTEXT)), rt::Value(gfx::GETSYSCOLOR(COLOR_BTNFACE)));
  DispText();
  if (cPicture.AsString().find("@R") != std::string::npos) {
    oGet->Home();
    SetPos(oGet->Pos());
  }
  oGet->KillFocus();
  SetMargins(1, 1);
}

rt::Value TGet::Destroy() {
  hHeap = 0;
  return TControl::Destroy();
}

void TGet::_cText(const rt::Value& u) {
  Refresh();
  oGet->VarPut(u);
  Refresh();
}

void TGet::VarPut(const rt::Value& u) {
  bSetGet.Eval(u);
  if (bSetGet.IsBlock()) oGet->SetType(rt::VALTYPE(u));
}

void TGet::Refresh() {
  oGet->SetFocus();
  oGet->UpdateBuffer();
  DispText();
  GoHome();
}

void TGet::DispText() {
  if (!hWnd) return;
  std::string text = oGet->HasFocus() ? oGet->Buffer() : PutText(VarGet());
  if (lPassword && oGet->Type() == "C") {
    const std::size_t used = text.find_last_not_of(' ');
    text.assign(used == std::string::npos ? 0 : used + 1, '*');
  }
  // Setting the text repaints the field even when it shows that text.
  if (text != core::GETWINDOWTEXT(hWnd)) SetWindowTextA(hWnd, text.c_str());
}

void TGet::EditUpdate() {
  if (oGet->HasFocus()) DispText();
  SetPos(oGet->Pos());
}

TGet& TGet::GoHome() {
  oGet->Home();
  if (oGet->Type() == "N") oGet->SetClear(true);
  SetPos(oGet->Pos());
  return *this;
}

std::string TGet::GetSel() const { return EditSelText(hWnd); }

void TGet::GetSelPos(long& nStart, long& nEnd) const { EditSelPos(hWnd, nStart, nEnd); }

long TGet::NativeCaret() const {
  long start = 0, end = 0;
  GetSelPos(start, end);
  return end;
}

void TGet::GetDelSel(long nStart, long nEnd) {
  const long low = std::min(nStart, nEnd), high = std::max(nStart, nEnd);
  std::string buffer = oGet->Buffer();
  if (low < 0 || low >= static_cast<long>(buffer.size())) return;
  const std::size_t from = static_cast<std::size_t>(low);
  const std::size_t count = std::min(buffer.size(), static_cast<std::size_t>(high)) - from;
  buffer.erase(from, count);
  buffer.append(count, ' ');
  oGet->SetBuffer(buffer);
  oGet->Assign();
  if (oGet->Type() == "D" || oGet->Type() == "N") {
    oGet->KillFocus();
    oGet->SetFocus();
  }
  oGet->Reset();
  oGet->SetPos(static_cast<int>(low) + 1);
}

void TGet::SetPos(int nStart, int nEnd) {
  if (nEnd < 0) nEnd = nStart;
  SendMessageA(hWnd, EM_SETSEL, static_cast<WPARAM>(std::max(0, nStart - 1)), static_cast<LPARAM>(std::max(0, nEnd - 1)));
  nPos = nStart;
  if (lFocused) oGet->SetPos(nStart);
}

void TGet::SetSel(int nStart, int nEnd) {
  SendMessageA(hWnd, EM_SETSEL, static_cast<WPARAM>(nStart), static_cast<LPARAM>(nEnd));
  nPos = nStart;
}

void TGet::SetMargins(int nLeft, int nRight) {
  SendMessageA(hWnd, EM_SETMARGINS, EC_LEFTMARGIN | EC_RIGHTMARGIN, MAKELONG(nLeft, nRight));
}

rt::Value TGet::GetMargins() const {
  const auto margins = static_cast<DWORD>(SendMessageA(hWnd, EM_GETMARGINS, 0, 0));
  return rt::Value::Array({rt::Value(static_cast<long>(LOWORD(margins))), rt::Value(static_cast<long>(HIWORD(margins)))});
}

bool TGet::lValid() {
  if (oGet->BadDate()) {
    MessageBeep(MB_OK);
    return false;
  }
  if (!bValid.IsBlock()) return true;
  const bool ok = bValid.Eval(Self()).AsLogical();
  if (!ok) {
    if (const auto owner = Container()) owner->nLastKey = 0;
  }
  return ok;
}

std::string TGet::cGenPrg() const {
  auto n3 = [](int n) {
    char digits[16];
    std::snprintf(digits, sizeof digits, "%3d", n);
    return std::string(digits);
  };
  return "\r\n   @ " + n3(nTop) + ", " + n3(nLeft) + " GET oGet SIZE " + n3(nRight - nLeft) + ", " +
         n3(nBottom - nTop) + " PIXEL OF oWnd \r\n";
}

rt::Value TGet::ReSize(long nSizeType, long nWidth, long nHeight) {
  if (lDrag) Refresh();
  return TControl::ReSize(nSizeType, nWidth, nHeight);
}

void TGet::Move(int top, int left, int width, int height, bool repaint) {
  TControl::Move(top, left, width, height, repaint);
  MOVEGET(hWnd);
}

void MOVEGET(HWND hWnd) {
  RECT client{};
  GetClientRect(hWnd, &client);
  SendMessageA(hWnd, EM_SETRECTNP, 0, reinterpret_cast<LPARAM>(&client));
}

LRESULT TGet::Native(UINT nMsg, WPARAM nWParam, LPARAM nLParam) {
  return nOldProc ? CallWindowProcA(nOldProc, hWnd, nMsg, nWParam, nLParam) : 0;
}

rt::Value TGet::HandleEvent(UINT nMsg, WPARAM nWParam, LPARAM nLParam) {
  if (nMsg == WM_KEYUP) return KeyUp(static_cast<long>(nWParam), static_cast<long>(nLParam));
  return TControl::HandleEvent(nMsg, nWParam, nLParam);
}

}  // namespace controls
