// Building an order: evaluate the key of every record (deleted ones too),
// sort all keys at once and pack the pages full.

#include <algorithm>
#include <array>
#include <cstring>
#include <span>

#include "runtime/dbf_field_codec.h"
#include "runtime/error.h"
#include "runtime/ntx_page.h"
#include "runtime/table_fault.h"
#include "runtime/table_texts.h"
#include "runtime/work_area.h"
#include "runtime/work_areas.h"
#include "runtime/work_buffer.h"

namespace rt {

namespace {

struct SortItem {
  std::uint64_t prefix;  // the first eight key bytes, big-endian, for cheap comparisons
  std::uint32_t rec;
  std::uint32_t pos;
};

// Orders a run of items that share their first `depth` key bytes: by the
// next eight bytes, fetched into the items' prefixes so that comparisons
// stay within the items, then each run that shares those as well, and by
// record number once the whole key is equal.
void SortTies(SortItem* first, SortItem* last, const char* keys, std::uint32_t keySize, std::uint32_t depth) {
  if (depth >= keySize) {
    std::sort(first, last, [](const SortItem& a, const SortItem& b) { return a.rec < b.rec; });
    return;
  }
  for (SortItem* it = first; it != last; ++it)
    it->prefix = NtxPrefix(keys + static_cast<std::size_t>(it->pos) * keySize + depth, keySize - depth);
  std::sort(first, last, [](const SortItem& a, const SortItem& b) {
    return a.prefix != b.prefix ? a.prefix < b.prefix : a.rec < b.rec;
  });
  for (SortItem* i = first; i != last;) {
    SortItem* j = i + 1;
    while (j != last && j->prefix == i->prefix) ++j;
    if (j - i > 1) SortTies(i, j, keys, keySize, depth + 8);
    i = j;
  }
}

// Sorts by key bytes, then record number: a stable radix sort on the first
// eight bytes (the items arrive in record order), then each run that shares
// them. The counts of all eight bytes are taken in one pass, since the order
// of the items does not change them. `spare` holds as many items; returns
// whichever of the two arrays ends up sorted. The prefixes are spent.
SortItem* SortKeys(SortItem* items, SortItem* spare, std::size_t n, const char* keys, std::uint32_t keySize) {
  std::vector<std::array<std::size_t, 257>> counts(8);
  for (std::size_t i = 0; i < n; ++i)
    for (int d = 0; d < 8; ++d) ++counts[static_cast<std::size_t>(d)][((items[i].prefix >> (8 * d)) & 0xFF) + 1];
  for (int d = 0; d < 8; ++d) {
    std::size_t* count = counts[static_cast<std::size_t>(d)].data();
    if (std::find(count + 1, count + 257, n) != count + 257) continue;  // one bucket: nothing moves
    for (int b = 0; b < 256; ++b) count[b + 1] += count[b];
    const int shift = 8 * d;
    for (std::size_t i = 0; i < n; ++i) spare[count[(items[i].prefix >> shift) & 0xFF]++] = items[i];
    std::swap(items, spare);
  }
  // Equal prefixes are in record order already; only longer keys need more.
  if (keySize <= 8) return items;
  for (std::size_t i = 0; i < n;) {
    std::size_t j = i + 1;
    while (j < n && items[j].prefix == items[i].prefix) ++j;
    if (j - i > 1) SortTies(items + i, items + j, keys, keySize, 8);
    i = j;
  }
  return items;
}

void KeyWidth(const Value& probe, char type, std::uint32_t& size, std::uint32_t& dec) {
  dec = 0;
  switch (type) {
    case 'C': size = static_cast<std::uint32_t>(probe.Len()); break;
    case 'D': size = 8; break;
    case 'L': size = 1; break;
    default: {
      const Number& n = probe.AsNumberInfo();
      dec = n.dec > 0 ? static_cast<std::uint32_t>(n.dec) : 0;
      size = n.width > 0 ? static_cast<std::uint32_t>(n.width) : 10 + (dec > 0 ? dec + 1 : 0);
    }
  }
}

}  // namespace

void WorkArea::BuildOrder(const std::string& path, const std::string& keyText, const Value& keyBlock,
                          bool unique, const OrderCondition& cond) {
  if (keyText.size() > NtxOrder::kMaxKeyText) ThrowFault(EG_ARG, path, TableMessage(TableText::KeyTextTooLong));
  AreaScope scope(number_);
  Position(0);
  Load();
  Value probe = keyBlock.Eval();
  char type = KeyTypeOf(probe);
  if (type == 0) ThrowFault(EG_DATATYPE, path, TableMessage(TableText::KeyWrongType));
  std::uint32_t keySize = 0, keyDec = 0;
  KeyWidth(probe, type, keySize, keyDec);
  if (keySize == 0 || keySize > NtxOrder::kMaxKeySize)
    ThrowFault(EG_DATAWIDTH, path, TableMessage(TableText::KeyTooLong));

  // Keys, items and the radix sort's second array live in one buffer from
  // the system: a word table's keys run to tens of megabytes, and taking
  // them page by page from the heap costs more than evaluating them.
  const std::uint32_t count = dbf_.RecCount();
  const std::size_t keyBytes = static_cast<std::size_t>(count) * keySize;
  const std::size_t itemsAt = WorkBuffer::Aligned<SortItem>(keyBytes);
  const std::size_t spareAt = itemsAt + sizeof(SortItem) * count;
  WorkBuffer work(spareAt + sizeof(SortItem) * count);
  char* keys = work.ArrayAt<char>(0, keyBytes);
  SortItem* items = work.ArrayAt<SortItem>(itemsAt, count);
  SortItem* spare = work.ArrayAt<SortItem>(spareAt, count);
  std::size_t n = 0;
  const bool useBlock = cond.evalBlock.IsBlock();
  try {
    for (std::uint32_t r = 1; r <= count; ++r) {
      dbf_.ReadRecord(r, rec_.data());
      recno_ = r;
      eof_ = false;
      loaded_ = true;
      Value v = keyBlock.Eval();
      if (KeyTypeOf(v) != type) ThrowFault(EG_DATATYPE, path, TableMessage(TableText::KeyWrongType));
      char* key = keys + n * keySize;
      if (type == 'C') {
        const std::string& s = v.AsString();
        std::size_t len = std::min<std::size_t>(s.size(), keySize);
        std::memcpy(key, s.data(), len);
        std::memset(key + len, ' ', keySize - len);
      } else {
        std::string k = KeyBytes(v, type, keySize, keyDec);
        k.resize(keySize, ' ');
        std::memcpy(key, k.data(), keySize);
      }
      items[n] = {NtxPrefix(key, keySize), r, static_cast<std::uint32_t>(n)};
      ++n;
      if (useBlock && (cond.every <= 0 || r % static_cast<std::uint32_t>(cond.every) == 0)) {
        Value go = cond.evalBlock.Eval();
        if (go.IsLogical() && !go.AsLogical()) break;
      }
    }
  } catch (...) {
    Position(0);
    throw;
  }
  Position(0);

  const SortItem* ordered = SortKeys(items, spare, n, keys, keySize);
  // The array the sort did not end in is free now; the entries the pages are
  // written from take half of each item's room.
  static_assert(sizeof(NtxKeyEntry) <= sizeof(SortItem) && alignof(NtxKeyEntry) <= alignof(SortItem));
  const std::size_t freeAt = ordered == items ? spareAt : itemsAt;
  NtxKeyEntry* sorted = work.ArrayAt<NtxKeyEntry>(freeAt, n);
  std::size_t kept = 0;
  for (std::size_t i = 0; i < n; ++i) {
    const SortItem& it = ordered[i];
    if (unique && kept > 0 &&
        std::memcmp(keys + static_cast<std::size_t>(sorted[kept - 1].pos) * keySize,
                    keys + static_cast<std::size_t>(it.pos) * keySize, keySize) == 0)
      continue;
    sorted[kept++] = {it.rec, it.pos};
  }
  NtxOrder::Write(path, keyText, keySize, keyDec, unique, std::span<const char>(keys, n * keySize),
                  std::span<const NtxKeyEntry>(sorted, kept));
}

}  // namespace rt
