#pragma once
// The system's dialog functions for TDialog, with the two dialog procedures
// that hand every message to the dialog object's HandleEvent.
//
// A modal dialog is found through a stack of dialogs under creation (at most
// 50 nested): the entry pushed by DIALOGBOX is bound to the window of the
// first message for an unknown window. A modeless dialog is the object of
// the running CREATEDLG call, and only until Initiate has linked it: from
// then on its messages come through its entry point.

#include <windows.h>

#include <string>

#include "runtime/value.h"

namespace core {

class TDialog;

inline constexpr int kModalNesting = 50;
// What the modal functions answer when the dialog could not be created.
inline constexpr long kDialogFailed = 65535;

// cResName is a name (text) or an id (number). The result of ENDDIALOG, cut
// to 16 bits; 65535 when the dialog could not be made, or when 50 modal
// dialogs are running already.
long DIALOGBOX(HINSTANCE hInstance, const rt::Value& cResName, HWND hWndOwner, const std::shared_ptr<TDialog>& oDlg);
// An empty template answers 0 at once.
long DIALOGBOXINDIRECT(HINSTANCE hInstance, const std::string& cTemplate, HWND hWndOwner,
                       const std::shared_ptr<TDialog>& oDlg);
bool ENDDIALOG(HWND hDlg, long nResult);
HWND CREATEDLG(HINSTANCE hInstance, const rt::Value& cResName, HWND hWndOwner, const std::shared_ptr<TDialog>& oDlg);
HWND CREATEDLGINDIRECT(HINSTANCE hInstance, const std::string& cTemplate, HWND hWndOwner,
                       const std::shared_ptr<TDialog>& oDlg);

// Low word horizontal, high word vertical.
long GETDLGBASEUNITS();
HWND GETDLGITEM(HWND hDlg, long nId);
HWND NEXTDLGTAB(HWND hDlg, HWND hCtrl, bool lPrevious);

// The VBX host library is not part of the system: each of these reports its
// missing library ("BIVBX10.DLL" and the error code) and answers false.
bool VBXINIT(HINSTANCE hInstance, const std::string& cName);
bool VBXINITDIALOG(HWND hDlg, HINSTANCE hInstance, const rt::Value& cResName);
bool VBXTERM();

}  // namespace core
