#include "graphics/fonts.h"

#include <gtest/gtest.h>

#include "canvas.h"
#include "graphics/dc.h"

namespace {

rt::Value Arial(long height, long weight, bool italic = false) {
  return rt::Value::Array({-height, 0, 0, 0, weight, italic, false, false, 0, 0, 0, 0, 0, "Arial"});
}

// Answers the next dialog that the thread activates with the button id.
class DialogAnswer {
 public:
  explicit DialogAnswer(int button) {
    button_ = button;
    hook_ = SetWindowsHookExA(WH_CBT, &DialogAnswer::Hook, nullptr, GetCurrentThreadId());
  }
  ~DialogAnswer() { UnhookWindowsHookEx(hook_); }
  DialogAnswer(const DialogAnswer&) = delete;
  DialogAnswer& operator=(const DialogAnswer&) = delete;

 private:
  static LRESULT CALLBACK Hook(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HCBT_ACTIVATE) PostMessageA(reinterpret_cast<HWND>(wParam), WM_COMMAND, button_, 0);
    return CallNextHookEx(nullptr, code, wParam, lParam);
  }
  static inline int button_ = IDCANCEL;
  HHOOK hook_;
};

TEST(FontDialog, CancelledWithoutFontGivesTheEmptyArray) {
  DialogAnswer cancel(IDCANCEL);
  const rt::Value font = gfx::CHOOSEFONT();
  ASSERT_EQ(font.Len(), 14u);
  for (std::size_t i = 1; i <= 5; ++i) EXPECT_EQ(font.At(i), rt::Value(0)) << i;
  for (std::size_t i = 6; i <= 8; ++i) EXPECT_EQ(font.At(i), rt::Value(false)) << i;
  for (std::size_t i = 9; i <= 13; ++i) EXPECT_EQ(font.At(i), rt::Value(0)) << i;
  EXPECT_EQ(font.At(14), rt::Value(""));
}

TEST(FontDialog, CancelledWithFontGivesItBack) {
  DialogAnswer cancel(IDCANCEL);
  const rt::Value initial = Arial(16, 700, true);
  rt::Value colour(255);
  const rt::Value font = gfx::CHOOSEFONT(initial, &colour);
  ASSERT_EQ(font.Len(), 14u);
  for (std::size_t i = 1; i <= 14; ++i) EXPECT_EQ(font.At(i), initial.At(i)) << i;
  EXPECT_EQ(colour, rt::Value(255));
}

TEST(FontDialog, ConfirmedGivesTheChosenFontAndColour) {
  DialogAnswer ok(IDOK);
  rt::Value colour(long{RGB(0, 0, 128)});
  const rt::Value font = gfx::CHOOSEFONT(Arial(16, 400), &colour);
  ASSERT_EQ(font.Len(), 14u);
  EXPECT_EQ(font.At(5).AsInt(), 400);
  EXPECT_EQ(font.At(6), rt::Value(false));
  EXPECT_FALSE(font.At(14).AsString().empty());
  EXPECT_EQ(colour.AsInt(), long{RGB(0, 0, 128)});
}

TEST(Fonts, CreateAndMeasure) {
  HFONT regular = gfx::CREATEFONT(Arial(20, 400));
  HFONT bold = gfx::CREATEFONT(Arial(20, 700));
  ASSERT_NE(regular, nullptr);
  ASSERT_NE(bold, nullptr);
  const rt::Value info = gfx::GETFONTINFO(regular);
  ASSERT_EQ(info.Len(), 4u);
  EXPECT_GE(info.At(1).AsInt(), 20);
  EXPECT_GT(info.At(2).AsInt(), 0);
  EXPECT_EQ(info.At(3), rt::Value(false));
  EXPECT_EQ(info.At(4), rt::Value("Arial"));
  EXPECT_EQ(gfx::GETFONTINFO(bold).At(3), rt::Value(true));
  HFONT light = gfx::CREATEFONT(Arial(20, 300));
  EXPECT_EQ(gfx::GETFONTINFO(light).At(3), rt::Value(false));

  gfxtest::Canvas canvas(10, 10);
  EXPECT_EQ(gfx::GETTEXTWIDTH(nullptr, ""), 0u);
  EXPECT_EQ(gfx::GETTEXTWIDTH(canvas.dc(), ""), 0u);
  const unsigned narrow = gfx::GETTEXTWIDTH(canvas.dc(), "Wörterbuch", regular);
  const unsigned wide = gfx::GETTEXTWIDTH(canvas.dc(), "Wörterbuch", bold);
  EXPECT_GT(narrow, 0u);
  EXPECT_GT(wide, narrow);
  // The font was selected for the measurement only.
  EXPECT_NE(GetCurrentObject(canvas.dc(), OBJ_FONT), regular);
  EXPECT_EQ(gfx::GETTEXTWIDTH(nullptr, "Wörterbuch", regular), narrow);

  HGDIOBJ old = SelectObject(canvas.dc(), regular);
  EXPECT_EQ(gfx::GETTEXTHEIGHT(nullptr, canvas.dc()), info.At(1).AsInt());
  SelectObject(canvas.dc(), old);
  EXPECT_GT(gfx::GETTEXTHEIGHT(nullptr), 0);

  for (HFONT f : {regular, bold, light}) EXPECT_TRUE(gfx::DELETEOBJECT(f));
}

}  // namespace
