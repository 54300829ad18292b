#include "print/print_settings.h"

#include <commdlg.h>
#include <winspool.h>

#include <algorithm>
#include <cstring>
#include <utility>
#include <fstream>
#include <iterator>
#include <vector>

#include "services/comdlg_entry.h"
#include "services/int32.h"

namespace prn {

namespace {

constexpr std::size_t kDocNameMax = 31;

struct Settings {
  PRINTDLGA pd{};
  bool filled = false;
};

Settings& Record() {
  static Settings settings;
  return settings;
}

void FreeBlocks(PRINTDLGA& pd) {
  if (pd.hDevMode) GlobalFree(std::exchange(pd.hDevMode, nullptr));
  if (pd.hDevNames) GlobalFree(std::exchange(pd.hDevNames, nullptr));
}

bool PrintDialog(PRINTDLGA& pd) {
  auto printDlg = svc::ComDlgFunction<BOOL WINAPI(LPPRINTDLGA)>("PrintDlgA");
  return printDlg && printDlg(&pd);
}

PRINTDLGA& Filled() {
  Settings& s = Record();
  if (!s.filled) {
    FreeBlocks(s.pd);
    s.pd = PRINTDLGA{};
    s.pd.lStructSize = sizeof s.pd;
    s.pd.hwndOwner = GetActiveWindow();
    s.pd.Flags = PD_RETURNDEFAULT;
    s.pd.nMinPage = 1;
    s.pd.nMaxPage = 65535;
    PrintDialog(s.pd);
    s.filled = true;
  }
  return s.pd;
}

// The record's device mode, locked for the scope; null without a printer.
class DevMode {
 public:
  DevMode() : block_(Filled().hDevMode), mode_(block_ ? static_cast<DEVMODEA*>(GlobalLock(block_)) : nullptr) {}
  ~DevMode() {
    if (mode_) GlobalUnlock(block_);
  }
  DevMode(const DevMode&) = delete;
  DevMode& operator=(const DevMode&) = delete;
  DEVMODEA* operator->() const { return mode_; }
  DEVMODEA* get() const { return mode_; }
  explicit operator bool() const { return mode_ != nullptr; }

 private:
  HGLOBAL block_;
  DEVMODEA* mode_;
};

// Driver, device or port name of the record's device-names block.
std::string DevName(WORD DEVNAMES::*offset) {
  HGLOBAL block = Filled().hDevNames;
  if (!block) return {};
  const auto* names = static_cast<const DEVNAMES*>(GlobalLock(block));
  if (!names) return {};
  std::string out = reinterpret_cast<const char*>(names) + names->*offset;
  GlobalUnlock(block);
  return out;
}

rt::Value EscapePoint(HDC hDC, int escape) {
  POINT p{};
  if (hDC) Escape(hDC, escape, 0, nullptr, &p);
  return rt::Value::Array({rt::Value(p.x), rt::Value(p.y)});
}

bool EscapeSupported(HDC hDC, int escape) {
  return ExtEscape(hDC, QUERYESCSUPPORT, sizeof escape, reinterpret_cast<LPCSTR>(&escape), 0, nullptr) > 0;
}

HGLOBAL GlobalCopy(const void* data, std::size_t size) {
  HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, size);
  if (!block) return nullptr;
  if (void* p = GlobalLock(block)) {
    std::memcpy(p, data, size);
    GlobalUnlock(block);
  }
  return block;
}

}  // namespace

void PRINTERINIT() {
  Settings& s = Record();
  FreeBlocks(s.pd);
  s.filled = false;
}

HDC GETPRINTDC(HWND hWnd) {
  PRINTDLGA& pd = Filled();
  pd.hwndOwner = hWnd;
  pd.Flags = PD_RETURNDC | PD_NOSELECTION | PD_USEDEVMODECOPIESANDCOLLATE | PD_HIDEPRINTTOFILE;
  pd.hDC = nullptr;
  return PrintDialog(pd) ? pd.hDC : nullptr;
}

namespace {
UINT_PTR CALLBACK SetupHook(HWND, UINT, WPARAM, LPARAM) { return 0; }
}  // namespace

HDC PRINTERSETUP(const rt::Value& hWnd) {
  PRINTDLGA& pd = Filled();
  pd.hwndOwner = hWnd.IsNil() ? GetActiveWindow() : reinterpret_cast<HWND>(svc::ToHandle(hWnd));
  pd.Flags = PD_PRINTSETUP | PD_USEDEVMODECOPIES | PD_ENABLESETUPHOOK;
  pd.lpfnSetupHook = SetupHook;
  pd.hDC = nullptr;
  const bool ok = PrintDialog(pd);
  pd.lpfnSetupHook = nullptr;
  pd.Flags &= ~static_cast<DWORD>(PD_ENABLESETUPHOOK);
  return ok ? pd.hDC : nullptr;
}

HDC GETPRINTDEFAULT() {
  PRINTDLGA& pd = Filled();
  if (!pd.hDevNames) return nullptr;
  const std::string driver = DevName(&DEVNAMES::wDriverOffset), device = DevName(&DEVNAMES::wDeviceOffset),
                    port = DevName(&DEVNAMES::wOutputOffset);
  const DevMode mode;
  return CreateDCA(driver.c_str(), device.c_str(), port.c_str(), mode.get());
}

int PRNSTARTDOC(HDC hDC, const rt::Value& cDocName, const rt::Value& cOutput) {
  const std::string name = cDocName.IsString() ? cDocName.AsString().substr(0, kDocNameMax) : std::string();
  const std::string output = cOutput.IsString() ? cOutput.AsString() : std::string();
  DOCINFOA info{};
  info.cbSize = sizeof info;
  info.lpszDocName = name.c_str();
  info.lpszOutput = cOutput.IsString() ? output.c_str() : nullptr;
  return StartDocA(hDC, &info);
}

int PRNENDDOC(HDC hDC) { return EndDoc(hDC); }
int STARTPAGE(HDC hDC) { return StartPage(hDC); }
int ENDPAGE(HDC hDC) { return EndPage(hDC); }

bool RESETDC(HDC hDC) {
  const DevMode mode;
  return mode && ResetDCA(hDC, mode.get()) != nullptr;
}

rt::Value PRNOFFSET(HDC hDC) { return EscapePoint(hDC, GETPRINTINGOFFSET); }
rt::Value PRNGETSIZE(HDC hDC) { return EscapePoint(hDC, GETPHYSPAGESIZE); }

namespace {
bool SetOrientation(short orientation) {
  const DevMode mode;
  if (!mode) return false;
  mode->dmOrientation = orientation;
  mode->dmFields |= DM_ORIENTATION;
  return true;
}
}  // namespace

bool PRNLANDSCAPE() { return SetOrientation(DMORIENT_LANDSCAPE); }
bool PRNPORTRAIT() { return SetOrientation(DMORIENT_PORTRAIT); }

int PRNGETORIENTATION() {
  const DevMode mode;
  return mode ? mode->dmOrientation : 0;
}

void PRNSETSIZE(int nWidth, int nLength) {
  const DevMode mode;
  if (!mode) return;
  mode->dmFields |= DM_PAPERSIZE | DM_PAPERLENGTH | DM_PAPERWIDTH;
  mode->dmPaperSize = DMPAPER_USER;
  mode->dmPaperWidth = static_cast<short>(nWidth);
  mode->dmPaperLength = static_cast<short>(nLength);
}

void PRNSETCOPIES(rt::Args args) {
  const DevMode mode;
  if (!mode) return;
  mode->dmCopies = static_cast<short>(rt::Arg(args, args.size() == 2 ? 1 : 0).AsInt());
  mode->dmFields |= DM_COPIES;
}

int PRNGETCOPIES() {
  const DevMode mode;
  return mode ? mode->dmCopies : 0;
}

void PRNSETPAGE(int nPaper) {
  const DevMode mode;
  if (!mode) return;
  mode->dmPaperSize = static_cast<short>(nPaper);
  mode->dmFields |= DM_PAPERSIZE;
}

int PRNGETPAGE() {
  const DevMode mode;
  return mode ? mode->dmPaperSize : 0;
}

int PRNBINSOURCE(const rt::Value& nBin) {
  const DevMode mode;
  if (!mode) return 0;
  const int before = mode->dmDefaultSource;
  if (!nBin.IsNil()) {
    mode->dmDefaultSource = static_cast<short>(nBin.AsInt());
    mode->dmFields |= DM_DEFAULTSOURCE;
  }
  return before;
}

void PRNDRAFTMODE(bool lOn) {
  const DevMode mode;
  if (!mode) return;
  mode->dmFields |= DM_PRINTQUALITY;
  mode->dmPrintQuality = static_cast<short>(lOn ? DMRES_DRAFT : DMRES_HIGH);
}

int PRNGETQUALITY() {
  const DevMode mode;
  return mode ? mode->dmPrintQuality : 0;
}

std::string PRNGETNAME() { return DevName(&DEVNAMES::wDeviceOffset); }
std::string PRNGETDRIVE() { return DevName(&DEVNAMES::wDriverOffset); }
std::string PRNGETPORT() { return DevName(&DEVNAMES::wOutputOffset); }

bool IMPORTRAWFILE(HDC hDC, const std::string& cFile) {
  if (!hDC || !EscapeSupported(hDC, PASSTHROUGH)) return false;
  std::ifstream in(cFile, std::ios::binary);
  if (!in) return false;
  const std::vector<char> data((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  if (EscapeSupported(hDC, EPSPRINTING)) {
    const WORD on = 1;
    Escape(hDC, EPSPRINTING, sizeof on, reinterpret_cast<LPCSTR>(&on), nullptr);
  }
  // The pass-through block starts with the count of the bytes that follow;
  // the count is 16 bits, so a long file goes in pieces.
  constexpr std::size_t kPiece = 0xFFF0;
  for (std::size_t at = 0; at < data.size(); at += kPiece) {
    const std::size_t n = std::min(kPiece, data.size() - at);
    std::vector<char> block(sizeof(WORD) + n);
    const WORD count = static_cast<WORD>(n);
    std::memcpy(block.data(), &count, sizeof count);
    std::memcpy(block.data() + sizeof count, data.data() + at, n);
    if (Escape(hDC, PASSTHROUGH, static_cast<int>(block.size()), block.data(), nullptr) <= 0) return false;
  }
  return true;
}

bool SelectPrinter(const std::string& cName) {
  HANDLE printer = nullptr;
  if (!OpenPrinterA(const_cast<char*>(cName.c_str()), &printer, nullptr)) return false;
  DWORD needed = 0;
  GetPrinterA(printer, 2, nullptr, 0, &needed);
  std::vector<BYTE> info(needed);
  const LONG modeSize = DocumentPropertiesA(nullptr, printer, const_cast<char*>(cName.c_str()), nullptr, nullptr, 0);
  std::vector<BYTE> mode(modeSize > 0 ? static_cast<std::size_t>(modeSize) : 0);
  const bool ok = needed && GetPrinterA(printer, 2, info.data(), needed, &needed) && modeSize > 0 &&
                  DocumentPropertiesA(nullptr, printer, const_cast<char*>(cName.c_str()),
                                      reinterpret_cast<DEVMODEA*>(mode.data()), nullptr, DM_OUT_BUFFER) == IDOK;
  ClosePrinter(printer);
  if (!ok) return false;
  const auto* p2 = reinterpret_cast<const PRINTER_INFO_2A*>(info.data());
  // The names block: the offsets, then driver, device and port, each ended by 0.
  const std::string driver = p2->pDriverName ? p2->pDriverName : "", port = p2->pPortName ? p2->pPortName : "";
  std::vector<char> names(sizeof(DEVNAMES));
  auto add = [&names](const std::string& s) {
    const WORD at = static_cast<WORD>(names.size());
    names.insert(names.end(), s.begin(), s.end());
    names.push_back('\0');
    return at;
  };
  DEVNAMES head{};
  head.wDriverOffset = add(driver);
  head.wDeviceOffset = add(cName);
  head.wOutputOffset = add(port);
  std::memcpy(names.data(), &head, sizeof head);

  Filled();
  Settings& s = Record();
  FreeBlocks(s.pd);
  s.pd.hDevMode = GlobalCopy(mode.data(), mode.size());
  s.pd.hDevNames = GlobalCopy(names.data(), names.size());
  return s.pd.hDevMode && s.pd.hDevNames;
}

}  // namespace prn
