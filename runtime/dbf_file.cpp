#include "runtime/dbf_file.h"

#include <algorithm>
#include <cstring>

#include "runtime/dates.h"
#include "runtime/error.h"
#include "runtime/table_fault.h"
#include "runtime/table_texts.h"
#include "runtime/text_case.h"

namespace rt {

namespace {

constexpr char kEofMark = 0x1A;
constexpr char kHeaderEnd = 0x0D;
// The code-page mark of Windows-1252 text (header byte 29).
constexpr unsigned char kCodePage1252 = 0x57;
// Room some tools reserve after the terminator (zero bytes).
constexpr std::size_t kMaxHeaderReserve = 263;

std::uint16_t Get16(const unsigned char* p) { return static_cast<std::uint16_t>(p[0] | (p[1] << 8)); }
std::uint32_t Get32(const unsigned char* p) {
  return static_cast<std::uint32_t>(p[0]) | (static_cast<std::uint32_t>(p[1]) << 8) |
         (static_cast<std::uint32_t>(p[2]) << 16) | (static_cast<std::uint32_t>(p[3]) << 24);
}
void Put16(unsigned char* p, std::uint32_t v) {
  p[0] = static_cast<unsigned char>(v);
  p[1] = static_cast<unsigned char>(v >> 8);
}
void Put32(unsigned char* p, std::uint32_t v) {
  for (int i = 0; i < 4; ++i) p[i] = static_cast<unsigned char>(v >> (8 * i));
}

void PutDate(unsigned char* p) {
  int y = 0, m = 0, d = 0;
  SplitDate(DATE(), &y, &m, &d);
  p[0] = static_cast<unsigned char>(y - 1900);
  p[1] = static_cast<unsigned char>(m);
  p[2] = static_cast<unsigned char>(d);
}

bool ValidFieldName(std::string_view n) {
  if (n.empty() || n.size() > 10) return false;
  if (!((n[0] >= 'A' && n[0] <= 'Z') || n[0] == '_')) return false;
  return std::all_of(n.begin(), n.end(), [](char c) {
    return (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_';
  });
}

}  // namespace

std::string WithDefaultExtension(std::string_view name, std::string_view ext) {
  std::size_t slash = name.find_last_of("\\/:");
  std::size_t base = slash == std::string_view::npos ? 0 : slash + 1;
  if (name.find('.', base) != std::string_view::npos) return std::string(name);
  return std::string(name) + std::string(ext);
}

std::string MemoPathOf(const std::string& path) {
  std::size_t slash = path.find_last_of("\\/:");
  std::size_t dot = path.rfind('.');
  bool hasExt = dot != std::string::npos && (slash == std::string::npos || dot > slash);
  std::string base = hasExt ? path.substr(0, dot) : path;
  bool lower = hasExt && dot + 1 < path.size() && path[dot + 1] >= 'a' && path[dot + 1] <= 'z';
  return base + (lower ? ".dbt" : ".DBT");
}

void DbfFile::CheckStructure(const std::string& path, std::vector<DbfField>& fields) {
  if (fields.empty()) ThrowFault(EG_ARG, path, TableMessage(TableText::NoFields));
  std::uint32_t offset = 1;
  for (std::size_t i = 0; i < fields.size(); ++i) {
    DbfField& f = fields[i];
    f.name = AsciiUpper(f.name);
    f.type = AsciiUpperChar(f.type);
    if (!ValidFieldName(f.name)) ThrowFault(EG_ARG, path, TableMessage(TableText::BadFieldName, f.name));
    for (std::size_t j = 0; j < i; ++j)
      if (fields[j].name == f.name) ThrowFault(EG_ARG, path, TableMessage(TableText::DuplicateFieldName, f.name));
    switch (f.type) {
      case 'C':
        if (f.len == 0) ThrowFault(EG_ARG, path, TableMessage(TableText::BadFieldLength, f.name));
        f.dec = 0;
        break;
      case 'N':
        if (f.len == 0 || f.len > 255 || (f.dec > 0 && f.dec + 2 > f.len))
          ThrowFault(EG_ARG, path, TableMessage(TableText::BadFieldLength, f.name));
        break;
      case 'L': f.len = 1; f.dec = 0; break;
      case 'D': f.len = 8; f.dec = 0; break;
      case 'M': f.len = 10; f.dec = 0; break;
      default: ThrowFault(EG_ARG, path, TableMessage(TableText::BadFieldType, f.name));
    }
    f.offset = offset;
    offset += f.len;
    if (offset > kMaxRecordLength) ThrowFault(EG_ARG, path, TableMessage(TableText::RecordTooLong));
  }
  if (fields.size() > 1024) ThrowFault(EG_ARG, path, TableMessage(TableText::TooManyFields));
}

void DbfFile::Create(const std::string& path, std::vector<DbfField>& fields, bool withMemo) {
  CheckStructure(path, fields);
  std::size_t hdrLen = kHeaderSize + kFieldSize * fields.size() + 1;
  std::vector<unsigned char> h(hdrLen + 1, 0);
  h[0] = withMemo ? 0x83 : 0x03;
  PutDate(&h[1]);
  h[29] = kCodePage1252;
  Put32(&h[4], 0);
  Put16(&h[8], static_cast<std::uint32_t>(hdrLen));
  std::uint32_t recLen = 1;
  for (const DbfField& f : fields) recLen += f.len;
  Put16(&h[10], recLen);
  for (std::size_t i = 0; i < fields.size(); ++i) {
    unsigned char* d = &h[kHeaderSize + kFieldSize * i];
    std::memcpy(d, fields[i].name.data(), fields[i].name.size());
    d[11] = static_cast<unsigned char>(fields[i].type);
    d[16] = static_cast<unsigned char>(fields[i].len & 0xFF);
    d[17] = fields[i].type == 'C' ? static_cast<unsigned char>(fields[i].len >> 8) : fields[i].dec;
  }
  h[hdrLen - 1] = kHeaderEnd;
  h[hdrLen] = kEofMark;
  TableFile f;
  if (int rc = f.Create(path); rc != 0) ThrowFault(EG_CREATE, path, {}, rc);
  if (!f.WriteAt(0, h.data(), h.size())) ThrowFault(EG_WRITE, path);
}

void DbfFile::Open(const std::string& path, TableShare share, bool readOnly) {
  Close();
  if (int rc = file_.Open(path, share, readOnly); rc != 0) ThrowFault(EG_OPEN, path, {}, rc);
  path_ = path;
  share_ = share;
  readOnly_ = readOnly;
  try {
    Parse();
  } catch (...) {
    file_.Close();
    throw;
  }
}

void DbfFile::Parse() {
  unsigned char h[kHeaderSize];
  std::uint64_t size = file_.Size();
  if (file_.ReadAt(0, h, kHeaderSize) != kHeaderSize) ThrowFault(EG_CORRUPTION, path_);
  version_ = h[0];
  if ((version_ & 0x07) != 0x03) ThrowFault(EG_CORRUPTION, path_);
  hdrLen_ = Get16(h + 8);
  recLen_ = Get16(h + 10);
  if (hdrLen_ < kHeaderSize + kFieldSize + 1 || hdrLen_ > size || recLen_ < 2) HeaderDamaged();
  std::vector<unsigned char> desc(hdrLen_ - kHeaderSize);
  if (file_.ReadAt(kHeaderSize, desc.data(), desc.size()) != desc.size()) HeaderDamaged();
  fields_.clear();
  std::uint32_t offset = 1;
  std::size_t pos = 0;
  while (pos < desc.size() && desc[pos] != static_cast<unsigned char>(kHeaderEnd)) {
    if (pos + kFieldSize > desc.size()) HeaderDamaged();
    const unsigned char* d = &desc[pos];
    DbfField f;
    std::size_t n = 0;
    while (n < 11 && d[n]) ++n;
    f.name.assign(reinterpret_cast<const char*>(d), n);
    f.type = static_cast<char>(d[11]);
    f.len = d[16];
    f.dec = d[17];
    if (f.type == 'C') {
      f.len = static_cast<std::uint16_t>(d[16] | (d[17] << 8));
      f.dec = 0;
    }
    bool sane = f.len > 0 && (f.type == 'C' || f.type == 'N' || (f.type == 'L' && f.len == 1) ||
                              (f.type == 'D' && f.len == 8) || (f.type == 'M' && f.len == 10));
    if (!sane || f.name.empty()) HeaderDamaged();
    f.offset = offset;
    offset += f.len;
    fields_.push_back(std::move(f));
    pos += kFieldSize;
  }
  if (fields_.empty() || offset != recLen_) HeaderDamaged();
  // The terminator follows the last descriptor; what the header holds after
  // it is reserved room of zero bytes. A header length that is off lands
  // elsewhere and would read every field shifted.
  if (pos >= desc.size() || desc.size() - pos - 1 > kMaxHeaderReserve ||
      std::any_of(desc.begin() + static_cast<std::ptrdiff_t>(pos) + 1, desc.end(),
                  [](unsigned char c) { return c != 0; }))
    HeaderDamaged();
  std::uint32_t declared = Get32(h + 4);
  std::uint64_t fit = (size - hdrLen_) / recLen_;
  // Only the last record may be missing, as a write cut off leaves it; and
  // only one whole record may follow the counted ones, as an append leaves
  // it that was cut off before it wrote the count. With more, the count is
  // wrong and the next append would write over a row.
  if (declared > fit + 1) ThrowFault(EG_CORRUPTION, path_, TableMessage(TableText::RowsMissing));
  if (fit > std::uint64_t{declared} + 1) ThrowFault(EG_CORRUPTION, path_, TableMessage(TableText::RowsUncounted));
  count_ = static_cast<std::uint32_t>(std::min<std::uint64_t>(declared, fit));
  if (count_ > 0) {
    char flag = 0;
    if (file_.ReadAt(hdrLen_, &flag, 1) != 1 || (flag != ' ' && flag != '*')) HeaderDamaged();
  }
  windows_.Reset(recLen_);
}

void DbfFile::HeaderDamaged() const {
  ThrowFault(EG_CORRUPTION, path_, TableMessage(TableText::TableHeaderDamaged));
}

void DbfFile::Refresh() {
  unsigned char h[8];
  if (file_.ReadAt(0, h, 8) != 8) ThrowFault(EG_READ, path_);
  // A shared table never shrinks (packing and zapping need it exclusive), so
  // a count that is still the one read or written last still fits the file.
  if (const std::uint32_t declared = Get32(h + 4); declared != count_) {
    std::uint64_t size = file_.Size();
    std::uint64_t fit = size > hdrLen_ ? (size - hdrLen_) / recLen_ : 0;
    count_ = static_cast<std::uint32_t>(std::min<std::uint64_t>(declared, fit));
  }
  windows_.Clear();
}

void DbfFile::Close() {
  if (file_.IsOpen() && changed_ && !readOnly_) {
    unsigned char d[3];
    PutDate(d);
    file_.WriteAt(1, d, 3);
  }
  file_.Close();
  changed_ = false;
  fields_.clear();
  count_ = 0;
  windows_.Clear();
}

int DbfFile::FieldPos(std::string_view name) const noexcept {
  for (std::size_t i = 0; i < fields_.size(); ++i) {
    const std::string& f = fields_[i].name;
    if (f.size() != name.size()) continue;
    bool same = true;
    for (std::size_t k = 0; k < f.size() && same; ++k) same = f[k] == AsciiUpperChar(name[k]);
    if (same) return static_cast<int>(i + 1);
  }
  return 0;
}

bool DbfFile::HasMemoFields() const noexcept {
  return std::any_of(fields_.begin(), fields_.end(), [](const DbfField& f) { return f.type == 'M'; });
}

void DbfFile::ReadRecord(std::uint32_t recno, char* dst) {
  if (recno < 1 || recno > count_) ThrowFault(EG_READ, path_);
  const char* src = windows_.Find(recno);
  if (!src) {
    const RecordWindows::Plan plan = windows_.PlanFor(recno, count_);
    const std::size_t bytes = static_cast<std::size_t>(plan.count) * recLen_;
    char* buffer = windows_.Buffer(plan);
    if (file_.ReadAt(hdrLen_ + static_cast<std::uint64_t>(plan.first - 1) * recLen_, buffer, bytes) != bytes)
      ThrowFault(EG_READ, path_);
    windows_.Filled(plan);
    src = windows_.Find(recno);
  }
  std::memcpy(dst, src, recLen_);
}

void DbfFile::WriteRecord(std::uint32_t recno, const char* src) {
  if (recno < 1 || recno > count_) ThrowFault(EG_WRITE, path_);
  if (!file_.WriteAt(hdrLen_ + static_cast<std::uint64_t>(recno - 1) * recLen_, src, recLen_))
    ThrowFault(EG_WRITE, path_);
  windows_.Update(recno, src);
  changed_ = true;
}

std::uint32_t DbfFile::AppendRecord(const char* src) { return AppendRecords(src, 1); }

std::uint32_t DbfFile::AppendRecords(const char* src, std::uint32_t count) {
  const std::size_t bytes = static_cast<std::size_t>(count) * recLen_;
  std::vector<char> buf(bytes + 1);
  std::memcpy(buf.data(), src, bytes);
  buf[bytes] = kEofMark;
  if (!file_.WriteAt(hdrLen_ + static_cast<std::uint64_t>(count_) * recLen_, buf.data(), buf.size()))
    ThrowFault(EG_WRITE, path_);
  count_ += count;
  WriteCountAndDate();
  changed_ = true;
  return count_;
}

void DbfFile::WriteCountAndDate() {
  unsigned char h[7];
  PutDate(h);
  Put32(h + 3, count_);
  if (!file_.WriteAt(1, h, sizeof h)) ThrowFault(EG_WRITE, path_);
}

void DbfFile::WriteCopy(const std::string& to, Keep keep) {
  TableFile out;
  if (int rc = out.Create(to); rc != 0) ThrowFault(EG_CREATE, to, {}, rc);
  std::vector<char> header(hdrLen_);
  if (file_.ReadAt(0, header.data(), header.size()) != header.size()) ThrowFault(EG_READ, path_);
  std::uint64_t pos = header.size();
  std::vector<char> chunk;
  std::vector<char> rec(recLen_);
  std::uint32_t kept = 0;
  for (std::uint32_t r = 1; keep == Keep::LiveRecords && r <= count_; ++r) {
    ReadRecord(r, rec.data());
    if (rec[0] == '*') continue;
    chunk.insert(chunk.end(), rec.begin(), rec.end());
    ++kept;
    if (chunk.size() >= (1u << 20)) {
      if (!out.WriteAt(pos, chunk.data(), chunk.size())) ThrowFault(EG_WRITE, to);
      pos += chunk.size();
      chunk.clear();
    }
  }
  chunk.push_back(kEofMark);
  if (!out.WriteAt(pos, chunk.data(), chunk.size())) ThrowFault(EG_WRITE, to);
  auto* h = reinterpret_cast<unsigned char*>(header.data());
  PutDate(h + 1);
  Put32(h + 4, kept);
  // The header goes last, so that an interrupted copy never holds a count
  // that promises rows the file does not hold.
  if (!out.WriteAt(0, header.data(), header.size()) || !out.Flush()) ThrowFault(EG_WRITE, to);
}

ReplaceOutcome DbfFile::ReplaceWith(const std::string& copy) {
  const std::string path = path_;
  const TableShare share = share_;
  const bool readOnly = readOnly_;
  Close();
  const ReplaceOutcome outcome = ReplaceTableFile(copy, path);
  if (outcome == ReplaceOutcome::Failed) RemoveTableFile(copy);
  Open(path, share, readOnly);
  return outcome;
}

void DbfFile::Flush() {
  if (!readOnly_ && !file_.Flush()) ThrowFault(EG_WRITE, path_);
}

}  // namespace rt
