// The OS layer on POSIX systems, for the native build of the runtime and
// its tests.
#include "runtime/os.h"

#include <dirent.h>
#include <fcntl.h>
#include <strings.h>
#include <sys/file.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <sys/time.h>
#include <sys/utsname.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <fstream>

namespace rt::os {

namespace {

std::string Slashes(std::string_view path) {
  std::string p(path);
  for (char& c : p)
    if (c == '\\') c = '/';
  return p;
}

bool Exists(const std::string& p) {
  struct stat st;
  return ::lstat(p.c_str(), &st) == 0;
}

// The path as it exists on disk: each component that is not found as
// written is looked up in its directory without regard to case. Missing
// components stay as written.
std::string Resolve(std::string_view path) {
  std::string p = Slashes(path);
  if (p.empty() || Exists(p)) return p;
  std::string out = p[0] == '/' ? "/" : "";
  std::size_t i = 0;
  bool lost = false;  // a component was not found: the rest cannot exist either
  while (i < p.size()) {
    std::size_t j = p.find('/', i);
    if (j == std::string::npos) j = p.size();
    std::string part = p.substr(i, j - i);
    i = j + 1;
    if (part.empty()) continue;
    std::string joined = out.empty() || out.back() == '/' ? out + part : out + "/" + part;
    if (!lost && part != "." && part != ".." && !Exists(joined)) {
      std::string found;
      if (DIR* d = ::opendir(out.empty() ? "." : out.c_str())) {
        while (dirent* e = ::readdir(d)) {
          if (::strcasecmp(e->d_name, part.c_str()) == 0) {
            found = e->d_name;
            break;
          }
        }
        ::closedir(d);
      }
      if (found.empty()) {
        lost = true;
      } else {
        joined = out.empty() || out.back() == '/' ? out + found : out + "/" + found;
      }
    }
    out = joined;
  }
  if (!p.empty() && p.back() == '/' && (out.empty() || out.back() != '/')) out += '/';
  return out;
}

std::string ParentOf(const std::string& p) {
  std::size_t slash = p.find_last_of('/');
  if (slash == std::string::npos) return ".";
  return slash == 0 ? "/" : p.substr(0, slash);
}

int MapErrno(int err, const std::string& path) {
  switch (err) {
    case 0: return 0;
    case ENOENT: {
      struct stat st;
      return ::stat(ParentOf(path).c_str(), &st) == 0 ? 2 : 3;
    }
    case ENOTDIR: return 3;
    case EMFILE:
    case ENFILE: return 4;
    case EACCES:
    case EPERM:
    case EROFS:
    case EISDIR: return 5;
    case EBADF: return 6;
    case ENOMEM: return 8;
    case EXDEV: return 17;
    case EWOULDBLOCK: return 32;
    case EEXIST: return 80;
    case ENOSPC: return 112;
    case ENAMETOOLONG: return 206;
    default: return 31;  // a device attached to the system is not functioning
  }
}

LocalTime FromTimeT(std::time_t t, int millis) {
  std::tm tm{};
  ::localtime_r(&t, &tm);
  return LocalTime{tm.tm_year + 1900, tm.tm_mon + 1, tm.tm_mday, tm.tm_hour, tm.tm_min, tm.tm_sec, millis};
}

// Takes the lock that stands for the share mode; false when another handle
// holds a conflicting one.
bool LockForShare(int fd, int share) {
  const bool denies = share == kShareExclusive || share == kShareDenyWrite || share == kShareDenyRead;
  return ::flock(fd, (denies ? LOCK_EX : LOCK_SH) | LOCK_NB) == 0;
}

// A byte-range lock of the open file itself (not of the process), so that
// two handles of one process exclude each other as on Windows.
int SetRangeLock(Handle h, short type, std::uint64_t offset, std::uint64_t len) {
  struct flock fl{};
  fl.l_type = type;
  fl.l_whence = SEEK_SET;
  fl.l_start = static_cast<off_t>(offset);
  fl.l_len = static_cast<off_t>(len);
  if (::fcntl(static_cast<int>(h), F_OFD_SETLK, &fl) == 0) return 0;
  return errno == EAGAIN || errno == EACCES ? 33 : MapErrno(errno, {});
}

}  // namespace

LocalTime Now() {
  struct timeval tv;
  ::gettimeofday(&tv, nullptr);
  return FromTimeT(tv.tv_sec, static_cast<int>(tv.tv_usec / 1000));
}

int Open(std::string_view path, int mode, Handle* out) {
  *out = kBadHandle;
  const std::string p = Resolve(path);
  const int access = mode & 3;
  const int flags = access == kWrite ? O_WRONLY : access == kReadWrite ? O_RDWR : O_RDONLY;
  int fd = ::open(p.c_str(), flags | O_CLOEXEC);
  if (fd < 0) return MapErrno(errno, p);
  struct stat st;
  if (::fstat(fd, &st) == 0 && S_ISDIR(st.st_mode)) {
    ::close(fd);
    return 5;
  }
  if (!LockForShare(fd, mode & 0x70)) {
    ::close(fd);
    return 32;
  }
  *out = fd;
  return 0;
}

int Create(std::string_view path, int attributes, Handle* out) {
  *out = kBadHandle;
  const std::string p = Resolve(path);
  const mode_t perms = (attributes & kAttrReadOnly) ? 0444 : 0666;
  int fd = ::open(p.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, perms);
  if (fd < 0) return MapErrno(errno, p);
  if (!LockForShare(fd, kShareExclusive)) {
    ::close(fd);
    return 32;
  }
  if (::ftruncate(fd, 0) != 0) {
    int err = errno;
    ::close(fd);
    return MapErrno(err, p);
  }
  *out = fd;
  return 0;
}

int Read(Handle h, void* buffer, std::size_t n, std::size_t* got) {
  *got = 0;
  auto* b = static_cast<char*>(buffer);
  while (*got < n) {
    ssize_t r = ::read(static_cast<int>(h), b + *got, n - *got);
    if (r < 0) {
      if (errno == EINTR) continue;
      return MapErrno(errno, {});
    }
    if (r == 0) break;
    *got += static_cast<std::size_t>(r);
  }
  return 0;
}

int Write(Handle h, const void* buffer, std::size_t n, std::size_t* written) {
  *written = 0;
  const auto* b = static_cast<const char*>(buffer);
  while (*written < n) {
    ssize_t r = ::write(static_cast<int>(h), b + *written, n - *written);
    if (r < 0) {
      if (errno == EINTR) continue;
      return MapErrno(errno, {});
    }
    *written += static_cast<std::size_t>(r);
  }
  return 0;
}

int Seek(Handle h, std::int64_t offset, int origin, std::int64_t* position) {
  const int whence = origin == 1 ? SEEK_CUR : origin == 2 ? SEEK_END : SEEK_SET;
  off_t r = ::lseek(static_cast<int>(h), static_cast<off_t>(offset), whence);
  if (r < 0) {
    *position = 0;
    return errno == EINVAL ? 131 : MapErrno(errno, {});  // 131: negative seek
  }
  *position = r;
  return 0;
}

int Close(Handle h) { return ::close(static_cast<int>(h)) == 0 ? 0 : MapErrno(errno, {}); }

int ReadAt(Handle h, std::uint64_t offset, void* buffer, std::size_t n, std::size_t* got) {
  *got = 0;
  auto* b = static_cast<char*>(buffer);
  while (*got < n) {
    ssize_t r = ::pread(static_cast<int>(h), b + *got, n - *got, static_cast<off_t>(offset + *got));
    if (r < 0) {
      if (errno == EINTR) continue;
      return MapErrno(errno, {});
    }
    if (r == 0) break;
    *got += static_cast<std::size_t>(r);
  }
  return 0;
}

int WriteAt(Handle h, std::uint64_t offset, const void* buffer, std::size_t n) {
  const auto* b = static_cast<const char*>(buffer);
  std::size_t done = 0;
  while (done < n) {
    ssize_t r = ::pwrite(static_cast<int>(h), b + done, n - done, static_cast<off_t>(offset + done));
    if (r < 0) {
      if (errno == EINTR) continue;
      return MapErrno(errno, {});
    }
    if (r == 0) return 112;  // the disk is full
    done += static_cast<std::size_t>(r);
  }
  return 0;
}

int FileSize(Handle h, std::uint64_t* size) {
  struct stat st;
  if (::fstat(static_cast<int>(h), &st) != 0) {
    *size = 0;
    return MapErrno(errno, {});
  }
  *size = static_cast<std::uint64_t>(st.st_size);
  return 0;
}

int Truncate(Handle h, std::uint64_t size) {
  return ::ftruncate(static_cast<int>(h), static_cast<off_t>(size)) == 0 ? 0 : MapErrno(errno, {});
}

// The data and the size needed to read it back; the file's times may follow
// later, which spares the journal a commit when only bytes in place changed
// (an order's change mark).
int Flush(Handle h) { return ::fdatasync(static_cast<int>(h)) == 0 ? 0 : MapErrno(errno, {}); }

int Lock(Handle h, std::uint64_t offset, std::uint64_t len) { return SetRangeLock(h, F_WRLCK, offset, len); }

int Unlock(Handle h, std::uint64_t offset, std::uint64_t len) { return SetRangeLock(h, F_UNLCK, offset, len); }

int Erase(std::string_view path) {
  const std::string p = Resolve(path);
  struct stat st;
  if (::stat(p.c_str(), &st) == 0 && S_ISDIR(st.st_mode)) return 5;
  return ::unlink(p.c_str()) == 0 ? 0 : MapErrno(errno, p);
}

int Rename(std::string_view from, std::string_view to) {
  const std::string src = Resolve(from);
  const std::string dst = Resolve(to);
  if (!Exists(src)) return MapErrno(ENOENT, src);
  if (Exists(dst)) return 183;  // already exists: Windows does not replace
  return ::rename(src.c_str(), dst.c_str()) == 0 ? 0 : MapErrno(errno, dst);
}

int Replace(std::string_view from, std::string_view to) {
  const std::string src = Resolve(from);
  const std::string dst = Resolve(to);
  return std::rename(src.c_str(), dst.c_str()) == 0 ? 0 : MapErrno(errno, dst);
}

int FlushFolderOf(std::string_view path) {
  const std::string p = Resolve(path);
  const std::size_t slash = p.find_last_of('/');
  const std::string dir = slash == std::string::npos ? "." : (slash == 0 ? "/" : p.substr(0, slash));
  int fd = ::open(dir.c_str(), O_RDONLY | O_DIRECTORY);
  if (fd < 0) return MapErrno(errno, dir);
  int rc = ::fsync(fd) == 0 ? 0 : MapErrno(errno, dir);
  ::close(fd);
  return rc;
}

int ListDir(std::string_view dir, std::vector<DirEntry>* out) {
  out->clear();
  std::string d = dir.empty() ? std::string(".") : Resolve(dir);
  DIR* h = ::opendir(d.c_str());
  if (!h) return MapErrno(errno, d);
  if (d.back() != '/') d += '/';
  while (dirent* e = ::readdir(h)) {
    std::string name = e->d_name;
    if (name == "." || name == "..") continue;
    struct stat st;
    if (::stat((d + name).c_str(), &st) != 0) continue;
    DirEntry entry;
    entry.name = name;
    entry.size = S_ISDIR(st.st_mode) ? 0 : static_cast<std::int64_t>(st.st_size);
    entry.modified = FromTimeT(st.st_mtime, 0);
    if (S_ISDIR(st.st_mode)) entry.attributes |= kAttrDirectory;
    else entry.attributes |= kAttrArchive;
    if ((st.st_mode & S_IWUSR) == 0) entry.attributes |= kAttrReadOnly;
    if (name[0] == '.') entry.attributes |= kAttrHidden;
    out->push_back(std::move(entry));
  }
  ::closedir(h);
  return 0;
}

std::string CurrentDir() {
  std::string buf(4096, '\0');
  if (!::getcwd(buf.data(), buf.size())) return {};
  buf.resize(buf.find('\0'));
  return buf;
}

int ChangeDir(std::string_view dir) {
  const std::string p = Resolve(dir);
  return ::chdir(p.c_str()) == 0 ? 0 : MapErrno(errno, p);
}

std::string CurrentDrive() { return {}; }

int ChangeDrive(char) { return 0; }

std::optional<std::string> GetEnv(std::string_view name) {
  const char* v = std::getenv(std::string(name).c_str());
  if (!v) return std::nullopt;
  return std::string(v);
}

std::string SystemName() {
  utsname u{};
  if (::uname(&u) != 0) return "POSIX";
  return std::string(u.sysname) + " " + u.release;
}

// Linux reports the working set as VmRSS and its high-water mark as VmHWM,
// in kB; other systems leave both 0.
MemoryUse ProcessMemory() {
  MemoryUse use;
  std::ifstream status("/proc/self/status");
  std::string key;
  std::uint64_t kb = 0;
  while (status >> key) {
    if (key == "VmRSS:" && status >> kb) use.current = kb * 1024;
    if (key == "VmHWM:" && status >> kb) use.peak = kb * 1024;
  }
  return use;
}

std::uint64_t FreeMemory() {
  const long pages = ::sysconf(_SC_AVPHYS_PAGES);
  const long size = ::sysconf(_SC_PAGESIZE);
  return pages > 0 && size > 0 ? static_cast<std::uint64_t>(pages) * static_cast<std::uint64_t>(size) : 0;
}

namespace {

// Large pages are only given to ranges aligned to their size.
constexpr std::size_t kLargePage = std::size_t{2} << 20;

std::size_t WorkMemorySize(std::size_t bytes) { return (bytes + kLargePage - 1) / kLargePage * kLargePage; }

}  // namespace

void* AllocateWorkMemory(std::size_t bytes) {
  if (bytes == 0) bytes = 1;
  const std::size_t size = WorkMemorySize(bytes);
  void* raw = ::mmap(nullptr, size + kLargePage, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
  if (raw == MAP_FAILED) return nullptr;
  const auto start = reinterpret_cast<std::uintptr_t>(raw);
  const std::uintptr_t aligned = (start + kLargePage - 1) / kLargePage * kLargePage;
  if (aligned > start) ::munmap(raw, aligned - start);
  if (const std::size_t tail = start + size + kLargePage - (aligned + size); tail > 0)
    ::munmap(reinterpret_cast<void*>(aligned + size), tail);
#ifdef MADV_HUGEPAGE
  ::madvise(reinterpret_cast<void*>(aligned), size, MADV_HUGEPAGE);
#endif
  return reinterpret_cast<void*>(aligned);
}

void FreeWorkMemory(void* memory, std::size_t bytes) {
  if (memory) ::munmap(memory, WorkMemorySize(bytes == 0 ? 1 : bytes));
}

}  // namespace rt::os
