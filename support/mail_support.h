#pragma once
// Support mail through the outside library "sndmail.dll": the sender is
// asked for once and kept in [MailSupport], the file goes as the body of a
// mail that one command line describes.

#include <cstdint>
#include <string>

#include "runtime/value.h"
#include "support/mail_command.h"

namespace support {

// Mails the contents of cFile under the subject to [MailSupport] SendTo.
// cName and cReply seed a sender that is not stored yet. True only when the
// library reported the mail sent.
bool MAILSUPPORT(const std::string& cSubject, const std::string& cFile, const std::string& cName = {},
                 const std::string& cReply = {});

// Loads the library, sends the mail its command line describes and frees
// the library again; true when the library answered 0. Every failure is
// shown in a box titled "Problem".
bool SENDMAIL(const MailMessage& m);

// The library's three entry points, called on the loaded library hLib
// (neither loads nor frees it), arguments removed by the callee.
rt::Value SMTPLIBOPEN(std::intptr_t hLib);
rt::Value SMTPSENDMAIL(std::intptr_t hLib, const std::string& cCommandLine);
rt::Value SMTPLIBCLOSE(std::intptr_t hLib);

}  // namespace support
