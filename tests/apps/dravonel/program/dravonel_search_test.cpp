// The editor's main dialog in the real program under Wine: the search
// fields, "&Suchen", the letter buttons, the direction items and the copy
// to the clipboard, driven by posted clicks, keys and menu commands. The
// row a step ends on is read back through "&Kopieren in Zwischenablage".
// With VD_SHOT set to a folder the window after the "haus" search is saved
// there as "dravonel_search.bmp" (the picture in docs/).

#include <gtest/gtest.h>
#include <windows.h>

#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>
#include <utility>
#include <vector>

#include "apps/common/transchr.h"
#include "apps/common/word_tables.h"
#include "runtime/strings.h"
#include "runtime/table_fns.h"
#include "tests/apps/dravonel/program/program_folder.h"
#include "tests/apps/program_driver.h"
#include "tests/apps/word_table_file.h"
#include "tests/graphics/window_shot.h"

namespace {

namespace fs = std::filesystem;
using namespace apps_test;

const std::string kTitle = " ZQS Voskdar W\xF6rtbuch v1.41";

// The English sample: more rows than the grid shows, two HAUS rows, the
// only Q word, the last row of the German order, and a row without its
// German word, the last of the foreign order.
WordPairs EnglishRows() {
  WordPairs rows = {{"Aal", "eel"}, {"Abend", "evening"}, {"Haus", "house"}, {"Haus", "home"},
               {"Hausaufgabe", "homework"}, {"Qual", "agony"}, {"Zylinder", "cylinder"}, {"", "zest"}};
  for (int i = 10; i < 70; ++i) rows.emplace_back("Mittel" + std::to_string(i), "middle" + std::to_string(i));
  return rows;
}

const WordPairs kFrench = {{"Abend", "soir"}, {"Sommer", "\xE9t\xE9"}, {"Sommerzeit", "heure d'\xE9t\xE9"},
                      {"Winter", "hiver"}};

void Collect(HWND parent, std::vector<HWND>& out) {
  for (HWND h : Children(parent)) {
    out.push_back(h);
    Collect(h, out);
  }
}

// The program's main dialog and its parts as found now.
struct Surface {
  HWND dialog = nullptr, getDe = nullptr, getFr = nullptr, search = nullptr, grid = nullptr;
  std::vector<HWND> all;
  HWND Button(const std::string& caption) const {
    for (HWND h : all)
      if (ClassOf(h) == "Button" && Text(h) == caption) return h;
    return nullptr;
  }
};

Surface Find(HWND main) {
  Surface s;
  for (HWND h : Children(main))
    if (ClassOf(h) == "#32770" && IsWindowVisible(h)) s.dialog = h;
  if (!s.dialog) return s;
  Collect(s.dialog, s.all);
  std::vector<HWND> edits;
  for (HWND h : s.all) {
    const std::string cls = ClassOf(h);
    if (cls == "Edit") edits.push_back(h);
    if (cls.find("TGBROWSE") != std::string::npos || cls.find("TGBrowse") != std::string::npos) s.grid = h;
  }
  if (edits.size() >= 2) {
    RECT a{}, b{};
    GetWindowRect(edits[0], &a);
    GetWindowRect(edits[1], &b);
    s.getDe = a.left < b.left ? edits[0] : edits[1];
    s.getFr = a.left < b.left ? edits[1] : edits[0];
  }
  s.search = s.Button("&Suchen");
  return s;
}

// The main menu's items draw themselves and live in the program's process:
// they are chosen from the keyboard, the menu bar's letter first, then the
// letters of the items down the popups; ">" opens the selected item's
// submenu, "v" selects the next item and "\r" chooses it (the dictionary
// items show pictures in place of their letters).
struct MenuKeys {
  const char* prompt;
  const char* keys;
};
const MenuKeys kMenuKeys[] = {
    {" &Franz\xF6sisch", "d>v\r"},
    {"&Fremdsprache -> Deutsch", "df"},
    {"&Kopieren in Zwischenablage", "ak"},
    {"&Suchen aus Zwischenablage", "as"},
    {"Zum &n\xE4" "chsten Datensatz", "gn"},
    {"Zum &letzten Datensatz", "gl"},
};

int ShownPopups() {
  int shown = 0;
  for (HWND h = FindWindowA("#32768", nullptr); h; h = FindWindowExA(nullptr, h, "#32768", nullptr))
    shown += IsWindowVisible(h) ? 1 : 0;
  return shown;
}

class DravonelSearch : public EditorFolder {
 protected:

  // Waits for the main dialog with its fields and grid.
  Surface AwaitSurface(HWND old = nullptr) {
    Surface s;
    Await(program_->Process(), [&] {
      s = Find(main_);
      return s.dialog && s.dialog != old && s.getDe && s.getFr && s.search;
    });
    return s;
  }
  // A click into the field, then the text typed key by key.
  void Type(HWND field, const std::string& text) {
    PostMessageA(field, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(3, 3));
    PostMessageA(field, WM_LBUTTONUP, 0, MAKELPARAM(3, 3));
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    const DWORD thread = GetWindowThreadProcessId(field, nullptr);
    ASSERT_TRUE(Await(program_->Process(), [&] { return GetGUIThreadInfo(thread, &info) && info.hwndFocus == field; }));
    for (unsigned char c : text) PostMessageA(field, WM_CHAR, c, 1);
  }
  void Menu(const std::string& prompt) {
    const char* keys = nullptr;
    for (const MenuKeys& m : kMenuKeys)
      if (prompt == m.prompt) keys = m.keys;
    ASSERT_NE(keys, nullptr) << prompt;
    PostMessageA(main_, WM_SYSCOMMAND, SC_KEYMENU, keys[0]);
    int popups = 1;
    for (int i = 1; keys[i]; ++i) {
      ASSERT_TRUE(Await(program_->Process(), [&] { return ShownPopups() >= popups; })) << prompt;
      HWND popup = FindWindowA("#32768", nullptr);
      if (keys[i] == '>') {
        PostMessageA(popup, WM_KEYDOWN, VK_RIGHT, 1);
        ++popups;
      } else if (keys[i] == 'v' || keys[i] == '\r') {
        PostMessageA(popup, WM_KEYDOWN, keys[i] == 'v' ? VK_DOWN : VK_RETURN, 1);
      } else {
        PostMessageA(popup, WM_CHAR, static_cast<unsigned char>(keys[i]), 1);
      }
    }
    ASSERT_TRUE(Await(program_->Process(), [&] { return ShownPopups() == 0; })) << prompt;
  }
  // The current row's word as the menu copies it; every message posted
  // before has been handled when it arrives.
  std::string Copied() {
    OpenClipboard(nullptr);
    EmptyClipboard();
    SetClipboardData(CF_TEXT, nullptr);
    CloseClipboard();
    const DWORD before = GetClipboardSequenceNumber();
    Menu("&Kopieren in Zwischenablage");
    Await(program_->Process(), [&] { return GetClipboardSequenceNumber() != before; });
    // The copy empties the clipboard, then puts the word.
    Await(program_->Process(), [&] { return !ClipboardText().empty(); });
    return ClipboardText();
  }
  void Start(const std::string& sprache) {
    std::ofstream(dir_ / "VOSKDAR.INI", std::ios::binary) << "[Dravonel]\r\nSprache=" << sprache
                                                          << "\r\nExtern=1\r\n";
    program_ = std::make_unique<Started>(exe_, dir_);
    ASSERT_TRUE(program_->Ok());
    main_ = program_->AwaitWindow(kTitle);
    ASSERT_NE(main_, nullptr);
  }
  DWORD Close() {
    PostMessageA(main_, WM_SYSCOMMAND, SC_CLOSE, 0);
    return program_->Wait();
  }

  std::unique_ptr<Started> program_;
  HWND main_ = nullptr;
};

TEST_F(DravonelSearch, SearchesLettersDirectionsAndTheClipboard) {
  MakeWordTable(common::kWordTables[0], EnglishRows(), "XX", common::KeyStyle::Editor);
  MakeWordTable(common::kWordTables[1], kFrench, "XX", common::KeyStyle::Editor);
  Start("DEUENG");
  Surface s = AwaitSurface();
  ASSERT_NE(s.dialog, nullptr);
  ASSERT_NE(s.grid, nullptr);
  for (char c = 'A'; c <= 'Z'; ++c) EXPECT_NE(s.Button(std::string(1, c)), nullptr) << c;

  // From the last row: the search, then a row down.
  Menu("Zum &letzten Datensatz");
  EXPECT_EQ(Copied(), "cylinder") << "the last German row";
  Type(s.getDe, "haus");
  // What was typed survives a repaint of the grid.
  RedrawWindow(s.grid, nullptr, nullptr, RDW_INVALIDATE);
  ASSERT_TRUE(Await(program_->Process(), [&] { return !GetUpdateRect(s.grid, nullptr, FALSE); }));
  EXPECT_EQ(rt::TRIM(Text(s.getDe)), "haus");
  PostMessageA(s.search, BM_CLICK, 0, 0);
  // The German order's key holds both words: HAUS with "home" comes first.
  EXPECT_EQ(Copied(), "home");
  if (const char* shot = std::getenv("VD_SHOT")) {
    RedrawWindow(main_, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    Await(program_->Process(), [&] { return !GetUpdateRect(s.grid, nullptr, FALSE); });
    SaveWindowShot(main_, std::string(shot) + "/dravonel_search.bmp");
  }
  EXPECT_EQ(rt::TRIM(Text(s.getDe)), "") << "the fields are cleared after a search";
  Menu("Zum &n\xE4" "chsten Datensatz");
  EXPECT_EQ(Copied(), "house");

  // Nothing found: the message, and the row stays.
  Type(s.getDe, "xyzzy");
  PostMessageA(s.search, BM_CLICK, 0, 0);
  HWND box = program_->AwaitWindow("Suchen", "#32770");
  ASSERT_NE(box, nullptr);
  EXPECT_NE(StaticTexts(box).find("Die Suche nach dem Begriff 'xyzzy' war erfolglos !"), std::string::npos)
      << StaticTexts(box);
  PostMessageA(box, WM_COMMAND, IDOK, 0);
  ASSERT_TRUE(Await(program_->Process(), [&] { return !IsWindow(box); }));
  EXPECT_EQ(Copied(), "house");

  // The letter button.
  PostMessageA(s.Button("Q"), BM_CLICK, 0, 0);
  EXPECT_EQ(Copied(), "agony");

  // The clipboard's first line is searched, the German side first, then
  // the foreign one; the clipboard is left empty.
  const struct {
    const char* clip;
    const char* copied;
  } clips[] = {{"Haus\r\nzweite Zeile", "home"}, {"  house\tx", "house"}};
  for (const auto& c : clips) {
    PutClipboard(c.clip);
    Menu("&Suchen aus Zwischenablage");
    ASSERT_TRUE(Await(program_->Process(), [&] { return ClipboardText().empty(); })) << c.clip;
    EXPECT_EQ(Copied(), c.copied) << c.clip;
  }

  // Escape in a search field leaves the dialog open.
  // The key's character is queued behind what was posted with it: the
  // second typed letter comes after it.
  Type(s.getDe, "ab");
  PostMessageA(s.getDe, WM_KEYDOWN, VK_ESCAPE, 1);
  PostMessageA(s.getDe, WM_CHAR, 'x', 1);
  ASSERT_TRUE(Await(program_->Process(), [&] { return rt::TRIM(Text(s.getDe)) == "abx"; }));
  PostMessageA(s.getDe, WM_CHAR, 'y', 1);
  ASSERT_TRUE(Await(program_->Process(), [&] { return rt::TRIM(Text(s.getDe)) == "abxy"; }));
  EXPECT_TRUE(IsWindow(s.dialog) && IsWindowVisible(s.dialog));
  EXPECT_EQ(Copied(), "house");

  // The foreign side: order 2 from its first row, the fields empty, and the
  // German word is what is copied.
  Type(s.getFr, "zz");
  Menu("&Fremdsprache -> Deutsch");
  EXPECT_EQ(Copied(), "Qual");
  EXPECT_EQ(rt::TRIM(Text(s.getDe)), "");
  EXPECT_EQ(rt::TRIM(Text(s.getFr)), "");
  // Copying an empty term empties the clipboard. A key typed after the copy
  // shows when the copy, queued before it, has run.
  Menu("Zum &letzten Datensatz");
  PutClipboard("vorher");
  Menu("&Kopieren in Zwischenablage");
  Type(s.getDe, "x");
  ASSERT_TRUE(Await(program_->Process(), [&] { return rt::TRIM(Text(s.getDe)) == "x"; }));
  EXPECT_FALSE(IsClipboardFormatAvailable(CF_TEXT)) << ClipboardText();

  // Another dictionary rebuilds the dialog; its foreign side folds accents.
  Menu(" &Franz\xF6sisch");
  s = AwaitSurface(s.dialog);
  ASSERT_NE(s.dialog, nullptr);
  Type(s.getFr, "\xE9t\xE9");
  PostMessageA(s.search, BM_CLICK, 0, 0);
  EXPECT_EQ(Copied(), "Sommer");
  Menu("Zum &n\xE4" "chsten Datensatz");
  EXPECT_EQ(Copied(), "Sommerzeit");
  EXPECT_EQ(Close(), 0u);
}

}  // namespace
