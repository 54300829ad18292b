#include "runtime/ntx_order.h"

#include <algorithm>

#include "runtime/error.h"
#include "runtime/table_fault.h"
#include "runtime/table_texts.h"

namespace rt {

namespace {

constexpr std::uint16_t kSignature = 6;
constexpr unsigned char kChangingMark[4] = {'C', 'H', 'G', '!'};
constexpr std::size_t kMaxDepth = 48;
// Up to 128 MB of pages per order: a whole word-table index stays in memory,
// so that a seek costs no system call.
constexpr std::size_t kCachePages = 131072;

std::string BaseName(const std::string& path) {
  std::size_t slash = path.find_last_of("\\/:");
  std::string base = path.substr(slash == std::string::npos ? 0 : slash + 1);
  std::size_t dot = base.find('.');
  if (dot != std::string::npos) base.resize(dot);
  for (char& c : base) c = (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
  return base;
}

}  // namespace

void NtxOrder::Corrupt() const { ThrowFault(EG_CORRUPTION, path_); }

void NtxOrder::Open(const std::string& path, TableShare share, bool readOnly) {
  Close();
  if (int rc = file_.Open(path, share, readOnly); rc != 0) ThrowFault(EG_OPEN, path, {}, rc);
  path_ = path;
  name_ = BaseName(path);
  readOnly_ = readOnly;
  fileSize_ = file_.Size();
  unsigned char h[kNtxPageSize] = {};
  bool ok = file_.ReadAt(0, h, kNtxPageSize) >= 279;
  if (ok) {
    keySize_ = NtxGet16(h + 14);
    keyDec_ = NtxGet16(h + 16);
    maxItems_ = NtxGet16(h + 18);
    half_ = NtxGet16(h + 20);
    root_ = NtxGet32(h + 4);
    free_ = NtxGet32(h + 8);
    version_ = NtxGet16(h + 2);
    unique_ = h[278] != 0;
    ok = NtxGet16(h) == kSignature && keySize_ > 0 && keySize_ <= kMaxKeySize &&
         NtxGet16(h + 12) == keySize_ + 8 && maxItems_ >= 2 && maxItems_ <= MaxItemsThatFit(keySize_) &&
         half_ >= 1 && half_ <= maxItems_ && root_ >= kNtxPageSize && root_ % kNtxPageSize == 0 &&
         root_ + kNtxPageSize <= fileSize_ && free_ % kNtxPageSize == 0 &&
         std::find(h + 22, h + 278, 0) != h + 278;
  }
  if (!ok) {
    file_.Close();
    Corrupt();
  }
  if (std::memcmp(h + kChangingAt, kChangingMark, sizeof kChangingMark) == 0) {
    file_.Close();
    ThrowFault(EG_CORRUPTION, path_, TableMessage(TableText::OrderInterrupted));
  }
  keyText_ = reinterpret_cast<const char*>(h + 22);
  // Merging two pages at the half mark must fit into one page, whatever
  // half-page count another tool wrote.
  half_ = std::max<std::uint32_t>(1, std::min(half_, maxItems_ / 2));
  changing_ = false;
  keepMarked_ = false;
  current_ = true;
  ForgetPages();
  cursor_.clear();
  try {
    MeasureHeight();
  } catch (...) {
    Close();
    throw;
  }
}

void NtxOrder::ForgetPages() {
  cache_.Reset(FrontWords(), kCachePages);
  subtreeKeys_.clear();
}

void NtxOrder::MeasureHeight() {
  std::vector<Step> path;
  for (std::uint32_t page = root_;;) {
    if (path.size() >= kMaxDepth) Corrupt();
    CheckChild(page, path.size());
    for (const Step& s : path)
      if (s.page == page) Corrupt();
    NtxPageView v = Page(page);
    path.push_back({page, 0});
    if (v.IsLeaf()) break;
    page = v.Child(0);
  }
  height_ = path.size();
}

void NtxOrder::BeginChange() {
  if (changing_) return;
  if (!file_.WriteAt(kChangingAt, kChangingMark, sizeof kChangingMark)) ThrowFault(EG_WRITE, path_);
  // From here on the file may hold the mark; only EndChange takes it away.
  changing_ = true;
  Flush();
}

// The version is counted up from what the file holds, not from what this
// program read last: another program may have changed the order since.
void NtxOrder::EndChange() {
  if (!changing_ || keepMarked_) return;
  unsigned char version[2];
  if (file_.ReadAt(2, version, sizeof version) != sizeof version) ThrowFault(EG_READ, path_);
  NtxPut16(version, static_cast<std::uint16_t>(NtxGet16(version) + 1));
  if (!file_.WriteAt(2, version, sizeof version)) ThrowFault(EG_WRITE, path_);
  const unsigned char clear[sizeof kChangingMark] = {};
  if (!file_.WriteAt(kChangingAt, clear, sizeof clear)) ThrowFault(EG_WRITE, path_);
  changing_ = false;
  current_ = false;
}

void NtxOrder::Flush() {
  if (!readOnly_ && file_.IsOpen() && !file_.Flush()) ThrowFault(EG_WRITE, path_);
}

void NtxOrder::Close() {
  file_.Close();
  changing_ = false;
  keepMarked_ = false;
  ForgetPages();
  cursor_.clear();
  cursorRec_ = 0;
}

void NtxOrder::Refresh() {
  unsigned char h[kNtxPageSize];
  if (file_.ReadAt(0, h, sizeof h) != sizeof h) ThrowFault(EG_READ, path_);
  const std::uint16_t version = NtxGet16(h + 2);
  const std::uint32_t root = NtxGet32(h + 4), free = NtxGet32(h + 8);
  // A change under way may already have written some of its pages. The
  // file grows only within a change, so its size needs no look of its own.
  const bool changing = std::memcmp(h + kChangingAt, kChangingMark, sizeof kChangingMark) == 0;
  if (current_ && !changing && version == version_ && root == root_ && free == free_) return;
  ForgetPages();
  cursor_.clear();
  cursorRec_ = 0;
  fileSize_ = file_.Size();
  root_ = root;
  free_ = free;
  version_ = version;
  current_ = !changing;
  MeasureHeight();
}

void NtxOrder::CheckChild(std::uint32_t child, std::size_t depth) const {
  if (child < kNtxPageSize || child % kNtxPageSize != 0 || child + kNtxPageSize > fileSize_ ||
      depth > kMaxDepth)
    Corrupt();
}

NtxPageView NtxOrder::ViewOf(const std::uint64_t* front, const unsigned char* raw) const {
  return NtxPageView{NtxRawPage{raw, keySize_}, static_cast<std::uint32_t>(front[0]), front + PrefixAt(),
                     reinterpret_cast<const std::uint32_t*>(front + ChildAt()),
                     reinterpret_cast<const std::uint32_t*>(front + RecAt())};
}

void NtxOrder::FillFront(std::uint64_t* front, const unsigned char* raw) const {
  NtxRawPage v{raw, keySize_};
  std::uint32_t n = v.Count();
  front[0] = n;
  auto* child = reinterpret_cast<std::uint32_t*>(front + ChildAt());
  auto* rec = reinterpret_cast<std::uint32_t*>(front + RecAt());
  for (std::uint32_t i = 0; i < n; ++i) {
    front[PrefixAt() + i] = NtxPrefix(v.Key(i), keySize_);
    rec[i] = v.Rec(i);
  }
  for (std::uint32_t i = 0; i <= n; ++i) child[i] = v.Child(i);
}

NtxRawPage NtxOrder::RawPage(std::uint32_t offset) { return Page(offset).raw; }

// A page is checked when it is first used, not when its block is read: most
// pages of a block a seek reads are never visited.
NtxPageView NtxOrder::Page(std::uint32_t offset) {
  CheckChild(offset, 0);
  const std::uint32_t number = offset / kNtxPageSize;
  const NtxPageCache::Slot slot = cache_.Get(file_, number);
  if (slot.decoded) return ViewOf(slot.front, slot.raw);
  if (!slot.read) Corrupt();
  const unsigned char* raw = slot.raw;
  NtxRawPage v{raw, keySize_};
  std::uint32_t n = v.Count();
  if (n > maxItems_) Corrupt();
  std::uint32_t itemSize = keySize_ + 8;
  for (std::uint32_t i = 0; i <= n; ++i) {
    std::uint32_t off = NtxGet16(raw + 2 + 2 * i);
    if (off < 2 + 2 * (n + 1) || off + itemSize > kNtxPageSize) Corrupt();
  }
  bool leaf = v.Child(0) == 0;
  for (std::uint32_t i = 0; i <= n; ++i)
    if ((v.Child(i) == 0) != leaf) Corrupt();
  FillFront(slot.front, raw);
  cache_.SetDecoded(number);
  return ViewOf(slot.front, raw);
}

void NtxOrder::WritePage(const NtxNode& n) {
  // Only a damaged tree can make a page overflow (a merge of siblings that
  // were fuller than the file's half-page count says).
  if (n.e.size() > maxItems_) Corrupt();
  const std::uint32_t number = n.offset / kNtxPageSize;
  const NtxPageCache::Slot slot = cache_.Get(file_, number);
  NtxEncode(n, keySize_, maxItems_, slot.raw);
  FillFront(slot.front, slot.raw);
  cache_.SetRead(number);
  cache_.SetDecoded(number);
  subtreeKeys_.clear();
  if (!file_.WriteAt(n.offset, slot.raw, kNtxPageSize)) ThrowFault(EG_WRITE, path_);
  fileSize_ = std::max<std::uint64_t>(fileSize_, n.offset + kNtxPageSize);
}

void NtxOrder::WriteHeader() {
  unsigned char h[8];
  NtxPut32(h, root_);
  NtxPut32(h + 4, free_);
  if (!file_.WriteAt(4, h, 8)) ThrowFault(EG_WRITE, path_);
}

std::uint32_t NtxOrder::AllocPage() {
  if (free_ != 0) {
    std::uint32_t off = free_;
    NtxPageView v = Page(off);
    std::uint32_t next = v.Count() == 0 ? v.Child(0) : 0;
    if (next != 0) CheckChild(next, 0);
    free_ = next;
    WriteHeader();
    return off;
  }
  std::uint64_t off = (fileSize_ + kNtxPageSize - 1) / kNtxPageSize * kNtxPageSize;
  fileSize_ = off + kNtxPageSize;
  return static_cast<std::uint32_t>(off);
}

void NtxOrder::FreePage(std::uint32_t offset) {
  NtxNode n;
  n.offset = offset;
  n.last = free_;
  WritePage(n);
  free_ = offset;
  WriteHeader();
}

int NtxOrder::Compare(const char* a, std::uint32_t ra, const char* b, std::uint32_t rb) const {
  int c = std::memcmp(a, b, keySize_);
  if (c != 0) return c;
  return ra < rb ? -1 : (ra > rb ? 1 : 0);
}

std::uint32_t NtxOrder::LowerBound(const NtxPageView& v, const char* key, std::uint32_t rec) const {
  std::uint32_t lo = 0, hi = v.Count();
  while (lo < hi) {
    std::uint32_t mid = (lo + hi) / 2;
    if (Compare(v.Key(mid), v.Rec(mid), key, rec) >= 0)
      hi = mid;
    else
      lo = mid + 1;
  }
  return lo;
}

NtxPageView NtxOrder::Enter(std::uint32_t page, const std::vector<Step>& path) {
  const std::size_t depth = path.size();
  if (depth >= height_) Corrupt();
  CheckChild(page, depth);
  for (const Step& s : path)
    if (s.page == page) Corrupt();
  NtxPageView v = Page(page);
  if (v.IsLeaf() != (depth + 1 == height_)) Corrupt();
  return v;
}

template <class Bound, class Hit>
bool NtxOrder::Descend(std::vector<Step>& path, Bound&& bound, Hit&& hit) {
  path.clear();
  for (std::uint32_t page = root_;;) {
    NtxPageView v = Enter(page, path);
    const std::uint32_t slot = bound(v);
    path.push_back({page, slot});
    if (slot < v.Count() && hit(v, slot)) return true;
    if (v.IsLeaf()) return false;
    page = v.Child(slot);
  }
}

std::uint32_t NtxOrder::SettleCursor() {
  while (!cursor_.empty() && cursor_.back().idx >= Page(cursor_.back().page).Count()) cursor_.pop_back();
  if (cursor_.empty()) {
    cursorRec_ = 0;
    return 0;
  }
  return Current();
}

template <class Move>
std::uint32_t NtxOrder::CursorMove(Move&& move) {
  try {
    return move();
  } catch (...) {
    cursor_.clear();
    cursorRec_ = 0;
    throw;
  }
}

std::uint32_t NtxOrder::Current() {
  const Step& s = cursor_.back();
  NtxPageView v = Page(s.page);
  if (s.idx >= v.Count()) Corrupt();
  cursorRec_ = v.Rec(s.idx);
  return cursorRec_;
}

const char* NtxOrder::CursorKey() {
  const Step& s = cursor_.back();
  return Page(s.page).Key(s.idx);
}

bool NtxOrder::CursorOn(std::uint32_t rec) const noexcept { return !cursor_.empty() && cursorRec_ == rec; }

std::uint32_t NtxOrder::DescendLeft(std::uint32_t page) {
  for (;;) {
    NtxPageView v = Enter(page, cursor_);
    cursor_.push_back({page, 0});
    if (v.IsLeaf()) return v.Count() == 0 ? AscendNext() : Current();
    page = v.Child(0);
  }
}

std::uint32_t NtxOrder::DescendRight(std::uint32_t page) {
  for (;;) {
    NtxPageView v = Enter(page, cursor_);
    std::uint32_t n = v.Count();
    if (v.IsLeaf()) {
      cursor_.push_back({page, n == 0 ? 0 : n - 1});
      return n == 0 ? AscendPrev() : Current();
    }
    cursor_.push_back({page, n});
    page = v.Child(n);
  }
}

std::uint32_t NtxOrder::AscendNext() {
  cursor_.pop_back();
  while (!cursor_.empty()) {
    Step& s = cursor_.back();
    if (s.idx < Page(s.page).Count()) return Current();
    cursor_.pop_back();
  }
  cursorRec_ = 0;
  return 0;
}

std::uint32_t NtxOrder::AscendPrev() {
  cursor_.pop_back();
  while (!cursor_.empty()) {
    Step& s = cursor_.back();
    if (s.idx > 0) {
      --s.idx;
      return Current();
    }
    cursor_.pop_back();
  }
  cursorRec_ = 0;
  return 0;
}

std::uint32_t NtxOrder::GoTop() {
  cursor_.clear();
  return CursorMove([&] { return DescendLeft(root_); });
}

std::uint32_t NtxOrder::GoBottom() {
  cursor_.clear();
  return CursorMove([&] { return DescendRight(root_); });
}

// The cursor's slot never passes the page's count: on an inner page the
// slot after the last entry is its right-most child.
std::uint32_t NtxOrder::Next() {
  if (cursor_.empty()) return 0;
  return CursorMove([&] {
    Step& s = cursor_.back();
    NtxPageView v = Page(s.page);
    if (s.idx >= v.Count()) Corrupt();
    if (!v.IsLeaf()) {
      ++s.idx;
      return DescendLeft(v.Child(s.idx));
    }
    if (s.idx + 1 < v.Count()) {
      ++s.idx;
      return Current();
    }
    return AscendNext();
  });
}

std::uint32_t NtxOrder::Prev() {
  if (cursor_.empty()) return 0;
  return CursorMove([&] {
    Step& s = cursor_.back();
    NtxPageView v = Page(s.page);
    if (s.idx >= v.Count()) Corrupt();
    if (!v.IsLeaf()) return DescendRight(v.Child(s.idx));
    if (s.idx > 0) {
      --s.idx;
      return Current();
    }
    return AscendPrev();
  });
}

std::uint32_t NtxOrder::Seek(const char* key, std::size_t len, bool& exact) {
  len = std::min<std::size_t>(len, keySize_);
  exact = false;
  // Most comparisons are settled by the first eight bytes, which sit in one
  // array per page instead of one cache line per item.
  const std::uint64_t mask = len >= 8 ? ~std::uint64_t{0} : ~(~std::uint64_t{0} >> (8 * len));
  const std::uint64_t target = NtxPrefix(key, len) & mask;
  auto bound = [&](const NtxPageView& v) {
    std::uint32_t lo = 0, hi = v.Count();
    while (lo < hi) {
      std::uint32_t mid = (lo + hi) / 2;
      std::uint64_t p = v.prefix[mid] & mask;
      bool atOrAfter = p != target ? p > target
                                   : (len <= 8 || std::memcmp(v.Key(mid) + 8, key + 8, len - 8) >= 0);
      if (atOrAfter)
        hi = mid;
      else
        lo = mid + 1;
    }
    return lo;
  };
  return CursorMove([&] {
    Descend(cursor_, bound, [](const NtxPageView&, std::uint32_t) { return false; });
    std::uint32_t rec = SettleCursor();
    exact = rec != 0 && std::memcmp(CursorKey(), key, len) == 0;
    return rec;
  });
}

bool NtxOrder::Locate(const char* key, std::uint32_t rec) {
  bool found = false;
  CursorMove([&] {
    found = Descend(
        cursor_, [&](const NtxPageView& v) { return LowerBound(v, key, rec); },
        [&](const NtxPageView& v, std::uint32_t i) { return Compare(v.Key(i), v.Rec(i), key, rec) == 0; });
    return SettleCursor();
  });
  return found;
}

void NtxOrder::Insert(const char* key, std::uint32_t rec) {
  if (unique_) {
    bool exact = false;
    Seek(key, keySize_, exact);
    if (exact) return;
  }
  cursor_.clear();
  std::vector<Step> path;
  if (Descend(path, [&](const NtxPageView& v) { return LowerBound(v, key, rec); },
              [&](const NtxPageView& v, std::uint32_t i) { return Compare(v.Key(i), v.Rec(i), key, rec) == 0; }))
    return;  // already there
  BeginChange();
  std::size_t level = path.size() - 1;
  NtxNode node = NtxDecode(RawPage(path[level].page), path[level].page);
  node.e.insert(node.e.begin() + path[level].idx, NtxEntry{0, rec, std::string(key, keySize_)});
  while (node.e.size() > maxItems_) {
    std::size_t mid = node.e.size() / 2;
    NtxEntry sep = node.e[mid];
    NtxNode right;
    right.offset = AllocPage();
    right.e.assign(node.e.begin() + static_cast<std::ptrdiff_t>(mid) + 1, node.e.end());
    right.last = node.last;
    node.last = sep.child;
    node.e.resize(mid);
    WritePage(node);
    WritePage(right);
    sep.child = node.offset;
    if (level == 0) {
      NtxNode top;
      top.offset = AllocPage();
      top.e.push_back(std::move(sep));
      top.last = right.offset;
      WritePage(top);
      root_ = top.offset;
      WriteHeader();
      ++height_;
      return;
    }
    --level;
    NtxNode parent = NtxDecode(RawPage(path[level].page), path[level].page);
    std::size_t at = path[level].idx;
    parent.e.insert(parent.e.begin() + static_cast<std::ptrdiff_t>(at), std::move(sep));
    parent.SetChildAt(at + 1, right.offset);
    node = std::move(parent);
  }
  WritePage(node);
}

bool NtxOrder::Remove(const char* key, std::uint32_t rec) {
  cursor_.clear();
  std::vector<Step> path;
  if (!Descend(path, [&](const NtxPageView& v) { return LowerBound(v, key, rec); },
               [&](const NtxPageView& v, std::uint32_t i) { return Compare(v.Key(i), v.Rec(i), key, rec) == 0; }))
    return false;
  BeginChange();
  NtxNode node = NtxDecode(RawPage(path.back().page), path.back().page);
  std::size_t i = path.back().idx;
  if (node.e[i].child == 0) {
    node.e.erase(node.e.begin() + static_cast<std::ptrdiff_t>(i));
    WritePage(node);
  } else {
    // Take the entry's in-order predecessor from a leaf in its place.
    std::uint32_t p = node.e[i].child;
    for (;;) {
      NtxPageView v = Enter(p, path);
      std::uint32_t n = v.Count();
      if (v.IsLeaf()) {
        if (n == 0) Corrupt();
        path.push_back({p, n - 1});
        break;
      }
      path.push_back({p, n});
      p = v.Child(n);
    }
    NtxNode leaf = NtxDecode(RawPage(path.back().page), path.back().page);
    NtxEntry pred = std::move(leaf.e.back());
    leaf.e.pop_back();
    WritePage(leaf);
    node.e[i].rec = pred.rec;
    node.e[i].key = std::move(pred.key);
    WritePage(node);
  }
  FixUnderflow(path);
  return true;
}

void NtxOrder::FixUnderflow(std::vector<Step>& path) {
  for (std::size_t level = path.size() - 1; level > 0; --level) {
    NtxNode node = NtxDecode(RawPage(path[level].page), path[level].page);
    if (node.e.size() >= half_) break;
    NtxNode parent = NtxDecode(RawPage(path[level - 1].page), path[level - 1].page);
    std::size_t i = path[level - 1].idx;
    // A page below the root always has a sibling; a parent without keys
    // means the file is damaged.
    if (parent.e.empty() || i > parent.e.size()) Corrupt();
    NtxNode left, right;
    // A sibling sits at the node's depth: a leaf beside a leaf, an inner
    // page beside an inner page, and never a page of the path.
    auto sibling = [&](std::uint32_t offset) {
      for (const Step& s : path)
        if (s.page == offset) Corrupt();
      NtxNode n = NtxDecode(RawPage(offset), offset);
      if ((n.ChildAt(0) == 0) != (node.ChildAt(0) == 0)) Corrupt();
      return n;
    };
    if (i > 0) {
      left = sibling(parent.ChildAt(i - 1));
      if (left.e.size() > half_) {
        NtxEntry& sep = parent.e[i - 1];
        node.e.insert(node.e.begin(), NtxEntry{left.last, sep.rec, sep.key});
        sep.rec = left.e.back().rec;
        sep.key = left.e.back().key;
        left.last = left.e.back().child;
        left.e.pop_back();
        WritePage(left);
        WritePage(node);
        WritePage(parent);
        break;
      }
    }
    if (i < parent.e.size()) {
      right = sibling(parent.ChildAt(i + 1));
      if (right.e.size() > half_) {
        NtxEntry& sep = parent.e[i];
        node.e.push_back(NtxEntry{node.last, sep.rec, sep.key});
        node.last = right.e.front().child;
        sep.rec = right.e.front().rec;
        sep.key = right.e.front().key;
        right.e.erase(right.e.begin());
        WritePage(right);
        WritePage(node);
        WritePage(parent);
        break;
      }
    }
    if (i > 0) {
      NtxEntry& sep = parent.e[i - 1];
      left.e.push_back(NtxEntry{left.last, sep.rec, sep.key});
      left.e.insert(left.e.end(), node.e.begin(), node.e.end());
      left.last = node.last;
      parent.e.erase(parent.e.begin() + static_cast<std::ptrdiff_t>(i - 1));
      parent.SetChildAt(i - 1, left.offset);
      WritePage(left);
      WritePage(parent);
      FreePage(node.offset);
    } else {
      NtxEntry& sep = parent.e[i];
      node.e.push_back(NtxEntry{node.last, sep.rec, sep.key});
      node.e.insert(node.e.end(), right.e.begin(), right.e.end());
      node.last = right.last;
      parent.e.erase(parent.e.begin() + static_cast<std::ptrdiff_t>(i));
      parent.SetChildAt(i, node.offset);
      WritePage(node);
      WritePage(parent);
      FreePage(right.offset);
    }
  }
  NtxPageView r = Page(root_);
  if (r.Count() == 0 && !r.IsLeaf()) {
    std::uint32_t old = root_;
    root_ = r.Child(0);
    CheckChild(root_, 0);
    FreePage(old);
    --height_;
  }
}

std::uint32_t NtxOrder::VerifyPage(std::uint32_t page, int depth, int& leafDepth, std::string& lastKey,
                                   std::uint32_t& lastRec, bool& first, std::uint64_t& slots,
                                   std::uint32_t& pages) {
  if (depth > static_cast<int>(kMaxDepth)) Corrupt();
  CheckChild(page, 0);
  NtxNode n = NtxDecode(RawPage(page), page);
  ++pages;
  slots += maxItems_;
  std::uint32_t count = 0;
  bool leaf = n.ChildAt(0) == 0;
  if (leaf) {
    if (leafDepth < 0) leafDepth = depth;
    if (leafDepth != depth || static_cast<std::size_t>(depth) + 1 != height_) Corrupt();
  }
  for (std::size_t i = 0; i <= n.e.size(); ++i) {
    if (!leaf) count += VerifyPage(n.ChildAt(i), depth + 1, leafDepth, lastKey, lastRec, first, slots, pages);
    if (i == n.e.size()) break;
    if (!first && Compare(lastKey.data(), lastRec, n.e[i].key.data(), n.e[i].rec) >= 0) Corrupt();
    first = false;
    lastKey = n.e[i].key;
    lastRec = n.e[i].rec;
    ++count;
  }
  return count;
}

std::uint32_t NtxOrder::Verify() {
  int leafDepth = -1;
  std::string lastKey;
  std::uint32_t lastRec = 0, pages = 0;
  bool first = true;
  std::uint64_t slots = 0;
  cursor_.clear();
  return VerifyPage(root_, 0, leafDepth, lastKey, lastRec, first, slots, pages);
}

double NtxOrder::PageFill() {
  int leafDepth = -1;
  std::string lastKey;
  std::uint32_t lastRec = 0, pages = 0;
  bool first = true;
  std::uint64_t slots = 0;
  cursor_.clear();
  std::uint32_t n = VerifyPage(root_, 0, leafDepth, lastKey, lastRec, first, slots, pages);
  return slots == 0 ? 0.0 : static_cast<double>(n) / static_cast<double>(slots);
}

std::uint32_t NtxOrder::KeyCount() {
  std::uint32_t n = 0;
  for (std::uint32_t r = GoTop(); r != 0; r = Next()) ++n;
  return n;
}

// The children are copied before counting below them: a page read further
// down may take the cached page's slot.
std::vector<std::uint32_t> NtxOrder::Children(std::uint32_t page, std::uint32_t upTo) {
  NtxPageView v = Page(page);
  std::vector<std::uint32_t> children;
  if (!v.IsLeaf())
    for (std::uint32_t i = 0; i <= std::min(upTo, v.Count()); ++i) children.push_back(v.Child(i));
  return children;
}

std::uint32_t NtxOrder::SubtreeKeys(std::uint32_t page, std::vector<Step>& path) {
  if (const auto known = subtreeKeys_.find(page); known != subtreeKeys_.end()) return known->second;
  std::uint32_t n = Enter(page, path).Count();
  const std::vector<std::uint32_t> children = Children(page, n);
  path.push_back({page, 0});
  for (std::uint32_t child : children) n += SubtreeKeys(child, path);
  path.pop_back();
  subtreeKeys_.emplace(page, n);
  return n;
}

std::uint32_t NtxOrder::KeyNo(const char* key, std::uint32_t rec) {
  if (!Locate(key, rec)) return 0;
  // On each page of the path, the entries before the step and the
  // subtrees left of them; on the last, the entry's own left subtree too.
  const std::vector<Step> steps = cursor_;
  std::vector<Step> path;
  std::uint32_t n = 1;
  for (std::size_t depth = 0; depth < steps.size(); ++depth) {
    const Step& s = steps[depth];
    const bool last = depth + 1 == steps.size();
    n += s.idx;
    std::vector<std::uint32_t> left = Children(s.page, s.idx);
    if (!last && !left.empty()) left.pop_back();  // the child the path goes on into
    path.assign(steps.begin(), steps.begin() + static_cast<std::ptrdiff_t>(depth) + 1);
    for (std::uint32_t child : left) n += SubtreeKeys(child, path);
  }
  return n;
}

}  // namespace rt
