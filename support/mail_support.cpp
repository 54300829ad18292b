#include "support/mail_support.h"

#include <windows.h>

#include <cstdlib>
#include <filesystem>
#include <system_error>

#include "runtime/strings.h"
#include "services/calldll.h"
#include "services/declared.h"
#include "services/int32.h"
#include "services/msgbox.h"
#include "support/mail_service.h"
#include "support/mail_settings.h"
#include "support/mail_setup.h"

namespace support {

namespace {

constexpr const char* kBodyFile = "SendMail.txt";
constexpr const char* kNotSent = "Die Email konnte nicht versandt werden !";

void Problem(const std::string& text) { svc::MSGALERT(text, std::string("Problem")); }

bool Loaded(std::intptr_t h) { return std::llabs(static_cast<long long>(h)) > 32; }

// A library that lacks an entry point would answer NIL, which is no result
// code: it is refused before any call.
bool HasEntryPoints(std::intptr_t h) {
  const auto module = reinterpret_cast<HMODULE>(h);
  for (const char* entry : {"USmtpLibOpen", "USmtpCmdLineSendMail", "USmtpLibClose"})
    if (!GetProcAddress(module, entry)) return false;
  return true;
}

// The body file is erased however MAILSUPPORT ends.
class BodyFile {
 public:
  ~BodyFile() {
    std::error_code ec;
    std::filesystem::remove(kBodyFile, ec);
  }
};

}  // namespace

rt::Value SMTPLIBOPEN(std::intptr_t hLib) { return svc::CallDeclared(rt::Value(hLib), "USmtpLibOpen", true, 0, {}, {}); }

rt::Value SMTPSENDMAIL(std::intptr_t hLib, const std::string& cCommandLine) {
  return svc::CallDeclared(rt::Value(hLib), "USmtpCmdLineSendMail", true, 7, {8}, {rt::Value(cCommandLine)});
}

rt::Value SMTPLIBCLOSE(std::intptr_t hLib) {
  return svc::CallDeclared(rt::Value(hLib), "USmtpLibClose", true, 0, {}, {});
}

bool SENDMAIL(const MailMessage& m) {
  const std::string commandLine = SendMailCommand(m);
  const std::intptr_t hLib = svc::LOADLIB32(kMailLibrary);
  if (!Loaded(hLib)) {
    Problem(std::string(kNotSent) + "\r" + "Die Bibliothek \"" + kMailLibrary + "\" wurde nicht gefunden.");
    return false;
  }
  if (!HasEntryPoints(hLib)) {
    svc::FREELIB32(hLib);
    Problem(std::string(kNotSent) + "\r" + "Die Bibliothek \"" + kMailLibrary + "\" ist nicht verwendbar.");
    return false;
  }
  SMTPLIBOPEN(hLib);
  const rt::Value result = SMTPSENDMAIL(hLib, commandLine);
  SMTPLIBCLOSE(hLib);
  svc::FREELIB32(hLib);
  // The entry point answers a 32-bit number; the call reads a whole
  // register.
  const std::int32_t code = result.IsNumber() ? svc::ToInt32(result) : -1;
  if (code != 0) Problem(std::string(kNotSent) + "\rFehlercode: " + std::to_string(code));
  return code == 0;
}

bool MAILSUPPORT(const std::string& cSubject, const std::string& cFile, const std::string& cName,
                 const std::string& cReply) {
  std::string name = rt::ALLTRIM(ReadMailSetting("Name"));
  std::string reply = rt::ALLTRIM(ReadMailSetting("Reply"));
  std::string sendTo = rt::ALLTRIM(ReadMailSetting("SendTo"));
  if (sendTo.empty()) sendTo = kSupportAddress;
  if (name.empty() && reply.empty() && !(cName.empty() && cReply.empty())) {
    name = rt::ALLTRIM(cName);
    reply = rt::ALLTRIM(cReply);
    WriteMailSetting("Name", name);
    WriteMailSetting("Reply", reply);
  }
  // A sender with only a name or only an address is completed first.
  if (name.empty() || reply.empty()) {
    if (!MAILSETUP(cSubject)) {
      Problem("Es kann keine Email ohne Absender versandt werden");
      return false;
    }
    name = rt::ALLTRIM(ReadMailSetting("Name"));
    reply = rt::ALLTRIM(ReadMailSetting("Reply"));
  }
  if (!svc::MSGYESNO(std::string("Haben Sie eine Internet-Verbindung hergestellt ?"),
                     std::string("Voskdar - Mailversand")))
    return false;
  const BodyFile body;
  std::error_code ec;
  std::filesystem::copy_file(cFile, kBodyFile, std::filesystem::copy_options::overwrite_existing, ec);
  if (ec) {
    Problem(std::string(kNotSent) + "\r" + "Die Datei \"" + cFile + "\" kann nicht gelesen werden.");
    return false;
  }
  MailMessage m;
  m.from = kMailAccount;
  m.host = kMailHost;
  m.to = sendTo;
  m.subject = cSubject;
  m.bodyFile = kBodyFile;
  m.attachments = {""};
  m.user = kMailAccount;
  m.password = kMailPassword;
  m.replyTo = reply;
  m.fromName = name;
  return SENDMAIL(m);
}

}  // namespace support
