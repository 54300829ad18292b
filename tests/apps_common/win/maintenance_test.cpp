// The editor's maintenance routines in-process on a small DEUENG: their
// questions and messages read and answered, the entry dialog typed into,
// and the table, [Export] and the export item checked afterwards.
#include <gtest/gtest.h>
#include <windows.h>

#include <deque>
#include <filesystem>
#include <fstream>
#include <functional>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "apps/common/index_check.h"
#include "apps/common/settings_file.h"
#include "apps/common/transchr.h"
#include "apps/dravonel/build_menu.h"
#include "apps/dravonel/editor_state.h"
#include "apps/dravonel/maintenance.h"
#include "apps/dravonel/open_dbf.h"
#include "controls/tmenuitem.h"
#include "runtime/memvar.h"
#include "runtime/strings.h"
#include "runtime/table_fns.h"
#include "tests/apps_common/word_table_fixture.h"
#include "tests/apps_common/work_dir.h"

namespace {

using common::test::MakeWordTable;
using common::test::Rows;

std::string TextOf(HWND w) {
  char buf[1024] = {};
  GetWindowTextA(w, buf, sizeof buf);
  return buf;
}

struct Box {
  std::string caption, texts;
};

// Answers the boxes and dialogs the test's thread shows, one after the
// other, each with the next answer; records their captions and static
// texts.
class Boxes {
 public:
  using Answer = std::function<void(HWND)>;
  explicit Boxes(std::vector<Answer> answers)
      : hook_(SetWindowsHookExA(WH_CBT, Hook, nullptr, GetCurrentThreadId())),
        ready_(CreateSemaphoreA(nullptr, 0, 64, nullptr)) {
    current_ = this;
    thread_ = std::thread([this, answers = std::move(answers)] {
      for (const Answer& answer : answers) {
        if (WaitForSingleObject(ready_, 20000) != WAIT_OBJECT_0) return;
        HWND box = nullptr;
        {
          std::lock_guard lock(mutex_);
          if (queue_.empty()) return;
          box = queue_.front();
          queue_.pop_front();
        }
        Box seen{TextOf(box), {}};
        for (HWND c = GetWindow(box, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT)) {
          char cls[32] = {};
          GetClassNameA(c, cls, sizeof cls);
          if (lstrcmpiA(cls, "Static") == 0 && !TextOf(c).empty()) seen.texts += TextOf(c) + "|";
        }
        {
          std::lock_guard lock(mutex_);
          seen_.push_back(seen);
        }
        answer(box);
      }
    });
  }
  ~Boxes() {
    Join();
    UnhookWindowsHookEx(hook_);
    CloseHandle(ready_);
    current_ = nullptr;
  }
  const std::vector<Box>& Seen() {
    Join();
    return seen_;
  }

  static Answer Click(int id) {
    return [id](HWND box) { PostMessageA(GetDlgItem(box, id), BM_CLICK, 0, 0); };
  }

 private:
  void Join() {
    if (!thread_.joinable()) return;
    // Boxes that never came let the thread end.
    ReleaseSemaphore(ready_, 64, nullptr);
    thread_.join();
  }
  static LRESULT CALLBACK Hook(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HCBT_ACTIVATE && current_) {
      const auto w = reinterpret_cast<HWND>(wParam);
      char cls[16] = {};
      GetClassNameA(w, cls, sizeof cls);
      std::lock_guard lock(current_->mutex_);
      if (lstrcmpA(cls, "#32770") == 0 && w != current_->last_) {
        current_->last_ = w;
        current_->queue_.push_back(w);
        ReleaseSemaphore(current_->ready_, 1, nullptr);
      }
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
  }

  static inline Boxes* current_ = nullptr;
  HHOOK hook_;
  HANDLE ready_;
  std::mutex mutex_;
  std::deque<HWND> queue_;
  HWND last_ = nullptr;
  std::vector<Box> seen_;
  std::thread thread_;
};

const Boxes::Answer kYes = Boxes::Click(IDYES);
const Boxes::Answer kNo = Boxes::Click(IDNO);
const Boxes::Answer kOk = Boxes::Click(IDOK);

// The child of box with that class, the n-th of them.
HWND ChildOf(HWND box, const char* wanted, int n = 0) {
  for (HWND c = GetWindow(box, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT)) {
    char cls[32] = {};
    GetClassNameA(c, cls, sizeof cls);
    if (lstrcmpiA(cls, wanted) == 0 && n-- == 0) return c;
  }
  return nullptr;
}

HWND ButtonOf(HWND box, const std::string& caption) {
  for (HWND c = GetWindow(box, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT))
    if (TextOf(c) == caption) return c;
  return nullptr;
}

// Waits until ready() holds; false after 20 s.
bool Until(const std::function<bool()>& ready) {
  const DWORD start = GetTickCount();
  while (!ready()) {
    if (GetTickCount() - start > 20000) return false;
    std::this_thread::yield();
  }
  return true;
}

void Type(HWND edit, const std::string& text) {
  for (char c : text) PostMessageA(edit, WM_CHAR, static_cast<unsigned char>(c), 0);
}

const Rows kHouse{{"Haus", "house"}, {"haus", "HOUSE"}, {"Haus", "home"}, {"Baum", "tree"}};

class Maintenance : public ::testing::Test {
 protected:
  void SetUp() override {
    common::RegisterWordFunctions();
    dravonel::RegisterMaintenance();
    dravonel::Editor() = {};
    rt::PUBLIC(dravonel::kShortNameVar, rt::Value(""));
    rt::MEMVARPUT(dravonel::kShortNameVar, rt::Value("Corvanel Helvorindastrum"));
    rt::PUBLIC(dravonel::kReleaseVar, rt::Value("Release"));
  }
  void TearDown() override {
    rt::DBCLOSEALL();
    dravonel::Editor() = {};
  }
  void Open(const Rows& rows) {
    rt::DBCLOSEALL();
    ASSERT_TRUE(MakeWordTable("DEUENG.DBF", rows));
    for (int order : {1, 2}) std::filesystem::remove("DEUENG" + std::to_string(order) + ".NTX");
    common::CheckDataHooks hooks;
    hooks.notify = [](std::string_view, std::string_view) {};
    hooks.build = [](std::string_view, std::string_view key, std::string_view file) {
      common::BuildIndexFile(key, file, [](long) { return true; });
    };
    common::CheckData(hooks);
    dravonel::Editor().cDictBase = "DEUENG";
    dravonel::OPENDBF("DEUENG");
    rt::DBSELECTAREA("DBUCH");
  }
  static std::string Field(const char* name) { return rt::RTRIM(rt::FIELDGET(name).AsString()); }
  static void SetStatus(long recno, long status) {
    rt::DBSELECTAREA("DBUCH");
    rt::DBGOTO(recno);
    rt::FIELDPUT("STATUS", rt::Value(status));
    rt::DBCOMMIT();
  }
  common::test::WorkDir dir_;
};

TEST_F(Maintenance, DeleteAsksWithTheTermsAndRecallAsksAgain) {
  Open(kHouse);
  auto& e = dravonel::Editor();
  rt::DBGOTO(1);
  {
    Boxes boxes({kNo});
    EXPECT_FALSE(dravonel::DELDATA());
    ASSERT_EQ(boxes.Seen().size(), 1u);
    EXPECT_EQ(boxes.Seen()[0].caption, "Begriff l\xF6schen");
    EXPECT_NE(boxes.Seen()[0].texts.find("M\xF6" "chten Sie den Begriff 'Haus / house' aus der Datenbank l\xF6schen ?"),
              std::string::npos)
        << boxes.Seen()[0].texts;
  }
  EXPECT_FALSE(rt::DELETED());
  EXPECT_EQ(e.nDelPending, 0);
  // Two deletes and a recall: nothing pending, one row still marked.
  for (long r : {1, 4}) {
    rt::DBGOTO(r);
    Boxes boxes({kYes});
    EXPECT_TRUE(dravonel::DELDATA());
    EXPECT_TRUE(rt::DELETED());
    EXPECT_EQ(e.nDelPending, 1);
  }
  rt::DBGOTO(1);
  {
    Boxes boxes({kYes});
    EXPECT_TRUE(dravonel::DELDATA());
    ASSERT_EQ(boxes.Seen().size(), 1u);
    EXPECT_EQ(boxes.Seen()[0].caption, "L\xF6schen");
    EXPECT_NE(boxes.Seen()[0].texts.find(
                  "Dieser Datensatz ist als gel\xF6scht markiert, m\xF6" "chten Sie ihn wiederherstellen"),
              std::string::npos);
  }
  EXPECT_FALSE(rt::DELETED());
  EXPECT_EQ(e.nDelPending, 0);
  rt::DBGOTO(4);
  EXPECT_TRUE(rt::DELETED());
}

// Without a current row (end of the table, an empty table) delete and
// edit ask nothing and change nothing.
TEST_F(Maintenance, NoCurrentRowNothingHappens) {
  for (const bool empty : {false, true}) {
    SCOPED_TRACE(empty ? "empty" : "end of file");
    Open(empty ? Rows{} : kHouse);
    rt::DBGOBOTTOM();
    rt::DBSKIP(1);
    ASSERT_TRUE(rt::DbEof());
    Boxes boxes({kYes});
    EXPECT_FALSE(dravonel::DELDATA());
    EXPECT_TRUE(dravonel::EDITDATA(rt::Value()));
    EXPECT_TRUE(boxes.Seen().empty());
    EXPECT_FALSE(common::ReadSwitch("Export", "DEUENG"));
    EXPECT_EQ(rt::RECCOUNT(), empty ? 0 : 4);
    EXPECT_EQ(dravonel::Editor().nDelPending, 0);
  }
}

TEST_F(Maintenance, DuplicatesReportTheRowsNewlyMarked) {
  const struct {
    const char* name;
    Rows rows;
    long deletedFirst;
    const char* message;
    long pending;
  } cases[] = {{"one", kHouse, 0, "Es wurden 1 Datens\xE4tze gel\xF6scht.", 1},
               {"first deleted", kHouse, 1, "Es wurden keine Duplikate gefunden !", 0},
               {"none", {{"Haus", "house"}, {"Haus", "home"}}, 0, "Es wurden keine Duplikate gefunden !", 0}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    Open(c.rows);
    dravonel::Editor().nDelPending = 0;
    if (c.deletedFirst) {
      rt::DBGOTO(c.deletedFirst);
      rt::DBDELETE();
    }
    Boxes boxes({kYes, kOk});
    EXPECT_TRUE(dravonel::DELDUPEDATA());
    const auto& seen = boxes.Seen();
    ASSERT_EQ(seen.size(), 2u);
    EXPECT_EQ(seen[0].caption, "Duplikate l\xF6schen");
    EXPECT_NE(seen[0].texts.find("M\xF6" "chten Sie Duplikate aus der Datenbank entfernen ?"), std::string::npos);
    EXPECT_EQ(seen[1].caption, "Duplikate l\xF6schen");
    EXPECT_NE(seen[1].texts.find(c.message), std::string::npos) << seen[1].texts;
    EXPECT_EQ(dravonel::Editor().nDelPending, c.pending);
    rt::DBGOTO(2);
    EXPECT_EQ(rt::DELETED(), c.pending == 1);
  }
  // Declined: nothing marked, nothing else asked.
  Open(kHouse);
  Boxes boxes({kNo, kOk});
  EXPECT_TRUE(dravonel::DELDUPEDATA());
  EXPECT_EQ(boxes.Seen().size(), 1u);
  rt::DBGOTO(2);
  EXPECT_FALSE(rt::DELETED());
}

TEST_F(Maintenance, ExportThenImportDoublesTheOwnRows) {
  Open(kHouse);
  dravonel::BUILDMENU();
  dravonel::SetExportFlag(true);
  const auto item = dravonel::Editor().oItemExport.As<ctl::TMenuItem>();
  ASSERT_TRUE(item);
  EXPECT_TRUE(item->lActive);
  SetStatus(1, 1);
  SetStatus(3, 2);
  rt::DBGOTO(3);
  rt::DBDELETE();
  {
    Boxes boxes({kYes, kOk});
    EXPECT_TRUE(dravonel::EXPMYDATA());
    ASSERT_EQ(boxes.Seen().size(), 2u);
    EXPECT_EQ(boxes.Seen()[0].caption, "Exportieren");
    EXPECT_NE(boxes.Seen()[0].texts.find("M\xF6" "chten Sie Ihre eigenen \xC4nderungen aus der Datenbank exportieren ?"),
              std::string::npos);
    EXPECT_NE(boxes.Seen()[1].texts.find("Ihre \xC4nderungen wurden exportiert !"), std::string::npos);
  }
  EXPECT_EQ(common::ReadSetting("Export", "DEUENG"), "0");
  EXPECT_FALSE(item->lActive);
  ASSERT_TRUE(std::filesystem::exists("DEUENG.EXP"));

  {
    Boxes boxes({kYes, kNo});
    EXPECT_TRUE(dravonel::IMPMYDATA());
    ASSERT_EQ(boxes.Seen().size(), 2u);
    EXPECT_EQ(boxes.Seen()[0].caption, "Importieren");
    EXPECT_NE(boxes.Seen()[0].texts.find("M\xF6" "chten Sie Ihre eigenen \xC4nderungen in die Datenbank importieren ?"),
              std::string::npos);
    EXPECT_NE(boxes.Seen()[1].texts.find("Ihre \xC4nderungen wurden importiert. Importdatei nun l\xF6schen ?"),
              std::string::npos);
  }
  rt::DBSELECTAREA("DBUCH");
  EXPECT_EQ(rt::RECCOUNT(), 6);
  EXPECT_TRUE(std::filesystem::exists("DEUENG.EXP"));
  // Importing does not touch the export flag.
  EXPECT_EQ(common::ReadSetting("Export", "DEUENG"), "0");
  {
    Boxes boxes({kYes, kYes});
    EXPECT_TRUE(dravonel::IMPMYDATA());
    EXPECT_EQ(boxes.Seen().size(), 2u);
  }
  EXPECT_EQ(rt::RECCOUNT(), 8);
  EXPECT_FALSE(std::filesystem::exists("DEUENG.EXP"));
  // Without the file the import does nothing at all.
  Boxes boxes({kYes});
  EXPECT_TRUE(dravonel::IMPMYDATA());
  EXPECT_TRUE(boxes.Seen().empty());
}

// An export file that cannot be replaced: a clear message, the old file,
// [Export] and the item as they were.
TEST_F(Maintenance, AnExportThatCannotReplaceTheOldFileIsReported) {
  Open(kHouse);
  dravonel::BUILDMENU();
  dravonel::SetExportFlag(true);
  SetStatus(1, 1);
  { std::ofstream("DEUENG.EXP") << "older"; }
  for (const bool readOnly : {true, false}) {
    SCOPED_TRACE(readOnly ? "read-only" : "held");
    HANDLE held = INVALID_HANDLE_VALUE;
    if (readOnly) {
      SetFileAttributesA("DEUENG.EXP", FILE_ATTRIBUTE_READONLY);
    } else {
      held = CreateFileA("DEUENG.EXP", GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
      ASSERT_NE(held, INVALID_HANDLE_VALUE);
    }
    Boxes boxes({kYes, kOk});
    EXPECT_TRUE(dravonel::EXPMYDATA());
    ASSERT_EQ(boxes.Seen().size(), 2u);
    EXPECT_NE(boxes.Seen()[1].texts.find("Die Exportdatei DEUENG.EXP kann nicht ersetzt werden"), std::string::npos)
        << boxes.Seen()[1].texts;
    if (held != INVALID_HANDLE_VALUE) CloseHandle(held);
    SetFileAttributesA("DEUENG.EXP", FILE_ATTRIBUTE_NORMAL);
    std::ifstream in("DEUENG.EXP");
    std::string content;
    in >> content;
    EXPECT_EQ(content, "older");
    EXPECT_EQ(common::ReadSetting("Export", "DEUENG"), "1");
    EXPECT_TRUE(dravonel::Editor().oItemExport.As<ctl::TMenuItem>()->lActive);
    EXPECT_FALSE(std::filesystem::exists("DEUENG.NEW"));
  }
}

TEST_F(Maintenance, ADamagedImportFileIsNamedAndTheTableStays) {
  Open(kHouse);
  const struct {
    const char* name;
    std::string content;
  } bad[] = {{"text", "Haus;house\r\n"}, {"cut", std::string("\x03\x7e\x01\x01\x09\x00\x00\x00\xa1\x00\x66\x00", 12)}};
  for (const auto& b : bad) {
    SCOPED_TRACE(b.name);
    { std::ofstream("DEUENG.EXP", std::ios::binary) << b.content; }
    Boxes boxes({kYes, kOk});
    EXPECT_TRUE(dravonel::IMPMYDATA());
    ASSERT_EQ(boxes.Seen().size(), 2u);
    EXPECT_EQ(boxes.Seen()[1].caption, "Importieren");
    EXPECT_NE(boxes.Seen()[1].texts.find("Die Importdatei DEUENG.EXP ist besch\xE4" "digt"), std::string::npos)
        << boxes.Seen()[1].texts;
    rt::DBSELECTAREA("DBUCH");
    EXPECT_EQ(rt::RECCOUNT(), 4);
    EXPECT_TRUE(std::filesystem::exists("DEUENG.EXP"));
  }
}

TEST_F(Maintenance, TheAddDialogSavesOnlyWithBothTerms) {
  Open(kHouse);
  dravonel::BUILDMENU();
  bool disabledAtStart = false, disabledWithOne = false, enabledWithBoth = false;
  std::string caption;
  Boxes boxes({[&](HWND dlg) {
    caption = TextOf(dlg);
    HWND save = ButtonOf(dlg, "&Speichern");
    disabledAtStart = save && !IsWindowEnabled(save);
    HWND german = ChildOf(dlg, "Edit", 0), foreign = ChildOf(dlg, "Edit", 1);
    Type(german, "Katze");
    // The second field stays blank: still disabled once the keys are in.
    Until([&] { return TextOf(german).find("Katze") == 0; });
    SendMessageA(dlg, WM_NULL, 0, 0);
    disabledWithOne = !IsWindowEnabled(save);
    PostMessageA(german, WM_CHAR, VK_TAB, 0);
    Type(foreign, "cat");
    enabledWithBoth = Until([&] { return IsWindowEnabled(save) != FALSE; });
    PostMessageA(save, BM_CLICK, 0, 0);
  }});
  EXPECT_TRUE(dravonel::ADDDATA(rt::Value()));
  boxes.Seen();
  EXPECT_EQ(caption, "Corvanel Helvorindastrum - Neuer Begriff");
  EXPECT_TRUE(disabledAtStart);
  EXPECT_TRUE(disabledWithOne);
  EXPECT_TRUE(enabledWithBoth);
  rt::DBSELECTAREA("DBUCH");
  EXPECT_EQ(rt::RECCOUNT(), 5);
  EXPECT_EQ(rt::RECNO(), 5);
  EXPECT_EQ(Field("DEUTSCH"), "Katze");
  EXPECT_EQ(Field("FREMD"), "cat");
  EXPECT_EQ(rt::FIELDGET("STATUS").AsNumber(), 1);
  EXPECT_EQ(Field("SPRACHE"), "");
  EXPECT_EQ(common::ReadSetting("Export", "DEUENG"), "1");
  EXPECT_TRUE(dravonel::Editor().oItemExport.As<ctl::TMenuItem>()->lActive);
}

TEST_F(Maintenance, TheEditDialogShowsTheRowAndSavesAnEmptiedField) {
  Open(kHouse);
  rt::DBGOTO(4);
  std::string caption, german, foreign;
  bool disabledAtStart = false, enabledOnChange = false;
  Boxes boxes({[&](HWND dlg) {
    caption = TextOf(dlg);
    HWND save = ButtonOf(dlg, "&Speichern");
    disabledAtStart = save && !IsWindowEnabled(save);
    german = rt::RTRIM(TextOf(ChildOf(dlg, "Edit", 0)));
    foreign = rt::RTRIM(TextOf(ChildOf(dlg, "Edit", 1)));
    HWND edit = ChildOf(dlg, "Edit", 0);
    // Backspace and Delete empty the field.
    SendMessageA(edit, EM_SETSEL, 0, -1);
    PostMessageA(edit, WM_KEYDOWN, VK_DELETE, 0);
    enabledOnChange = Until([&] { return IsWindowEnabled(save) != FALSE; });
    PostMessageA(save, BM_CLICK, 0, 0);
  }});
  EXPECT_TRUE(dravonel::EDITDATA(rt::Value()));
  boxes.Seen();
  EXPECT_EQ(caption, "Corvanel Helvorindastrum - Begriff bearbeiten");
  EXPECT_EQ(german, "Baum");
  EXPECT_EQ(foreign, "tree");
  EXPECT_TRUE(disabledAtStart);
  EXPECT_TRUE(enabledOnChange);
  rt::DBSELECTAREA("DBUCH");
  EXPECT_EQ(rt::RECNO(), 4);
  EXPECT_EQ(Field("DEUTSCH"), "");
  EXPECT_EQ(Field("FREMD"), "tree");
  EXPECT_EQ(rt::FIELDGET("STATUS").AsNumber(), 2);
  EXPECT_EQ(common::ReadSetting("Export", "DEUENG"), "1");
}

// Cancel leaves table and flag alone.
TEST_F(Maintenance, CancelSavesNothing) {
  Open(kHouse);
  rt::DBGOTO(1);
  Boxes boxes({[](HWND dlg) {
    Type(ChildOf(dlg, "Edit", 0), "Villa");
    PostMessageA(ButtonOf(dlg, "&Abbrechen"), BM_CLICK, 0, 0);
  }});
  EXPECT_TRUE(dravonel::EDITDATA(rt::Value()));
  boxes.Seen();
  rt::DBSELECTAREA("DBUCH");
  EXPECT_EQ(Field("DEUTSCH"), "Haus");
  EXPECT_EQ(rt::FIELDGET("STATUS").AsNumber(), 0);
  EXPECT_FALSE(common::ReadSwitch("Export", "DEUENG"));
}

}  // namespace
