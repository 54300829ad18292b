// The tray loader itself under Wine: started in a folder of its own beside
// stand-ins named Voskdar.exe and Dravonel.exe that record their command
// lines. Xvfb has no notification area, so the tests post the shell's
// message to the icon's window. The clipboard texts are rendered on
// request, so that each tick of the watch shows as the request for its
// text. With VD_SHOT set to a folder the tray menu and the settings dialog
// are saved there as "vosklift_menu.bmp" and "vosklift_setup.bmp".

#include <gtest/gtest.h>
#include <windows.h>
// After windows.h, which it needs.
#include <tlhelp32.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "tests/apps/program_driver.h"
#include "tests/graphics/window_shot.h"

namespace {

namespace fs = std::filesystem;
using apps_test::Children;
using apps_test::ClassOf;
using apps_test::Text;
using apps_test::WindowsPath;

const char* const kCaption = " ZQS Voskdar v1.41";
const char* const kAboutTitle = "ZQS Voskdar v1.41 - TrayModul";
constexpr UINT kTrayMessage = 2067;
constexpr DWORD kLong = 20000;

struct TopSearch {
  DWORD pid;
  std::function<bool(HWND)> match;
  HWND found = nullptr;
};

BOOL CALLBACK FindTop(HWND h, LPARAM p) {
  auto* s = reinterpret_cast<TopSearch*>(p);
  DWORD pid = 0;
  GetWindowThreadProcessId(h, &pid);
  if (pid == s->pid && s->match(h)) {
    s->found = h;
    return FALSE;
  }
  return TRUE;
}

HWND TopWindow(DWORD pid, std::function<bool(HWND)> match) {
  TopSearch s{pid, std::move(match)};
  EnumWindows(FindTop, reinterpret_cast<LPARAM>(&s));
  return s.found;
}

// Handles the messages of this thread, so that a program that sends to it
// is answered.
void Pump() {
  MSG msg;
  while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&msg);
}

// Handles the messages of this thread for at most ms, or until done holds.
bool PumpUntil(const std::function<bool()>& done, DWORD ms = kLong) {
  const DWORD begin = GetTickCount();
  for (Pump(); !done(); Pump()) {
    if (GetTickCount() - begin > ms) return false;
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 20, QS_ALLINPUT);
  }
  return true;
}

// The clipboard, owned by a window of the test that renders its text only
// when a program asks for it.
class Clipboard {
 public:
  Clipboard() {
    WNDCLASSA wc{};
    wc.lpfnWndProc = Proc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = "VdLoaderTestClipboard";
    RegisterClassA(&wc);
    // A hidden top-level window: a message-only one cannot own the clipboard.
    hWnd_ = CreateWindowA(wc.lpszClassName, "", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr, wc.hInstance, nullptr);
  }
  ~Clipboard() { DestroyWindow(hWnd_); }
  // Offers text, rendered at the first request.
  void Offer(const std::string& text) {
    pending() = text;
    requested() = false;
    // The watch may hold the clipboard for a moment.
    ASSERT_TRUE(PumpUntil([this] { return OpenClipboard(hWnd_) != FALSE; }));
    EmptyClipboard();
    SetClipboardData(CF_TEXT, nullptr);
    CloseClipboard();
  }
  // Waits until a program asked for the offered text: one tick of the watch.
  bool WaitRequest() { return PumpUntil([] { return requested(); }); }
  static void Put(const std::string& text) {
    ASSERT_TRUE(OpenClipboard(nullptr));
    EmptyClipboard();
    SetClipboardData(CF_TEXT, Global(text));
    CloseClipboard();
  }

 private:
  static HGLOBAL Global(const std::string& text) {
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, text.size() + 1);
    std::memcpy(GlobalLock(block), text.c_str(), text.size() + 1);
    GlobalUnlock(block);
    return block;
  }
  static std::string& pending() {
    static std::string text;
    return text;
  }
  static bool& requested() {
    static bool flag;
    return flag;
  }
  static LRESULT CALLBACK Proc(HWND h, UINT m, WPARAM w, LPARAM l) {
    if (m == WM_RENDERFORMAT && w == CF_TEXT) {
      SetClipboardData(CF_TEXT, Global(pending()));
      requested() = true;
      return 0;
    }
    if (m == WM_RENDERALLFORMATS) return 0;
    return DefWindowProcA(h, m, w, l);
  }
  HWND hWnd_ = nullptr;
};

// A file held open as a running program holds its semaphore.
class LiveFile {
 public:
  explicit LiveFile(const fs::path& path)
      : h_(CreateFileA(path.string().c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                       CREATE_ALWAYS, 0, nullptr)) {}
  ~LiveFile() { Release(); }
  void Release() {
    if (h_ != INVALID_HANDLE_VALUE) CloseHandle(h_);
    h_ = INVALID_HANDLE_VALUE;
  }

 private:
  HANDLE h_;
};

// Whether a process of that file name runs.
bool Running(const char* exe) {
  HANDLE snap = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
  PROCESSENTRY32 e{};
  e.dwSize = sizeof e;
  bool found = false;
  for (BOOL ok = Process32First(snap, &e); ok && !found; ok = Process32Next(snap, &e))
    found = _stricmp(e.szExeFile, exe) == 0;
  CloseHandle(snap);
  return found;
}

// The started loader, with the boxes its start-up showed.
class Loader {
 public:
  using Answer = std::function<void(HWND)>;
  // answers: a box's title and how to answer it when it shows.
  Loader(const fs::path& dir, std::map<std::string, Answer> answers = {}) : answers_(std::move(answers)) {
    std::string command = "\"" + (dir / "Vosklift.exe").string() + "\"";
    STARTUPINFOA si{};
    si.cb = sizeof si;
    if (!CreateProcessA(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, dir.string().c_str(), &si,
                        &pi_))
      return;
    const DWORD begin = GetTickCount();
    while (GetTickCount() - begin < 30000 && !tray_) {
      Pump();
      if (MsgWaitForMultipleObjects(1, &pi_.hProcess, FALSE, 20, QS_ALLINPUT) == WAIT_OBJECT_0) break;
      for (const char* title : {kAboutTitle, "Info"}) {
        HWND box = FindWindowA("#32770", title);
        if (!box) continue;
        Seen& s = seen_[title];
        if (!s.box) s = {box, GetTickCount(), 0, ""};
        for (HWND h : Children(box))
          if (ClassOf(h) == "Static" && Text(h).size() > s.text.size()) s.text = Text(h);
        if (const auto it = answers_.find(title); it != answers_.end()) it->second(box);
      }
      for (auto& [title, s] : seen_)
        if (s.box && !s.ms && !IsWindow(s.box)) s.ms = GetTickCount() - s.shown;
      main_ = TopWindow(pi_.dwProcessId, [](HWND h) { return Text(h) == kCaption && !GetWindow(h, GW_OWNER); });
      if (main_)
        tray_ = TopWindow(pi_.dwProcessId, [this](HWND h) {
          return GetWindow(h, GW_OWNER) == main_ && (GetWindowLongA(h, GWL_STYLE) & WS_DISABLED) &&
                 ClassOf(h) == "TWINDOW";
        });
    }
  }
  ~Loader() {
    if (!pi_.hProcess) return;
    if (WaitForSingleObject(pi_.hProcess, 0) == WAIT_TIMEOUT) {
      if (main_) PostMessageA(main_, WM_CLOSE, 0, 0);
      if (!PumpUntil([this] { return WaitForSingleObject(pi_.hProcess, 0) == WAIT_OBJECT_0; }, 15000))
        TerminateProcess(pi_.hProcess, 1);
    }
    CloseHandle(pi_.hThread);
    CloseHandle(pi_.hProcess);
  }
  Loader(const Loader&) = delete;
  Loader& operator=(const Loader&) = delete;

  struct Seen {
    HWND box = nullptr;
    DWORD shown = 0, ms = 0;
    std::string text;
  };
  Seen Shown(const std::string& title) const {
    const auto it = seen_.find(title);
    return it == seen_.end() ? Seen{} : it->second;
  }
  HWND Main() const { return main_; }
  HWND Tray() const { return tray_; }
  // A mouse message as the shell reports it, handled when this returns.
  void Click(UINT mouse) const { SendMessageA(tray_, kTrayMessage, 1, mouse); }
  // Whether the loader answers a message within ms.
  bool Answers(UINT ms) const {
    DWORD_PTR r = 0;
    return SendMessageTimeoutA(tray_, WM_NULL, 0, 0, SMTO_NORMAL, ms, &r) != 0;
  }
  DWORD Pid() const { return pi_.dwProcessId; }
  // Whether the loader's thread tracks a menu. The menu shows before its
  // tracking takes the mouse capture; a click in between goes to the window
  // under the pointer and never ends the menu.
  bool Tracking() const {
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    return GetGUIThreadInfo(pi_.dwThreadId, &info) && (info.flags & GUI_INMENUMODE);
  }
  // Opens the tray menu; its window once it tracks the mouse, null when it
  // did not open or its tracking ended at once.
  HWND OpenMenu() {
    PostMessageA(tray_, kTrayMessage, 1, WM_RBUTTONDOWN);
    HWND menu = nullptr;
    PumpUntil([&] {
      menu = TopWindow(pi_.dwProcessId, [](HWND h) { return ClassOf(h) == "#32768" && IsWindowVisible(h); });
      return menu && Tracking();
    });
    return menu && Tracking() ? menu : nullptr;
  }
  DWORD Wait() {
    EXPECT_TRUE(PumpUntil([this] { return WaitForSingleObject(pi_.hProcess, 0) == WAIT_OBJECT_0; }, 30000));
    DWORD code = 99;
    GetExitCodeProcess(pi_.hProcess, &code);
    return code;
  }

 private:
  PROCESS_INFORMATION pi_{};
  HWND main_ = nullptr, tray_ = nullptr;
  std::map<std::string, Answer> answers_;
  std::map<std::string, Seen> seen_;
};

class VoskliftProgram : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = fs::temp_directory_path() /
           (std::string("vosklift_") + ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(dir_);
    fs::create_directories(dir_);
    ASSERT_TRUE(CopyFileA(WindowsPath(VD_VOSKLIFT_EXE).c_str(), (dir_ / "Vosklift.exe").string().c_str(), FALSE));
    for (const char* standIn : {"Voskdar.exe", "Dravonel.exe"})
      ASSERT_TRUE(CopyFileA(WindowsPath(VD_STANDIN_EXE).c_str(), (dir_ / standIn).string().c_str(), FALSE));
    for (const char* table : {"DEUENG.DBF", "DEUFRA.DBF"}) std::ofstream(dir_ / table) << "x";
    Ini("[System]\r\nLoadInfo=0\r\n");
  }
  void TearDown() override {
    std::error_code ec;
    fs::remove_all(dir_, ec);
  }
  void Ini(const std::string& text) const { std::ofstream(dir_ / "VOSKDAR.INI", std::ios::binary) << text; }
  std::string Setting(const char* section, const char* key) const {
    char buf[256] = {};
    GetPrivateProfileStringA(section, key, "<none>", buf, sizeof buf, (dir_ / "VOSKDAR.INI").string().c_str());
    return buf;
  }
  void Set(const char* section, const char* key, const char* value) const {
    WritePrivateProfileStringA(section, key, value, (dir_ / "VOSKDAR.INI").string().c_str());
  }
  std::vector<std::string> Started() const {
    std::vector<std::string> lines;
    std::ifstream in(dir_ / "started.txt", std::ios::binary);
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
  }
  // Waits until the stand-ins have recorded n starts; their lines.
  std::vector<std::string> WaitStarted(std::size_t n) const {
    PumpUntil([&] { return Started().size() >= n; });
    return Started();
  }
  std::string Bytes(const char* name) const {
    std::ifstream in(dir_ / name, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
  }
  void Hold() const { std::ofstream(dir_ / "hold.txt") << "x"; }
  void Release() const { fs::remove(dir_ / "hold.txt"); }

  fs::path dir_;
};

TEST_F(VoskliftProgram, StartUpRestoresCleansUpAndHidesItsWindow) {
  std::ofstream(dir_ / "Voskdar.sav", std::ios::binary) << "[System]\r\nLoadInfo=0\r\n[Test]\r\nFrom=sav\r\n";
  std::ofstream(dir_ / "Voskdar.upd") << "";
  const char* bases[] = {"DeuEng", "DeuFra", "DeuIta", "DeuSpa", "DeuPor", "DeuLat"};
  for (const char* base : bases)
    for (const char* order : {"1", "2"}) std::ofstream(dir_ / (std::string(base) + order + ".ntx")) << "x";
  std::ofstream(dir_ / "Voskdar.Sem") << "";  // left by a program that has gone
  LiveFile editor(dir_ / "Dravonel.Sem");     // the editor runs
  Clipboard::Put("Vorher");

  Loader loader(dir_);
  ASSERT_NE(loader.Tray(), nullptr);
  EXPECT_EQ(Setting("Test", "From"), "sav");
  for (const char* base : bases)
    for (const char* order : {"1", "2"}) EXPECT_FALSE(fs::exists(dir_ / (std::string(base) + order + ".ntx"))) << base;
  EXPECT_FALSE(fs::exists(dir_ / "Voskdar.upd"));
  EXPECT_FALSE(fs::exists(dir_ / "Voskdar.Sem"));
  EXPECT_TRUE(fs::exists(dir_ / "Dravonel.Sem"));
  EXPECT_FALSE(IsClipboardFormatAvailable(CF_TEXT));

  const auto about = loader.Shown(kAboutTitle);
  ASSERT_NE(about.box, nullptr);
  EXPECT_GE(about.ms, 2500u);
  EXPECT_LT(about.ms, 15000u);
  EXPECT_EQ(loader.Shown("Info").box, nullptr);  // LoadInfo=0
  EXPECT_FALSE(IsWindowVisible(loader.Main()));
  EXPECT_EQ(static_cast<DWORD>(GetWindowLongA(loader.Main(), GWL_STYLE)) & ~static_cast<DWORD>(WS_CLIPSIBLINGS |
                                                                                                  WS_CLIPCHILDREN),
            2160852992u);
  editor.Release();
}

TEST_F(VoskliftProgram, AnEmptyCopyOfTheSettingsIsNotRestored) {
  Ini("[System]\r\nLoadInfo=0\r\n[Test]\r\nFrom=ini\r\n");
  std::ofstream(dir_ / "Voskdar.sav", std::ios::binary) << "";
  Loader loader(dir_);
  ASSERT_NE(loader.Tray(), nullptr);
  EXPECT_EQ(Setting("Test", "From"), "ini");
}

TEST_F(VoskliftProgram, TheInfoBoxAnsweredNoIsNotShownAgain) {
  Ini("");
  Loader loader(dir_, {{"Info", [](HWND box) { PostMessageA(box, WM_COMMAND, IDNO, 0); }}});
  ASSERT_NE(loader.Tray(), nullptr);
  const auto info = loader.Shown("Info");
  ASSERT_NE(info.box, nullptr);
  EXPECT_EQ(info.text,
            "Voskdar verschwindet nun in die Traybar und wird erst aktiv,\r\n"
            "wenn ein Begriff in die Zwischenablage kopiert wird.\r\n"
            "Ein Rechtsklick auf das Traybar-Icon \xF6" "ffnet das Kontextmen\xFC.\r\n"
            "Das Icon finden Sie rechts unten auf Ihrem Desktop in der Traybar!\r\n"
            "\r\n"
            "Diese Info beim n\xE4" "chsten Start wieder anzeigen?");
  EXPECT_EQ(Setting("System", "LoadInfo"), "0");
}

TEST_F(VoskliftProgram, ALeftClickStartsTheSearchUnlessAProgramRuns) {
  Loader loader(dir_);
  ASSERT_NE(loader.Tray(), nullptr);
  // Held, a start would still run when the click has been handled.
  Hold();
  {
    LiveFile search(dir_ / "Voskdar.Sem");
    loader.Click(WM_LBUTTONDOWN);
    EXPECT_FALSE(Running("Voskdar.exe"));
  }
  Release();
  fs::remove(dir_ / "Voskdar.Sem");
  loader.Click(WM_LBUTTONDOWN);
  EXPECT_EQ(WaitStarted(1), std::vector<std::string>{"Voskdar.exe @"});
}

TEST_F(VoskliftProgram, TheWatchStartsTheSearchForNewTextAndWaitsForIt) {
  Loader loader(dir_);
  ASSERT_NE(loader.Tray(), nullptr);
  Clipboard clip;
  Hold();
  Clipboard::Put("Haus");
  EXPECT_EQ(WaitStarted(1), std::vector<std::string>{"Voskdar.EXE Haus"});
  // The loader waits for the search to end.
  EXPECT_FALSE(loader.Answers(1000));
  Release();
  EXPECT_TRUE(loader.Answers(kLong));

  // Each offer waits for the tick that asks for it, which comes only after
  // the previous tick has ended.
  Set("Seek", "String", "Kopiert");
  for (const char* seen : {"Haus", "   ", "Kopiert"}) {
    clip.Offer(seen);
    ASSERT_TRUE(clip.WaitRequest()) << seen;
  }
  {
    // The second request shows that the first tick ended while the
    // semaphore was live.
    LiveFile search(dir_ / "Voskdar.Sem");
    for (int tick = 0; tick < 2; ++tick) {
      clip.Offer("Baum");
      ASSERT_TRUE(clip.WaitRequest());
    }
  }
  fs::remove(dir_ / "Voskdar.Sem");
  clip.Offer("Baum");  // counted as seen beside the running search
  ASSERT_TRUE(clip.WaitRequest());
  std::string big = "\"Erstes\" Wort mit \"Zitat\"\r\nzweite Zeile\r\n";
  while (big.size() < 10 * 1024) big += "noch eine Zeile mit \"Anf\xFChrungszeichen\"\r\n";
  clip.Offer(big);
  ASSERT_TRUE(clip.WaitRequest());
  EXPECT_EQ(WaitStarted(2), (std::vector<std::string>{"Voskdar.EXE Haus", "Voskdar.EXE Erstes"}));
}

TEST_F(VoskliftProgram, ARightClickOpensTheMenuAndAClickElsewhereClosesIt) {
  Loader loader(dir_);
  ASSERT_NE(loader.Tray(), nullptr);
  // The menu's items and actions are checked in this process (TrayMenu):
  // another process's menu items cannot be read here.
  HWND menu = loader.OpenMenu();
  ASSERT_NE(menu, nullptr) << "the tray menu did not open or stopped tracking at once";
  // Only the foreground thread's mouse capture takes a click outside every
  // window of the menu; the menu class puts the hidden owner there.
  DWORD foreground = 0;
  GetWindowThreadProcessId(GetForegroundWindow(), &foreground);
  EXPECT_EQ(foreground, loader.Pid());
  RECT r{};
  GetWindowRect(menu, &r);
  if (const char* dir = std::getenv("VD_SHOT")) SaveScreenShot(r, std::string(dir) + "/vosklift_menu.bmp");
  const POINT elsewhere{GetSystemMetrics(SM_CXSCREEN) - 20, GetSystemMetrics(SM_CYSCREEN) - 20};
  ASSERT_FALSE(PtInRect(&r, elsewhere));
  SetCursorPos(elsewhere.x, elsewhere.y);
  INPUT click[2] = {};
  click[0].type = click[1].type = INPUT_MOUSE;
  click[0].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
  click[1].mi.dwFlags = MOUSEEVENTF_LEFTUP;
  ASSERT_EQ(SendInput(2, click, sizeof(INPUT)), 2u);
  EXPECT_TRUE(PumpUntil([&] { return !IsWindowVisible(menu) && !loader.Tracking(); }))
      << "the click elsewhere did not close the tray menu";
  EXPECT_TRUE(loader.Answers(kLong));
  EXPECT_TRUE(Started().empty());
}

TEST_F(VoskliftProgram, TheExitWritesItsKeysCopiesTheSettingsAndCleansUp) {
  Ini("[System]\r\nLoadInfo=0\r\nClpTime=0\r\n[Data]\r\nExact=0\r\n");
  Loader loader(dir_);
  ASSERT_NE(loader.Tray(), nullptr);
  std::ofstream(dir_ / "VOSKTEMP.DBF") << "x";
  std::ofstream(dir_ / "Dravonel.Sem") << "";  // left by a program that has gone
  PostMessageA(loader.Main(), WM_CLOSE, 0, 0);
  EXPECT_EQ(loader.Wait(), 0u);
  const std::pair<const char*, const char*> written[] = {
      {"AutoClp", "1"}, {"ClsCopy", "1"}, {"ClpTime", "0"}, {"AStart", "1"}};
  for (const auto& [key, value] : written) EXPECT_EQ(Setting("System", key), value) << key;
  EXPECT_EQ(Setting("Data", "Exact"), "0");
  EXPECT_EQ(Setting("Info", "Product"), "ZQS Voskdar v1.41");
  EXPECT_FALSE(Bytes("VOSKDAR.INI").empty());
  EXPECT_EQ(Bytes("Voskdar.sav"), Bytes("VOSKDAR.INI"));
  EXPECT_FALSE(fs::exists(dir_ / "VOSKTEMP.DBF"));
  EXPECT_FALSE(fs::exists(dir_ / "Dravonel.Sem"));
}

}  // namespace

// A choice on the tray menu's own level after one of its submenus showed
// still reaches its item: "&Hilfe" opened, then "... &beenden" chosen.
TEST_F(VoskliftProgram, AChoiceAfterASubmenuShowedReachesItsItem) {
  Loader loader(dir_);
  ASSERT_NE(loader.Tray(), nullptr);
  HWND menu = loader.OpenMenu();
  ASSERT_NE(menu, nullptr);
  const auto shownMenus = [&] {
    int n = 0;
    for (HWND h = FindWindowA("#32768", nullptr); h; h = FindWindowExA(nullptr, h, "#32768", nullptr))
      n += IsWindowVisible(h) ? 1 : 0;
    return n;
  };
  PostMessageA(menu, WM_CHAR, 'h', 0);
  ASSERT_TRUE(PumpUntil([&] { return shownMenus() == 2; })) << "the help submenu did not open";
  PostMessageA(menu, WM_KEYDOWN, VK_LEFT, 0);
  ASSERT_TRUE(PumpUntil([&] { return shownMenus() == 1; }));
  PostMessageA(menu, WM_CHAR, 'b', 0);
  EXPECT_EQ(loader.Wait(), 0u);
}
