// The builders over the current printer, the printer list of the system
// profile and the registry entries through which lower layers print.
#include <windows.h>

#include <algorithm>
#include <cctype>
#include <cstring>
#include <utility>

#include "graphics/function_names.h"
#include "print/printer_device.h"
#include "print/rpreview.h"
#include "print/tprinter.h"
#include "print/treport.h"
#include "runtime/macro.h"
#include "runtime/strings.h"
#include "services/int32.h"

namespace prn {

namespace {

TPrinterPtr& Current() {
  static TPrinterPtr printer;
  return printer;
}

std::vector<std::string> DeviceNames() {
  std::vector<char> buffer(32768);
  const DWORD n = GetProfileStringA("Devices", nullptr, "", buffer.data(), static_cast<DWORD>(buffer.size()));
  std::vector<std::string> names;
  for (const char* p = buffer.data(); p < buffer.data() + n && *p; p += std::strlen(p) + 1)
    names.push_back(rt::ALLTRIM(p));
  return names;
}

std::string DeviceEntry(const std::string& name) {
  char value[512] = {};
  GetProfileStringA("Devices", name.c_str(), "", value, sizeof value);
  return value;
}

std::string Upper(std::string s) {
  std::transform(s.begin(), s.end(), s.begin(), [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
  return s;
}

}  // namespace

TPrinterPtr CurrentPrinter() { return Current(); }

void ForgetCurrentPrinter() { Current() = nullptr; }

TPrinterPtr PRINTBEGIN(const rt::Value& cDocument, bool lUser, bool lPreview, const rt::Value& xModel, bool lModal) {
  auto printer = std::make_shared<TPrinter>();
  rt::Value model;
  if (!xModel.IsNil()) {
    const std::vector<std::string> names = DeviceNames();
    std::string match;
    if (xModel.IsNumber()) {
      const long n = xModel.AsInt();
      if (n >= 1 && n <= static_cast<long>(names.size())) match = names[static_cast<std::size_t>(n - 1)];
    } else if (xModel.IsString()) {
      for (const std::string& name : names) {
        if (Upper(name).find(Upper(xModel.AsString())) != std::string::npos) {
          match = name;
          break;
        }
      }
    }
    if (match.empty()) {
      MessageBeep(0xFFFFFFFF);
      lUser = true;
    } else {
      model = rt::Value(match + "," + DeviceEntry(match));
      lUser = false;
    }
  }
  printer->New(cDocument, lUser, lPreview, model, lModal);
  Current() = printer;
  return printer;
}

void PAGEBEGIN() {
  if (Current()) Current()->StartPage();
}

void PAGEEND() {
  if (Current()) Current()->EndPage();
}

void PRINTEND() {
  const TPrinterPtr printer = std::exchange(Current(), nullptr);
  if (!printer) return;
  if (printer->lMeta) {
    printer->Preview();
  } else {
    printer->End();
  }
}

rt::Value AGETPRINTERS() {
  auto list = rt::Value::Array();
  for (const std::string& name : DeviceNames()) list.Items().push_back(rt::Value(name));
  return list;
}

bool SETPRINTDEFAULT(const std::string& cPrinter) {
  const std::string entry = DeviceEntry(cPrinter);
  if (entry.empty()) return false;
  return WriteProfileStringA("Windows", "Device", (cPrinter + "," + entry).c_str()) != FALSE;
}

void RegisterPrintFunctions() {
  RegisterReportFunctions();
  RegisterPreview();
  InstallReportShell();
  rt::RegisterFunction(vdfn::kPrintBegin, [](rt::Args a) {
    return rt::Value(PRINTBEGIN(rt::Arg(a, 0), rt::IsTrue(rt::Arg(a, 1)), rt::IsTrue(rt::Arg(a, 2)), rt::Arg(a, 3),
                                rt::IsTrue(rt::Arg(a, 4))));
  });
  rt::RegisterFunction(vdfn::kPageBegin, [](rt::Args) {
    PAGEBEGIN();
    return rt::Value();
  });
  rt::RegisterFunction(vdfn::kPageEnd, [](rt::Args) {
    PAGEEND();
    return rt::Value();
  });
  rt::RegisterFunction(vdfn::kPrintEnd, [](rt::Args) {
    PRINTEND();
    return rt::Value();
  });
}

namespace {

// Every program that links the print layer prints through it by name.
const bool kRegistered = (RegisterPrintFunctions(), true);

}  // namespace

}  // namespace prn
