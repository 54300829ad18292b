// The OS layer on Windows: ANSI (code page 1252) calls of kernel32, share
// modes as the FOPEN mode word gives them.
#include "runtime/os.h"

#include <windows.h>

#include <direct.h>
#include <psapi.h>

#include <algorithm>
#include <string>

namespace rt::os {

namespace {

HANDLE AsHandle(Handle h) { return reinterpret_cast<HANDLE>(static_cast<std::intptr_t>(h)); }

std::string Z(std::string_view s) { return std::string(s); }

int LastError() {
  DWORD e = GetLastError();
  return e == 0 ? 31 : static_cast<int>(e);
}

DWORD ShareFlags(int share) {
  switch (share) {
    case kShareExclusive: return 0;
    case kShareDenyWrite: return FILE_SHARE_READ;
    case kShareDenyRead: return FILE_SHARE_WRITE;
    default: return FILE_SHARE_READ | FILE_SHARE_WRITE;
  }
}

OVERLAPPED At(std::uint64_t offset) {
  OVERLAPPED ov{};
  ov.Offset = static_cast<DWORD>(offset & 0xFFFFFFFFu);
  ov.OffsetHigh = static_cast<DWORD>(offset >> 32);
  return ov;
}

LocalTime FromSystemTime(const SYSTEMTIME& st) {
  return LocalTime{st.wYear, st.wMonth, st.wDay, st.wHour, st.wMinute, st.wSecond, st.wMilliseconds};
}

}  // namespace

LocalTime Now() {
  SYSTEMTIME st;
  GetLocalTime(&st);
  return FromSystemTime(st);
}

int Open(std::string_view path, int mode, Handle* out) {
  *out = kBadHandle;
  const int access = mode & 3;
  const DWORD want = access == kWrite ? GENERIC_WRITE : access == kReadWrite ? GENERIC_READ | GENERIC_WRITE : GENERIC_READ;
  HANDLE h = CreateFileA(Z(path).c_str(), want, ShareFlags(mode & 0x70), nullptr, OPEN_EXISTING,
                         FILE_ATTRIBUTE_NORMAL, nullptr);
  if (h == INVALID_HANDLE_VALUE) return LastError();
  *out = static_cast<Handle>(reinterpret_cast<std::intptr_t>(h));
  return 0;
}

int Create(std::string_view path, int attributes, Handle* out) {
  *out = kBadHandle;
  DWORD attrs = FILE_ATTRIBUTE_ARCHIVE;
  if (attributes & kAttrReadOnly) attrs |= FILE_ATTRIBUTE_READONLY;
  if (attributes & kAttrHidden) attrs |= FILE_ATTRIBUTE_HIDDEN;
  if (attributes & kAttrSystem) attrs |= FILE_ATTRIBUTE_SYSTEM;
  HANDLE h = CreateFileA(Z(path).c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, attrs, nullptr);
  if (h == INVALID_HANDLE_VALUE) return LastError();
  *out = static_cast<Handle>(reinterpret_cast<std::intptr_t>(h));
  return 0;
}

int Read(Handle h, void* buffer, std::size_t n, std::size_t* got) {
  *got = 0;
  auto* b = static_cast<char*>(buffer);
  while (*got < n) {
    DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(n - *got, 1u << 30));
    DWORD r = 0;
    if (!ReadFile(AsHandle(h), b + *got, chunk, &r, nullptr)) return LastError();
    if (r == 0) break;
    *got += r;
  }
  return 0;
}

int Write(Handle h, const void* buffer, std::size_t n, std::size_t* written) {
  *written = 0;
  const auto* b = static_cast<const char*>(buffer);
  while (*written < n) {
    DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(n - *written, 1u << 30));
    DWORD w = 0;
    if (!WriteFile(AsHandle(h), b + *written, chunk, &w, nullptr)) return LastError();
    if (w == 0) return 112;
    *written += w;
  }
  return 0;
}

int Seek(Handle h, std::int64_t offset, int origin, std::int64_t* position) {
  LARGE_INTEGER dist, now;
  dist.QuadPart = offset;
  const DWORD method = origin == 1 ? FILE_CURRENT : origin == 2 ? FILE_END : FILE_BEGIN;
  if (!SetFilePointerEx(AsHandle(h), dist, &now, method)) {
    *position = 0;
    return LastError();
  }
  *position = now.QuadPart;
  return 0;
}

int Close(Handle h) { return CloseHandle(AsHandle(h)) ? 0 : LastError(); }

int ReadAt(Handle h, std::uint64_t offset, void* buffer, std::size_t n, std::size_t* got) {
  *got = 0;
  auto* b = static_cast<char*>(buffer);
  while (*got < n) {
    OVERLAPPED ov = At(offset + *got);
    DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(n - *got, 1u << 30));
    DWORD r = 0;
    if (!ReadFile(AsHandle(h), b + *got, chunk, &r, &ov)) {
      DWORD e = GetLastError();
      return e == ERROR_HANDLE_EOF ? 0 : static_cast<int>(e);
    }
    if (r == 0) break;
    *got += r;
  }
  return 0;
}

int WriteAt(Handle h, std::uint64_t offset, const void* buffer, std::size_t n) {
  const auto* b = static_cast<const char*>(buffer);
  std::size_t done = 0;
  while (done < n) {
    OVERLAPPED ov = At(offset + done);
    DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(n - done, 1u << 30));
    DWORD w = 0;
    if (!WriteFile(AsHandle(h), b + done, chunk, &w, &ov)) return LastError();
    if (w == 0) return 112;
    done += w;
  }
  return 0;
}

int FileSize(Handle h, std::uint64_t* size) {
  LARGE_INTEGER s{};
  if (!GetFileSizeEx(AsHandle(h), &s)) {
    *size = 0;
    return LastError();
  }
  *size = static_cast<std::uint64_t>(s.QuadPart);
  return 0;
}

int Truncate(Handle h, std::uint64_t size) {
  LARGE_INTEGER pos{};
  pos.QuadPart = static_cast<LONGLONG>(size);
  return SetFilePointerEx(AsHandle(h), pos, nullptr, FILE_BEGIN) && SetEndOfFile(AsHandle(h)) ? 0 : LastError();
}

int Flush(Handle h) { return FlushFileBuffers(AsHandle(h)) ? 0 : LastError(); }

int Lock(Handle h, std::uint64_t offset, std::uint64_t len) {
  OVERLAPPED ov = At(offset);
  return LockFileEx(AsHandle(h), LOCKFILE_EXCLUSIVE_LOCK | LOCKFILE_FAIL_IMMEDIATELY, 0,
                    static_cast<DWORD>(len & 0xFFFFFFFFu), static_cast<DWORD>(len >> 32), &ov)
             ? 0
             : LastError();
}

int Unlock(Handle h, std::uint64_t offset, std::uint64_t len) {
  OVERLAPPED ov = At(offset);
  return UnlockFileEx(AsHandle(h), 0, static_cast<DWORD>(len & 0xFFFFFFFFu), static_cast<DWORD>(len >> 32), &ov)
             ? 0
             : LastError();
}

int Erase(std::string_view path) { return DeleteFileA(Z(path).c_str()) ? 0 : LastError(); }

int Rename(std::string_view from, std::string_view to) {
  return MoveFileA(Z(from).c_str(), Z(to).c_str()) ? 0 : LastError();
}

int Replace(std::string_view from, std::string_view to) {
  return MoveFileExA(Z(from).c_str(), Z(to).c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) ? 0
                                                                                                          : LastError();
}

int FlushFolderOf(std::string_view) { return 0; }

int ListDir(std::string_view dir, std::vector<DirEntry>* out) {
  out->clear();
  std::string pattern(dir);
  if (!pattern.empty() && pattern.back() != '\\' && pattern.back() != '/' && pattern.back() != ':') pattern += '\\';
  pattern += '*';
  WIN32_FIND_DATAA fd;
  HANDLE h = FindFirstFileA(pattern.c_str(), &fd);
  if (h == INVALID_HANDLE_VALUE) {
    DWORD e = GetLastError();
    return e == ERROR_FILE_NOT_FOUND || e == ERROR_NO_MORE_FILES ? 0 : static_cast<int>(e);
  }
  do {
    std::string name = fd.cFileName;
    if (name == "." || name == "..") continue;
    DirEntry entry;
    entry.name = name;
    entry.size = (static_cast<std::int64_t>(fd.nFileSizeHigh) << 32) | fd.nFileSizeLow;
    FILETIME local;
    SYSTEMTIME st;
    FileTimeToLocalFileTime(&fd.ftLastWriteTime, &local);
    FileTimeToSystemTime(&local, &st);
    entry.modified = FromSystemTime(st);
    const DWORD a = fd.dwFileAttributes;
    if (a & FILE_ATTRIBUTE_READONLY) entry.attributes |= kAttrReadOnly;
    if (a & FILE_ATTRIBUTE_HIDDEN) entry.attributes |= kAttrHidden;
    if (a & FILE_ATTRIBUTE_SYSTEM) entry.attributes |= kAttrSystem;
    if (a & FILE_ATTRIBUTE_DIRECTORY) entry.attributes |= kAttrDirectory;
    if (a & FILE_ATTRIBUTE_ARCHIVE) entry.attributes |= kAttrArchive;
    out->push_back(std::move(entry));
  } while (FindNextFileA(h, &fd));
  FindClose(h);
  return 0;
}

std::string CurrentDir() {
  char buf[MAX_PATH + 1];
  DWORD n = GetCurrentDirectoryA(sizeof buf, buf);
  return n == 0 || n > MAX_PATH ? std::string() : std::string(buf, n);
}

int ChangeDir(std::string_view dir) { return SetCurrentDirectoryA(Z(dir).c_str()) ? 0 : LastError(); }

std::string CurrentDrive() {
  std::string cwd = CurrentDir();
  if (cwd.size() >= 2 && cwd[1] == ':') return std::string(1, static_cast<char>(cwd[0] & ~0x20));
  return {};
}

int ChangeDrive(char letter) {
  char upper = static_cast<char>(letter & ~0x20);
  if (upper < 'A' || upper > 'Z') return 15;  // invalid drive
  return _chdrive(upper - 'A' + 1) == 0 ? 0 : 15;
}

std::optional<std::string> GetEnv(std::string_view name) {
  const std::string n(name);
  char small[512];
  DWORD len = GetEnvironmentVariableA(n.c_str(), small, sizeof small);
  if (len == 0) {
    if (GetLastError() == ERROR_ENVVAR_NOT_FOUND) return std::nullopt;
    return std::string();
  }
  if (len < sizeof small) return std::string(small, len);
  std::string big(len, '\0');
  len = GetEnvironmentVariableA(n.c_str(), big.data(), len);
  big.resize(len);
  return big;
}

// GetVersionEx answers with the version a program's manifest claims;
// ntdll's RtlGetVersion says what is really running.
std::string SystemName() {
  OSVERSIONINFOW info{};
  info.dwOSVersionInfoSize = sizeof info;
  using Fn = LONG(WINAPI*)(OSVERSIONINFOW*);
  auto fn = reinterpret_cast<Fn>(
      reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("ntdll.dll"), "RtlGetVersion")));
  if (!fn || fn(&info) != 0) return "Windows";
  const bool nt = info.dwPlatformId == VER_PLATFORM_WIN32_NT;
  return std::string(nt ? "Windows NT " : "Windows ") + std::to_string(info.dwMajorVersion) + "." +
         std::to_string(info.dwMinorVersion);
}

// Bound by name: the entry lives in kernel32 on later systems, in psapi on
// older ones.
MemoryUse ProcessMemory() {
  PROCESS_MEMORY_COUNTERS counters{};
  counters.cb = sizeof counters;
  using Fn = BOOL(WINAPI*)(HANDLE, PROCESS_MEMORY_COUNTERS*, DWORD);
  auto fn = reinterpret_cast<Fn>(
      reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("kernel32.dll"), "K32GetProcessMemoryInfo")));
  if (!fn || !fn(GetCurrentProcess(), &counters, sizeof counters)) return {};
  return {counters.WorkingSetSize, counters.PeakWorkingSetSize};
}

std::uint64_t FreeMemory() {
  MEMORYSTATUSEX status{};
  status.dwLength = sizeof status;
  return GlobalMemoryStatusEx(&status) ? status.ullAvailPhys : 0;
}

// Large pages need a privilege that programs do not hold; one committed
// region still spares the heap's bookkeeping.
void* AllocateWorkMemory(std::size_t bytes) {
  return VirtualAlloc(nullptr, bytes == 0 ? 1 : bytes, MEM_RESERVE | MEM_COMMIT, PAGE_READWRITE);
}

void FreeWorkMemory(void* memory, std::size_t) {
  if (memory) VirtualFree(memory, 0, MEM_RELEASE);
}

}  // namespace rt::os
