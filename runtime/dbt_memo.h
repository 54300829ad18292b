#pragma once
// A dBase III memo file: 512-byte blocks, block 0 holds the next free block
// number, each memo starts on a block boundary and ends with two 0x1A bytes.

#include <cstdint>
#include <string>

#include "runtime/table_file.h"

namespace rt {

class DbtMemo {
 public:
  static constexpr std::uint32_t kBlockSize = 512;

  static void Create(const std::string& path);
  void Open(const std::string& path, TableShare share, bool readOnly);
  void Close() { file_.Close(); }
  bool IsOpen() const noexcept { return file_.IsOpen(); }
  const std::string& Path() const noexcept { return path_; }

  // Block 0 reads as the empty memo. A block beyond the file, or a memo
  // without its end mark, is a corruption fault.
  // Block numbers come from the table as they stand (ten digits); one
  // beyond 32 bits is damage too.
  std::string Read(std::uint64_t block);
  // Writes the text and returns its block: the old block when the text
  // still fits into the blocks the old memo took, else new blocks at the end.
  // An empty text gives block 0. A next-free block beyond the file's end, or
  // blocks that would pass 32 bits, are a corruption fault and nothing is
  // written.
  std::uint32_t Write(std::uint64_t oldBlock, const std::string& text);
  void Zap();
  void Flush();

 private:
  std::uint32_t NextFree();
  void SetNextFree(std::uint32_t block);
  [[noreturn]] void Damaged() const;

  TableFile file_;
  std::string path_;
  bool readOnly_ = false;
};

}  // namespace rt
