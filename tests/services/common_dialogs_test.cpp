#include "services/common_dialogs.h"

#include <gtest/gtest.h>

#include "box_driver.h"
#include "scratch_dir.h"

namespace {

using rt::Value;

// File-name field of the explorer-style and of the old-style dialog.
constexpr int kNameCombo = 1148, kNameEdit = 1152;
// Red edit of the colour dialog; green and blue follow it.
constexpr int kRedEdit = 706;

TEST(CommonDialogsTest, FileDialogCancelIsNoError) {
  BoxDriver driver([](HWND box) { BoxDriver::Click(box, IDCANCEL); });
  EXPECT_EQ(svc::CGETFILE("Tabellen (*.dbf)|*.dbf"), "");
  const SeenBox& seen = driver.Seen();
  ASSERT_TRUE(seen.appeared);
  EXPECT_EQ(seen.caption, "Select the file");
  EXPECT_EQ(svc::COMDLGXERR(), 0);
  EXPECT_EQ(svc::CGETFILE(), "");  // no arguments: no dialog
}

TEST(CommonDialogsTest, FileDialogFailureIsToldFromACancel) {
  // A dialog template is asked for but none is given: the dialog cannot
  // open at all.
  BoxDriver driver([](HWND box) { BoxDriver::Click(box, IDCANCEL); });
  EXPECT_EQ(svc::CGETFILE("Alle|*.*", "", 0, "", false, false, OFN_ENABLETEMPLATE | OFN_EXPLORER), "");
  EXPECT_NE(svc::COMDLGXERR(), 0);
}

TEST(CommonDialogsTest, FileDialogReturnsALongPath) {
  ScratchDir dir;
  std::string path = dir.Path();
  for (const char* sub : {"ein recht langer Verzeichnisname", "noch ein recht langer Verzeichnisname",
                          "und ein dritter Verzeichnisname"}) {
    path += std::string(sub) + "\\";
    ASSERT_TRUE(CreateDirectoryA(path.c_str(), nullptr));
  }
  std::string file = path + "Wörterbuch mit langem Namen.dbf";
  ASSERT_GT(file.size(), 128u);
  dir.Write(file.substr(dir.Path().size()), "x");

  BoxDriver driver([file](HWND box) {
    SetDlgItemTextA(box, kNameCombo, file.c_str());
    SetDlgItemTextA(box, kNameEdit, file.c_str());
    BoxDriver::Click(box, IDOK);
  });
  std::string chosen = svc::CGETFILE("Tabellen|*.dbf|Alle|*.*", "Tabelle wählen", 2, dir.Path(), false, true);
  ASSERT_TRUE(driver.Seen().appeared);
  EXPECT_EQ(driver.Seen().caption, "Tabelle wählen");
  EXPECT_EQ(chosen, file);
}

TEST(CommonDialogsTest, ColourDialogGivesTheChoiceOrKeepsTheColour) {
  {
    BoxDriver driver([](HWND box) { BoxDriver::Click(box, IDCANCEL); });
    EXPECT_EQ(svc::CHOOSECOLOR(0x123456), 0x123456);
    ASSERT_TRUE(driver.Seen().appeared);
  }
  {
    // The full dialog is open: red, green and blue are typed in.
    BoxDriver driver([](HWND box) {
      SetDlgItemTextA(box, kRedEdit, "10");
      SetDlgItemTextA(box, kRedEdit + 1, "20");
      SetDlgItemTextA(box, kRedEdit + 2, "30");
      BoxDriver::Click(box, IDOK);
    });
    EXPECT_EQ(svc::CHOOSECOLOR(0x00FF00), 10 + 20 * 256 + 30 * 65536);
    ASSERT_TRUE(driver.Seen().appeared);
  }
}

// The owner of the find dialog records what the dialog reports.
std::string reported;
UINT findMessage = 0;

LRESULT CALLBACK FindOwnerProc(HWND w, UINT msg, WPARAM wp, LPARAM lp) {
  if (findMessage && msg == findMessage) {
    reported = reinterpret_cast<const FINDREPLACEA*>(lp)->lpstrFindWhat;
    return 0;
  }
  return DefWindowProcA(w, msg, wp, lp);
}

TEST(CommonDialogsTest, FindDialogEditsABufferOfItsOwn) {
  WNDCLASSA wc{};
  wc.lpfnWndProc = FindOwnerProc;
  wc.lpszClassName = "FindOwnerTest";
  RegisterClassA(&wc);
  HWND owner = CreateWindowExA(0, "FindOwnerTest", "Suchen", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 200, 100,
                               nullptr, nullptr, nullptr, nullptr);
  ASSERT_TRUE(owner);

  Value nMsg;
  HWND dlg;
  {
    std::string text = "Haus";
    dlg = svc::FINDTEXT(text, owner, nMsg);
    ASSERT_TRUE(dlg);
    text.assign("zerstört");  // the caller's text goes away: the dialog keeps its own
  }
  EXPECT_EQ(nMsg, Value(static_cast<long>(RegisterWindowMessageA("commdlg_FindReplace"))));
  findMessage = static_cast<UINT>(nMsg.AsInt());
  char shown[64] = {};
  GetDlgItemTextA(dlg, kNameEdit, shown, sizeof shown);
  EXPECT_STREQ(shown, "Haus");

  Value again;
  EXPECT_EQ(svc::FINDTEXT("anders", owner, again), dlg);  // one find dialog at a time

  std::string typed(200, 'w');
  SetDlgItemTextA(dlg, kNameEdit, typed.c_str());
  SendMessageA(dlg, WM_COMMAND, IDOK, 0);
  EXPECT_EQ(reported, typed);
  EXPECT_EQ(svc::FindTextBuffer(), typed);
  DestroyWindow(dlg);
  DestroyWindow(owner);
}

}  // namespace
