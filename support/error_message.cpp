#include "support/error_message.h"

#include "runtime/codepage.h"
#include "runtime/object.h"
#include "runtime/strings.h"
#include "runtime/value_fns.h"
#include "runtime/value_text.h"

namespace support {

namespace {

std::string MessageWith(const rt::Error& e, const std::string& description) {
  std::string out = e.osCode == 0 ? (e.severity > rt::ES_WARNING ? "Error " : "Warning ")
                                  : "(DOS Error " + std::to_string(e.osCode) + ") ";
  out += e.subSystem + "/" + std::to_string(e.subCode);
  out += "  " + description;
  if (!e.filename.empty()) {
    out += ": " + e.filename;
  } else if (!e.operation.empty()) {
    out += ": " + e.operation;
  }
  return out;
}

}  // namespace

std::string ERRORMESSAGE(const rt::Error& e) { return MessageWith(e, e.description); }

std::string ErrorMessageAnsi(const rt::Error& e) { return MessageWith(e, rt::Cp850To1252(e.description)); }

std::string CGETINFO(const rt::Value& u) {
  if (u.IsString()) return "\"" + u.AsString() + "\"";
  if (u.IsObject()) return "Class: " + (u.AsObject() ? u.AsObject()->ClassName() : std::string("NIL"));
  if (u.IsArray()) return "Len: " + rt::PADL(std::to_string(u.Len()), 4);
  return rt::CVALTOCHAR(u);
}

std::string LogLineText(const std::string& text) {
  std::string out = text.size() > kLogValueMax ? text.substr(0, kLogValueMax) + "..." : text;
  for (char& c : out) {
    if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) c = ' ';
  }
  return out;
}

}  // namespace support
