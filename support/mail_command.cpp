#include "support/mail_command.h"

#include "runtime/memolines.h"
#include "runtime/strings.h"

namespace support {

std::string MailValue(std::string_view value) {
  std::string out(value);
  for (char& c : out) {
    const auto u = static_cast<unsigned char>(c);
    if (u < 0x20 || u == 0x7F) c = ' ';
    if (c == '"') c = '\'';
  }
  return rt::ALLTRIM(out);
}

std::string SendMailCommand(const MailMessage& m) {
  std::string line = "SndMail -f " + MailValue(m.from);
  line += " -X " + MailValue(m.host);
  line += " -r " + MailValue(m.to);
  line += " -s \"" + MailValue(m.subject) + "\"";
  line += " -b " + MailValue(m.bodyFile);
  line += " -u " + MailValue(m.user);
  line += " -p " + MailValue(m.password);
  line += " -h LOGIN";
  line += " -R " + MailValue(m.replyTo);
  line += " -F \"" + MailValue(m.fromName) + "\"";
  for (const std::string& a : m.attachments) line += " -a " + MailValue(a);
  return line;
}

std::string SenderProblem(std::string_view name, std::string_view address) {
  const std::string n = rt::ALLTRIM(std::string(name));
  const std::string a = rt::ALLTRIM(std::string(address));
  if (n.find(' ') == std::string::npos || a.find('@') == std::string::npos)
    return "Falscher Name oder falsche Email-Adresse !";
  if (n.size() < 5 || a.size() < 5) return "Sie m\xFCssen einen Namen und eine Email-Adresse eingeben !";
  return {};
}

std::vector<std::vector<std::string>> LogPages(std::string_view log) {
  std::vector<std::vector<std::string>> pages;
  const long count = rt::MLCOUNT(log, kLogPrintWidth, 0, false);
  rt::MemoLines lines(log, kLogPrintWidth, 0, false);
  for (long n = 1; n <= count; ++n) {
    if (pages.empty() || pages.back().size() == kLogPageLines) pages.emplace_back();
    // NUL and control bytes would reach the printer as they are.
    std::string line = lines.Line(n);
    for (char& c : line)
      if (static_cast<unsigned char>(c) < 0x20) c = ' ';
    pages.back().push_back(std::move(line));
  }
  return pages;
}

}  // namespace support
