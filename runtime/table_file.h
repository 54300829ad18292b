#pragma once
// A file of the table drivers (table, memo or index), opened by the xBase
// rules: an exclusive open keeps every other open out, a shared open admits
// other shared opens. It owns one handle of the OS layer and is the one
// place where the drivers change files, so that the crash-safety tests can
// cut every change off after the n-th.

#include <cstdint>
#include <functional>
#include <string>

#include "runtime/os.h"

namespace rt {

enum class TableShare : std::uint8_t { Exclusive, Shared };

class TableFile {
 public:
  TableFile() = default;
  ~TableFile();
  TableFile(const TableFile&) = delete;
  TableFile& operator=(const TableFile&) = delete;
  TableFile(TableFile&& other) noexcept;
  TableFile& operator=(TableFile&& other) noexcept;

  // Each returns 0 or the system error code; on failure the object stays closed.
  int Open(const std::string& path, TableShare share, bool readOnly);
  int Create(const std::string& path);  // replaces an existing file; denies all sharing
  void Close();
  bool IsOpen() const noexcept { return handle_ != os::kBadHandle; }

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
  os::Handle handle_ = os::kBadHandle;
  std::string path_;
};

// Moves a file over another in one step and makes the folder durable. A
// rename that went through while the folder could not be flushed has still
// replaced the file (a power cut may bring the old one back): callers go on
// with the new file and report the failure.
enum class ReplaceOutcome : std::uint8_t { Failed, FolderNotFlushed, Done };
ReplaceOutcome ReplaceTableFile(const std::string& from, const std::string& to);
bool RemoveTableFile(const std::string& path);

// Crash simulation for the crash-safety tests: after n more changes (writes,
// truncations, creations, replacements, removals) every further change is
// silently dropped, as if the program had been killed at that point. A
// negative n switches it off.
void TableCrashAfterChanges(long n);
bool TableCrashHappened();  // whether a change was dropped since the last call above

// For the durability tests: told the path of every file flushed to disk, and
// after a replacement the path of the replaced file with "/.." appended for
// its folder. An empty function switches it off.
void TableFlushObserver(std::function<void(const std::string&)> observer);

// Failure injection for the durability tests: every flush of the file whose
// path ends with `name` fails, as on a failing disk; "/.." after a table's
// name fails the folder flush after a replacement of that table. An empty
// name switches it off. The name is compared without regard to case.
void TableFlushFailsFor(std::string name);

}  // namespace rt
