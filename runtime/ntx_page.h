#pragma once
// One 1024-byte page of an NTX file, read through its offset table as it is
// on disk, and the decoded form that inserts and deletes rewrite it from.

#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

namespace rt {

constexpr std::uint32_t kNtxPageSize = 1024;

inline std::uint16_t NtxGet16(const unsigned char* p) { return static_cast<std::uint16_t>(p[0] | (p[1] << 8)); }
inline std::uint32_t NtxGet32(const unsigned char* p) {
  return static_cast<std::uint32_t>(p[0]) | (static_cast<std::uint32_t>(p[1]) << 8) |
         (static_cast<std::uint32_t>(p[2]) << 16) | (static_cast<std::uint32_t>(p[3]) << 24);
}
inline void NtxPut16(unsigned char* p, std::uint32_t v) {
  p[0] = static_cast<unsigned char>(v);
  p[1] = static_cast<unsigned char>(v >> 8);
}
inline void NtxPut32(unsigned char* p, std::uint32_t v) {
  for (int i = 0; i < 4; ++i) p[i] = static_cast<unsigned char>(v >> (8 * i));
}

// Read access to a page as it is on disk. Slot i (0..count) is an item;
// slot count holds only the right-most child.
struct NtxRawPage {
  const unsigned char* data;
  std::uint32_t keySize;

  std::uint32_t Count() const { return NtxGet16(data); }
  const unsigned char* Slot(std::uint32_t i) const { return data + NtxGet16(data + 2 + 2 * i); }
  std::uint32_t Child(std::uint32_t i) const { return NtxGet32(Slot(i)); }
  std::uint32_t Rec(std::uint32_t i) const { return NtxGet32(Slot(i) + 4); }
  const char* Key(std::uint32_t i) const { return reinterpret_cast<const char*>(Slot(i) + 8); }
};

// A checked page in the cache: count, key prefixes, children and record
// numbers sit in small arrays in front of the raw page, so that a descent
// touches a few cache lines per page instead of one per item.
struct NtxPageView {
  NtxRawPage raw;
  std::uint32_t count;
  const std::uint64_t* prefix;  // the first eight bytes of each key, big-endian
  const std::uint32_t* child;   // count + 1 entries
  const std::uint32_t* rec;

  std::uint32_t Count() const { return count; }
  std::uint32_t Child(std::uint32_t i) const { return child[i]; }
  std::uint32_t Rec(std::uint32_t i) const { return rec[i]; }
  const char* Key(std::uint32_t i) const { return raw.Key(i); }
  bool IsLeaf() const { return child[0] == 0; }
};

struct NtxEntry {
  std::uint32_t child = 0;  // left child page offset, 0 in a leaf
  std::uint32_t rec = 0;
  std::string key;
};

// A page decoded for rewriting; `last` is the right-most child.
struct NtxNode {
  std::uint32_t offset = 0;
  std::vector<NtxEntry> e;
  std::uint32_t last = 0;

  std::uint32_t ChildAt(std::size_t slot) const { return slot < e.size() ? e[slot].child : last; }
  void SetChildAt(std::size_t slot, std::uint32_t child) {
    if (slot < e.size())
      e[slot].child = child;
    else
      last = child;
  }
};

// The first eight bytes of a key as a number that orders like the bytes
// (shorter keys are padded with zero bytes).
inline std::uint64_t NtxPrefix(const char* key, std::size_t len) {
  std::uint64_t p = 0;
  for (std::size_t i = 0; i < 8; ++i) p = (p << 8) | (i < len ? static_cast<unsigned char>(key[i]) : 0u);
  return p;
}

inline NtxNode NtxDecode(const NtxRawPage& v, std::uint32_t offset) {
  NtxNode n;
  n.offset = offset;
  std::uint32_t count = v.Count();
  n.e.reserve(count + 1);
  for (std::uint32_t i = 0; i < count; ++i) n.e.push_back({v.Child(i), v.Rec(i), std::string(v.Key(i), v.keySize)});
  n.last = v.Child(count);
  return n;
}

// Writes the node with the offset table in plain order.
inline void NtxEncode(const NtxNode& n, std::uint32_t keySize, std::uint32_t maxItems, unsigned char* page) {
  std::memset(page, 0, kNtxPageSize);
  std::uint32_t itemSize = keySize + 8;
  std::uint32_t base = 2 + 2 * (maxItems + 1);
  NtxPut16(page, static_cast<std::uint32_t>(n.e.size()));
  for (std::uint32_t i = 0; i <= maxItems; ++i) NtxPut16(page + 2 + 2 * i, base + i * itemSize);
  for (std::size_t i = 0; i < n.e.size(); ++i) {
    unsigned char* s = page + base + i * itemSize;
    NtxPut32(s, n.e[i].child);
    NtxPut32(s + 4, n.e[i].rec);
    std::memcpy(s + 8, n.e[i].key.data(), keySize);
  }
  NtxPut32(page + base + n.e.size() * itemSize, n.last);
}

}  // namespace rt
