#pragma once
// The runtime's one door to the operating system: files with share modes,
// positional access and byte-range locks, directory listings, the current
// directory and drive, the clock, the environment and the system's name and
// memory. os_win32.cpp and os_posix.cpp implement it; nothing else in the
// runtime calls the platform.
//
// Error results are Windows system error codes on both platforms (0 success,
// 2 file not found, 3 path not found, 4 too many open files, 5 access
// denied, 6 invalid handle, 32 sharing violation, 33 lock violation, 80 file
// exists), since FERROR() and the error objects' osCode report them. The
// POSIX side also takes "\" as a path separator and, like Windows, finds
// names without regard to case.
//
// POSIX has no share modes, so an open takes an advisory whole-file lock
// (flock): exclusive when the share mode denies anything, shared otherwise.
// flock locks belong to the open file, so a second open in the same process
// fails with 32 just as another program's open would on Windows.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace rt::os {

struct LocalTime {
  int year = 0, month = 0, day = 0;
  int hour = 0, minute = 0, second = 0, millisecond = 0;
};
LocalTime Now();

// A file handle as FOPEN returns it: the Win32 handle or the POSIX
// descriptor; -1 is none.
using Handle = long;
inline constexpr Handle kBadHandle = -1;

// Open modes: one access value plus one share value (FOPEN's mode word).
inline constexpr int kRead = 0, kWrite = 1, kReadWrite = 2;
inline constexpr int kShareCompat = 0x00, kShareExclusive = 0x10, kShareDenyWrite = 0x20,
                     kShareDenyRead = 0x30, kShareDenyNone = 0x40;
// File attributes for Create and in directory entries.
inline constexpr int kAttrReadOnly = 1, kAttrHidden = 2, kAttrSystem = 4, kAttrDirectory = 16,
                     kAttrArchive = 32;

int Open(std::string_view path, int mode, Handle* out);
// Creates or truncates; the handle reads and writes and denies all sharing.
int Create(std::string_view path, int attributes, Handle* out);
int Read(Handle h, void* buffer, std::size_t n, std::size_t* got);
int Write(Handle h, const void* buffer, std::size_t n, std::size_t* written);
// origin 0 from the start, 1 from the current position, 2 from the end.
int Seek(Handle h, std::int64_t offset, int origin, std::int64_t* position);
int Close(Handle h);

// Positional access for the table drivers: each call names its offset,
// whatever the handle's file position (which may move). A read stops short
// only at the end of the file.
int ReadAt(Handle h, std::uint64_t offset, void* buffer, std::size_t n, std::size_t* got);
int WriteAt(Handle h, std::uint64_t offset, const void* buffer, std::size_t n);
int FileSize(Handle h, std::uint64_t* size);
int Truncate(Handle h, std::uint64_t size);
int Flush(Handle h);  // to the disk, not only to the system's cache
// Byte-range locks for record locking: 33 while another handle, of this
// process or another, holds any byte of the range.
int Lock(Handle h, std::uint64_t offset, std::uint64_t len);
int Unlock(Handle h, std::uint64_t offset, std::uint64_t len);

int Erase(std::string_view path);
// Fails when the target exists, leaving it as it was.
int Rename(std::string_view from, std::string_view to);
// Moves a file over an existing one in one step, so that a reader sees the
// old file or the new one, never none.
int Replace(std::string_view from, std::string_view to);
// Makes the names in the folder that holds path durable, so that a rename
// survives a power cut (Windows: Replace already writes through).
int FlushFolderOf(std::string_view path);

struct DirEntry {
  std::string name;
  std::int64_t size = 0;
  LocalTime modified;
  int attributes = 0;  // kAttr... bits
};
// Every entry of the directory (empty: the current one) except "." and "..".
int ListDir(std::string_view dir, std::vector<DirEntry>* out);

std::string CurrentDir();  // full path in the platform's form
int ChangeDir(std::string_view dir);
std::string CurrentDrive();  // "C" on Windows; "" where there are no drives
int ChangeDrive(char letter);

std::optional<std::string> GetEnv(std::string_view name);

// The operating system's name and version, such as "Windows NT 10.0".
std::string SystemName();
// The memory this process holds now and the most it has held, in bytes
// (its working set); 0 where the system does not say.
struct MemoryUse {
  std::uint64_t current = 0;
  std::uint64_t peak = 0;
};
MemoryUse ProcessMemory();
// The physical memory not in use by anyone, in bytes.
std::uint64_t FreeMemory();

// Memory for a large short-lived work buffer (the keys of an index
// build), taken from the system in one piece and backed by large pages where
// the system offers them, so that filling it costs a few page faults instead
// of one per 4 KB. Null when there is not enough memory.
void* AllocateWorkMemory(std::size_t bytes);
void FreeWorkMemory(void* memory, std::size_t bytes);

}  // namespace rt::os
