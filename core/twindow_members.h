#pragma once
// The base window's data members and event methods, each listed once. The
// class declares its members from these lists, describes them by name from
// the same lists (send by name, persistence, the designer), and Destroy
// releases the hooks and owned objects by them, so that a member added here
// is declared, named and released together.
//
// Each list takes a macro X applied to every entry.

// The user's event hooks (code blocks). Destroy drops them: a hook that
// names its window would keep the window alive for ever.
#define VD_TWINDOW_HOOKS(X)                                                                                          \
  X(bInit) X(bMoved) X(bLClicked) X(bLButtonUp) X(bKeyDown) X(bPainted) X(bMButtonDown) X(bMButtonUp) X(bRClicked) \
  X(bRButtonUp) X(bResized) X(bLDblClick) X(bWhen) X(bValid) X(bKeyChar) X(bMMoved) X(bGotFocus) X(bLostFocus)    \
  X(bDropFiles) X(bDdeInit) X(bDdeExecute) X(bCommNotify) X(bMenuSelect) X(bZip) X(bUnZip) X(bDropOver) X(bCopy)  \
  X(bCut) X(bFind) X(bPaste) X(bPrint) X(bUnDo) X(bReDo) X(bDelete) X(bSelectAll) X(bFindNext) X(bReplace)       \
  X(bProperties) X(bSocket) X(bTaskBar) X(bEraseBkGnd) X(OnClick) X(OnMouseMove) X(OnKeyDown) X(OnMove)          \
  X(OnPaint) X(OnResize) X(cToolTip)

// Menus, bars, scroll bars, docked children and the control under focus:
// objects of later layers that the window owns and that may hold the window
// as their owner. Destroy drops them too.
#define VD_TWINDOW_OWNED(X)                                                                                           \
  X(oMenu) X(oSysMenu) X(oPopup) X(oMsgBar) X(oBar) X(oVScroll) X(oHScroll) X(oCtlFocus) X(oTop) X(oLeft) X(oBottom) \
  X(oRight) X(oClient) X(aMinMaxInfo)

// Values that stay readable after Destroy: they hold no cycle the window
// made itself (oIcon: an icon object, whose hIcon is drawn, or an icon
// handle as a number; aControls is emptied by Destroy).
#define VD_TWINDOW_VALUES(X) \
  X(cVarName) X(cMsg) X(Cargo) X(nResult) X(nHelpId) X(aControls) X(oIcon) X(oWnd) X(oDragCursor)

#define VD_TWINDOW_FLAGS(X) \
  X(lActive, true) X(lCancel, false) X(lFocused, false) X(lVisible, false) X(lDesign, false) X(lVbx, false) \
  X(lValidating, false)

#define VD_TWINDOW_NUMBERS(X) X(nId) X(nStyle) X(nChrHeight) X(nChrWidth) X(nLastKey) X(nClrPane) X(nClrText)

// The event methods the dispatcher calls, with their parameters; sent by
// name, their arguments are read by position. NcPaint is for classes that
// draw their own frame (NIL leaves it to the system); VbxFireEvent is an
// event of a VBX control, which a window never hosts (NIL).
#define VD_TWINDOW_EVENTS(X)                                                                   \
  X(AsyncSelect, (LPARAM nWParam, LPARAM nLParam))                                             \
  X(BeginPaint, ())                                                                            \
  X(Close, (LPARAM nWParam))                                                                   \
  X(Command, (LPARAM nWParam, LPARAM nLParam))                                                 \
  X(CommNotify, (LPARAM nWParam, LPARAM nLParam))                                              \
  X(CtlColor, (LPARAM hWndChild, LPARAM hDCChild))                                             \
  X(DdeAck, (LPARAM nWParam, LPARAM nLParam))                                                  \
  X(DdeExecute, (LPARAM nWParam, LPARAM nLParam))                                              \
  X(DdeInitiate, (LPARAM nWParam, long nLow, long nHigh))                                      \
  X(DdeTerminate, (LPARAM nWParam, LPARAM nLParam))                                            \
  X(Destroy, ())                                                                               \
  X(DrawItem, (LPARAM nWParam, LPARAM nLParam))                                                \
  X(DropFiles, (LPARAM hDrop))                                                                 \
  X(DropOver, (long nRow, long nCol, LPARAM nKeyFlags))                                        \
  X(EndPaint, ())                                                                              \
  X(EraseBkGnd, (LPARAM hDC))                                                                  \
  X(GetDlgCode, (LPARAM nWParam))                                                              \
  X(GetMinMaxInfo, (LPARAM pMinMaxInfo))                                                       \
  X(GotFocus, (LPARAM hWndLosing))                                                             \
  X(HelpF1, ())                                                                                \
  X(HScroll, (LPARAM nWParam, LPARAM nLParam))                                                 \
  X(InitMenuPopup, (LPARAM hMenu, long nPos, bool lSysMenu))                                   \
  X(KeyChar, (long nKey, long nFlags))                                                         \
  X(KeyDown, (long nKey, long nFlags))                                                         \
  X(LButtonDown, (long nRow, long nCol, long nFlags))                                          \
  X(LButtonUp, (long nRow, long nCol, long nFlags))                                            \
  X(LDblClick, (long nRow, long nCol, long nFlags))                                            \
  X(LostFocus, (LPARAM hWndGetting))                                                           \
  X(MButtonDown, (long nRow, long nCol, long nFlags))                                          \
  X(MButtonUp, (long nRow, long nCol, long nFlags))                                            \
  X(MeasureItem, (LPARAM nWParam, LPARAM nLParam))                                             \
  X(MenuChar, (long nKey, long nFlags, LPARAM hMenu))                                          \
  X(MenuSelect, (long nItem, long nFlags, LPARAM hMenu))                                       \
  X(MouseMove, (long nRow, long nCol, long nFlags))                                            \
  X(MouseWheel, (long nKeys, long nDelta, long nX, long nY))                                   \
  X(NcPaint, (LPARAM hRgn))                                                                    \
  X(Moved, (LPARAM nWParam, long nX, long nY))                                                 \
  X(NcActivate, (bool lActive))                                                                \
  X(NcMouseMove, (long nHitTest, long nRow, long nCol))                                        \
  X(Notify, (LPARAM nIdCtrl, LPARAM pNMHDR))                                                   \
  X(Paint, ())                                                                                 \
  X(PaletteChanged, (LPARAM hWndChanging))                                                     \
  X(QueryDragIcon, ())                                                                         \
  X(QueryEndSession, ())                                                                       \
  X(QueryNewPalette, ())                                                                       \
  X(RButtonDown, (long nRow, long nCol, long nFlags))                                          \
  X(RButtonUp, (long nRow, long nCol, long nFlags))                                            \
  X(ReSize, (long nSizeType, long nWidth, long nHeight))                                       \
  X(SysCommand, (LPARAM nWParam, LPARAM nLParam))                                              \
  X(TaskBar, (LPARAM nWParam, LPARAM nLParam))                                                 \
  X(Timer, (LPARAM nWParam, LPARAM nLParam))                                                   \
  X(VScroll, (LPARAM nWParam, LPARAM nLParam))                                                 \
  X(VbxFireEvent, (LPARAM pEventInfo))
