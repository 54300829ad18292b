#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>

#include "runtime/os_file.h"

namespace rt {

namespace {

int ErrnoToOs(int e) {
  switch (e) {
    case ENOENT:
    case ENOTDIR: return OS_NOTFOUND;
    case EACCES:
    case EPERM:
    case EROFS: return OS_ACCESS;
    case EWOULDBLOCK: return OS_SHARING;
    default: return OS_OTHER;
  }
}

// flock locks belong to the open file description, so a second open in the
// same process conflicts exactly like an open in another process.
int TakeShareLock(int fd, OsShare share) {
  int op = (share == OsShare::Exclusive ? LOCK_EX : LOCK_SH) | LOCK_NB;
  if (::flock(fd, op) != 0) return ErrnoToOs(errno);
  return OS_OK;
}

}  // namespace

OsFile::~OsFile() { Close(); }

OsFile::OsFile(OsFile&& other) noexcept : fd_(other.fd_) { other.fd_ = -1; }

OsFile& OsFile::operator=(OsFile&& other) noexcept {
  if (this != &other) {
    Close();
    fd_ = other.fd_;
    other.fd_ = -1;
  }
  return *this;
}

int OsFile::Open(const std::string& path, OsShare share, bool readOnly) {
  Close();
  int fd = ::open(path.c_str(), (readOnly ? O_RDONLY : O_RDWR) | O_CLOEXEC);
  if (fd < 0) return ErrnoToOs(errno);
  struct stat st{};
  if (::fstat(fd, &st) != 0 || S_ISDIR(st.st_mode)) {
    ::close(fd);
    return OS_ACCESS;
  }
  if (int rc = TakeShareLock(fd, share); rc != OS_OK) {
    ::close(fd);
    return rc;
  }
  fd_ = fd;
  return OS_OK;
}

int OsFile::Create(const std::string& path, OsShare share) {
  Close();
  if (!OsChangeAllowed()) return OS_ACCESS;
  // Truncating only after the lock is held keeps a file that someone else
  // has open intact.
  int fd = ::open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0644);
  if (fd < 0) return ErrnoToOs(errno);
  if (int rc = TakeShareLock(fd, share); rc != OS_OK) {
    ::close(fd);
    return rc;
  }
  if (::ftruncate(fd, 0) != 0) {
    int rc = ErrnoToOs(errno);
    ::close(fd);
    return rc;
  }
  fd_ = fd;
  return OS_OK;
}

void OsFile::Close() {
  if (fd_ >= 0) ::close(fd_);
  fd_ = -1;
}

bool OsFile::IsOpen() const noexcept { return fd_ >= 0; }

std::size_t OsFile::ReadAt(std::uint64_t offset, void* buf, std::size_t len) {
  std::size_t done = 0;
  while (done < len) {
    ssize_t n = ::pread(fd_, static_cast<char*>(buf) + done, len - done,
                        static_cast<off_t>(offset + done));
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) break;
    done += static_cast<std::size_t>(n);
  }
  return done;
}

bool OsFile::WriteAt(std::uint64_t offset, const void* buf, std::size_t len) {
  if (!OsChangeAllowed()) return true;
  std::size_t done = 0;
  while (done < len) {
    ssize_t n = ::pwrite(fd_, static_cast<const char*>(buf) + done, len - done,
                         static_cast<off_t>(offset + done));
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    done += static_cast<std::size_t>(n);
  }
  return true;
}

std::uint64_t OsFile::Size() {
  struct stat st{};
  if (::fstat(fd_, &st) != 0) return 0;
  return static_cast<std::uint64_t>(st.st_size);
}

bool OsFile::Truncate(std::uint64_t size) {
  if (!OsChangeAllowed()) return true;
  return ::ftruncate(fd_, static_cast<off_t>(size)) == 0;
}

bool OsFile::Flush() { return ::fsync(fd_) == 0; }

bool OsFile::LockRange(std::uint64_t offset, std::uint64_t len) {
  struct flock fl{};
  fl.l_type = F_WRLCK;
  fl.l_whence = SEEK_SET;
  fl.l_start = static_cast<off_t>(offset);
  fl.l_len = static_cast<off_t>(len);
  return ::fcntl(fd_, F_OFD_SETLK, &fl) == 0;
}

void OsFile::UnlockRange(std::uint64_t offset, std::uint64_t len) {
  struct flock fl{};
  fl.l_type = F_UNLCK;
  fl.l_whence = SEEK_SET;
  fl.l_start = static_cast<off_t>(offset);
  fl.l_len = static_cast<off_t>(len);
  ::fcntl(fd_, F_OFD_SETLK, &fl);
}

bool OsReplaceFile(const std::string& from, const std::string& to) {
  if (!OsChangeAllowed()) return true;
  return std::rename(from.c_str(), to.c_str()) == 0;
}

bool OsRemoveFile(const std::string& path) {
  if (!OsChangeAllowed()) return true;
  return ::unlink(path.c_str()) == 0;
}

bool OsFileExists(const std::string& path) {
  struct stat st{};
  return ::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

}  // namespace rt
