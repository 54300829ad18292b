#include "services/msgbox.h"

#include <gtest/gtest.h>

#include "box_driver.h"
#include "runtime/object.h"
#include "runtime/settings.h"

namespace {

using rt::Value;

struct ShownCase {
  const char* name;
  std::function<void()> show;
  const char* text;
  const char* caption;
  LPCSTR icon;
};

TEST(MsgBoxTest, TextsCaptionsAndIcons) {
  rt::Sets().dateFormat = "dd.mm.yyyy";
  rt::Sets().century = true;
  const ShownCase cases[] = {
      {"number", [] { svc::MSGINFO(12); }, "12", "Information", IDI_INFORMATION},
      {"three args", [] { svc::MSGINFO(true, "Titel", 3); }, ".T.", "Information", IDI_INFORMATION},
      {"two args", [] { svc::MSGINFO("Gr\xf6\xdf" "e", "Titel"); }, "Gr\xf6\xdf" "e", "Titel", IDI_INFORMATION},
      {"no args", [] { svc::MSGALERT(); }, "", "Alert", IDI_EXCLAMATION},
      {"nil", [] { svc::MSGSTOP(Value(), Value()); }, "nil", "nil", IDI_HAND},
      {"array, object", [] { svc::MSGINFO(Value::Array({1}), Value(std::make_shared<rt::Object>())); },
       "Array", "Object", IDI_INFORMATION},
      {"fraction", [] { svc::MSGINFO(Value(-1.5), Value(false)); }, "-1.500000", ".F.", IDI_INFORMATION},
      {"negative integer", [] { svc::MSGALERT(-2147483647 - 1); }, "-2147483648", "Alert", IDI_EXCLAMATION},
      {"date", [] { svc::MSGINFO(Value(rt::Date{2460375}), "Datum"); }, "05.03.2024", "Datum", IDI_INFORMATION},
      {"block", [] { svc::MSGINFO(Value::Block([](rt::Args) { return Value(); })); },
       "ValtoChar not suported type yet", "Information", IDI_INFORMATION},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    BoxDriver driver(BoxDriver::PressEnter);
    c.show();
    const SeenBox& seen = driver.Seen();
    ASSERT_TRUE(seen.appeared);
    EXPECT_EQ(seen.caption, c.caption);
    EXPECT_EQ(seen.texts.size() == 1 ? seen.texts[0] : seen.Joined(), c.text);
    EXPECT_EQ(seen.icon, LoadIconA(nullptr, c.icon));
  }
  rt::Sets().dateFormat = "mm/dd/yy";
  rt::Sets().century = false;
}

TEST(MsgBoxTest, YesNoDefaultsAndAnswers) {
  {
    BoxDriver driver(BoxDriver::PressEnter);
    EXPECT_FALSE(svc::MSGNOYES("L\xf6schen?"));
    EXPECT_EQ(driver.Seen().caption, "Select an option");
    EXPECT_EQ(driver.Seen().icon, LoadIconA(nullptr, IDI_QUESTION));
  }
  {
    BoxDriver driver(BoxDriver::PressEnter);
    EXPECT_TRUE(svc::MSGYESNO("Speichern?", "Frage"));
    EXPECT_EQ(driver.Seen().caption, "Frage");
  }
  {
    BoxDriver driver([](HWND box) { BoxDriver::Click(box, IDYES); });
    EXPECT_TRUE(svc::MSGNOYES("L\xf6schen?"));
  }
  {
    BoxDriver driver([](HWND box) { BoxDriver::Click(box, IDNO); });
    EXPECT_FALSE(svc::MSGYESNO("Speichern?"));
  }
}

TEST(MsgBoxTest, AboutBoxShowsTheApplicationLine) {
  BoxDriver driver([](HWND box) { PostMessageA(box, WM_COMMAND, IDOK, 0); });
  svc::MSGABOUT("W\xf6rterbuch");
  const SeenBox& seen = driver.Seen();
  ASSERT_TRUE(seen.appeared);
  EXPECT_NE((seen.caption + seen.Joined()).find("W\xf6rterbuch"), std::string::npos);
  EXPECT_NE(seen.Joined().find("About"), std::string::npos);
}

}  // namespace
