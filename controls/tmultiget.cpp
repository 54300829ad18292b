#include "controls/tmultiget.h"

#include <algorithm>
#include <cmath>

#include "controls/control_owner.h"
#include "controls/edit_selection.h"
#include "controls/tget.h"
#include "core/send_soft.h"
#include "core/tclipboard.h"
#include "core/tdlg_find.h"
#include "core/window_text.h"
#include "graphics/class_names.h"
#include "graphics/colour.h"
#include "runtime/files.h"
#include "runtime/strings.h"
#include "runtime/value_text.h"
#include "services/int32.h"
#include "services/msgbox.h"

namespace controls {

namespace {

rt::Value OwnText() {
  auto text = std::make_shared<rt::Value>(std::string());
  return rt::Value::Block([text](rt::Args a) {
    if (!a.empty()) *text = a[0];
    return *text;
  });
}

// The text a value shows: up to a NUL byte, which the window cannot hold.
std::string Shown(const rt::Value& u) {
  const std::string text = rt::CVALTOCHAR(u);
  return text.substr(0, text.find('\0'));
}

}  // namespace

TMultiGet& TMultiGet::New(const MultiGetArgs& a) {
  oWnd = OwnerOr(a.oWnd);
  bSetGet = a.bSetGet.IsBlock() ? a.bSetGet : OwnText();
  KeepFont(a.oFont.As<gfx::TFont>());
  oCursor = a.oCursor.As<gfx::TCursor>();
  cMsg = a.cMsg;
  lUpdate = rt::IsTrue(a.lUpdate);
  bWhen = a.bWhen;
  bValid = a.bValid;
  bChange = a.bChange;
  lReadOnly = rt::IsTrue(a.lReadOnly);
  lDrag = rt::IsTrue(a.lDesign);
  cCaption = rt::RTRIM(Shown(VarGet()));
  SetColor(rt::Value(a.nClrFore.IsNil() ? gfx::GETSYSCOLOR(COLOR_WINDOWTEXT) : svc::ToInt32(a.nClrFore)),
           rt::Value(a.nClrBack.IsNil() ? gfx::GETSYSCOLOR(COLOR_WINDOW) : svc::ToInt32(a.nClrBack)));
  int top = static_cast<int>(svc::ToInt32(a.nRow)), left = static_cast<int>(svc::ToInt32(a.nCol));
  if (!rt::IsTrue(a.lPixel)) {
    top *= 13;
    left *= 8;
  }
  nTop = top;
  nLeft = left;
  nBottom = top + (a.nHeight.IsNumber() ? static_cast<int>(svc::ToInt32(a.nHeight)) : 11);
  nRight = left + (a.nWidth.IsNumber() ? static_cast<int>(svc::ToInt32(a.nWidth))
                                       : static_cast<int>(static_cast<double>(cCaption.size()) * 3.5));
  nStyle = WS_CHILD | WS_VISIBLE | ES_WANTRETURN | ES_MULTILINE;
  if (!lReadOnly) nStyle |= WS_TABSTOP;
  if (!rt::IsTrue(a.lNoBorder)) nStyle |= WS_BORDER;
  if (!rt::IsTrue(a.lNoVScroll)) nStyle |= WS_VSCROLL;
  if (lDrag) nStyle |= WS_CLIPSIBLINGS;
  if (rt::IsTrue(a.lHScroll)) nStyle |= WS_HSCROLL;
  if (rt::IsTrue(a.lCenter)) nStyle |= ES_CENTER;
  else if (rt::IsTrue(a.lRight)) nStyle |= ES_RIGHT;
  // The text goes in once the edit's limit is raised: a long one would make
  // the window fail at its creation.
  cCaption.clear();
  Place(*this, "EDIT");
  if (oFont && hWnd) PostMessageA(hWnd, WM_SETFONT, reinterpret_cast<WPARAM>(oFont->hFont), 0);
  if (lDrag) CheckDots();
  return *this;
}

TMultiGet& TMultiGet::ReDefine(const MultiGetRedefineArgs& a) {
  oWnd = OwnerOr(a.oWnd);
  nId = svc::ToInt32(a.nId);
  bSetGet = a.bSetGet.IsBlock() ? a.bSetGet : OwnText();
  nHelpId = a.nHelpId;
  SetColor(rt::Value(a.nClrFore.IsNil() ? gfx::GETSYSCOLOR(COLOR_WINDOWTEXT) : svc::ToInt32(a.nClrFore)),
           rt::Value(a.nClrBack.IsNil() ? gfx::GETSYSCOLOR(COLOR_WINDOW) : svc::ToInt32(a.nClrBack)));
  KeepFont(a.oFont.As<gfx::TFont>());
  oCursor = a.oCursor.As<gfx::TCursor>();
  cMsg = a.cMsg;
  lUpdate = rt::IsTrue(a.lUpdate);
  bWhen = a.bWhen;
  lReadOnly = rt::IsTrue(a.lReadOnly);
  bValid = a.bValid;
  bChange = a.bChange;
  nPos = 0;
  core::Ask(oWnd, "DefControl", Self());
  return *this;
}

void TMultiGet::Limit() {
  // Texts far beyond the edit's default of 32767 characters stay editable.
  if (hWnd) SendMessageA(hWnd, EM_LIMITTEXT, 0, 0);
}

void TMultiGet::Initiate(HWND hDlg) {
  TControl::Initiate(hDlg);
  if (!hWnd) return;
  Limit();
  SetWindowTextA(hWnd, Shown(VarGet()).c_str());
  Default();
}

void TMultiGet::Default() {
  Limit();
  if (!oFont) {
    if (const auto owner = Container()) {
      if (!owner->oFont) owner->GetFont();
      KeepFont(owner->oFont);
    }
  }
  if (oFont && hWnd) SendMessageA(hWnd, WM_SETFONT, reinterpret_cast<WPARAM>(oFont->hFont), 0);
  if (hWnd && GetText() != Shown(VarGet())) SetWindowTextA(hWnd, Shown(VarGet()).c_str());
}

rt::Value TMultiGet::Destroy() {
  hHeap = 0;
  return TControl::Destroy();
}

void TMultiGet::Store() {
  const rt::Value value = VarGet();
  std::string text = GetText();
  // A value with a NUL byte shows only its part before it; the tail the
  // window never held is kept.
  if (value.IsString()) {
    const std::size_t nul = value.AsString().find('\0');
    if (nul != std::string::npos) text += value.AsString().substr(nul);
  }
  if (!(value.IsString() && value.AsString() == text)) VarPut(rt::Value(text));
}

void TMultiGet::Changed(const rt::Value& nKey, const rt::Value& nFlags) {
  if (bChange.IsBlock()) bChange.Eval(nKey, nFlags, Self());
}

LRESULT TMultiGet::Native(UINT nMsg, WPARAM nWParam, LPARAM nLParam) {
  return nOldProc ? CallWindowProcA(nOldProc, hWnd, nMsg, nWParam, nLParam) : SendMessageA(hWnd, nMsg, nWParam, nLParam);
}

void TMultiGet::cText(const std::string& text) {
  SetWindowTextA(hWnd, text.c_str());
  VarPut(rt::Value(text));
}

void TMultiGet::Refresh() { SetWindowTextA(hWnd, Shown(VarGet()).c_str()); }

long TMultiGet::Len() const { return core::GETWINTXTLENGHT(hWnd); }

void TMultiGet::Replace(const std::string& text) {
  core::MGETREPLACE(hWnd, text);
  Store();
}

void TMultiGet::Append(const std::string& text) {
  const long end = Len();
  SendMessageA(hWnd, EM_SETSEL, static_cast<WPARAM>(end), end);
  Replace(text);
}

bool TMultiGet::SaveToFile(const std::string& cFile) const { return rt::MEMOWRIT(cFile, GetText()); }

rt::Value TMultiGet::UnDo() {
  SendMessageA(hWnd, EM_UNDO, 0, 0);
  Store();
  return {};
}

long TMultiGet::GetLineCount() const { return static_cast<long>(SendMessageA(hWnd, EM_GETLINECOUNT, 0, 0)); }

long TMultiGet::LineIndex(long nLine) const {
  return static_cast<long>(SendMessageA(hWnd, EM_LINEINDEX, static_cast<WPARAM>(nLine), 0));
}

std::string TMultiGet::GetLine(long nLine) const { return core::MGETLINE(hWnd, nLine); }

long TMultiGet::GetRow() const {
  long start = 0, end = 0;
  GetSelPos(start, end);
  return static_cast<long>(SendMessageA(hWnd, EM_LINEFROMCHAR, static_cast<WPARAM>(start), 0)) + 1;
}

long TMultiGet::GetCol() const {
  long start = 0, end = 0;
  GetSelPos(start, end);
  return start - LineIndex(GetRow() - 1) + 1;
}

void TMultiGet::GoTo(long nLine) {
  // Lines count from 1 here, as GetRow and the "Go To" dialog count them.
  const long line = std::clamp(nLine, 1L, std::max(1L, GetLineCount()));
  const long at = LineIndex(line - 1);
  SetPos(std::max(0L, at) + 1);
  SendMessageA(hWnd, EM_SCROLLCARET, 0, 0);
}

void TMultiGet::GoBottom() { SetPos(static_cast<long>(rt::TRIM(GetText()).size()) + 1); }

void TMultiGet::DelLine(long nRow) {
  if (nRow < 1) nRow = GetRow();
  const long start = LineIndex(nRow - 1);
  if (start < 0) return;
  long end = LineIndex(nRow);
  if (end < 0) end = Len();
  SendMessageA(hWnd, EM_SETSEL, static_cast<WPARAM>(start), end);
  SendMessageA(hWnd, WM_CUT, 0, 0);
  Store();
  Changed({}, {});
}

std::string TMultiGet::GetSel() const { return EditSelText(hWnd); }

void TMultiGet::GetSelPos(long& nStart, long& nEnd) const { EditSelPos(hWnd, nStart, nEnd); }

void TMultiGet::SetPos(long nStart, long nEnd) {
  if (nEnd < 0) nEnd = nStart;
  SendMessageA(hWnd, EM_SETSEL, static_cast<WPARAM>(std::max(0L, nStart - 1)), std::max(0L, nEnd - 1));
  nPos = nStart;
}

void TMultiGet::SetSel(long nStart, long nEnd) {
  SendMessageA(hWnd, EM_SETSEL, static_cast<WPARAM>(nStart), nEnd);
  nPos = nStart;
}

rt::Value TMultiGet::Find() { return core::DLGFINDTEXT(GetSel(), Self()); }

rt::Value TMultiGet::Copy() {
  CopyToClipboard(GetSel(), Self());
  return {};
}

rt::Value TMultiGet::Cut() {
  if (lReadOnly) {
    svc::MSGALERT("The get is read only!", "Can't cut");
    return {};
  }
  SendMessageA(hWnd, WM_CUT, 0, 0);
  Store();
  Changed({}, {});
  return {};
}

rt::Value TMultiGet::Del() {
  if (lReadOnly) {
    svc::MSGALERT("The get is read only!", "Can't delete");
    return {};
  }
  SendMessageA(hWnd, WM_CLEAR, 0, 0);
  Store();
  Changed({}, {});
  return {};
}

rt::Value TMultiGet::Paste(const rt::Value& cText) {
  if (lReadOnly) return {};
  if (cText.IsString()) {
    auto clip = std::make_shared<core::TClipBoard>();
    clip->New(CF_TEXT, Self());
    clip->SetText(cText.AsString());
  }
  SendMessageA(hWnd, WM_PASTE, 0, 0);
  Store();
  Changed({}, {});
  return {};
}

void TMultiGet::Move(int top, int left, int width, int height, bool repaint) {
  TControl::Move(top, left, width, height, repaint);
  MOVEGET(hWnd);
}

void TMultiGet::SetCoors(const gfx::TRect& rect) {
  TControl::SetCoors(rect);
  MOVEGET(hWnd);
}

void TMultiGet::AdjClient() {
  TControl::AdjClient();
  MOVEGET(hWnd);
}

}  // namespace controls
