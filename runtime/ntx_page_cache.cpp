#include "runtime/ntx_page_cache.h"

#include <algorithm>

#include "runtime/ntx_page.h"

namespace rt {

namespace {

constexpr std::size_t kChunkBytes = std::size_t{4} << 20;
constexpr std::size_t kBlockBytes = std::size_t{NtxPageCache::kBlockPages} * kNtxPageSize;

}  // namespace

void NtxPageCache::Reset(std::size_t frontWords, std::size_t maxPages) {
  frontWords_ = frontWords;
  maxBlocks_ = std::max<std::size_t>(1, maxPages / kBlockPages);
  loaded_ = 0;
  blocks_.clear();
  chunks_.clear();
  chunkUsed_ = 0;
}

unsigned char* NtxPageCache::Take(std::size_t bytes) {
  bytes = (bytes + 63) / 64 * 64;
  if (chunks_.empty() || chunkUsed_ + bytes > kChunkBytes) {
    chunks_.push_back(std::make_unique<WorkBuffer>(kChunkBytes));
    chunkUsed_ = 0;
  }
  unsigned char* p = chunks_.back()->ArrayAt<unsigned char>(chunkUsed_, bytes);
  chunkUsed_ += bytes;
  return p;
}

NtxPageCache::Slot NtxPageCache::Get(TableFile& file, std::uint32_t number) {
  const std::size_t b = number / kBlockPages, i = number % kBlockPages;
  if (b >= blocks_.size() || !blocks_[b].raw) {
    if (loaded_ >= maxBlocks_) Reset(frontWords_, maxBlocks_ * kBlockPages);
    if (b >= blocks_.size()) blocks_.resize(b + 1);
    Block& blk = blocks_[b];
    blk.raw = Take(kBlockBytes);
    blk.fronts = reinterpret_cast<std::uint64_t*>(Take(kBlockPages * frontWords_ * sizeof(std::uint64_t)));
    // A short read at the end of the file leaves the pages it did not reach
    // unread; a later write of such a page makes it read.
    const std::size_t got = file.ReadAt(std::uint64_t{b} * kBlockBytes, blk.raw, kBlockBytes);
    const std::size_t whole = got / kNtxPageSize;
    blk.read = whole >= kBlockPages ? ~std::uint64_t{0} : (std::uint64_t{1} << whole) - 1;
    blk.decoded = 0;
    ++loaded_;
  }
  Block& blk = blocks_[b];
  const std::uint64_t bit = std::uint64_t{1} << i;
  return Slot{blk.raw + i * kNtxPageSize, blk.fronts + i * frontWords_, (blk.read & bit) != 0,
              (blk.decoded & bit) != 0};
}

void NtxPageCache::Mark(std::uint32_t number, std::uint64_t Block::*bits) {
  blocks_[number / kBlockPages].*bits |= std::uint64_t{1} << (number % kBlockPages);
}

}  // namespace rt
