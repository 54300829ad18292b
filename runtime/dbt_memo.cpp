#include "runtime/dbt_memo.h"

#include <vector>

#include "runtime/error.h"
#include "runtime/table_fault.h"
#include "runtime/table_texts.h"

namespace rt {

namespace {

// A memo longer than this is taken for a damaged file, not read to the end.
constexpr std::size_t kMaxMemo = 16u * 1024u * 1024u;

std::vector<char> HeaderBlock(std::uint32_t nextFree) {
  std::vector<char> h(DbtMemo::kBlockSize, 0);
  for (int i = 0; i < 4; ++i) h[i] = static_cast<char>(nextFree >> (8 * i));
  h[16] = 0x03;  // dBase III memo version byte
  return h;
}

}  // namespace

void DbtMemo::Create(const std::string& path) {
  TableFile f;
  if (int rc = f.Create(path); rc != 0) ThrowFault(EG_CREATE, path, {}, rc);
  std::vector<char> h = HeaderBlock(1);
  if (!f.WriteAt(0, h.data(), h.size())) ThrowFault(EG_WRITE, path);
}

void DbtMemo::Open(const std::string& path, TableShare share, bool readOnly) {
  if (int rc = file_.Open(path, share, readOnly); rc != 0) ThrowFault(EG_OPEN, path, {}, rc);
  path_ = path;
  readOnly_ = readOnly;
  if (file_.Size() < 4) {
    file_.Close();
    ThrowFault(EG_CORRUPTION, path);
  }
}

std::uint32_t DbtMemo::NextFree() {
  unsigned char b[4];
  if (file_.ReadAt(0, b, 4) != 4) ThrowFault(EG_CORRUPTION, path_);
  std::uint32_t next = b[0] | (b[1] << 8) | (b[2] << 16) | (static_cast<std::uint32_t>(b[3]) << 24);
  std::uint64_t blocks = std::max<std::uint64_t>(1, (file_.Size() + kBlockSize - 1) / kBlockSize);
  // Beyond the end, the number is not one this file ever had; inside the
  // used part it would overwrite memos, so the end is taken instead.
  if (next > blocks) Damaged();
  return static_cast<std::uint32_t>(blocks);
}

void DbtMemo::SetNextFree(std::uint32_t block) {
  unsigned char b[4];
  for (int i = 0; i < 4; ++i) b[i] = static_cast<unsigned char>(block >> (8 * i));
  if (!file_.WriteAt(0, b, 4)) ThrowFault(EG_WRITE, path_);
}

void DbtMemo::Damaged() const { ThrowFault(EG_CORRUPTION, path_, TableMessage(TableText::MemoDamaged)); }

std::string DbtMemo::Read(std::uint64_t block) {
  if (block == 0) return {};
  std::uint64_t size = file_.Size();
  if (block > UINT32_MAX || block * kBlockSize >= size) Damaged();
  std::uint64_t pos = block * kBlockSize;
  std::string text;
  char buf[kBlockSize];
  while (pos < size) {
    std::size_t got = file_.ReadAt(pos, buf, kBlockSize);
    if (got == 0) break;
    for (std::size_t i = 0; i < got; ++i) {
      if (buf[i] == 0x1A) return text;
      text.push_back(buf[i]);
    }
    pos += got;
    if (text.size() > kMaxMemo) break;
  }
  Damaged();
}

std::uint32_t DbtMemo::Write(std::uint64_t oldBlock, const std::string& text) {
  if (text.empty()) return 0;
  std::uint64_t need = (text.size() + 2 + kBlockSize - 1) / kBlockSize;
  std::uint32_t block = 0;
  if (oldBlock != 0) {
    std::uint64_t had = (Read(oldBlock).size() + 2 + kBlockSize - 1) / kBlockSize;
    if (need <= had) block = static_cast<std::uint32_t>(oldBlock);
  }
  bool atEnd = block == 0;
  if (atEnd) {
    block = NextFree();
    if (block + need > UINT32_MAX) Damaged();
  }
  std::string data = text;
  data.append("\x1A\x1A");
  data.resize(static_cast<std::size_t>(need * kBlockSize), '\0');
  if (!file_.WriteAt(static_cast<std::uint64_t>(block) * kBlockSize, data.data(), data.size()))
    ThrowFault(EG_WRITE, path_);
  if (atEnd) SetNextFree(block + static_cast<std::uint32_t>(need));
  return block;
}

void DbtMemo::Flush() {
  if (file_.IsOpen() && !readOnly_ && !file_.Flush()) ThrowFault(EG_WRITE, path_);
}

void DbtMemo::Zap() {
  std::vector<char> h = HeaderBlock(1);
  if (!file_.WriteAt(0, h.data(), h.size()) || !file_.Truncate(kBlockSize)) ThrowFault(EG_WRITE, path_);
}

}  // namespace rt
