#pragma once
// The pages of one NTX file in memory. A miss reads a block of neighbouring
// pages in one call, into memory taken from the system in large pieces, so
// that the first touch of an index costs a few reads and page faults, not
// one of each per page. A page is checked and decoded by its order on first
// use; the cache only remembers that it was.

#include <cstdint>
#include <memory>
#include <vector>

#include "runtime/table_file.h"
#include "runtime/work_buffer.h"

namespace rt {

class NtxPageCache {
 public:
  static constexpr std::uint32_t kBlockPages = 64;

  struct Slot {
    unsigned char* raw;     // the page as on disk
    std::uint64_t* front;   // frontWords words for the decoded form
    bool read;              // the raw bytes came from the file or a write
    bool decoded;           // front holds the raw page's decoded form
  };

  // Forgets every page; fronts take frontWords 8-byte words each. At most
  // maxPages stay cached: past that the cache starts afresh.
  void Reset(std::size_t frontWords, std::size_t maxPages);
  // The page with this number (file offset / page size); its block is read
  // on a miss. Slots of earlier calls stay valid until the next call that
  // reads a block.
  Slot Get(TableFile& file, std::uint32_t number);
  void SetRead(std::uint32_t number) { Mark(number, &Block::read); }
  void SetDecoded(std::uint32_t number) { Mark(number, &Block::decoded); }

 private:
  struct Block {
    unsigned char* raw = nullptr;  // null: not read
    std::uint64_t* fronts = nullptr;
    std::uint64_t read = 0;  // one bit per page
    std::uint64_t decoded = 0;
  };
  void Mark(std::uint32_t number, std::uint64_t Block::*bits);
  unsigned char* Take(std::size_t bytes);

  std::size_t frontWords_ = 0;
  std::size_t maxBlocks_ = 0;
  std::size_t loaded_ = 0;
  std::vector<Block> blocks_;
  std::vector<std::unique_ptr<WorkBuffer>> chunks_;
  std::size_t chunkUsed_ = 0;
};

}  // namespace rt
