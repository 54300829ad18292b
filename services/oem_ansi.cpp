#include "services/oem_ansi.h"

#include <windows.h>

#include <algorithm>

namespace svc {

std::string OEMTOANSI(const rt::Value& text) {
  if (!text.IsString()) return {};
  std::string out = text.AsString();
  if (!out.empty()) OemToCharBuffA(out.data(), out.data(), static_cast<DWORD>(out.size()));
  return out;
}

std::string ANSITOOEM(const rt::Value& text) {
  if (!text.IsString()) return {};
  std::string out = text.AsString();
  if (!out.empty()) CharToOemBuffA(out.data(), out.data(), static_cast<DWORD>(out.size()));
  return out;
}

bool ISANSI(std::string_view text) {
  return std::any_of(text.begin(), text.end(), [](char c) { return static_cast<unsigned char>(c) >= 0xE0; });
}

}  // namespace svc
