// The editor's and the quick search's libraries bring the grid's functions
// with them: both programs call them by name. The test programs that
// compile this file register nothing themselves.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstdint>
#include <vector>

#include "runtime/macro.h"

namespace {

rt::Value Call(const char* name, std::vector<rt::Value> args = {}) {
  const rt::PublicFn* fn = rt::FindFunction(name);
  if (!fn) {
    ADD_FAILURE() << name << " is not registered";
    return {};
  }
  return (*fn)(rt::Args(args.data(), args.size()));
}

TEST(GridFunctionsByName, TheMessageTableAndTheScrollRangeAnswer) {
  const rt::Value messages = Call("LOADMSG");
  ASSERT_TRUE(messages.IsArray());
  ASSERT_EQ(messages.Len(), 55u);
  EXPECT_EQ(messages.At(1), rt::Value("Ja"));
  EXPECT_EQ(messages.At(28), rt::Value("Fehler"));

  // The grid's form: with the last argument .T. through the scroll info,
  // answering .T.; the bar keeps the range.
  const HWND w = CreateWindowExA(0, "STATIC", "", WS_POPUP | WS_VSCROLL, 0, 0, 200, 200, nullptr, nullptr,
                                 GetModuleHandleA(nullptr), nullptr);
  ASSERT_TRUE(w);
  const rt::Value handle(static_cast<double>(reinterpret_cast<std::intptr_t>(w)));
  EXPECT_EQ(Call("SETSCROLLRANGE", {handle, SB_VERT, 3, 40, true, false, true}), rt::Value(true));
  int low = 0, high = 0;
  GetScrollRange(w, SB_VERT, &low, &high);
  EXPECT_EQ(low, 3);
  EXPECT_EQ(high, 40);
  const rt::Value range = Call("GETSCROLLRANGE", {handle, SB_VERT});
  ASSERT_EQ(range.Len(), 2u);
  EXPECT_EQ(range.At(1).AsInt(), 3);
  EXPECT_EQ(range.At(2).AsInt(), 40);
  DestroyWindow(w);
  EXPECT_EQ(Call("SETSCROLLRANGE", {handle, SB_VERT, 0, 5, true, false, true}), rt::Value(false))
      << "a window that is gone";
}

}  // namespace
