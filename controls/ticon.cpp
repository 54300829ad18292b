#include "controls/ticon.h"

#include "controls/control_owner.h"
#include "core/send_soft.h"
#include "graphics/icons.h"
#include "runtime/files.h"
#include "services/resources.h"

namespace controls {

namespace {

constexpr int kIconSize = 32;

// The answer of the system for a file that holds no icons.
HICON ExtractedIcon(const std::string& file) {
  const HICON icon = gfx::EXTRACTICON(file, 0);
  return reinterpret_cast<std::intptr_t>(icon) <= 1 ? nullptr : icon;
}

}  // namespace

void TIcon::Load() {
  if (hIcon) gfx::DESTROYICON(std::exchange(hIcon, nullptr));
  if (!cIcoFile.empty()) hIcon = ExtractedIcon(cIcoFile);
  // A resource given together with a file wins.
  if (!cResName.empty()) {
    if (const HICON fromResource =
            gfx::LOADICON(reinterpret_cast<HINSTANCE>(svc::GETRESOURCES()), rt::Value(cResName))) {
      if (hIcon) gfx::DESTROYICON(hIcon);
      hIcon = fromResource;
    }
  }
}

TIcon& TIcon::New(const IconArgs& a) {
  oWnd = a.oWnd;
  nTop = static_cast<int>(a.nRow.AsNumber()) * 14;
  nLeft = static_cast<int>(a.nCol.AsNumber()) * 8;
  nBottom = nTop + kIconSize;
  nRight = nLeft + kIconSize;
  nStyle = WS_CHILD | WS_VISIBLE;
  if (a.lBorder.IsLogical() && a.lBorder.AsLogical()) nStyle |= WS_BORDER;
  bLClicked = a.bLClicked;
  lUpdate = a.lUpdate.IsLogical() && a.lUpdate.AsLogical();
  bWhen = a.bWhen;
  cResName = a.cResName.IsString() ? a.cResName.AsString() : std::string();
  cIcoFile = a.cIcoFile.IsString() ? a.cIcoFile.AsString() : std::string();
  const auto owner = Container();
  if (owner) {
    SetColor(a.nClrFore.IsNil() ? rt::Value(owner->nClrText) : a.nClrFore,
             a.nClrBack.IsNil() ? rt::Value(owner->nClrPane) : a.nClrBack);
    Register(CS_VREDRAW | CS_HREDRAW);
    Place(*this, "");
  }
  Load();
  if (hWnd) InvalidateRect(hWnd, nullptr, TRUE);
  return *this;
}

TIcon& TIcon::ReDefine(long id, const std::string& resName, const std::string& icoFile, const rt::Value& click,
                       bool update, const rt::Value& owner, const rt::Value& when) {
  nId = id;
  cResName = resName;
  cIcoFile = icoFile;
  bLClicked = click;
  lUpdate = update;
  bWhen = when;
  oWnd = OwnerOr(owner);
  Register(CS_VREDRAW | CS_HREDRAW);
  core::Ask(oWnd, "DefControl", Self());
  return *this;
}

void TIcon::Initiate(HWND hDlg) {
  TControl::Initiate(hDlg);
  Load();
}

void TIcon::SetName(const std::string& cName) {
  if (cName.empty()) return;
  cResName = cName;
  cIcoFile.clear();
  Load();
  if (hWnd) InvalidateRect(hWnd, nullptr, TRUE);
}

void TIcon::SetFile(const std::string& cFile) {
  if (cFile.empty() || !rt::FileExists(cFile)) return;
  cIcoFile = cFile;
  cResName.clear();
  Load();
  if (hWnd) InvalidateRect(hWnd, nullptr, TRUE);
}

bool TIcon::End() {
  if (!hWnd) {
    Destroy();
    return true;
  }
  return TControl::End();
}

rt::Value TIcon::Paint() {
  if (hIcon) gfx::DRAWICON(hDC, 0, 0, hIcon);
  return {};
}

rt::Value TIcon::Display() {
  BeginPaint();
  Paint();
  EndPaint();
  return rt::Value(0);
}

rt::Value TIcon::Destroy() {
  if (hIcon) gfx::DESTROYICON(std::exchange(hIcon, nullptr));
  return TControl::Destroy();
}

rt::Value TIcon::HandleEvent(UINT nMsg, WPARAM nWParam, LPARAM nLParam) {
  if (nMsg == WM_NCHITTEST) return rt::Value(static_cast<long>(DefWindowProcA(hWnd, nMsg, nWParam, nLParam)));
  return TControl::HandleEvent(nMsg, nWParam, nLParam);
}

}  // namespace controls
