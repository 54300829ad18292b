#pragma once
// A file of bytes with a current position: byte, word and string access,
// searching, and inserting or deleting bytes in place.
//
// Open modes are the xBase mode word: access 0 read, 1 write, 2 read-write,
// plus sharing 0x10 exclusive, 0x20 deny write, 0x30 deny read, 0x40 deny
// none (0 leaves the file open to everybody).

#include <windows.h>

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "runtime/object.h"
#include "runtime/value.h"

namespace svc {

class TFile : public rt::Object {
 public:
  RT_CLASS_DECL()
  TFile() = default;
  ~TFile() override;
  TFile(const TFile&) = delete;
  TFile& operator=(const TFile&) = delete;

  std::string cName;
  long nLen = 0;
  long nBufferLen = 2048;
  int nMode = 0;

  // An existing file is opened with nMode (default 2), a missing one is
  // created (nMode default 0); the position is the start.
  TFile& New(std::string_view name, std::optional<int> mode = {});
  // Erases the file first.
  TFile& Create(std::string_view name, std::optional<int> mode = {});
  bool Open() const { return handle_ != INVALID_HANDLE_VALUE; }
  void Close();
  void End() { Close(); }
  // The handle as a number; 0 while the file is closed.
  std::intptr_t hFile() const;

  void Skip(long n) { pos_ += n; }
  void GoTo(long n) { pos_ = n; }
  void GoTop() { pos_ = 0; }
  void GoBottom();
  bool lEoF() const { return pos_ >= nLen; }
  bool lBoF() const { return pos_ == 0; }
  long nRecNo() const { return pos_; }

  // -1 when nothing could be read.
  int nGetByte();
  int nGetWord();  // signed 16-bit, low byte first
  std::string cGetStr(long n);

  bool PutByte(int n);
  bool PutWord(int n);
  bool PutStr(std::string_view c);
  bool AppByte(int n);
  bool AppWord(int n);
  bool AppStr(std::string_view c);

  // Occurrences of cDelim (default CR LF) in the whole file.
  long Count(std::string_view cDelim = "\r\n");
  // nDirection 0 forward from the position, 1 backward before it; nCase 1
  // upper-cases, 2 lower-cases the file's text before comparing. A hit
  // moves to its first byte; a miss keeps the position.
  bool Seek(std::string_view cText, int nDirection = 0, int nCase = 0);

  // Deletes n bytes at the position, or inserts n blanks there. The new
  // contents are written to a scratch file that then replaces the file in
  // one step; on any failure the file stays as it was and the result is
  // false. The file is reopened read-write and exclusive (mode 18).
  bool DelBytes(long n);
  bool InsBytes(long n);

 protected:
  // Reads up to n bytes at an offset without moving the position.
  std::string ReadAt(long offset, long n);
  bool WriteAt(long offset, std::string_view bytes);

 private:
  bool OpenWith(int mode);
  bool Rewrite(long keep, long skip, long blanks);
  std::string ReadFromFile(long offset, long n);
  void DropCache() { cache_.clear(); }

  HANDLE handle_ = INVALID_HANDLE_VALUE;
  long pos_ = 0;
  // Reads smaller than nBufferLen are served from one block of nBufferLen
  // bytes read ahead, so reading byte by byte costs one system call per
  // block. Dropped by every write, close and GoBottom, which re-reads the
  // file's length and so should see what others appended.
  std::string cache_;
  long cacheAt_ = 0;
};

}  // namespace svc
