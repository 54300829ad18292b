// The offer of an earlier error log in the three programs under Wine: its
// dialog, deleting, printing on the test prefix's file printer, and mailing
// through the stand-in mail library copied into the program's folder.
// VD_OFFER_SHOT and VD_MAILSETUP_SHOT name BMP files that receive the
// "Fehler-Protokoll" and the "EMail-Einstellungen" dialogs as shown.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "support/error_offer.h"
#include "support/mail_service.h"
#include "support/mail_setup.h"
#include "support/mail_support.h"
#include "tests/apps/program_driver.h"
#include "tests/graphics/window_shot.h"
#include "tests/print/file_printers.h"

namespace {

namespace fs = std::filesystem;
using namespace apps_test;

const std::string kRelease = "ZQS Voskdar W\xF6rtbuch v1.41";

struct Program {
  const char* name;
  const char* built;
};
const Program kDravonel{"Dravonel.exe", VD_DRAVONEL_EXE};
const Program kPrograms[] = {kDravonel, {"Voskdar.exe", VD_VOSKDAR_EXE}, {"Vosklift.exe", VD_VOSKLIFT_EXE}};

HWND ChildWith(HWND parent, const std::string& text, const std::string& cls = "Button") {
  for (HWND h : Children(parent))
    if (ClassOf(h) == cls && Text(h) == text) return h;
  return nullptr;
}

std::vector<HWND> ChildrenOf(HWND parent, const std::string& cls) {
  std::vector<HWND> out;
  for (HWND h : Children(parent))
    if (ClassOf(h) == cls) out.push_back(h);
  return out;
}

void Click(HWND button) {
  ASSERT_NE(button, nullptr);
  PostMessageA(button, BM_CLICK, 0, 0);
}

// Characters as the keyboard gives them to the focused field.
void Type(HWND field, const std::string& text) {
  for (unsigned char c : text) PostMessageA(field, WM_CHAR, c, 1);
}

void ClickInto(HWND field) {
  PostMessageA(field, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(2, 2));
  PostMessageA(field, WM_LBUTTONUP, 0, MAKELPARAM(2, 2));
}

// A log of n numbered lines.
std::string LogOf(int lines) {
  std::string log;
  for (int i = 1; i <= lines; ++i) log += "Zeile " + std::to_string(i) + "\r\n";
  return log;
}

class ErrorOffer : public printtest::FilePrinters {
 protected:
  void SetUp() override {
    dir_ = fs::temp_directory_path() /
           (std::string("offer_") + ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(dir_);
    fs::create_directories(dir_);
    for (const Program& p : kPrograms)
      ASSERT_TRUE(CopyFileA(WindowsPath(p.built).c_str(), (dir_ / p.name).string().c_str(), FALSE)) << p.name;
    SetEnvironmentVariableA("VD_SNDMAIL_RECORD", (dir_ / "record.txt").string().c_str());
    SetEnvironmentVariableA("VD_SNDMAIL_BODY", (dir_ / "body.txt").string().c_str());
    SetEnvironmentVariableA("VD_SNDMAIL_RESULT", nullptr);
    printtest::FilePrinters::SetUp();
  }
  void TearDown() override {
    printtest::FilePrinters::TearDown();
    for (const char* name : {"VD_SNDMAIL_RECORD", "VD_SNDMAIL_BODY", "VD_SNDMAIL_RESULT"})
      SetEnvironmentVariableA(name, nullptr);
    std::error_code ec;
    fs::remove_all(dir_, ec);
  }

  void Log(const std::string& text) { std::ofstream(dir_ / "Error.log", std::ios::binary) << text; }
  bool LogStays() const { return fs::exists(dir_ / "Error.log"); }
  void Ini(const std::string& text) { std::ofstream(dir_ / "VOSKDAR.INI", std::ios::binary) << text; }
  void WithMailLibrary() {
    ASSERT_TRUE(CopyFileA(WindowsPath(VD_SNDMAIL_DLL).c_str(), (dir_ / "sndmail.dll").string().c_str(), FALSE));
  }

  std::unique_ptr<Started> Start(const Program& p = kDravonel) {
    auto program = std::make_unique<Started>(dir_ / p.name, dir_);
    EXPECT_TRUE(program->Ok()) << p.name;
    return program;
  }

  // The offer, with the choice made and "&Weiter" pressed.
  void Choose(Started& program, const std::string& option) {
    HWND offer = program.AwaitWindow(support::kErrorOfferTitle, "#32770");
    ASSERT_NE(offer, nullptr);
    Click(ChildWith(offer, option));
    Click(ChildWith(offer, "&Weiter"));
  }

  // Answers the box and waits until it is gone, so that the next box of
  // the same title is not taken for it.
  static void Dismiss(Started& program, HWND box, int button) {
    PostMessageA(box, WM_COMMAND, button, 0);
    EXPECT_TRUE(Await(program.Process(), [box] { return !IsWindow(box); }));
  }

  // Waits for the box of that title, checks its text and answers it.
  void Answer(Started& program, const std::string& title, const std::string& text, int button) {
    HWND box = program.AwaitWindow(title, "#32770");
    ASSERT_NE(box, nullptr) << title;
    EXPECT_NE(StaticTexts(box).find(text), std::string::npos) << StaticTexts(box);
    Dismiss(program, box, button);
  }

  // The editor without any word table ends after the offer with this box.
  void EditorEnds(Started& program) {
    Answer(program, "Problem", "Es wurde kein W\xF6rterbuch gefunden !", IDOK);
    EXPECT_EQ(program.Wait(), 0u);
  }

  fs::path dir_;
};

// The stand-in as the programs bind it: three plain names, called on the
// loaded library with the arguments removed by the callee; the send
// records its line and answers the code the test chose.
TEST(MailStandIn, ExportsThePlainNamesAndAnswersTheChosenCode) {
  const fs::path record = fs::temp_directory_path() / "standin_record.txt";
  fs::remove(record);
  SetEnvironmentVariableA("VD_SNDMAIL_RECORD", record.string().c_str());
  SetEnvironmentVariableA("VD_SNDMAIL_RESULT", "7");
  HMODULE library = LoadLibraryA(WindowsPath(VD_SNDMAIL_DLL).c_str());
  ASSERT_NE(library, nullptr);
  for (const char* entry : {"USmtpLibOpen", "USmtpCmdLineSendMail", "USmtpLibClose"})
    EXPECT_NE(GetProcAddress(library, entry), nullptr) << entry;
  const auto h = reinterpret_cast<std::intptr_t>(library);
  support::SMTPLIBOPEN(h);
  EXPECT_EQ(support::SMTPSENDMAIL(h, "SndMail -f a -b x.txt").AsInt(), 7);
  support::SMTPLIBCLOSE(h);
  FreeLibrary(library);
  EXPECT_EQ(FileBytes(record), "SndMail -f a -b x.txt\r\n");
  SetEnvironmentVariableA("VD_SNDMAIL_RECORD", nullptr);
  SetEnvironmentVariableA("VD_SNDMAIL_RESULT", nullptr);
  fs::remove(record);
}

TEST_F(ErrorOffer, WithoutALogNothingIsOffered) {
  auto program = Start();
  HWND box = program->AwaitWindow("Problem", "#32770");
  ASSERT_NE(box, nullptr);
  EXPECT_EQ(program->Window(support::kErrorOfferTitle), nullptr);
  PostMessageA(box, WM_COMMAND, IDOK, 0);
  EXPECT_EQ(program->Wait(), 0u);
}

// Each program offers the log at its start; "&Abbrechen" keeps it for the
// next start, " &Löschen" with "&Weiter" erases it.
TEST_F(ErrorOffer, EachProgramOffersTheLogAndDeletesItWhenAsked) {
  for (const Program& p : kPrograms) {
    SCOPED_TRACE(p.name);
    Log(LogOf(3));
    {
      auto program = Start(p);
      HWND offer = program->AwaitWindow(support::kErrorOfferTitle, "#32770");
      ASSERT_NE(offer, nullptr);
      EXPECT_EQ(StaticTexts(offer), "Es wurde ein Fehlerprotokoll gefunden!|"
                                    "W\xE4hlen Sie nun, wie Sie damit verfahren m\xF6" "chten !|");
      std::vector<std::string> buttons;
      for (HWND b : ChildrenOf(offer, "Button")) buttons.push_back(Text(b));
      EXPECT_EQ(buttons, (std::vector<std::string>{" &L\xF6schen", " &Drucken", " &Email-Versand", "&Weiter", "&Hilfe",
                                                   "&Abbrechen"}));
      EXPECT_EQ(SendMessageA(ChildWith(offer, " &L\xF6schen"), BM_GETCHECK, 0, 0), BST_CHECKED);
      EXPECT_EQ(GetWindowLongA(ChildWith(offer, "&Weiter"), GWL_STYLE) & 0xF, BS_DEFPUSHBUTTON);
      if (p.built == kDravonel.built) {
        RedrawWindow(offer, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);
        ShotIfAsked(offer, "VD_OFFER_SHOT");
      }
      Click(ChildWith(offer, "&Abbrechen"));
      EXPECT_TRUE(Await(program->Process(), [&] { return !IsWindow(offer); }));
    }
    EXPECT_TRUE(LogStays());
    {
      auto program = Start(p);
      Choose(*program, " &L\xF6schen");
      EXPECT_TRUE(Await(program->Process(), [&] { return !LogStays(); }));
    }
    EXPECT_FALSE(LogStays());
  }
}

// A log that another program holds cannot be erased: one clear box, the
// program goes on, and the log is offered again at the next start.
TEST_F(ErrorOffer, AHeldLogIsSaidSoAndStays) {
  Log(LogOf(2));
  HANDLE held = CreateFileA((dir_ / "Error.log").string().c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                            OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(held, INVALID_HANDLE_VALUE);
  auto program = Start();
  Choose(*program, " &L\xF6schen");
  Answer(*program, "Problem", "\"ERROR.LOG\" konnte nicht gel\xF6scht werden.", IDOK);
  EditorEnds(*program);
  CloseHandle(held);
  EXPECT_TRUE(LogStays());
}

// 50 lines fill one page, 51 take two; the printed log is erased, a
// cancelled print dialog keeps it.
TEST_F(ErrorOffer, PrintsFiftyLinesAPageAndKeepsTheLogWhenCancelled) {
  struct Case {
    int lines;
    int button;
    int pages;
  } cases[] = {{51, IDOK, 2}, {50, IDOK, 1}, {5, IDCANCEL, 0}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.lines);
    DeleteFileA(printtest::kOutA);
    Log(LogOf(c.lines));
    auto program = Start();
    Choose(*program, " &Drucken");
    // The print dialog is the program's dialog box other than the offer.
    HWND print = nullptr;
    Await(program->Process(), [&] {
      for (HWND h = GetTopWindow(nullptr); h && !print; h = GetWindow(h, GW_HWNDNEXT)) {
        DWORD pid = 0;
        GetWindowThreadProcessId(h, &pid);
        if (pid == GetProcessId(program->Process()) && IsWindowVisible(h) && ClassOf(h) == "#32770" &&
            Text(h) != support::kErrorOfferTitle)
          print = h;
      }
      return print != nullptr;
    });
    ASSERT_NE(print, nullptr);
    PostMessageA(print, WM_COMMAND, c.button, 0);
    EditorEnds(*program);
    EXPECT_EQ(printtest::Count(printtest::ReadFile(printtest::kOutA), "%%Page: "), c.pages);
    EXPECT_EQ(LogStays(), c.pages == 0);
  }
}

// With the sender stored only the two questions come; the library gets the
// one command line while "SendMail.txt" holds the log, and the log goes.
TEST_F(ErrorOffer, MailsTheLogThroughTheLibrary) {
  Ini("[MailSupport]\r\nName=Max Muster\r\nReply=max@muster.example\r\n");
  WithMailLibrary();
  const std::string log = "Application\r\n===========\r\n\r\n   Fehler \xFC" "berall\r\n";
  Log(log);
  auto program = Start();
  Choose(*program, " &Email-Versand");
  Answer(*program, "Email-Versand", "M\xF6" "chten Sie das Fehlerprotokoll nun per Email versenden ?", IDYES);
  Answer(*program, "Voskdar - Mailversand", "Haben Sie eine Internet-Verbindung hergestellt ?", IDYES);
  EditorEnds(*program);
  const std::string account = support::kMailAccount;
  EXPECT_EQ(FileBytes(dir_ / "record.txt"),
            "SndMail -f " + account + " -X " + support::kMailHost + " -r " + support::kSupportAddress +
                " -s \"Programmfehler in " + kRelease + "\" -b SendMail.txt -u " + account +
                " -p roverave -h LOGIN -R max@muster.example -F \"Max Muster\" -a \r\n");
  EXPECT_EQ(FileBytes(dir_ / "body.txt"), log);
  EXPECT_FALSE(fs::exists(dir_ / "SendMail.txt"));
  EXPECT_FALSE(LogStays());
}

// A code from the library, or no library at all: one clear box, the log
// stays, the program goes on.
TEST_F(ErrorOffer, AFailedMailKeepsTheLog) {
  Ini("[MailSupport]\r\nName=Max Muster\r\nReply=max@muster.example\r\n");
  struct Case {
    bool library;
    const char* code;
    std::string message;
  } cases[] = {
      {true, "5", "Die Email konnte nicht versandt werden !\rFehlercode: 5"},
      {false, nullptr, "Die Email konnte nicht versandt werden !\r"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.message);
    DeleteFileA((dir_ / "sndmail.dll").string().c_str());
    if (c.library) WithMailLibrary();
    SetEnvironmentVariableA("VD_SNDMAIL_RESULT", c.code);
    Log(LogOf(2));
    auto program = Start();
    Choose(*program, " &Email-Versand");
    Answer(*program, "Email-Versand", "per Email versenden ?", IDYES);
    Answer(*program, "Voskdar - Mailversand", "Internet-Verbindung", IDYES);
    HWND box = program->AwaitWindow("Problem", "#32770");
    ASSERT_NE(box, nullptr);
    const std::string text = StaticTexts(box);
    EXPECT_NE(text.find(c.message), std::string::npos) << text;
    if (!c.library) {
      EXPECT_NE(text.find("\"sndmail.dll\" wurde nicht gefunden"), std::string::npos) << text;
    }
    Dismiss(*program, box, IDOK);
    EditorEnds(*program);
    EXPECT_TRUE(LogStays());
    EXPECT_FALSE(fs::exists(dir_ / "SendMail.txt"));
  }
}

// Without a stored sender the settings dialog asks, with the focus on the
// address; a bad name or too short values bring it back, "&Beenden" ends
// the mail with a box, and the log stays.
TEST_F(ErrorOffer, TheSenderDialogChecksNameAndAddress) {
  WithMailLibrary();
  struct Case {
    const char* name;
    const char* address;
    const char* problem;
  } cases[] = {
      {"Max", "max@muster.example", "Falscher Name oder falsche Email-Adresse !"},
      {"A B", "a@b", "Sie m\xFCssen einen Namen und eine Email-Adresse eingeben !"},
  };
  bool shot = false;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Log(LogOf(2));
    auto program = Start();
    Choose(*program, " &Email-Versand");
    Answer(*program, "Email-Versand", "per Email versenden ?", IDYES);
    HWND setup = program->AwaitWindow(support::kMailSetupTitle, "#32770");
    ASSERT_NE(setup, nullptr);
    const std::vector<HWND> fields = ChildrenOf(setup, "Edit");
    ASSERT_EQ(fields.size(), 2u);
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    ASSERT_TRUE(GetGUIThreadInfo(GetWindowThreadProcessId(setup, nullptr), &info));
    EXPECT_EQ(info.hwndFocus, fields[1]);
    if (!shot) {
      RedrawWindow(setup, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);
      ShotIfAsked(setup, "VD_MAILSETUP_SHOT");
      shot = true;
    }
    Type(fields[1], c.address);
    ClickInto(fields[0]);
    Type(fields[0], c.name);
    Click(ChildWith(setup, "&Speichern"));
    Answer(*program, "Problem", c.problem, IDOK);
    // The dialog comes back.
    HWND again = nullptr;
    EXPECT_TRUE(Await(program->Process(), [&] {
      again = program->Window(support::kMailSetupTitle, "#32770");
      return again != nullptr && again != setup;
    }));
    ASSERT_NE(again, nullptr);
    Click(ChildWith(again, "&Beenden"));
    Answer(*program, "Problem", "Es kann keine Email ohne Absender versandt werden", IDOK);
    EditorEnds(*program);
    EXPECT_TRUE(LogStays());
    EXPECT_FALSE(fs::exists(dir_ / "record.txt"));
    EXPECT_EQ(Setting(dir_, "MailSupport", "Name"), "<none>");
  }
}

}  // namespace
