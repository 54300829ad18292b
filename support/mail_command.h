#pragma once
// The support mail's texts that do not need Windows: the command line the
// mail library reads, the check of the sender's name and address, and the
// error log cut into printed lines and pages.

#include <string>
#include <string_view>
#include <vector>

namespace support {

struct MailMessage {
  std::string from, host, to, subject, bodyFile;
  std::vector<std::string> attachments;
  std::string user, password, replyTo, fromName;
};

// A value as it may enter the command line: control characters become
// blanks, double quotes single ones (a quote would end the quoted option
// and let the rest pass as options of their own), and blanks around it go.
std::string MailValue(std::string_view value);

// "SndMail -f ... -a ..." with every value passed through MailValue.
std::string SendMailCommand(const MailMessage& m);

// Empty when name and address may be stored, else the message that says
// why not.
std::string SenderProblem(std::string_view name, std::string_view address);

// The log in printed lines of at most kLogPrintWidth characters, cut
// without word wrap, and those lines in pages of kLogPageLines; a page
// starts only when a line follows, so no page is empty.
inline constexpr long kLogPrintWidth = 70;
inline constexpr std::size_t kLogPageLines = 50;
std::vector<std::vector<std::string>> LogPages(std::string_view log);

}  // namespace support
