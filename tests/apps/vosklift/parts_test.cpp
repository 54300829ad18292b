// The loader's parts in this process: the command word, the texts the
// watch takes, the "Info" text and the tray menu's items.

#include <gtest/gtest.h>
#include <windows.h>

#include <atomic>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <thread>
#include <vector>

#include "apps/vosklift/clipboard_watch.h"
#include "apps/vosklift/loader_state.h"
#include "apps/vosklift/setup_dialog.h"
#include "apps/vosklift/tray_menu.h"
#include "apps/vosklift/vosklift_main.h"
#include "controls/tmenu.h"
#include "core/send_soft.h"
#include "core/twindow.h"
#include "runtime/memvar.h"
#include "services/timer.h"
#include "tests/apps/program_driver.h"
#include "tests/graphics/window_shot.h"

namespace {

namespace fs = std::filesystem;

TEST(CommandWord, IsTheFirstWordWithoutQuotesInFortyCharacters) {
  const struct {
    std::string text, word;
  } cases[] = {
      {"Haus", "Haus"},
      {"  Haus Boot", "Haus"},
      {"\r\nHaus\r\nT\xFCr", "Haus"},
      {"\"Haus\" & Hof", "Haus"},
      {"a\"b\"c d", "abc"},
      {std::string(50, 'x') + " y", std::string(40, 'x')},
      {"\t", ""},
      {"", ""},
  };
  for (const auto& c : cases) EXPECT_EQ(vosklift::CommandWord(c.text), c.word) << c.text;
}

TEST(WatchableText, TakesTextAndLineBreaksButNoBinaryOrHugeText) {
  EXPECT_TRUE(vosklift::WatchableText("Haus\r\n\tT\xFCr"));
  EXPECT_TRUE(vosklift::WatchableText(std::string(vosklift::kWatchTextLimit, 'a')));
  EXPECT_FALSE(vosklift::WatchableText(std::string(vosklift::kWatchTextLimit + 1, 'a')));
  EXPECT_FALSE(vosklift::WatchableText(std::string("ab\x01" "c")));
  EXPECT_FALSE(vosklift::WatchableText(std::string("ab\0c", 4)));
}

TEST(InfoText, IsSixLinesJoinedByCrLf) {
  EXPECT_EQ(vosklift::InfoText(),
            "Voskdar verschwindet nun in die Traybar und wird erst aktiv,\r\n"
            "wenn ein Begriff in die Zwischenablage kopiert wird.\r\n"
            "Ein Rechtsklick auf das Traybar-Icon \xF6" "ffnet das Kontextmen\xFC.\r\n"
            "Das Icon finden Sie rechts unten auf Ihrem Desktop in der Traybar!\r\n"
            "\r\n"
            "Diese Info beim n\xE4" "chsten Start wieder anzeigen?");
}

struct SeenItem {
  std::string prompt;
  bool active;
  std::vector<std::string> sub;
};

std::vector<SeenItem>& Seen() {
  static std::vector<SeenItem> seen;
  return seen;
}

// Reads the open menu of the loader's window, then closes it.
void CALLBACK ReadMenu(HWND, UINT, UINT_PTR id, DWORD) {
  KillTimer(nullptr, id);
  const auto popup = core::Ask(rt::Value(vosklift::Loader().oWnd), "oPopup").As<ctl::TMenu>();
  if (popup) {
    for (const auto& item : popup->Items()) {
      SeenItem s{item->cPrompt.IsString() ? item->cPrompt.AsString() : std::string("-"), item->lActive, {}};
      if (const auto sub = item->Submenu())
        for (const auto& inner : sub->Items()) s.sub.push_back(inner->cPrompt.AsString());
      Seen().push_back(s);
    }
  }
  EndMenu();
}

class TrayMenu : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = fs::temp_directory_path() / "vosklift_menu";
    fs::remove_all(dir_);
    fs::create_directories(dir_);
    previous_ = fs::current_path();
    fs::current_path(dir_);
    for (const char* table : {"DEUENG.DBF", "DEULAT.DBF"}) std::ofstream(dir_ / table) << "x";
    std::ofstream(dir_ / "VOSKDAR.INI") << "[Project]\r\nInternet_Menue=Unsere Seite\r\n";
    rt::PUBLIC(vosklift::kReleaseVar);
    rt::PUBLIC(vosklift::kShortNameVar);
    vosklift::CHECKINI(true);
    auto& s = vosklift::Loader();
    s.oWnd = std::make_shared<core::TWindow>();
    core::WindowArgs w;
    w.nTop = 0;
    w.nLeft = 0;
    w.nBottom = 10;
    w.nRight = 10;
    w.lPixel = true;
    s.oWnd->New(w);
    Seen().clear();
  }
  void TearDown() override {
    auto& s = vosklift::Loader();
    if (s.oTimer) s.oTimer->End();
    s.oTimer.reset();
    DestroyWindow(s.oWnd->hWnd);
    s.oWnd.reset();
    std::error_code ec;
    fs::current_path(previous_, ec);
    fs::remove_all(dir_, ec);
  }
  void Open() {
    SetTimer(nullptr, 0, 100, ReadMenu);
    vosklift::MENUTRAY(300, 300, {});
  }
  fs::path dir_, previous_;
};

TEST_F(TrayMenu, HasEveryItemWithTheTablesPresentAndTheHelpTexts) {
  Open();
  const std::vector<std::string> prompts = {"Voskdar &W\xF6rterbuch \xF6" "ffnen", "-", "&\xFC" "ber ZQS Voskdar v1.41",
                                            "-", "Voskdar Suchmaschine &\xF6" "ffnen", "Voskdar &Einstellungen",
                                            "Voskdar &Hilfe", "Voskdar &beenden"};
  ASSERT_EQ(Seen().size(), prompts.size());
  for (std::size_t i = 0; i < prompts.size(); ++i) {
    EXPECT_EQ(Seen()[i].prompt, prompts[i]) << i;
    EXPECT_TRUE(Seen()[i].active) << i;
  }
  EXPECT_EQ(Seen()[0].sub, (std::vector<std::string>{"Deutsch / &Englisch", "Deutsch / &Latein"}));
  EXPECT_EQ(Seen()[6].sub, (std::vector<std::string>{"Hilfe anzeigen", "Unsere Seite"}));
}

TEST_F(TrayMenu, ARunningProgramDisablesTheStarts) {
  // Held open as a running program holds it.
  HANDLE live = CreateFileA("Dravonel.Sem", GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                            CREATE_ALWAYS, 0, nullptr);
  ASSERT_NE(live, INVALID_HANDLE_VALUE);
  Open();
  CloseHandle(live);
  ASSERT_EQ(Seen().size(), 8u);
  const bool active[] = {false, true, true, true, false, false, true, true};
  for (std::size_t i = 0; i < 8; ++i) EXPECT_EQ(Seen()[i].active, active[i]) << i;
  // A semaphore left behind by a program that has gone is cleared.
  std::ofstream(dir_ / "Voskdar.Sem").close();
  Seen().clear();
  Open();
  ASSERT_EQ(Seen().size(), 8u);
  EXPECT_TRUE(Seen()[0].active);
  EXPECT_FALSE(fs::exists(dir_ / "Voskdar.Sem"));
}

// Waits on another thread for a top-level window of this process, then
// drives it; the caller runs the modal loop meanwhile.
class Driver {
 public:
  Driver(const char* cls, const char* title, std::function<void(HWND)> drive)
      : thread_([this, cls, title, drive = std::move(drive)] {
          for (int tries = 0; tries < 1000 && !found_; ++tries) {
            HWND h = FindWindowA(cls, title);
            if (h && IsWindowVisible(h)) {
              found_ = true;
              drive(h);
              return;
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
          }
        }) {}
  ~Driver() { Join(); }
  bool Join() {
    if (thread_.joinable()) thread_.join();
    return found_;
  }

 private:
  std::atomic<bool> found_{false};
  std::thread thread_;
};

TEST_F(TrayMenu, ALanguageWritesTheEditorsKeysAndStartsIt) {
  ASSERT_TRUE(CopyFileA(apps_test::WindowsPath(VD_STANDIN_EXE).c_str(), (dir_ / "Dravonel.exe").string().c_str(), FALSE));
  std::ofstream(dir_ / "DEUFRA.DBF") << "x";
  // The dictionaries in the catalogue's order: English, French, Latin.
  Driver keys("#32768", nullptr, [](HWND popup) {
    for (WPARAM k : {VK_DOWN, VK_RIGHT, VK_DOWN, VK_RETURN}) PostMessageA(popup, WM_KEYDOWN, k, 0);
  });
  vosklift::MENUTRAY(300, 300, {});
  EXPECT_TRUE(keys.Join());
  for (int tries = 0; tries < 500 && !fs::exists(dir_ / "started.txt"); ++tries)
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  std::string line;
  std::getline(std::ifstream(dir_ / "started.txt"), line);
  EXPECT_EQ(line, ".\\Dravonel.exe");
  char buf[64] = {};
  GetPrivateProfileStringA("Dravonel", "Sprache", "", buf, sizeof buf, ".\\VOSKDAR.INI");
  EXPECT_STREQ(buf, "DEUFRA");
  GetPrivateProfileStringA("Dravonel", "Extern", "", buf, sizeof buf, ".\\VOSKDAR.INI");
  EXPECT_STREQ(buf, "1");
}

TEST_F(TrayMenu, SettingsAreWrittenOnSaveAndRestoredOnCancel) {
  auto& s = vosklift::Loader();
  s.lClpTime = false;
  const auto click = [](HWND dialog, const char* caption) {
    for (HWND h = GetWindow(dialog, GW_CHILD); h; h = GetWindow(h, GW_HWNDNEXT)) {
      char text[128] = {};
      GetWindowTextA(h, text, sizeof text);
      // Posted, so that the dialog's own loop runs the click in order.
      if (std::string(text) == caption) PostMessageA(h, BM_CLICK, 0, 0);
    }
  };
  {
    Driver save("#32770", "Voskdar - Einstellungen", [&click](HWND dialog) {
      if (const char* dir = std::getenv("VD_SHOT")) {
        // Once the dialog and its controls have painted.
        const auto painted = [dialog] {
          if (GetUpdateRect(dialog, nullptr, FALSE)) return false;
          for (HWND h = GetWindow(dialog, GW_CHILD); h; h = GetWindow(h, GW_HWNDNEXT))
            if (GetUpdateRect(h, nullptr, FALSE)) return false;
          return GetWindow(dialog, GW_CHILD) != nullptr;
        };
        for (int tries = 0; tries < 500 && !painted(); ++tries) std::this_thread::sleep_for(std::chrono::milliseconds(10));
        RECT r{};
        GetWindowRect(dialog, &r);
        SaveScreenShot(r, std::string(dir) + "/vosklift_setup.bmp");
      }
      click(dialog, " Zwischenablage per &Timer \xFC" "berwachen");
      click(dialog, "&Speichern");
    });
    EXPECT_TRUE(vosklift::SETUP(s.oWnd));
    EXPECT_TRUE(save.Join());
  }
  EXPECT_TRUE(s.lClpTime);
  // The watch switched on runs at once.
  EXPECT_NE(s.oTimer, nullptr);
  char buf[16] = {};
  for (const char* key : {"AutoClp", "ClsCopy", "ClpTime"}) {
    GetPrivateProfileStringA("System", key, "", buf, sizeof buf, ".\\VOSKDAR.INI");
    EXPECT_STREQ(buf, "1") << key;
  }
  {
    Driver cancel("#32770", "Voskdar - Einstellungen", [&click](HWND dialog) {
      click(dialog, " Automatisches &Einf\xFCgen aus der Zwischenablage");
      click(dialog, "&Abbrechen");
    });
    vosklift::SETUP(s.oWnd);
    EXPECT_TRUE(cancel.Join());
  }
  EXPECT_TRUE(s.lAutoClp);
}

}  // namespace
