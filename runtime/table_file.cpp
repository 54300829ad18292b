#include "runtime/table_file.h"

#include <utility>

#include "runtime/text_case.h"

namespace rt {

namespace {

struct CrashState {
  long left = -1;
  bool happened = false;
};

CrashState& Crash() {
  static CrashState state;
  return state;
}

std::function<void(const std::string&)>& FlushObserver() {
  static std::function<void(const std::string&)> observer;
  return observer;
}

void Flushed(const std::string& path) {
  if (FlushObserver()) FlushObserver()(path);
}

std::string& FailingFlush() {
  static std::string name;
  return name;
}

bool FlushFails(const std::string& path) {
  const std::string& name = FailingFlush();
  return !name.empty() && path.size() >= name.size() && AsciiUpper(path).ends_with(name);
}

// Whether the next change may reach the file; counts it down while a crash
// is simulated.
bool ChangeAllowed() {
  CrashState& s = Crash();
  if (s.left < 0) return true;
  if (s.left == 0) {
    s.happened = true;
    return false;
  }
  --s.left;
  return true;
}

}  // namespace

TableFile::~TableFile() { Close(); }

TableFile::TableFile(TableFile&& other) noexcept
    : handle_(std::exchange(other.handle_, os::kBadHandle)), path_(std::move(other.path_)) {}

TableFile& TableFile::operator=(TableFile&& other) noexcept {
  if (this != &other) {
    Close();
    handle_ = std::exchange(other.handle_, os::kBadHandle);
    path_ = std::move(other.path_);
  }
  return *this;
}

int TableFile::Open(const std::string& path, TableShare share, bool readOnly) {
  Close();
  const int mode = (readOnly ? os::kRead : os::kReadWrite) |
                   (share == TableShare::Exclusive ? os::kShareExclusive : os::kShareDenyNone);
  path_ = path;
  return os::Open(path, mode, &handle_);
}

int TableFile::Create(const std::string& path) {
  Close();
  if (!ChangeAllowed()) return 5;  // access denied, as a killed program leaves no file
  path_ = path;
  return os::Create(path, 0, &handle_);
}

void TableFile::Close() {
  if (handle_ != os::kBadHandle) os::Close(handle_);
  handle_ = os::kBadHandle;
}

std::size_t TableFile::ReadAt(std::uint64_t offset, void* buf, std::size_t len) {
  std::size_t got = 0;
  os::ReadAt(handle_, offset, buf, len, &got);
  return got;
}

bool TableFile::WriteAt(std::uint64_t offset, const void* buf, std::size_t len) {
  if (!ChangeAllowed()) return true;
  return os::WriteAt(handle_, offset, buf, len) == 0;
}

std::uint64_t TableFile::Size() {
  std::uint64_t size = 0;
  os::FileSize(handle_, &size);
  return size;
}

bool TableFile::Truncate(std::uint64_t size) {
  if (!ChangeAllowed()) return true;
  return os::Truncate(handle_, size) == 0;
}

bool TableFile::Flush() {
  if (FlushFails(path_) || os::Flush(handle_) != 0) return false;
  Flushed(path_);
  return true;
}

bool TableFile::LockRange(std::uint64_t offset, std::uint64_t len) { return os::Lock(handle_, offset, len) == 0; }

void TableFile::UnlockRange(std::uint64_t offset, std::uint64_t len) { os::Unlock(handle_, offset, len); }

ReplaceOutcome ReplaceTableFile(const std::string& from, const std::string& to) {
  if (!ChangeAllowed()) return ReplaceOutcome::Done;
  if (os::Replace(from, to) != 0) return ReplaceOutcome::Failed;
  const std::string folder = to + "/..";
  if (FlushFails(folder) || os::FlushFolderOf(to) != 0) return ReplaceOutcome::FolderNotFlushed;
  Flushed(folder);
  return ReplaceOutcome::Done;
}

bool RemoveTableFile(const std::string& path) {
  if (!ChangeAllowed()) return true;
  return os::Erase(path) == 0;
}

void TableCrashAfterChanges(long n) { Crash() = CrashState{n, false}; }

bool TableCrashHappened() { return Crash().happened; }

void TableFlushObserver(std::function<void(const std::string&)> observer) { FlushObserver() = std::move(observer); }

void TableFlushFailsFor(std::string name) { FailingFlush() = AsciiUpper(name); }

}  // namespace rt
