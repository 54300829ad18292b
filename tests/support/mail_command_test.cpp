// The support mail's command line, the sender check and the printed pages
// of the error log: portable, so they run natively (sanitised) and under
// Wine.
#include <gtest/gtest.h>

#include <string>

#include "support/mail_command.h"

namespace {

TEST(MailCommand, ValuesAreTrimmedAndCannotBreakTheQuoting) {
  struct Case {
    std::string in, out;
  } cases[] = {
      {"Max Muster" + std::string(90, ' '), "Max Muster"},
      {"  a@b.de\t", "a@b.de"},
      {"Max\" -a C:\\secret.txt -F \"x", "Max' -a C:\\secret.txt -F 'x"},
      {"Zeile\r\neins\x01zwei\x7F", "Zeile  eins zwei"},
      {"M\xFCller", "M\xFCller"},
      {"", ""},
  };
  for (const Case& c : cases) EXPECT_EQ(support::MailValue(c.in), c.out) << c.in;
}

TEST(MailCommand, TheLineInTheLibrarysOrder) {
  support::MailMessage m;
  m.from = "konto@example.test";
  m.host = "smtp.example.test";
  m.to = "hilfe@example.test";
  m.subject = "Programmfehler in \"ZQS\" v1";
  m.bodyFile = "SendMail.txt";
  m.attachments = {""};
  m.user = "konto@example.test";
  m.password = "roverave";
  m.replyTo = std::string("max@muster.example") + std::string(82, ' ');
  m.fromName = "Max Muster" + std::string(90, ' ');
  EXPECT_EQ(support::SendMailCommand(m),
            "SndMail -f konto@example.test -X smtp.example.test -r hilfe@example.test -s \"Programmfehler in 'ZQS' v1\""
            " -b SendMail.txt -u konto@example.test -p roverave -h LOGIN -R max@muster.example -F \"Max Muster\" -a ");
  m.attachments = {"a.txt", "b.txt"};
  EXPECT_TRUE(support::SendMailCommand(m).ends_with("-F \"Max Muster\" -a a.txt -a b.txt"));
  m.attachments.clear();
  EXPECT_TRUE(support::SendMailCommand(m).ends_with("-F \"Max Muster\""));
}

TEST(MailCommand, SenderCheck) {
  const std::string badForm = "Falscher Name oder falsche Email-Adresse !";
  const std::string tooShort = "Sie m\xFCssen einen Namen und eine Email-Adresse eingeben !";
  struct Case {
    std::string name, address, problem;
  } cases[] = {
      {"Max", "max@muster.example", badForm},
      {"Max Muster", "max.muster.example", badForm},
      {"   Max   ", "max@muster.example", badForm},
      {"A B", "a@b", tooShort},
      {"Max Muster", "a@b", tooShort},
      {"Max Muster" + std::string(90, ' '), "max@muster.example" + std::string(82, ' '), ""},
  };
  for (const Case& c : cases) EXPECT_EQ(support::SenderProblem(c.name, c.address), c.problem) << c.name;
}

std::string Lines(int n, const std::string& eol = "\r\n") {
  std::string text;
  for (int i = 1; i <= n; ++i) text += "Zeile " + std::to_string(i) + eol;
  return text;
}

TEST(LogPages, FiftyLinesAPageAndNoEmptyPage) {
  struct Case {
    int lines;
    std::size_t pages, lastPage;
  } cases[] = {{0, 0, 0}, {1, 1, 1}, {50, 1, 50}, {51, 2, 1}, {100, 2, 50}, {101, 3, 1}};
  for (const Case& c : cases) {
    const auto pages = support::LogPages(Lines(c.lines));
    ASSERT_EQ(pages.size(), c.pages) << c.lines;
    if (c.pages) {
      EXPECT_EQ(pages.back().size(), c.lastPage) << c.lines;
      EXPECT_EQ(pages.front().front().substr(0, 7), "Zeile 1");
    }
  }
}

TEST(LogPages, LongLinesAreCutAtSeventyAndControlBytesBlanked) {
  const std::string word(150, 'x');
  const auto pages = support::LogPages(word + "\r\n" + std::string("a\0b\x07" "c", 5) + "\r\n");
  ASSERT_EQ(pages.size(), 1u);
  const auto& lines = pages.front();
  ASSERT_EQ(lines.size(), 4u);
  EXPECT_EQ(lines[0], std::string(70, 'x'));
  EXPECT_EQ(lines[1], std::string(70, 'x'));
  EXPECT_EQ(lines[2].substr(0, 10), std::string(10, 'x'));
  EXPECT_EQ(lines[3].substr(0, 5), "a b c");
  for (const auto& line : lines) EXPECT_LE(line.size(), 70u);
}

TEST(LogPages, AHugeLogKeepsEveryLine) {
  const auto pages = support::LogPages(Lines(20000));
  ASSERT_EQ(pages.size(), 400u);
  EXPECT_EQ(pages.back().back().substr(0, 11), "Zeile 20000");
}

}  // namespace
