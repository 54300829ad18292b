#include <windows.h>

#include "runtime/os_file.h"

namespace rt {

namespace {

int LastErrorToOs() {
  switch (::GetLastError()) {
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND:
    case ERROR_INVALID_NAME: return OS_NOTFOUND;
    case ERROR_ACCESS_DENIED:
    case ERROR_WRITE_PROTECT: return OS_ACCESS;
    case ERROR_SHARING_VIOLATION:
    case ERROR_LOCK_VIOLATION: return OS_SHARING;
    default: return OS_OTHER;
  }
}

HANDLE H(void* h) { return static_cast<HANDLE>(h); }

DWORD ShareMode(OsShare share) {
  return share == OsShare::Exclusive ? 0 : (FILE_SHARE_READ | FILE_SHARE_WRITE);
}

OVERLAPPED At(std::uint64_t offset) {
  OVERLAPPED ov{};
  ov.Offset = static_cast<DWORD>(offset & 0xFFFFFFFFu);
  ov.OffsetHigh = static_cast<DWORD>(offset >> 32);
  return ov;
}

}  // namespace

OsFile::~OsFile() { Close(); }

OsFile::OsFile(OsFile&& other) noexcept : handle_(other.handle_) { other.handle_ = nullptr; }

OsFile& OsFile::operator=(OsFile&& other) noexcept {
  if (this != &other) {
    Close();
    handle_ = other.handle_;
    other.handle_ = nullptr;
  }
  return *this;
}

int OsFile::Open(const std::string& path, OsShare share, bool readOnly) {
  Close();
  DWORD access = readOnly ? GENERIC_READ : (GENERIC_READ | GENERIC_WRITE);
  HANDLE h = ::CreateFileA(path.c_str(), access, ShareMode(share), nullptr, OPEN_EXISTING,
                           FILE_ATTRIBUTE_NORMAL, nullptr);
  if (h == INVALID_HANDLE_VALUE) return LastErrorToOs();
  handle_ = h;
  return OS_OK;
}

int OsFile::Create(const std::string& path, OsShare share) {
  Close();
  if (!OsChangeAllowed()) return OS_ACCESS;
  HANDLE h = ::CreateFileA(path.c_str(), GENERIC_READ | GENERIC_WRITE, ShareMode(share), nullptr,
                           CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (h == INVALID_HANDLE_VALUE) return LastErrorToOs();
  handle_ = h;
  return OS_OK;
}

void OsFile::Close() {
  if (handle_) ::CloseHandle(H(handle_));
  handle_ = nullptr;
}

bool OsFile::IsOpen() const noexcept { return handle_ != nullptr; }

std::size_t OsFile::ReadAt(std::uint64_t offset, void* buf, std::size_t len) {
  std::size_t done = 0;
  while (done < len) {
    OVERLAPPED ov = At(offset + done);
    DWORD got = 0;
    DWORD want = static_cast<DWORD>(len - done);
    if (!::ReadFile(H(handle_), static_cast<char*>(buf) + done, want, &got, &ov) || got == 0) break;
    done += got;
  }
  return done;
}

bool OsFile::WriteAt(std::uint64_t offset, const void* buf, std::size_t len) {
  if (!OsChangeAllowed()) return true;
  std::size_t done = 0;
  while (done < len) {
    OVERLAPPED ov = At(offset + done);
    DWORD put = 0;
    DWORD want = static_cast<DWORD>(len - done);
    if (!::WriteFile(H(handle_), static_cast<const char*>(buf) + done, want, &put, &ov) || put == 0)
      return false;
    done += put;
  }
  return true;
}

std::uint64_t OsFile::Size() {
  LARGE_INTEGER size{};
  if (!::GetFileSizeEx(H(handle_), &size)) return 0;
  return static_cast<std::uint64_t>(size.QuadPart);
}

bool OsFile::Truncate(std::uint64_t size) {
  if (!OsChangeAllowed()) return true;
  LARGE_INTEGER pos{};
  pos.QuadPart = static_cast<LONGLONG>(size);
  return ::SetFilePointerEx(H(handle_), pos, nullptr, FILE_BEGIN) && ::SetEndOfFile(H(handle_));
}

bool OsFile::Flush() { return ::FlushFileBuffers(H(handle_)) != 0; }

bool OsFile::LockRange(std::uint64_t offset, std::uint64_t len) {
  OVERLAPPED ov = At(offset);
  return ::LockFileEx(H(handle_), LOCKFILE_EXCLUSIVE_LOCK | LOCKFILE_FAIL_IMMEDIATELY, 0,
                      static_cast<DWORD>(len & 0xFFFFFFFFu), static_cast<DWORD>(len >> 32), &ov) != 0;
}

void OsFile::UnlockRange(std::uint64_t offset, std::uint64_t len) {
  OVERLAPPED ov = At(offset);
  ::UnlockFileEx(H(handle_), 0, static_cast<DWORD>(len & 0xFFFFFFFFu), static_cast<DWORD>(len >> 32),
                 &ov);
}

bool OsReplaceFile(const std::string& from, const std::string& to) {
  if (!OsChangeAllowed()) return true;
  return ::MoveFileExA(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
}

bool OsRemoveFile(const std::string& path) {
  if (!OsChangeAllowed()) return true;
  return ::DeleteFileA(path.c_str()) != 0;
}

bool OsFileExists(const std::string& path) {
  DWORD attr = ::GetFileAttributesA(path.c_str());
  return attr != INVALID_FILE_ATTRIBUTES && !(attr & FILE_ATTRIBUTE_DIRECTORY);
}

}  // namespace rt
