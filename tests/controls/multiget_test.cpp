// The memo field in a running dialog: the variable after every kind of edit,
// read-only key handling, its right-click menu, the "Go To" dialog, long
// and odd values; READVAR.
#include <gtest/gtest.h>
#include <windows.h>

#include <atomic>
#include <chrono>
#include <thread>

#include "controls/readvar.h"
#include "controls/tget.h"
#include "controls/tmenu.h"
#include "controls/tmenuitem.h"
#include "controls/tmultiget.h"
#include "core/message_loop.h"
#include "core/tclipboard.h"
#include "owner_window.h"
#include "running_dialog.h"
#include "tests/services/box_driver.h"

namespace {

using controltest::Var;
using controltest::WhileDialogUp;

std::shared_ptr<controls::TMultiGet> Memo(const std::shared_ptr<core::TDialog>& d, const Var& v, bool readOnly = false,
                                          rt::Value bChange = {}) {
  controls::MultiGetArgs a;
  a.nRow = 1;
  a.nCol = 1;
  a.bSetGet = v.Block();
  a.oWnd = rt::Value(d);
  a.nWidth = 200;
  a.nHeight = 80;
  a.lReadOnly = readOnly;
  a.bChange = std::move(bChange);
  auto m = std::make_shared<controls::TMultiGet>();
  m->New(a);
  return m;
}

void SetCtrl(bool down) {
  BYTE keys[256] = {};
  GetKeyboardState(keys);
  keys[VK_CONTROL] = down ? 0x80 : 0;
  SetKeyboardState(keys);
}

void PutClipboard(const std::string& text) {
  auto clip = std::make_shared<core::TClipBoard>();
  clip->New();
  ASSERT_TRUE(clip->SetText(text));
}

TEST(TMultiGet, StyleAndTheVariableAfterEveryEdit) {
  WhileDialogUp([](const std::shared_ptr<core::TDialog>& d) {
    Var v{rt::Value("Haus")};
    int changes = 0;
    auto m = Memo(d, v, false, rt::Value::Block([&changes, &v](rt::Args a) {
                    ++changes;
                    // The variable is stored before the change is reported.
                    EXPECT_EQ(v.v->AsString(), rt::Send(a[2], "cText").AsString());
                    return rt::Value();
                  }));
    EXPECT_EQ(m->nStyle, 0x50A11004);
    EXPECT_EQ(m->cText(), "Haus");
    SetFocus(m->hWnd);
    auto same = [&] { EXPECT_EQ(v.v->AsString(), m->cText()); };
    m->SetPos(5);
    SendMessageA(m->hWnd, WM_CHAR, 'e', 0);
    EXPECT_EQ(m->cText(), "Hause");
    same();
    PutClipboard("!");
    SetCtrl(true);
    SendMessageA(m->hWnd, WM_KEYDOWN, 'V', 0);
    EXPECT_EQ(m->cText(), "Hause!");
    same();
    m->SetSel(0, 1);
    SendMessageA(m->hWnd, WM_KEYDOWN, 'X', 0);
    SetCtrl(false);
    EXPECT_EQ(m->cText(), "ause!");
    same();
    m->SetSel(0, 1);
    SendMessageA(m->hWnd, WM_KEYDOWN, VK_DELETE, 0);
    EXPECT_EQ(m->cText(), "use!");
    same();
    m->SetSel(0, 1);
    m->Cut();
    EXPECT_EQ(m->cText(), "se!");
    same();
    m->Paste(rt::Value("Hau"));
    EXPECT_EQ(m->cText(), "Hause!");
    same();
    m->UnDo();
    same();
    EXPECT_EQ(changes, 6);
  });
}

TEST(TMultiGet, ReadOnlyKeysAndCut) {
  WhileDialogUp([](const std::shared_ptr<core::TDialog>& d) {
    Var v{rt::Value("fest")};
    int changes = 0;
    auto m = Memo(d, v, true, rt::Value::Block([&changes](rt::Args) {
                    ++changes;
                    return rt::Value();
                  }));
    Var o{rt::Value("")};
    auto next = Memo(d, o);
    EXPECT_FALSE(m->nStyle & WS_TABSTOP);
    EXPECT_FALSE(GetWindowLongA(m->hWnd, GWL_STYLE) & ES_READONLY);
    SetFocus(m->hWnd);
    SendMessageA(m->hWnd, WM_CHAR, 'x', 0);
    SendMessageA(m->hWnd, WM_KEYDOWN, VK_DELETE, 0);
    EXPECT_EQ(m->cText(), "fest");
    EXPECT_EQ(changes, 0);
    SendMessageA(m->hWnd, WM_CHAR, VK_RETURN, 0);
    EXPECT_EQ(GetFocus(), next->hWnd) << "Enter moves on";
    m->SelectAll();
    BoxDriver driver([](HWND box) { BoxDriver::PressEnter(box); });
    m->Cut();
    const SeenBox& seen = driver.Seen();
    EXPECT_EQ(seen.caption, "Can't cut");
    EXPECT_NE(seen.Joined().find("The get is read only!"), std::string::npos);
    EXPECT_EQ(m->cText(), "fest");
  });
}

TEST(TMultiGet, MenuOfAnEmptyMemo) {
  WhileDialogUp([](const std::shared_ptr<core::TDialog>& d) {
    Var v{rt::Value("")};
    auto m = Memo(d, v);
    PutClipboard("da");
    const auto menu = m->EditMenu();
    std::map<std::string, bool> active;
    for (const rt::Value& item : menu->aItems.Items()) {
      const auto entry = item.As<ctl::TMenuItem>();
      if (entry->cPrompt.IsString()) active[entry->cPrompt.AsString()] = entry->lActive;
    }
    EXPECT_FALSE(active.at("Cu&t"));
    EXPECT_FALSE(active.at("&Copy"));
    EXPECT_FALSE(active.at("&Delete"));
    EXPECT_TRUE(active.at("&Paste"));
    EXPECT_TRUE(active.at("Select &All"));
    EXPECT_EQ(menu->aItems.Len(), 10u);
    menu->End();
  });
}

TEST(TMultiGet, LinesAndTheGoToDialog) {
  WhileDialogUp([](const std::shared_ptr<core::TDialog>& d) {
    Var v{rt::Value("eins\r\nzwei\r\ndrei\r\nvier")};
    auto m = Memo(d, v);
    EXPECT_EQ(m->GetLineCount(), 4);
    m->GoTo(3);
    EXPECT_EQ(m->GetRow(), 3);
    EXPECT_EQ(m->GetCol(), 1);
    EXPECT_EQ(m->GetLine(3), "drei");
    m->GoTo(99);
    EXPECT_EQ(m->GetRow(), 4);
    m->DelLine(2);
    EXPECT_EQ(v.v->AsString(), "eins\r\ndrei\r\nvier");
    // The dialog is answered from another thread: the line typed, then "&Ok".
    std::atomic<bool> seen{false};
    std::string caption, label;
    std::thread typist([&] {
      for (int tries = 0; tries < 500; ++tries) {
        HWND box = FindWindowA(nullptr, "Go To");
        if (box && IsWindowVisible(box)) {
          char text[64] = {};
          GetWindowTextA(box, text, sizeof text);
          caption = text;
          for (HWND c = GetWindow(box, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT)) {
            char cls[32] = {}, t[64] = {};
            GetClassNameA(c, cls, sizeof cls);
            GetWindowTextA(c, t, sizeof t);
            if (std::string(cls) == "Static") label = t;
            if (std::string(cls) == "Edit") {
              // Typed once the field has the focus the dialog gives it.
              GUITHREADINFO info{};
              info.cbSize = sizeof info;
              for (int wait = 0; wait < 500; ++wait) {
                if (GetGUIThreadInfo(GetWindowThreadProcessId(box, nullptr), &info) && info.hwndFocus == c) break;
                std::this_thread::sleep_for(std::chrono::milliseconds(10));
              }
              SendMessageA(c, WM_SETTEXT, 0, reinterpret_cast<LPARAM>("    2"));
            }
          }
          seen = true;
          for (HWND c = GetWindow(box, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT)) {
            char t[64] = {};
            GetWindowTextA(c, t, sizeof t);
            if (std::string(t) == "&Ok") PostMessageA(c, BM_CLICK, 0, 0);
          }
          return;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
      }
    });
    m->GoTo(1);
    m->DlgGoLine();
    typist.join();
    EXPECT_TRUE(seen);
    EXPECT_EQ(label, "Line:");
    EXPECT_EQ(m->GetRow(), 2);
  });
}

TEST(TMultiGet, LongTextsAndNulBytes) {
  WhileDialogUp([](const std::shared_ptr<core::TDialog>& d) {
    std::string big(100000, 'a');
    for (std::size_t i = 79; i < big.size(); i += 80) big[i] = '\n';
    Var v{rt::Value(big)};
    auto m = Memo(d, v);
    EXPECT_EQ(m->Len(), 100000);
    m->LostFocus(0);
    EXPECT_TRUE(v.v->AsString() == big);
    m->SetPos(100001);
    SendMessageA(m->hWnd, WM_CHAR, 'z', 0);
    EXPECT_EQ(v.v->AsString().size(), big.size() + 1) << "still editable past the native default limit";
    EXPECT_TRUE(v.v->AsString() == big + "z");

    Var nul{rt::Value(std::string("vor\0nach", 8))};
    auto n = Memo(d, nul);
    EXPECT_EQ(n->cText(), "vor");
    n->LostFocus(0);
    EXPECT_EQ(nul.v->AsString(), std::string("vor\0nach", 8));
    n->SetPos(4);
    SendMessageA(n->hWnd, WM_CHAR, 'x', 0);
    EXPECT_EQ(nul.v->AsString(), std::string("vorx\0nach", 9)) << "the tail is kept";
  });
}

TEST(ReadVar, TheFocusedEditField) {
  WhileDialogUp([](const std::shared_ptr<core::TDialog>& d) {
    Var text{rt::Value("abc")};
    auto memo = Memo(d, text);
    SetFocus(memo->hWnd);
    EXPECT_TRUE(controls::READVAR().IsNil()) << "a memo is no TGet";
    Var g{rt::Value("haus")};
    controls::GetArgs a;
    a.nRow = 10;
    a.bSetGet = g.Block();
    a.oWnd = rt::Value(d);
    a.nWidth = 80;
    auto get = std::make_shared<controls::TGet>();
    get->New(a);
    SetFocus(get->hWnd);
    EXPECT_EQ(controls::READVAR().AsObject().get(), get.get());
    SetFocus(memo->hWnd);
    EXPECT_TRUE(controls::READVAR().IsNil());
  });
}

}  // namespace
