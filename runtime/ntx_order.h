#pragma once
// One index order in its own NTX file: a B-tree of fixed-size keys in
// 1024-byte pages whose entries order by key bytes, then record number.
// Pages are cached; every change is written through at once.
//
// Every change ends by counting up the header's version (bytes 2-3), so a
// program that shares the file keeps its cached pages for as long as the
// version, root, free list and size it last read stay the same, and reads
// them again once another program has changed the order.
//
// While an order is being changed, its header carries a mark in bytes
// 1020-1023, which the NTX layout leaves zero: set and made durable before
// the first write of an update (the work area sets it before it writes the
// table's record), and cleared only once the table and the order's pages
// that the update wrote are durable, so that neither a killed program nor a
// power cut leaves an unmarked order that disagrees with its table. An
// order that still carries it when opened is refused as damaged.

#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "runtime/ntx_page.h"
#include "runtime/ntx_page_cache.h"
#include "runtime/table_file.h"
#include "runtime/value.h"

namespace rt {

struct NtxKeyEntry {
  std::uint32_t rec;
  std::uint32_t pos;  // index into the key buffer, in units of the key size
};

class NtxOrder {
 public:
  static constexpr std::size_t kMaxKeyText = 255;
  // Entries per page that this driver writes, and the most a page can hold
  // (other writers use that; both are read).
  static std::uint32_t MaxItemsFor(std::uint32_t keySize) { return 1020 / (keySize + 10) - 1; }
  static std::uint32_t MaxItemsThatFit(std::uint32_t keySize) { return 1022 / (keySize + 10) - 1; }
  static constexpr std::uint32_t kChangingAt = 1020;
  // Largest key that still leaves room for four entries on a page.
  static constexpr std::uint32_t kMaxKeySize = 190;

  // Writes a complete NTX file from keys (keySize bytes each, in `keys`) in
  // the given order, which must already be sorted. Pages are packed full.
  static void Write(const std::string& path, const std::string& keyText, std::uint32_t keySize,
                    std::uint32_t keyDec, bool unique, std::span<const char> keys,
                    std::span<const NtxKeyEntry> sorted);

  // Raises EG_OPEN or EG_CORRUPTION faults.
  void Open(const std::string& path, TableShare share, bool readOnly);
  void Close();

  const std::string& Path() const noexcept { return path_; }
  const std::string& Name() const noexcept { return name_; }
  const std::string& KeyText() const noexcept { return keyText_; }
  std::uint32_t KeySize() const noexcept { return keySize_; }
  std::uint32_t KeyDec() const noexcept { return keyDec_; }
  bool Unique() const noexcept { return unique_; }
  Value keyBlock;  // evaluates the key in the table's work area
  char keyType = 'C';

  // Cursor moves: each gives the record number of the entry it lands on, or
  // 0 when it ran off the end.
  std::uint32_t GoTop();
  std::uint32_t GoBottom();
  std::uint32_t Next();
  std::uint32_t Prev();
  // First entry whose key starts with or sorts after the first len bytes of
  // `key`; `exact` tells whether it starts with them.
  std::uint32_t Seek(const char* key, std::size_t len, bool& exact);
  // Puts the cursor on the entry (key, rec); false when it is not there
  // (the cursor is then on the entry after it).
  bool Locate(const char* key, std::uint32_t rec);
  // Whether the cursor stands on this record after no change of the tree.
  bool CursorOn(std::uint32_t rec) const noexcept;
  // Record of the entry under the cursor; 0 when the cursor is off the tree.
  std::uint32_t CursorRec() const noexcept { return cursor_.empty() ? 0 : cursorRec_; }
  const char* CursorKey();

  // Both mark the order as being changed (BeginChange) before they write.
  void Insert(const char* key, std::uint32_t rec);
  bool Remove(const char* key, std::uint32_t rec);
  // The header mark of an update in progress; each writes only when the
  // state changes. BeginChange makes the mark durable before it returns;
  // EndChange may be called only once every write the mark covers is
  // durable (the table's and this order's), and leaves the cleared mark to
  // the next flush.
  void BeginChange();
  void EndChange();
  bool Changing() const noexcept { return changing_; }
  // After an update that failed part of the way: the order may disagree with
  // its table, so EndChange leaves the mark until the order is built anew.
  void KeepMarked() noexcept {
    if (changing_) keepMarked_ = true;
  }
  // Makes every write so far durable.
  void Flush();

  // Counts by walking the tree.
  std::uint32_t KeyCount();
  // 1-based, 0 when absent (the cursor then stands after it). Adds up the
  // keys left of the entry's path, counting each subtree once until the
  // order changes, so that a key number in a large order costs a seek.
  std::uint32_t KeyNo(const char* key, std::uint32_t rec);
  // Share of used entry slots over all pages in use (0..1).
  double PageFill();
  // Structure check for tests and diagnostics: ordering, equal leaf depth,
  // page bounds. Returns the number of entries, raises a fault when broken.
  std::uint32_t Verify();
  // Reads the header again and forgets the cached pages and the cursor
  // unless the order is provably as it was when they were read, so that
  // changes by other programs are seen.
  void Refresh();

 private:
  struct Step {
    std::uint32_t page;
    std::uint32_t idx;
  };
  // The page at depth path.size() below the root, checked against the
  // path: a page already on it (a cycle), a leaf above the leaf level or an
  // inner page on it are damage.
  NtxPageView Enter(std::uint32_t page, const std::vector<Step>& path);
  // One walk from the root: on each page the slot `bound` picks, down to a
  // leaf or to an entry `hit` accepts (then true).
  template <class Bound, class Hit>
  bool Descend(std::vector<Step>& path, Bound&& bound, Hit&& hit);
  // Cuts the cursor back to the deepest step that stands on an entry and
  // returns its record; 0 (cursor cleared) when none does.
  std::uint32_t SettleCursor();
  // Runs a cursor move; a fault takes the cursor off the tree.
  template <class Move>
  std::uint32_t CursorMove(Move&& move);
  void MeasureHeight();
  NtxPageView Page(std::uint32_t offset);
  NtxRawPage RawPage(std::uint32_t offset);
  void WritePage(const NtxNode& n);
  void WriteHeader();
  std::uint32_t AllocPage();
  void FreePage(std::uint32_t offset);
  int Compare(const char* a, std::uint32_t ra, const char* b, std::uint32_t rb) const;
  // The first entry of the page at or after (key, rec); Count() when none is.
  std::uint32_t LowerBound(const NtxPageView& v, const char* key, std::uint32_t rec) const;
  std::uint32_t DescendLeft(std::uint32_t page);
  std::uint32_t DescendRight(std::uint32_t page);
  std::uint32_t AscendNext();
  std::uint32_t AscendPrev();
  std::uint32_t Current();
  // The keys in the subtree of a page, remembered in subtreeKeys_; path
  // leads to the page from the root.
  std::uint32_t SubtreeKeys(std::uint32_t page, std::vector<Step>& path);
  // A page's children 0..upTo (none for a leaf).
  std::vector<std::uint32_t> Children(std::uint32_t page, std::uint32_t upTo);
  // Drops what was read or counted of the pages.
  void ForgetPages();
  void CheckChild(std::uint32_t child, std::size_t depth) const;
  [[noreturn]] void Corrupt() const;
  void FixUnderflow(std::vector<Step>& path);
  std::uint32_t VerifyPage(std::uint32_t page, int depth, int& leafDepth, std::string& lastKey,
                           std::uint32_t& lastRec, bool& first, std::uint64_t& slots, std::uint32_t& pages);

  TableFile file_;
  std::string path_;
  std::string name_;
  std::string keyText_;
  bool readOnly_ = false;
  bool unique_ = false;
  std::uint32_t keySize_ = 0;
  std::uint32_t keyDec_ = 0;
  std::uint32_t maxItems_ = 0;
  std::uint32_t half_ = 0;
  std::uint32_t root_ = 0;
  std::uint32_t free_ = 0;
  std::size_t height_ = 0;  // levels of the tree; leaves sit at depth height_ - 1
  bool changing_ = false;
  bool keepMarked_ = false;
  std::uint64_t fileSize_ = 0;
  std::uint16_t version_ = 0;
  // The cached pages match the file as of version_: false after a change of
  // our own, which another program may have changed alongside, and while
  // another program's change is under way.
  bool current_ = false;
  // A cached page's decoded front: count, prefixes, children, record
  // numbers, in 8-byte words.
  std::size_t PrefixAt() const noexcept { return 1; }
  std::size_t ChildAt() const noexcept { return 1 + maxItems_; }
  std::size_t RecAt() const noexcept { return ChildAt() + (maxItems_ + 2) / 2; }
  std::size_t FrontWords() const noexcept { return RecAt() + (maxItems_ + 1) / 2; }
  NtxPageView ViewOf(const std::uint64_t* front, const unsigned char* raw) const;
  void FillFront(std::uint64_t* front, const unsigned char* raw) const;
  NtxPageCache cache_;
  // Keys below each page counted so far; valid while no page changes.
  std::unordered_map<std::uint32_t, std::uint32_t> subtreeKeys_;
  std::vector<Step> cursor_;  // root first; the last step is the current entry
  std::uint32_t cursorRec_ = 0;
};

}  // namespace rt
