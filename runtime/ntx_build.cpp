// Writing a whole NTX file from sorted keys. The tree is shaped before it is
// filled: every subtree is packed to capacity except the last two children
// of a page, which share what is left, so that all leaves sit at one depth
// and nearly every page is full.

#include <algorithm>
#include <cstring>
#include <span>

#include "runtime/error.h"
#include "runtime/ntx_order.h"
#include "runtime/table_fault.h"
#include "runtime/table_texts.h"
#include "runtime/work_buffer.h"

namespace rt {

namespace {

// Pages go to the file in the order they are finished, through one reused
// buffer, so that a large index never sits in memory as a whole.
class Packer {
 public:
  Packer(std::uint32_t keySize, std::uint32_t maxItems, std::span<const char> keys,
         std::span<const NtxKeyEntry> sorted, TableFile& out, const std::string& path)
      : keySize_(keySize),
        maxItems_(maxItems),
        keys_(keys),
        sorted_(sorted),
        out_(out),
        path_(path),
        buf_(work_.ArrayAt<unsigned char>(0, kChunk)) {}

  // Capacity of a full subtree of height h: (m + 1)^h - 1, saturated.
  std::uint64_t Cap(int h) const {
    std::uint64_t c = 1;
    for (int i = 0; i < h; ++i) {
      c *= maxItems_ + 1;
      if (c > (std::uint64_t{1} << 40)) return std::uint64_t{1} << 40;
    }
    return c - 1;
  }

  std::uint32_t Build() {
    std::uint64_t n = sorted_.size();
    int h = 1;
    while (Cap(h) < n) ++h;
    std::uint32_t root = Subtree(h, n);
    Flush();
    return root;
  }

 private:
  // A new page with the offset table in plain order; items are filled in by
  // PutItem.
  static constexpr std::size_t kChunk = 1u << 20;
  static constexpr std::size_t kAhead = 8;

  void Flush() {
    if (!out_.WriteAt(base_, buf_, used_)) ThrowFault(EG_WRITE, path_);
    base_ += used_;
    used_ = 0;
  }

  unsigned char* At(std::uint32_t offset) { return buf_ + (offset - base_); }

  std::uint32_t NewPage() {
    if (used_ + kNtxPageSize > kChunk) Flush();
    std::size_t off = used_;
    used_ += kNtxPageSize;
    unsigned char* page = buf_ + off;
    std::memset(page, 0, kNtxPageSize);
    std::uint32_t base = 2 + 2 * (maxItems_ + 1);
    for (std::uint32_t i = 0; i <= maxItems_; ++i) NtxPut16(page + 2 + 2 * i, base + i * (keySize_ + 8));
    return static_cast<std::uint32_t>(base_ + off);
  }

  unsigned char* Slot(std::uint32_t page, std::uint32_t i) {
    return At(page) + 2 + 2 * (maxItems_ + 1) + static_cast<std::size_t>(i) * (keySize_ + 8);
  }

  // Puts the next sorted key into slot i of the page. The keys lie in
  // record order, so the sorted walk reads them scattered over memory; the
  // key a few places ahead is fetched early to hide the cache misses.
  void PutItem(std::uint32_t page, std::uint32_t i, std::uint32_t child) {
    if (next_ + kAhead < sorted_.size()) {
      const char* ahead = &keys_[static_cast<std::size_t>(sorted_[next_ + kAhead].pos) * keySize_];
      for (std::uint32_t b = 0; b < keySize_; b += 64) __builtin_prefetch(ahead + b);
    }
    const NtxKeyEntry& k = sorted_[next_++];
    unsigned char* s = Slot(page, i);
    NtxPut32(s, child);
    NtxPut32(s + 4, k.rec);
    std::memcpy(s + 8, &keys_[static_cast<std::size_t>(k.pos) * keySize_], keySize_);
  }

  // Pages are written after their children, so that a child's offset is
  // known when its parent's item is filled.
  std::uint32_t Subtree(int h, std::uint64_t count) {
    if (h == 1) {
      std::uint32_t page = NewPage();
      for (std::uint32_t i = 0; i < count; ++i) PutItem(page, i, 0);
      NtxPut16(At(page), static_cast<std::uint32_t>(count));
      return page;
    }
    std::uint64_t cap = Cap(h - 1);
    std::uint64_t children = (count + 1 + cap) / (cap + 1);
    std::uint64_t rest = count - (children - 1) - (children - 2) * cap;
    std::vector<std::uint32_t> childPages;
    std::vector<std::size_t> separators;
    for (std::uint64_t c = 0; c < children; ++c) {
      std::uint64_t size = c + 2 < children ? cap : (c + 2 == children ? rest / 2 : rest - rest / 2);
      childPages.push_back(Subtree(h - 1, size));
      if (c + 1 < children) separators.push_back(next_++);
    }
    std::uint32_t page = NewPage();
    std::size_t resume = next_;
    for (std::uint32_t i = 0; i < separators.size(); ++i) {
      next_ = separators[i];
      PutItem(page, i, childPages[i]);
    }
    next_ = resume;
    NtxPut32(Slot(page, static_cast<std::uint32_t>(separators.size())), childPages.back());
    NtxPut16(At(page), static_cast<std::uint32_t>(separators.size()));
    return page;
  }

  std::uint32_t keySize_;
  std::uint32_t maxItems_;
  std::span<const char> keys_;
  std::span<const NtxKeyEntry> sorted_;
  TableFile& out_;
  const std::string& path_;
  WorkBuffer work_{kChunk};
  unsigned char* buf_;
  std::size_t used_ = 0;
  std::uint64_t base_ = kNtxPageSize;  // file offset of buf_[0]; page 0 is the header
  std::size_t next_ = 0;
};

}  // namespace

void NtxOrder::Write(const std::string& path, const std::string& keyText, std::uint32_t keySize,
                     std::uint32_t keyDec, bool unique, std::span<const char> keys,
                     std::span<const NtxKeyEntry> sorted) {
  if (keySize == 0 || keySize > kMaxKeySize) ThrowFault(EG_DATAWIDTH, path, TableMessage(TableText::KeyTooLong));
  if (keyText.size() > kMaxKeyText) ThrowFault(EG_ARG, path, TableMessage(TableText::KeyTextTooLong));
  std::uint32_t maxItems = MaxItemsFor(keySize);
  TableFile f;
  if (int rc = f.Create(path); rc != 0) ThrowFault(EG_CREATE, path, {}, rc);
  std::uint32_t root = Packer(keySize, maxItems, keys, sorted, f, path).Build();
  // The header goes last, once the pages are durable: an interrupted build,
  // or a power cut before the pages reached the disk, leaves a file without
  // a signature, which opens as damaged instead of as a half index.
  if (!f.Flush()) ThrowFault(EG_WRITE, path);
  unsigned char h[kNtxPageSize] = {};
  NtxPut16(h, 6);
  NtxPut16(h + 2, 1);
  NtxPut32(h + 4, root);
  NtxPut32(h + 8, 0);
  NtxPut16(h + 12, keySize + 8);
  NtxPut16(h + 14, keySize);
  NtxPut16(h + 16, keyDec);
  NtxPut16(h + 18, maxItems);
  NtxPut16(h + 20, maxItems / 2);
  std::memcpy(h + 22, keyText.data(), keyText.size());
  h[278] = unique ? 1 : 0;
  if (!f.WriteAt(0, h, kNtxPageSize) || !f.Flush()) ThrowFault(EG_WRITE, path);
}

}  // namespace rt
