#include "controls/tbtnbmp.h"

#include <utility>

#include <array>
#include <string_view>

#include "controls/control_owner.h"
#include "controls/processing_guard.h"
#include "core/send_soft.h"
#include "graphics/class_names.h"
#include "graphics/colour.h"
#include "graphics/palette_bitmap.h"
#include "services/int32.h"
#include "services/msgbox.h"

namespace controls {

namespace {

constexpr std::array<std::string_view, 4> kLayouts{"TOP", "LEFT", "BOTTOM", "RIGHT"};

std::string TextOr(const rt::Value& v, const std::string& s = {}) { return v.IsString() ? v.AsString() : s; }

// Containers whose buttons are not tab stops: the bar and its kin.
bool InBarLike(const std::shared_ptr<core::TWindow>& owner) {
  if (!owner) return false;
  const std::string& name = owner->ClassName();
  return name == vdclass::kBar || name == vdclass::kOutlook || name == vdclass::kXBrowse;
}

}  // namespace

int LayoutOf(const rt::Value& word) {
  if (!word.IsString()) return 0;
  for (std::size_t i = 0; i < kLayouts.size(); ++i) {
    if (word.AsString() == kLayouts[i]) return static_cast<int>(i) + 1;
  }
  return 0;
}

TBtnBmp& TBtnBmp::New(const BtnBmpArgs& a) {
  oWnd = OwnerOr(a.oWnd);
  const auto owner = Container();
  const int top = static_cast<int>(NumOr(a.nTop, 0)), left = static_cast<int>(NumOr(a.nLeft, 0));
  nTop = top;
  nLeft = left;
  nBottom = top + static_cast<int>(NumOr(a.nHeight, 20)) - 1;
  nRight = left + static_cast<int>(NumOr(a.nWidth, 20)) - 1;
  bAction = a.bAction;
  cMsg = a.cMsg.IsNil() ? rt::Value(" ") : a.cMsg;
  bWhen = a.bWhen;
  lAdjust = rt::IsTrue(a.lAdjust);
  lUpdate = rt::IsTrue(a.lUpdate);
  cCaption = TextOr(a.cCaption);
  KeepFont(a.oFont.As<gfx::TFont>());
  lBorder = a.lBorder.IsLogical() ? a.lBorder.AsLogical() : true;
  nLayout = LayoutOf(a.cLayout.IsNil() ? rt::Value("CENTER") : a.cLayout);
  const bool barLike = InBarLike(owner);
  nStyle = WS_CHILD | WS_VISIBLE | (lBorder ? WS_BORDER : 0) | (lBorder && !barLike ? WS_TABSTOP : 0);
  l97Look = !lBorder;
  nClrPane = gfx::GETSYSCOLOR(COLOR_BTNFACE);
  nClrText = gfx::GETSYSCOLOR(COLOR_BTNTEXT);
  nDlgCode = owner && owner->ClassName() == vdclass::kBar ? rt::Value() : rt::Value(DLGC_WANTALLKEYS);
  Register(CS_VREDRAW | CS_HREDRAW);
  if (owner && owner->hWnd) {
    nId = GetNewId();
    Create();
    SetColor(rt::Value(nClrText), rt::Value(nClrPane));
    owner->AddControl(Self());
  } else {
    core::Ask(oWnd, "DefControl", Self());
  }
  LoadBitmaps(a.cResName1, a.cResName2, TextOr(a.cBmpFile1), TextOr(a.cBmpFile2), a.cResName3, TextOr(a.cBmpFile3));
  return *this;
}

TBtnBmp& TBtnBmp::NewBar(const BtnBmpBarArgs& a) {
  const rt::Value& bar = a.oBar;
  oWnd = bar;
  lGroup = rt::IsTrue(a.lGroup);
  const rt::Value pos = a.nPos;
  const bool threeD = core::Ask(bar, "l3D").AsLogical();
  const bool dropDown = a.oPopup.IsObject();
  const int top = static_cast<int>(core::Ask(bar, "GetBtnTop", lGroup, pos).AsInt());
  const int left = static_cast<int>(core::Ask(bar, "GetBtnLeft", lGroup, pos).AsInt());
  nTop = top;
  nLeft = left;
  nBottom = top + static_cast<int>(core::Ask(bar, "nBtnHeight").AsInt()) + 1 - (threeD ? 7 : 0);
  nRight = left + static_cast<int>(core::Ask(bar, "nBtnWidth").AsInt()) - (threeD ? 2 : 0) +
           (dropDown ? kDropDownWidth : 0);
  cMsg = a.cMsg.IsNil() ? rt::Value("") : a.cMsg;
  bAction = a.bAction;
  lAdjust = rt::IsTrue(a.lAdjust);
  bWhen = a.bWhen;
  cToolTip = a.cToolTip;
  lPressed = lBtnDown = rt::IsTrue(a.lPressed);
  bDropOver = a.bDropOver;
  cAction = TextOr(a.cAction);
  cCaption = TextOr(a.cCaption);
  KeepFont(a.oFont.As<gfx::TFont>());
  lBorder = a.lBorder.IsLogical() ? a.lBorder.AsLogical() : true;
  l97Look = !lBorder;
  oPopup = a.oPopup;
  nLayout = LayoutOf(a.cLayout.IsNil() ? rt::Value("CENTER") : a.cLayout);
  nStyle = (lBorder ? WS_BORDER : 0) | WS_CHILD | WS_VISIBLE;
  oCursor = core::Ask(bar, "oCursor").As<gfx::TCursor>();
  nClrPane = gfx::GETSYSCOLOR(COLOR_BTNFACE);
  nClrText = gfx::GETSYSCOLOR(COLOR_BTNTEXT);
  Register(CS_VREDRAW | CS_HREDRAW);
  nId = GetNewId();
  Create();
  core::Ask(bar, "Add", Self(), pos);
  SetColor(rt::Value(nClrText), rt::Value(nClrPane));
  LoadBitmaps(a.cResName1, a.cResName2, TextOr(a.cBmpFile1), TextOr(a.cBmpFile2), a.cResName3, TextOr(a.cBmpFile3));
  if (bWhen.IsBlock() && !lWhen()) Disable();
  return *this;
}

TBtnBmp& TBtnBmp::ReDefine(const BtnBmpRedefineArgs& a) {
  oWnd = OwnerOr(a.oWnd);
  nId = a.nId.IsNumber() ? svc::ToInt32(a.nId) : GetNewId();
  cMsg = a.cMsg.IsNil() ? rt::Value("") : a.cMsg;
  bAction = a.bAction;
  lAdjust = rt::IsTrue(a.lAdjust);
  bWhen = a.bWhen;
  lUpdate = rt::IsTrue(a.lUpdate);
  cToolTip = a.cToolTip;
  cCaption = TextOr(a.cCaption);
  KeepFont(a.oFont.As<gfx::TFont>());
  lBorder = a.lBorder.IsLogical() ? a.lBorder.AsLogical() : true;
  l97Look = !lBorder;
  nLayout = LayoutOf(a.cLayout.IsNil() ? rt::Value("CENTER") : a.cLayout);
  nDlgCode = rt::Value(DLGC_WANTALLKEYS);
  nClrPane = gfx::GETSYSCOLOR(COLOR_BTNFACE);
  nClrText = gfx::GETSYSCOLOR(COLOR_BTNTEXT);
  Register(CS_VREDRAW | CS_HREDRAW);
  core::Ask(oWnd, "DefControl", Self());
  LoadBitmaps(a.cResName1, a.cResName2, TextOr(a.cBmpFile1), TextOr(a.cBmpFile2), a.cResName3, TextOr(a.cBmpFile3));
  return *this;
}

void TBtnBmp::Initiate(HWND hDlg) {
  SetColor(rt::Value(nClrText), rt::Value(nClrPane));
  TControl::Initiate(hDlg);
}

void TBtnBmp::LoadBitmaps(const rt::Value& res1, const rt::Value& res2, const std::string& file1,
                          const std::string& file2, const rt::Value& res3, const std::string& file3) {
  const HDC dc = ::GetDC(hWnd);
  // One picture per slot: an existing file wins over a resource of the same
  // slot, which is then not loaded at all.
  auto load = [dc](Picture& picture, std::string& resName, std::string& bmpFile, const rt::Value& res,
                   const std::string& file) {
    resName = res.IsString() ? res.AsString() : std::string();
    picture = PictureFromFile(dc, file);
    if (picture.bitmap) {
      bmpFile = file;
    } else {
      picture = PictureFromResource(res);
    }
  };
  load(picture1, cResName1, cBmpFile1, res1, file1);
  load(picture2, cResName2, cBmpFile2, res2, file2);
  load(picture3, cResName3, cBmpFile3, res3, file3);
  ::ReleaseDC(hWnd, dc);
  for (const Picture& p : {picture1, picture2, picture3}) {
    if (p.bitmap) gfx::PALBMPNEW(hWnd, p.bitmap, p.palette);
  }
}

void TBtnBmp::FreeBitmaps() {
  FreePicture(picture1);
  FreePicture(picture2);
  FreePicture(picture3);
}

void TBtnBmp::SetFile(const std::string& file1, const std::string& file2) {
  FreeBitmaps();
  LoadBitmaps({}, {}, file1, file2);
  Repaint();
}

rt::Value TBtnBmp::Click() {
  if (bWhen.IsBlock() && !lWhen()) {
    svc::MSGBEEP();
    return {};
  }
  if (lProcessing) return {};
  const std::shared_ptr<Object> keep = shared_from_this();
  ProcessingGuard guard(lProcessing);
  if (bAction.IsBlock()) bAction.Eval(Self());
  TControl::Click();
  return {};
}

void TBtnBmp::Disable() {
  TControl::Disable();
  Repaint();
}

void TBtnBmp::Enable() {
  TControl::Enable();
  Repaint();
}

void TBtnBmp::GoUp() {
  lPressed = lBtnDown = false;
  Repaint();
}

void TBtnBmp::GoDown() {
  lPressed = lBtnDown = true;
  Repaint();
}

void TBtnBmp::ResetBorder() {
  lBorder = false;
  Repaint();
}

void TBtnBmp::Toggle() {
  lBtnDown = !lBtnDown;
  lPressed = lBtnDown;
  Repaint();
}

void TBtnBmp::Repaint() {
  if (hWnd) InvalidateRect(hWnd, nullptr, FALSE);
}

rt::Value TBtnBmp::KeyChar(long nKey, long nFlags) {
  if (nKey == VK_RETURN || nKey == VK_SPACE) {
    Click();
    return rt::Value(0);
  }
  return TControl::KeyChar(nKey, nFlags);
}

rt::Value TBtnBmp::KeyDown(long nKey, long nFlags) {
  if (const auto owner = Container()) {
    if (nKey == VK_UP || nKey == VK_LEFT) owner->GoPrevCtrl(hWnd);
    if (nKey == VK_DOWN || nKey == VK_RIGHT) owner->GoNextCtrl(hWnd);
  }
  return TControl::KeyDown(nKey, nFlags);
}

rt::Value TBtnBmp::GotFocus(LPARAM hWndLost) {
  const rt::Value result = TControl::GotFocus(hWndLost);
  Repaint();
  return result;
}

rt::Value TBtnBmp::LostFocus(LPARAM hWndNew) {
  if (l97Look && !lCaptured && GetCapture() == hWnd) {
    ReleaseCapture();
    lBorder = false;
  }
  const rt::Value result = TControl::LostFocus(hWndNew);
  Repaint();
  return result;
}

rt::Value TBtnBmp::Destroy() {
  FreeBitmaps();
  core::Ask(std::exchange(oPopup, rt::Value()), "End");
  TControl::Destroy();
  return rt::Value(0);
}

std::string TBtnBmp::cGenPRG() const {
  return "\r\n\r\n   DEFINE BTNBMP OF oBar ACTION MsgInfo( \"Not defined yet\" )";
}

}  // namespace controls
