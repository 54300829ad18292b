// The edit field under Wine: its window, keys through the Get buffer, the
// clipboard, the spinner and the read-only, redefined and combo-box cases.
#include <gtest/gtest.h>
#include <windows.h>

#include <memory>

#include "controls/tcombobox.h"
#include "controls/tget.h"
#include "core/tclipboard.h"
#include "owner_window.h"
#include "runtime/dates.h"
#include "runtime/settings.h"
#include "services/int32.h"

namespace {

// The variable lives as long as the last block bound to it: a field writes
// its text back when it loses the focus, which happens when its window is
// destroyed, after the test's locals have gone.
struct Field {
  explicit Field(rt::Value start = {}) : box(std::make_shared<rt::Value>(std::move(start))), value(*box) {}
  std::shared_ptr<rt::Value> box;
  rt::Value& value;
  rt::Value Block() const {
    return rt::Value::Block([p = box](rt::Args a) {
      if (!a.empty()) *p = a[0];
      return *p;
    });
  }
};

class TGetTest : public testing::Test {
 protected:
  void SetUp() override {
    saved_ = rt::Sets();
    rt::Sets().dateFormat = "dd.mm.yyyy";
    rt::Sets().century = true;
    owner_ = std::make_shared<core::TWindow>();
    core::WindowArgs w;
    w.nTop = 10;
    w.nLeft = 10;
    w.nBottom = 300;
    w.nRight = 500;
    w.lPixel = true;
    owner_->New(w);
  }
  void TearDown() override {
    owner_->Destroy();
    rt::Sets() = saved_;
  }

  std::shared_ptr<controls::TGet> Make(Field& f, const char* picture, bool spinner = false, bool readOnly = false) {
    controls::GetArgs a;
    a.nRow = 2;
    a.nCol = 3;
    a.bSetGet = f.Block();
    a.oWnd = rt::Value(owner_);
    a.nWidth = 100;
    if (picture) a.cPicture = picture;
    a.lSpinner = spinner;
    a.lReadOnly = readOnly;
    auto g = std::make_shared<controls::TGet>();
    g->New(a);
    return g;
  }

  std::shared_ptr<core::TWindow> owner_;

 private:
  rt::SetTable saved_;
};

TEST_F(TGetTest, WindowStyleAndPlace) {
  Field f{rt::Value("haus")};
  auto g = Make(f, nullptr);
  ASSERT_NE(g->hWnd, nullptr);
  EXPECT_EQ(g->nStyle, 0x50810080);
  EXPECT_EQ(GetWindowLongA(g->hWnd, GWL_STYLE) & ~WS_BORDER, 0x50010080);
  EXPECT_EQ(g->nTop, 2 * 13);
  EXPECT_EQ(g->nLeft, 3 * 8);
  EXPECT_EQ(g->nBottom - g->nTop + 1, 12);
  EXPECT_EQ(g->cText(), "haus");
  Field n{rt::Value(5)};
  auto spin = Make(n, "999", true);
  EXPECT_GE(spin->nBottom - spin->nTop + 1, 15);
  EXPECT_EQ(spin->nRight - spin->nLeft + 1, 120);
  EXPECT_TRUE(spin->nStyle & WS_VSCROLL);
  EXPECT_EQ(g->cGenPrg(), "\r\n   @  26,  24 GET oGet SIZE  99,  11 PIXEL OF oWnd \r\n");
}

TEST_F(TGetTest, PaintsThroughAMemoryDcAndRunsBPainted) {
  Field f{rt::Value("haus")};
  auto g = Make(f, nullptr);
  ShowWindow(owner_->hWnd, SW_SHOW);
  DWORD paintedOn = 0;
  rt::Value third;
  g->bPainted = rt::Value::Block([&](rt::Args a) {
    paintedOn = GetObjectType(reinterpret_cast<HDC>(svc::ToHandle(a[0])));
    third = a[2];
    return rt::Value();
  });
  RedrawWindow(g->hWnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
  EXPECT_EQ(paintedOn, static_cast<DWORD>(OBJ_MEMDC));
  EXPECT_EQ(third.As<controls::TGet>(), g);
}

// Showing the text already there leaves the field as painted: search
// screens show their fields' texts again after every move.
TEST_F(TGetTest, ShowingTheSameTextLeavesTheFieldPainted) {
  Field f{rt::Value("haus")};
  auto g = Make(f, nullptr);
  ShowWindow(owner_->hWnd, SW_SHOW);
  UpdateWindow(g->hWnd);
  ASSERT_FALSE(GetUpdateRect(g->hWnd, nullptr, FALSE));
  g->DispText();
  EXPECT_FALSE(GetUpdateRect(g->hWnd, nullptr, FALSE));
  char text[16] = {};
  GetWindowTextA(g->hWnd, text, sizeof text);
  EXPECT_STREQ(text, "haus");
}

TEST_F(TGetTest, CommaJumpsToTheDecimals) {
  Field f{rt::Value(12.5)};
  auto g = Make(f, "999.999");
  g->GotFocus(0);
  g->GoHome();
  g->KeyChar('5', 0);
  g->KeyChar(',', 0);
  EXPECT_EQ(g->oGet->Pos(), 5);
  g->KeyChar('2', 0);
  g->KeyChar('5', 0);
  EXPECT_EQ(g->cText(), "  5.250");
  g->LostFocus(0);
  EXPECT_DOUBLE_EQ(f.value.AsNumber(), 5.25);
}

TEST_F(TGetTest, RightSkipsLiteralsAndLettersAreRefused) {
  Field f{rt::Value("1234")};
  auto g = Make(f, "@R 99/99");
  g->GotFocus(0);
  g->KeyDown(VK_RIGHT, 0);
  g->KeyDown(VK_RIGHT, 0);
  EXPECT_EQ(g->nPos, 4);
  long start = 0, end = 0;
  g->GetSelPos(start, end);
  EXPECT_EQ(end, 3);
  g->KeyChar('x', 0);
  EXPECT_EQ(g->cText(), "12/34");
  g->KeyChar('7', 0);
  EXPECT_EQ(g->cText(), "12/74");
  g->LostFocus(0);
  EXPECT_EQ(f.value, rt::Value("1274"));
}

TEST_F(TGetTest, DateStepsKeepTheMonthsLastDay) {
  Field f{rt::Value(rt::MakeDate(2024, 1, 31))};
  auto g = Make(f, nullptr, true);
  g->nPos = 4;
  g->Increment();
  EXPECT_EQ(f.value, rt::Value(rt::MakeDate(2024, 2, 29)));
  g->nPos = 7;
  g->Increment();
  EXPECT_EQ(f.value, rt::Value(rt::MakeDate(2025, 2, 28)));
}

TEST_F(TGetTest, NumberStepsStopAtTheBound) {
  Field f{rt::Value::Num(9.8, 5, 1)};
  auto g = Make(f, "99.9", true);
  g->bMax = rt::Value::Block([](rt::Args) { return rt::Value(10); });
  g->nPos = 4;
  g->Increment();
  g->nPos = 4;
  g->Increment();
  EXPECT_DOUBLE_EQ(f.value.AsNumber(), 10.0) << "0.1 steps add up without drift";
  g->nPos = 4;
  g->Increment();
  EXPECT_DOUBLE_EQ(f.value.AsNumber(), 10.0) << "past bMax the value stays";
}

TEST_F(TGetTest, ReadOnlyAndRedefinedOverNil) {
  Field f{rt::Value("fest")};
  auto g = Make(f, nullptr, false, true);
  g->GotFocus(0);
  g->KeyChar('x', 0);
  g->KeyDown(VK_BACK, 0);
  EXPECT_EQ(g->cText(), "fest");
  EXPECT_FALSE(g->nStyle & WS_TABSTOP);

  Field nil;
  auto r = std::make_shared<controls::TGet>();
  controls::GetRedefineArgs a;
  a.nId = 200;
  a.bSetGet = nil.Block();
  a.oWnd = rt::Value(owner_);
  r->ReDefine(a);
  EXPECT_EQ(nil.value, rt::Value(std::string(30, ' ')));
}

TEST_F(TGetTest, BadDateIsRefusedAndTheVariableKept) {
  Field f{rt::Value(rt::MakeDate(2024, 1, 31))};
  auto g = Make(f, nullptr);
  g->GotFocus(0);
  for (char c : std::string("3102")) g->KeyChar(c, 0);
  EXPECT_FALSE(g->lValid());
  g->LostFocus(0);
  EXPECT_EQ(f.value, rt::Value(rt::MakeDate(2024, 1, 31)));
}

}  // namespace

namespace {

void SetKey(int vkey, bool down) {
  BYTE keys[256] = {};
  GetKeyboardState(keys);
  keys[vkey] = down ? 0x80 : 0;
  SetKeyboardState(keys);
}

void PutClipboard(const std::string& text) {
  auto clip = std::make_shared<core::TClipBoard>();
  clip->New();
  ASSERT_TRUE(clip->SetText(text));
}

std::string Clipboard() {
  auto clip = std::make_shared<core::TClipBoard>();
  clip->New();
  return clip->GetText();
}

TEST_F(TGetTest, PasteKeysFitTheTextToTheField) {
  struct Case {
    const char* clip;
    int key;  // with Ctrl, or Insert with Shift
    const char* shown;
  } cases[] = {
      {"abcdefghijklmno", 'V', "abcdefghij"},
      {"abc", 'V', "abc       "},
      {"  xy  \r\nzweite Zeile", VK_INSERT, "xy        "},
  };
  for (const Case& c : cases) {
    Field f{rt::Value(std::string(10, ' '))};
    auto g = Make(f, nullptr);
    g->GotFocus(0);
    PutClipboard(c.clip);
    SetKey(c.key == VK_INSERT ? VK_SHIFT : VK_CONTROL, true);
    SendMessageA(g->hWnd, WM_KEYDOWN, static_cast<WPARAM>(c.key), 0);
    // The character the key also makes must not paste a second time.
    if (c.key == 'V') SendMessageA(g->hWnd, WM_CHAR, 22, 0);
    SetKey(VK_SHIFT, false);
    SetKey(VK_CONTROL, false);
    EXPECT_EQ(g->cText(), c.shown) << c.clip;
    EXPECT_EQ(f.value, rt::Value(c.shown)) << c.clip;
  }
}

TEST_F(TGetTest, CutWritesThroughTheGetNotTheWindow) {
  // A password keeps its characters, "@R" keeps its literals out.
  struct Case {
    const char* start;
    const char* picture;
    bool password;
    long from, to;
    const char* value;
  } cases[] = {
      {"geheim    ", nullptr, true, 0, 2, "heim      "},
      {"1234", "@R 99/99", false, 3, 4, "124 "},
  };
  for (const Case& c : cases) {
    Field f{rt::Value(c.start)};
    controls::GetArgs a;
    a.bSetGet = f.Block();
    a.oWnd = rt::Value(owner_);
    a.nWidth = 100;
    if (c.picture) a.cPicture = c.picture;
    a.lPassword = c.password;
    auto g = std::make_shared<controls::TGet>();
    g->New(a);
    g->GotFocus(0);
    SendMessageA(g->hWnd, EM_SETSEL, static_cast<WPARAM>(c.from), c.to);
    SetKey(VK_CONTROL, true);
    SendMessageA(g->hWnd, WM_KEYDOWN, 'X', 0);
    SendMessageA(g->hWnd, WM_CHAR, 24, 0);
    SetKey(VK_CONTROL, false);
    EXPECT_EQ(f.value, rt::Value(c.value)) << c.start;
  }
}

TEST_F(TGetTest, ClipboardLeftAloneWithoutSelectionAndReadOnlyPasteRefused) {
  PutClipboard("bleibt");
  Field f{rt::Value("haus      ")};
  auto g = Make(f, nullptr);
  g->GotFocus(0);
  g->SetPos(1);
  g->Copy();
  g->Cut();
  EXPECT_EQ(Clipboard(), "bleibt");
  EXPECT_EQ(f.value, rt::Value("haus      "));
  g->SetPos(1, 5);
  g->Copy();
  EXPECT_EQ(Clipboard(), "haus");

  Field r{rt::Value("fest      ")};
  auto ro = Make(r, nullptr, false, true);
  ro->Paste(rt::Value("neu"));
  EXPECT_EQ(r.value, rt::Value("fest      "));
  EXPECT_EQ(ro->cText(), "fest      ");
  // A paste beyond the field's length is cut, and only its first line taken.
  Field p{rt::Value(std::string(6, ' '))};
  auto gp = Make(p, nullptr);
  gp->Paste(rt::Value("Baumhausbau\nzwei"));
  EXPECT_EQ(p.value, rt::Value("Baumha"));
}

// Shift+Del cuts the selection: it leaves the field and goes to the
// clipboard; Del alone only deletes.
TEST_F(TGetTest, ShiftDelCutsTheSelection) {
  for (const bool shift : {true, false}) {
    SCOPED_TRACE(shift);
    PutClipboard("vorher");
    Field f{rt::Value("Baumhaus  ")};
    auto g = Make(f, nullptr);
    g->GotFocus(0);
    SendMessageA(g->hWnd, EM_SETSEL, 0, 4);
    SetKey(VK_SHIFT, shift);
    SendMessageA(g->hWnd, WM_KEYDOWN, VK_DELETE, 0);
    SetKey(VK_SHIFT, false);
    EXPECT_EQ(g->cText(), "haus      ");
    EXPECT_EQ(Clipboard(), shift ? "Baum" : "vorher");
  }
}

// A pasted number keeps its decimal point, "." or ",", as when typed.
TEST_F(TGetTest, APastedNumberKeepsItsDecimals) {
  const struct {
    const char* text;
    double value;
  } cases[] = {{"3.5", 3.5}, {"12,25", 12.25}, {"7", 7}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    Field f{rt::Value(0.0)};
    auto g = Make(f, "999.99");
    g->GotFocus(0);
    g->GoHome();
    g->Paste(rt::Value(c.text));
    g->LostFocus(0);
    EXPECT_DOUBLE_EQ(f.value.AsNumber(), c.value);
  }
}

TEST_F(TGetTest, CaretKeysInPasswordAndLiteralFields) {
  Field f{rt::Value("geheim")};
  controls::GetArgs a;
  a.bSetGet = f.Block();
  a.oWnd = rt::Value(owner_);
  a.nWidth = 100;
  a.lPassword = true;
  auto g = std::make_shared<controls::TGet>();
  g->New(a);
  g->GotFocus(0);
  g->SetPos(1);
  for (int i = 1; i <= 3; ++i) {
    g->KeyDown(VK_RIGHT, 0);
    EXPECT_EQ(g->nPos, 1 + i) << "one place per key";
  }
  // Left stops at the first place without looping.
  for (int i = 0; i < 6; ++i) g->KeyDown(VK_LEFT, 0);
  EXPECT_EQ(g->nPos, 1);
  EXPECT_EQ(g->oGet->Pos(), 1);
}

TEST_F(TGetTest, EmptyDateClickGoesToTheStart) {
  for (const char* format : {"dd.mm.yyyy", "yyyy-mm-dd"}) {
    rt::Sets().dateFormat = format;
    Field f{rt::Value(rt::Date{})};
    auto g = Make(f, nullptr);
    g->GotFocus(0);
    g->SetPos(5);
    g->LButtonUp(1, 40, 0);
    EXPECT_EQ(g->nPos, 1) << format << " [" << g->cText() << "]";
  }
}

TEST_F(TGetTest, SpinnerArrowsStepTheValue) {
  Field f{rt::Value(5)};
  auto g = Make(f, "999", true);
  ASSERT_TRUE(g->oVScroll.IsObject());
  EXPECT_TRUE(GetWindowLongA(g->hWnd, GWL_STYLE) & WS_VSCROLL);
  SendMessageA(g->hWnd, WM_VSCROLL, SB_LINEUP, 0);
  EXPECT_EQ(f.value.AsInt(), 6);
  SendMessageA(g->hWnd, WM_VSCROLL, SB_LINEDOWN, 0);
  SendMessageA(g->hWnd, WM_VSCROLL, SB_LINEDOWN, 0);
  EXPECT_EQ(f.value.AsInt(), 4);
  Field ro{rt::Value(5)};
  auto fixed = Make(ro, "999", true, true);
  EXPECT_FALSE(fixed->oVScroll.IsObject()) << "no spinner on a read-only field";
}

// In a visible window of their own, without the fixture's hidden one.
TEST(TGetInWindow, ShiftTabFollowsBChangeAndReadOnlyEscEndsTheOwner) {
  {
    controltest::OwnerWindow w(200, 300);
    Field a{rt::Value("eins")}, b{rt::Value("zwei")};
    auto make = [&w](Field& f, int row) {
      controls::GetArgs g;
      g.nRow = row;
      g.bSetGet = f.Block();
      g.oWnd = w.value();
      g.nWidth = 80;
      auto get = std::make_shared<controls::TGet>();
      get->New(g);
      return get;
    };
    auto first = make(a, 1), second = make(b, 3);
    SetFocus(second->hWnd);
    ASSERT_EQ(GetFocus(), second->hWnd);
    SetKey(VK_SHIFT, true);
    second->bChange = rt::Value::Block([](rt::Args) { return rt::Value(); });
    second->KeyChar(VK_TAB, 0);
    EXPECT_EQ(GetFocus(), second->hWnd) << "a bChange answering NIL keeps the focus";
    second->bChange = rt::Value();
    second->KeyChar(VK_TAB, 0);
    SetKey(VK_SHIFT, false);
    EXPECT_EQ(GetFocus(), first->hWnd);
  }
  // Esc in a read-only field ends its owner.
  controltest::OwnerWindow w(200, 300);
  Field f{rt::Value("fest")};
  controls::GetArgs g;
  g.bSetGet = f.Block();
  g.oWnd = w.value();
  g.lReadOnly = true;
  auto get = std::make_shared<controls::TGet>();
  get->New(g);
  get->KeyChar(VK_ESCAPE, 0);
  MSG msg;
  EXPECT_NE(PeekMessageA(&msg, w.w->hWnd, WM_CLOSE, WM_CLOSE, PM_REMOVE), 0);
}

TEST(TGetInWindow, TabInAComboBoxFieldMovesInTheComboBoxsOwner) {
  controltest::OwnerWindow w(200, 300);
  Field v{rt::Value("Haus")}, other{rt::Value("x")};
  controls::ComboBoxArgs c;
  c.bSetGet = v.Block();
  c.aItems = rt::Value::Array({"Haus", "Baum"});
  c.oWnd = w.value();
  c.nStyle = 2;
  c.nWidth = 100;
  c.nHeight = 80;
  auto combo = std::make_shared<controls::TComboBox>();
  combo->New(c);
  controls::GetArgs g;
  g.nRow = 6;
  g.bSetGet = other.Block();
  g.oWnd = w.value();
  g.nWidth = 80;
  auto next = std::make_shared<controls::TGet>();
  next->New(g);
  for (const long key : {long{VK_TAB}, long{VK_RETURN}}) {
    SetFocus(combo->oGet->hWnd);
    ASSERT_EQ(GetFocus(), combo->oGet->hWnd);
    combo->oGet->KeyChar(key, 0);
    EXPECT_EQ(GetFocus(), next->hWnd) << key;
  }
}

}  // namespace

namespace {

TEST(TGetInWindow, RightClickTakesTheFocusFirst) {
  controltest::OwnerWindow w(200, 300);
  Field a{rt::Value("eins")}, b{rt::Value("zwei")};
  std::vector<std::shared_ptr<controls::TGet>> gets;
  for (Field* f : {&a, &b}) {
    controls::GetArgs g;
    g.nRow = static_cast<int>(gets.size()) * 3;
    g.bSetGet = f->Block();
    g.oWnd = w.value();
    g.nWidth = 80;
    gets.push_back(std::make_shared<controls::TGet>());
    gets.back()->New(g);
  }
  SetFocus(gets[0]->hWnd);
  long row = -1;
  HWND focusSeen = nullptr;
  gets[1]->bRClicked = rt::Value::Block([&](rt::Args x) {
    row = x[0].AsInt();
    focusSeen = GetFocus();
    return rt::Value();
  });
  SendMessageA(gets[1]->hWnd, WM_RBUTTONDOWN, 0, MAKELPARAM(5, 4));
  EXPECT_EQ(row, 4);
  EXPECT_EQ(focusSeen, gets[1]->hWnd);
}

}  // namespace
