#include "apps/vosklift/tray_menu.h"

#include <array>
#include <functional>
#include <string>

#include "apps/common/about_box.h"
#include "apps/common/settings_file.h"
#include "apps/common/web_mail.h"
#include "apps/common/word_tables.h"
#include "apps/vosklift/clipboard_watch.h"
#include "apps/vosklift/loader_state.h"
#include "apps/vosklift/setup_dialog.h"
#include "controls/tmenu.h"
#include "core/twindow.h"
#include "runtime/files.h"
#include "services/help.h"
#include "services/oem_ansi.h"
#include "services/process.h"

namespace vosklift {

namespace {

struct Language {
  const char* prompt;
  const char* bitmap;
};

// In the order of the word tables' catalogue.
constexpr std::array<Language, 6> kLanguages{{
    {"Deutsch / &Englisch", "Eng"},
    {"Deutsch / &Franz\xF6sisch", "Fra"},
    {"Deutsch / &Italienisch", "Ita"},
    {"Deutsch / &Spanisch", "Spa"},
    {"Deutsch / &Portugiesisch", "Por"},
    {"Deutsch / &Latein", "Lat"},
}};
static_assert(kLanguages.size() == common::kWordTables.size());

rt::Value Block(std::function<void()> action) {
  return rt::Value::Block([action = std::move(action)](rt::Args) {
    action();
    return rt::Value();
  });
}

rt::Value Paused(std::function<void()> action) {
  return Block([action = std::move(action)] { WithWatchPaused(action); });
}

rt::Value Item(const std::string& prompt, const rt::Value& action = {}, bool active = true,
               const std::string& bitmap = {}) {
  std::array<rt::Value, 15> a{};
  a[0] = prompt;
  a[3] = active;
  a[4] = action;
  if (!bitmap.empty()) a[6] = bitmap;
  return ctl::MENUADDITEM(rt::Args(a.data(), a.size()));
}

void Separator() { ctl::MENUADDITEM({}); }

HWND MainHandle() {
  const auto& w = Loader().oWnd;
  return w ? w->hWnd : nullptr;
}

void HelpItems() {
  const LoaderState& s = Loader();
  Item("Hilfe anzeigen", Block([] { svc::WINHELP(".\\VOSKDAR.HLP"); }), true, "Help");
  if (!s.cInternetMenu.empty()) {
    const std::string url = s.cInternetUrl;
    Item(svc::OEMTOANSI(rt::Value(s.cInternetMenu)), Block([url] { common::OpenWebPage(MainHandle(), url); }), true,
         "Web");
  }
  if (!s.cEmailMenu.empty()) {
    const std::string address = s.cEmailUrl;
    Item(svc::OEMTOANSI(rt::Value(s.cEmailMenu)),
         Block([address] { common::WriteMail(MainHandle(), address, Release()); }), true, "Email");
  }
}

}  // namespace

void StartEditor(const std::string& base) {
  common::WriteSetting("Dravonel", "Sprache", base);
  common::WriteSwitch("Dravonel", "Extern", true);
  svc::WINEXEC(".\\Dravonel.exe");
}

void MENUTRAY(long nRow, long nCol, const rt::Value&) {
  // A semaphore left by a program that ended without its exit steps does
  // not lock the items.
  const bool free = !SemaphoreLive();
  const std::string shortName = ShortName();
  const rt::Value main = Loader().oWnd ? rt::Value(Loader().oWnd) : rt::Value();
  const rt::Value menu = ctl::MENUBEGIN(true);
  Item(shortName + " &W\xF6rterbuch \xF6" "ffnen", {}, free);
  ctl::MENUBEGIN(false);
  for (std::size_t i = 0; i < kLanguages.size(); ++i) {
    const std::string base(common::kWordTables[i].base);
    if (!rt::FileExists(".\\" + base + ".DBF")) continue;
    Item(kLanguages[i].prompt, Paused([base] { StartEditor(base); }), true, kLanguages[i].bitmap);
  }
  ctl::MENUEND();
  Separator();
  Item("&\xFC" "ber " + Release(), Paused([main] {
         common::AboutOptions about;
         about.title = Release() + " - TrayModul";
         about.icon = rt::Value("Voskdar");
         about.owner = main;
         about.lines = common::ReadAboutLines();
         common::AboutInfo(about);
       }));
  Separator();
  Item(shortName + " Suchmaschine &\xF6" "ffnen", Paused([] { svc::WINEXEC("Voskdar.EXE @"); }), free);
  Item(shortName + " &Einstellungen", Paused([] { SETUP(Loader().oWnd); }), free);
  Item(shortName + " &Hilfe");
  ctl::MENUBEGIN(false);
  HelpItems();
  ctl::MENUEND();
  Item(shortName + " &beenden", Block([] {
         if (const auto& w = Loader().oWnd) w->End();
       }));
  ctl::MENUEND();
  if (const auto popup = menu.As<ctl::TMenu>()) popup->Activate(nRow - kMenuRise, nCol, main);
}

}  // namespace vosklift
