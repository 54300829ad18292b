// Gives a test Wine prefix two PostScript printers that print into files:
// "VD Test A" into C:\out.ps (the default printer) and "VD Test B" into
// C:\out2.ps. The driver is Wine's PostScript driver with the generic PPD
// that winspool carries as a resource; without a PPD data file adding the
// printer crashes. Exit code 0 when both printers exist afterwards.
#include <windows.h>
#include <winspool.h>

#include <cstdio>
#include <string>

namespace {

constexpr const char* kDriver = "VD Test PostScript";

bool WritePpd(const std::string& path) {
  HMODULE spool = LoadLibraryExA("winspool.drv", nullptr, LOAD_LIBRARY_AS_DATAFILE);
  if (!spool) return false;
  HRSRC res = FindResourceA(spool, MAKEINTRESOURCEA(1), "PPDFILE");
  HGLOBAL data = res ? LoadResource(spool, res) : nullptr;
  const void* bytes = data ? LockResource(data) : nullptr;
  const DWORD size = res ? SizeofResource(spool, res) : 0;
  bool ok = false;
  if (bytes && size) {
    if (FILE* f = std::fopen(path.c_str(), "wb")) {
      ok = std::fwrite(bytes, 1, size, f) == size;
      std::fclose(f);
    }
  }
  FreeLibrary(spool);
  return ok;
}

bool AddTestPrinter(const char* name, const char* port) {
  HANDLE existing = nullptr;
  if (OpenPrinterA(const_cast<char*>(name), &existing, nullptr)) {
    ClosePrinter(existing);
    return true;
  }
  PRINTER_INFO_2A info{};
  info.pPrinterName = const_cast<char*>(name);
  info.pPortName = const_cast<char*>(port);
  info.pDriverName = const_cast<char*>(kDriver);
  info.pPrintProcessor = const_cast<char*>("WinPrint");
  info.pDatatype = const_cast<char*>("RAW");
  HANDLE printer = AddPrinterA(nullptr, 2, reinterpret_cast<BYTE*>(&info));
  if (!printer) {
    std::fprintf(stderr, "add_test_printers: AddPrinter %s failed (%lu)\n", name, GetLastError());
    return false;
  }
  ClosePrinter(printer);
  return true;
}

}  // namespace

int main() {
  char dir[MAX_PATH] = {};
  DWORD needed = 0;
  if (!GetPrinterDriverDirectoryA(nullptr, nullptr, 1, reinterpret_cast<BYTE*>(dir), sizeof dir, &needed)) {
    std::fprintf(stderr, "add_test_printers: no driver directory\n");
    return 1;
  }
  CreateDirectoryA(dir, nullptr);
  const std::string ppd = std::string(dir) + "\\vdtest.ppd";
  if (!WritePpd(ppd)) {
    std::fprintf(stderr, "add_test_printers: no PPD for %s\n", ppd.c_str());
    return 1;
  }
  DRIVER_INFO_3A driver{};
  driver.cVersion = 3;
  driver.pName = const_cast<char*>(kDriver);
  driver.pDriverPath = const_cast<char*>("wineps.drv");
  driver.pConfigFile = const_cast<char*>("wineps.drv");
  driver.pDataFile = const_cast<char*>(ppd.c_str());
  if (!AddPrinterDriverExA(nullptr, 3, reinterpret_cast<BYTE*>(&driver), APD_COPY_NEW_FILES) &&
      GetLastError() != ERROR_PRINTER_DRIVER_ALREADY_INSTALLED) {
    std::fprintf(stderr, "add_test_printers: AddPrinterDriverEx failed (%lu)\n", GetLastError());
    return 1;
  }
  if (!AddTestPrinter("VD Test A", "C:\\out.ps") || !AddTestPrinter("VD Test B", "C:\\out2.ps")) return 1;
  if (!SetDefaultPrinterA("VD Test A")) {
    std::fprintf(stderr, "add_test_printers: SetDefaultPrinter failed (%lu)\n", GetLastError());
    return 1;
  }
  return 0;
}
