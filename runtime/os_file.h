#pragma once
// The one place where the table drivers touch the operating system's files.
// Opening modes follow the xBase rules: an exclusive open keeps every other
// open out, a shared open admits other shared opens. On Windows these are
// real share modes; on POSIX they are advisory locks taken at open time, so
// that two opens in one process see each other as two programs would.

#include <cstdint>
#include <string>
#include <string_view>

namespace rt {

enum class OsShare : std::uint8_t { Exclusive, Shared };

// Operating-system error codes as the error object reports them, the same
// numbers on every platform.
enum OsErr : int { OS_OK = 0, OS_NOTFOUND = 2, OS_ACCESS = 5, OS_SHARING = 32, OS_OTHER = 31 };

class OsFile {
 public:
  OsFile() = default;
  ~OsFile();
  OsFile(const OsFile&) = delete;
  OsFile& operator=(const OsFile&) = delete;
  OsFile(OsFile&& other) noexcept;
  OsFile& operator=(OsFile&& other) noexcept;

  // Each returns OS_OK or the error code; on failure the object stays closed.
  int Open(const std::string& path, OsShare share, bool readOnly);
  int Create(const std::string& path, OsShare share);  // replaces an existing file
  void Close();
  bool IsOpen() const noexcept;

  // Short reads at the end of the file return the bytes that exist.
  std::size_t ReadAt(std::uint64_t offset, void* buf, std::size_t len);
  bool WriteAt(std::uint64_t offset, const void* buf, std::size_t len);
  std::uint64_t Size();
  bool Truncate(std::uint64_t size);
  bool Flush();
  // Byte-range locks for record locking in shared mode; false when another
  // holder has the range.
  bool LockRange(std::uint64_t offset, std::uint64_t len);
  void UnlockRange(std::uint64_t offset, std::uint64_t len);

 private:
#ifdef _WIN32
  void* handle_ = nullptr;
#else
  int fd_ = -1;
#endif
};

// Moves a file over another (atomically where the platform can).
bool OsReplaceFile(const std::string& from, const std::string& to);
bool OsRemoveFile(const std::string& path);
bool OsFileExists(const std::string& path);

// Crash simulation for the crash-safety tests: after n more changes (writes,
// truncations, creations, renames, removals) every further change is
// silently dropped, as if the program had been killed at that point. A
// negative n switches it off. The platform sources ask OsChangeAllowed()
// before each change.
void OsCrashAfterChanges(long n);
bool OsCrashHappened();  // whether a change was dropped since the last call above
bool OsChangeAllowed();

}  // namespace rt
