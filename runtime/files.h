#pragma once
// File functions with their xBase semantics, over the OS layer (os.h).
// File names are taken as the programs give them (".\DEUENG.DBF"); on
// POSIX "\" separates directories too and names match without regard to
// case, as on Windows. Every function sets FERROR() to the Windows system
// error code of its last step (0 on success).

#include <optional>
#include <string>
#include <string_view>

#include "runtime/value.h"

namespace rt {

// FOPEN modes: one access value plus one share value.
inline constexpr int FO_READ = 0, FO_WRITE = 1, FO_READWRITE = 2;
inline constexpr int FO_COMPAT = 0x00, FO_EXCLUSIVE = 0x10, FO_DENYWRITE = 0x20, FO_DENYREAD = 0x30,
                     FO_DENYNONE = 0x40, FO_SHARED = 0x40;
// FCREATE attributes.
inline constexpr int FC_NORMAL = 0, FC_READONLY = 1, FC_HIDDEN = 2, FC_SYSTEM = 4;
// FSEEK origins.
inline constexpr int FS_SET = 0, FS_RELATIVE = 1, FS_END = 2;

// The xBase FILE(): whether a file (not a directory) matches the name,
// which may hold the wildcards * and ?; names compare without case.
bool FileExists(std::string_view mask);

int FERASE(std::string_view name);                    // 0, or -1 with FERROR() set
int FRENAME(std::string_view from, std::string_view to);  // 0, or -1 (an existing target is not replaced)
long FCREATE(std::string_view name, int attributes = FC_NORMAL);  // handle, or -1
long FOPEN(std::string_view name, int mode = FO_READ);            // handle, or -1
// Reads at most n bytes, and no more than the buffer holds, into the start
// of the buffer (which the caller sizes, as xBase code does with SPACE(n));
// returns the count read.
long FREAD(long handle, std::string& buffer, long n);
// Up to n bytes (at most 1 MiB a call), ending before the first zero byte.
std::string FREADSTR(long handle, long n);
// Writes the text, or its first n bytes; returns the count written.
long FWRITE(long handle, std::string_view data, std::optional<long> n = {});
long FSEEK(long handle, long offset, int origin = FS_SET);  // the new position
bool FCLOSE(long handle);
int FERROR();

// The whole file; "" when it cannot be read. A final end-of-file byte
// (0x1A) is dropped.
std::string MEMOREAD(std::string_view name);
// Writes the text as the whole file, followed by an end-of-file byte (0x1A)
// unless asked not to.
bool MEMOWRIT(std::string_view name, std::string_view text, bool writeEof = true);

// The xBase __COPYFILE: copies a file byte for byte. A source that cannot
// be opened or a target that cannot be created raises the open or create
// error (EG_OPEN / EG_CREATE, can retry and default); false when defaulted.
bool FileCopy(std::string_view from, std::string_view to);

// DIRECTORY(mask, attributes): an array of {name, size, date, time "hh:mm:ss",
// attributes} for the files that match; "D", "H" and "S" in `attributes`
// add directories, hidden and system files. An empty mask means all files.
Value DIRECTORY(std::string_view mask = {}, std::string_view attributes = {});

// Whether a name matches a mask with * and ?, without regard to case; as on
// Windows, "*.*" also matches names without a dot.
bool WildMatch(std::string_view mask, std::string_view name);

}  // namespace rt
