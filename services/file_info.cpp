#include "services/file_info.h"

#include <windows.h>

#include "runtime/dates.h"
#include "services/message_pump.h"

namespace svc {
namespace {

constexpr int kMaxSearchDepth = 5;

bool FirstEntry(std::string_view pattern, WIN32_FIND_DATAA* fd) {
  HANDLE h = FindFirstFileA(std::string(pattern).c_str(), fd);
  if (h == INVALID_HANDLE_VALUE) return false;
  FindClose(h);
  return true;
}

bool LocalWriteTime(std::string_view cFile, SYSTEMTIME* st) {
  WIN32_FIND_DATAA fd;
  FILETIME local;
  return FirstEntry(cFile, &fd) && FileTimeToLocalFileTime(&fd.ftLastWriteTime, &local) &&
         FileTimeToSystemTime(&local, st);
}

std::string RootOf(std::string_view cDrive) { return std::string(1, cDrive[0]) + ":\\"; }

UINT DriveType(std::string_view cDrive) { return cDrive.empty() ? DRIVE_UNKNOWN : GetDriveTypeA(RootOf(cDrive).c_str()); }

// A drive that is there to be used: the old test of its NUL device, which
// not every platform shows per drive, or a fixed, network or RAM drive.
bool Answers(const std::string& drive) {
  if (GetFileAttributesA((drive + "\\NUL").c_str()) != INVALID_FILE_ATTRIBUTES) return true;
  UINT type = DriveType(drive);
  return type == DRIVE_FIXED || type == DRIVE_REMOTE || type == DRIVE_RAMDISK;
}

void Search(const std::string& cFile, const std::string& dir, int depth, rt::Value& aFound) {
  WIN32_FIND_DATAA fd;
  HANDLE h = FindFirstFileA((dir + "\\*").c_str(), &fd);
  if (h == INVALID_HANDLE_VALUE) return;
  do {
    PumpPendingMessages();
    std::string name = fd.cFileName;
    if (name == "." || name == "..") continue;
    if (lstrcmpiA(name.c_str(), cFile.c_str()) == 0) aFound.Items().push_back(dir + "\\" + cFile);
    if ((fd.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) && depth < kMaxSearchDepth)
      Search(cFile, dir + "\\" + name, depth + 1, aFound);
  } while (FindNextFileA(h, &fd));
  FindClose(h);
}

}  // namespace

double FSIZE(std::string_view cFile) {
  WIN32_FIND_DATAA fd;
  if (!FirstEntry(cFile, &fd)) return 0;
  return static_cast<double>(fd.nFileSizeHigh) * 4294967296.0 + fd.nFileSizeLow;
}

rt::Value FDATE(std::string_view cFile) {
  SYSTEMTIME st;
  if (!LocalWriteTime(cFile, &st)) return rt::Date{};
  return rt::MakeDate(st.wYear, st.wMonth, st.wDay);
}

std::string FTIME(std::string_view cFile) {
  SYSTEMTIME st;
  if (!LocalWriteTime(cFile, &st)) return {};
  return rt::TimeText(st.wHour, st.wMinute, st.wSecond);
}

bool LISDIR(std::string_view cPath) {
  char here[MAX_PATH + 1] = {};
  GetCurrentDirectoryA(sizeof here, here);
  bool ok = !cPath.empty() && SetCurrentDirectoryA(std::string(cPath).c_str());
  SetCurrentDirectoryA(here);
  return ok;
}

rt::Value AFINDFILE(std::string_view cFile, std::string_view cDir, rt::Value aFound) {
  if (!aFound.IsArray()) aFound = rt::Value::Array();
  std::string dir(cDir);
  if (!dir.empty() && dir.back() == '\\') dir.pop_back();
  Search(std::string(cFile), dir, 0, aFound);
  return aFound;
}

rt::Value ADRIVES(int nType) {
  rt::Value drives = rt::Value::Array();
  DWORD present = GetLogicalDrives();
  for (char letter = 'A'; letter <= 'Z'; ++letter) {
    if (!(present & (1u << (letter - 'A')))) continue;
    std::string drive = std::string(1, letter) + ":";
    bool floppy = letter <= 'B';
    bool take = nType == 0;
    if (nType == 1) take = floppy && ISDISKETTE(drive);
    if (nType == 2) take = !floppy && (ISCDROM(drive) || Answers(drive));
    if (take) drives.Items().push_back(drive);
  }
  return drives;
}

bool ISCDROM(std::string_view cDrive) { return DriveType(cDrive) == DRIVE_CDROM; }

bool ISDISKETTE(std::string_view cDrive) { return DriveType(cDrive) == DRIVE_REMOVABLE; }

}  // namespace svc
