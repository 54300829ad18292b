#include "services/profile.h"

#include <windows.h>

#include "services/int32.h"

namespace svc {
namespace {

const char* Text(const rt::Value& v) { return v.IsString() ? v.AsString().c_str() : nullptr; }

// Every read goes through one buffer of 1024 bytes: at most 1023 characters
// and the platform's terminating zero. The returned length counts the bytes
// that belong to the result, so zero bytes inside a key list stay in it.
constexpr DWORD kReadBuffer = 1024;

std::string Result(const char* buf, DWORD n) { return std::string(buf, static_cast<std::uint16_t>(n)); }

}  // namespace

std::string GETPVPROFSTRING(const rt::Value& cSection, const rt::Value& cEntry, const rt::Value& cDefault,
                            const rt::Value& cFile) {
  char buf[kReadBuffer];
  DWORD n = GetPrivateProfileStringA(Text(cSection), Text(cEntry), Text(cDefault), buf, kReadBuffer, Text(cFile));
  return Result(buf, n);
}

std::string GETPROFSTRING(const rt::Value& cSection, const rt::Value& cEntry, const rt::Value& cDefault) {
  char buf[kReadBuffer];
  DWORD n = GetProfileStringA(Text(cSection), Text(cEntry), Text(cDefault), buf, kReadBuffer);
  return Result(buf, n);
}

std::int32_t GETPVPROFINT(const rt::Value& cSection, const rt::Value& cEntry, const rt::Value& nDefault,
                          const rt::Value& cFile) {
  return static_cast<std::int32_t>(
      GetPrivateProfileIntA(Text(cSection), Text(cEntry), ToInt32(nDefault), Text(cFile)));
}

std::int32_t GETPROFINT(const rt::Value& cSection, const rt::Value& cEntry, const rt::Value& nDefault) {
  return static_cast<std::int32_t>(GetProfileIntA(Text(cSection), Text(cEntry), ToInt32(nDefault)));
}

bool WRITEPPROSTRING(const rt::Value& cSection, const rt::Value& cEntry, const rt::Value& cValue,
                     const rt::Value& cFile) {
  return WritePrivateProfileStringA(Text(cSection), Text(cEntry), Text(cValue), Text(cFile)) != 0;
}

bool WRITEPROFSTRING(const rt::Value& cSection, const rt::Value& cEntry, const rt::Value& cValue) {
  return WriteProfileStringA(Text(cSection), Text(cEntry), Text(cValue)) != 0;
}

bool DELINISECTION(const rt::Value& cSection, const rt::Value& cFile) {
  return WritePrivateProfileStringA(Text(cSection), nullptr, "", Text(cFile)) != 0;
}

bool DELINIENTRY(const rt::Value& cSection, const rt::Value& cEntry, const rt::Value& cFile) {
  return WritePrivateProfileStringA(Text(cSection), Text(cEntry), nullptr, Text(cFile)) != 0;
}

}  // namespace svc
