// The Tab order through a folder's page and the first and last active
// controls of a window with a radio menu.
#include <windows.h>

#include <memory>

#include <gtest/gtest.h>

#include "core/twindow.h"
#include "runtime/object.h"
#include "twindow_support.h"

namespace {

using coretest::FolderProbe;
using coretest::OwnedWindow;

constexpr long kStop = WS_CHILD | WS_VISIBLE | WS_TABSTOP;

// Holds Shift down for the keys sent while it lives.
class ShiftDown {
 public:
  explicit ShiftDown(bool down) : down_(down) { Set(down_); }
  ~ShiftDown() { Set(false); }
  ShiftDown(const ShiftDown&) = delete;
  ShiftDown& operator=(const ShiftDown&) = delete;

 private:
  static void Set(bool down) {
    BYTE keys[256] = {};
    GetKeyboardState(keys);
    keys[VK_SHIFT] = down ? 0x80 : 0;
    SetKeyboardState(keys);
  }
  bool down_;
};

// A window with a control, a folder whose current page holds two controls,
// and a control after the folder, in that Tab order.
struct FolderDialog {
  OwnedWindow window{coretest::PixelArgs(10, 10, 249, 349)};
  OwnedWindow before{coretest::PixelArgs(5, 5, 24, 54, kStop, window.value())};
  std::shared_ptr<FolderProbe> folder = std::make_shared<FolderProbe>();
  OwnedWindow holdFolder{folder};
  std::unique_ptr<OwnedWindow> page, first, last, after;

  FolderDialog() {
    ShowWindow(window->hWnd, SW_SHOW);
    SetForegroundWindow(window->hWnd);
    folder->hWnd = CreateWindowExA(0, "SysTabControl32", "", kStop, 5, 30, 300, 150, window->hWnd, nullptr, nullptr,
                                   nullptr);
    folder->Link();
    folder->oWnd = window.value();
    page = std::make_unique<OwnedWindow>(coretest::PixelArgs(25, 5, 139, 294, WS_CHILD | WS_VISIBLE, folder->Self()));
    first = std::make_unique<OwnedWindow>(coretest::PixelArgs(5, 5, 24, 54, kStop, (*page)->Self()));
    last = std::make_unique<OwnedWindow>(coretest::PixelArgs(30, 5, 49, 54, kStop, (*page)->Self()));
    (*page)->AddControl(first->value());
    (*page)->AddControl(last->value());
    folder->aDialogs = rt::Value::Array({page->value()});
    folder->nOption = 1;
    after = std::make_unique<OwnedWindow>(coretest::PixelArgs(190, 5, 209, 54, kStop, window.value()));
    window->AddControl(before.value());
    window->AddControl(folder->Self());
    window->AddControl(after->value());
  }
};

TEST(TWindowTab, TheFolderPageIsAStepOfTheWindowsTabOrder) {
  FolderDialog d;
  ASSERT_NE(d.folder->hWnd, nullptr);
  struct Case {
    const char* name;
    HWND from;
    bool shift;
    HWND to;
    HWND windowFocus;  // hCtlFocus of the window afterwards; null: unchanged
  };
  const HWND first = (*d.first)->hWnd, last = (*d.last)->hWnd, after = (*d.after)->hWnd;
  const Case cases[] = {
      {"Tab inside the page", first, false, last, nullptr},
      {"Tab from the page's last control leaves the folder", last, false, after, after},
      {"Shift+Tab from the page's first control leaves the folder", first, true, d.before->hWnd, d.before->hWnd},
      {"Shift+Tab onto the folder enters its page at the end", after, true, last, d.folder->hWnd},
      {"Tab from the window's last control wraps in the window", after, false, d.before->hWnd, d.before->hWnd},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    d.window->hCtlFocus = nullptr;
    SetFocus(c.from);
    ASSERT_EQ(GetFocus(), c.from);
    {
      ShiftDown shift(c.shift);
      EXPECT_EQ(SendMessageA(c.from, WM_KEYDOWN, VK_TAB, 0), 0);
    }
    EXPECT_EQ(GetFocus(), c.to);
    EXPECT_EQ(d.window->hCtlFocus, c.windowFocus);
  }
  // Entering the page from behind leaves the page's focus on its last control,
  // so the folder gives it back there.
  EXPECT_EQ((*d.page)->hCtlFocus, last);
}

// A radio menu of a later layer by name: its buttons and the current one.
class TRadMenuProbe : public rt::Object {
 public:
  RT_CLASS_DECL()
  rt::Value aItems = rt::Value::Array();
  long nOption = 0;
};

const rt::ClassInfo& TRadMenuProbe::ClassDef() {
  static const rt::ClassInfo info("TRADMENUPROBE", &Object::ClassDef(), rt::FactoryOf<TRadMenuProbe>(),
                                  [](rt::ClassInfo& c) {
                                    rt::ClassBuilder<TRadMenuProbe>(c)
                                        .Data("aItems", &TRadMenuProbe::aItems)
                                        .Data("nOption", &TRadMenuProbe::nOption);
                                  });
  return info;
}

RT_CLASS_REGISTER(TRadMenuProbe);

class TRadioProbe : public core::TWindow {
 public:
  RT_CLASS_DECL()
  rt::Value oRadMenu;
};

const rt::ClassInfo& TRadioProbe::ClassDef() {
  static const rt::ClassInfo info("TRADIOPROBE", &TWindow::ClassDef(), rt::FactoryOf<TRadioProbe>(),
                                  [](rt::ClassInfo& c) {
                                    rt::ClassBuilder<TRadioProbe>(c).Data("oRadMenu", &TRadioProbe::oRadMenu);
                                  });
  return info;
}

RT_CLASS_REGISTER(TRadioProbe);

TEST(TWindowActiveCtrl, ARadioMenuCountsByItsCurrentItem) {
  OwnedWindow window(coretest::PixelArgs(10, 10, 209, 309));
  ShowWindow(window->hWnd, SW_SHOW);
  auto menu = std::make_shared<TRadMenuProbe>();
  std::unique_ptr<OwnedWindow> radios[3];
  for (int i = 0; i < 3; ++i) {
    auto radio = std::make_shared<TRadioProbe>();
    radio->oRadMenu = rt::Value(menu);
    // The group's tab stop sits on its first button, as with the system's
    // radio groups.
    radio->New(coretest::PixelArgs(5 + 25 * i, 5, 24 + 25 * i, 104,
                                   i == 0 ? kStop | WS_GROUP : WS_CHILD | WS_VISIBLE, window.value()));
    radios[i] = std::make_unique<OwnedWindow>(radio);
    menu->aItems.Items().push_back(rt::Value(radio));
    window->AddControl(rt::Value(radio));
  }
  OwnedWindow edit(coretest::PixelArgs(100, 5, 119, 104, kStop, window.value()));
  window->AddControl(edit.value());

  struct Case {
    const char* name;
    long option;
    int disabledRadio;  // -1: none
    bool editEnabled;
    rt::Value first, last;
  };
  const rt::Value r1 = radios[0]->value(), r2 = radios[1]->value(), r3 = radios[2]->value(), e = edit.value();
  const Case cases[] = {
      {"the checked button stands for the group", 2, -1, true, r2, e},
      {"the last control is the checked button", 3, -1, false, r3, r3},
      {"a disabled checked button takes the group out", 2, 1, true, e, e},
      {"without a checked button the tab stop counts", 0, -1, true, r1, e},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    menu->nOption = c.option;
    for (int i = 0; i < 3; ++i) EnableWindow((*radios[i])->hWnd, i != c.disabledRadio);
    EnableWindow(edit->hWnd, c.editEnabled);
    EXPECT_EQ(window->FirstActiveCtrl(), c.first);
    EXPECT_EQ(window->LastActiveCtrl(), c.last);
  }
}

}  // namespace
