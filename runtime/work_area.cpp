#include "runtime/work_area.h"

#include <algorithm>
#include <cstring>
#include <optional>

#include "runtime/dbf_field_codec.h"
#include "runtime/error.h"
#include "runtime/settings.h"
#include "runtime/table_fault.h"
#include "runtime/table_texts.h"
#include "runtime/work_areas.h"

namespace rt {

namespace {

// Lock offsets far beyond any real file, as xBase tools place them, so that
// locks never block reading the data.
constexpr std::uint64_t kLockBase = 1000000000ull;

}  // namespace

WorkArea::~WorkArea() {
  try {
    Close();
  } catch (const TableFault&) {
    // The program is ending; the error was the caller's to see at DBCLOSEAREA.
  }
}

void WorkArea::Open(const std::string& path, bool shared, bool readOnly) {
  TableShare share = shared ? TableShare::Shared : TableShare::Exclusive;
  dbf_.Open(path, share, readOnly);
  if (dbf_.HasMemoFields()) {
    try {
      dbt_ = std::make_unique<DbtMemo>();
      dbt_->Open(MemoPathOf(path), share, readOnly);
    } catch (...) {
      dbt_.reset();
      dbf_.Close();
      throw;
    }
  }
  rec_.assign(dbf_.RecordLength(), ' ');
  orig_ = rec_;
  GoTop();
}

void WorkArea::Close() {
  if (!dbf_.IsOpen()) return;
  try {
    Commit();
  } catch (...) {
    UnlockAll();
    orders_.clear();
    dbt_.reset();
    dbf_.Close();
    throw;
  }
  UnlockAll();
  orders_.clear();
  focus_ = 0;
  dbt_.reset();
  dbf_.Close();
}

void WorkArea::Load() {
  if (loaded_) return;
  rec_.resize(dbf_.RecordLength());
  if (eof_)
    std::fill(rec_.begin(), rec_.end(), ' ');
  else
    dbf_.ReadRecord(recno_, rec_.data());
  orig_ = rec_;
  loaded_ = true;
}

void WorkArea::Position(std::uint32_t recno) {
  if (recno == 0 || recno > dbf_.RecCount()) {
    recno_ = dbf_.RecCount() + 1;
    eof_ = true;
  } else {
    recno_ = recno;
    eof_ = false;
  }
  loaded_ = false;
}

void WorkArea::RefreshIfShared() {
  if (!dbf_.Shared()) return;
  dbf_.Refresh();
  for (auto& o : orders_) o->Refresh();
}

bool WorkArea::Visible(std::uint32_t recno) {
  if (!Sets().deleted) return true;
  if (recno == recno_ && loaded_) return rec_[0] != '*';
  scratch_.resize(dbf_.RecordLength());
  dbf_.ReadRecord(recno, scratch_.data());
  return scratch_[0] != '*';
}

std::string WorkArea::EvalKey(NtxOrder& o) {
  Value v;
  {
    AreaScope scope(number_);
    Load();
    v = o.keyBlock.Eval();
  }
  if (KeyTypeOf(v) != o.keyType) ThrowFault(EG_DATATYPE, o.Path(), TableMessage(TableText::KeyWrongType));
  std::string k = KeyBytes(v, o.keyType, o.KeySize(), o.KeyDec());
  k.resize(o.KeySize(), ' ');
  return k;
}

void WorkArea::FixKeyType(NtxOrder& o, const Value& keyValue) {
  char t = KeyTypeOf(keyValue);
  if (t == 0) ThrowFault(EG_DATATYPE, o.Path(), TableMessage(TableText::KeyWrongType));
  o.keyType = t;
}

void WorkArea::SyncCursor(NtxOrder& o, bool& onEntry) {
  if (o.CursorOn(recno_)) {
    onEntry = true;
    return;
  }
  std::string k = EvalKey(o);
  onEntry = o.Locate(k.data(), recno_);
}

std::uint32_t WorkArea::NextRaw() {
  if (eof_) return 0;
  if (focus_ == 0) return recno_ < dbf_.RecCount() ? recno_ + 1 : 0;
  NtxOrder& o = *orders_[focus_ - 1];
  bool on = false;
  SyncCursor(o, on);
  return on ? o.Next() : o.CursorRec();
}

std::uint32_t WorkArea::PrevRaw() {
  if (focus_ == 0) {
    if (eof_) return dbf_.RecCount();
    return recno_ - 1;
  }
  NtxOrder& o = *orders_[focus_ - 1];
  if (eof_) return o.GoBottom();
  bool on = false;
  SyncCursor(o, on);
  if (!on && o.CursorRec() == 0) return o.GoBottom();
  return o.Prev();
}

std::uint32_t WorkArea::SkipHidden(std::uint32_t r, bool forward, std::string_view bound) {
  NtxOrder* o = focus_ > 0 ? orders_[focus_ - 1].get() : nullptr;
  while (r != 0) {
    // An order that names a record the table does not hold is damaged
    // (in shared mode once the count is read again).
    if (o && r > dbf_.RecCount()) {
      if (dbf_.Shared()) dbf_.Refresh();
      if (r > dbf_.RecCount()) ThrowFault(EG_CORRUPTION, o->Path(), TableMessage(TableText::IndexDamaged));
    }
    // The key is in the order's cached page; the record would cost a read.
    if (o && !bound.empty() && std::memcmp(o->CursorKey(), bound.data(), bound.size()) != 0) return 0;
    if (Visible(r)) break;
    if (o)
      r = forward ? o->Next() : o->Prev();
    else
      r = forward ? (r < dbf_.RecCount() ? r + 1 : 0) : r - 1;
  }
  return r;
}

void WorkArea::GoEnd(bool top) {
  Flush();
  RefreshIfShared();
  std::uint32_t r = 0;
  try {
    if (focus_ == 0) {
      r = top ? (dbf_.RecCount() > 0 ? 1 : 0) : dbf_.RecCount();
    } else {
      NtxOrder& o = *orders_[focus_ - 1];
      r = top ? o.GoTop() : o.GoBottom();
    }
    r = SkipHidden(r, top);
  } catch (const TableFault&) {
    ParkAfterFault(true);
    throw;
  }
  Position(r);
  bof_ = r == 0;
  found_ = false;
}

void WorkArea::GoTop() { GoEnd(true); }

void WorkArea::GoBottom() { GoEnd(false); }

void WorkArea::ParkAfterFault(bool bof) {
  Position(0);
  bof_ = bof;
  found_ = false;
}

void WorkArea::GoTo(std::uint32_t recno) {
  Flush();
  RefreshIfShared();
  Position(recno);
  bof_ = false;
  found_ = false;
}

void WorkArea::Skip(long n) {
  Flush();
  if (n == 0) {
    loaded_ = false;
    return;
  }
  bof_ = false;
  found_ = false;
  // A damaged order or table ends the walk at the end it was heading for,
  // so that a loop up to EOF() or BOF() ends even when the error defaults.
  try {
    for (; n > 0; --n) {
      std::uint32_t r = SkipHidden(NextRaw(), true);
      Position(r);
      if (r == 0) return;
    }
    for (; n < 0; ++n) {
      std::uint32_t r = SkipHidden(PrevRaw(), false);
      if (r == 0) {
        GoTop();
        bof_ = true;
        return;
      }
      Position(r);
    }
  } catch (const TableFault&) {
    ParkAfterFault(n < 0);
    throw;
  }
}

bool WorkArea::SkipWithinKey(std::string_view start) {
  Flush();
  if (focus_ == 0) ThrowFault(EG_NOORDER, dbf_.Path());
  // Longer than the key, only its width is compared, as a seek does.
  start = start.substr(0, orders_[focus_ - 1]->KeySize());
  bof_ = false;
  found_ = false;
  try {
    const std::uint32_t r = SkipHidden(NextRaw(), true, start);
    Position(r);
    return r != 0;
  } catch (const TableFault&) {
    ParkAfterFault(false);
    throw;
  }
}

void WorkArea::Seek(const Value& key, bool softSeek) {
  Flush();
  RefreshIfShared();
  if (focus_ == 0) ThrowFault(EG_NOORDER, dbf_.Path());
  NtxOrder& o = *orders_[focus_ - 1];
  std::string converted;
  std::string_view k;
  if (key.IsString()) {
    if (o.keyType != 'C') ThrowFault(EG_DATATYPE, o.Path());
    k = std::string_view(key.AsString()).substr(0, o.KeySize());
  } else {
    if (KeyTypeOf(key) != o.keyType) ThrowFault(EG_DATATYPE, o.Path());
    converted = KeyBytes(key, o.keyType, o.KeySize(), o.KeyDec());
    k = converted;
  }
  std::uint32_t r = 0;
  bool exact = false;
  try {
    // Without a soft seek, a landing key that does not begin with the key
    // ends it: every key after it sorts after too.
    r = SkipHidden(k.empty() ? o.GoTop() : o.Seek(k.data(), k.size(), exact), true,
                   softSeek ? std::string_view{} : k);
    exact = r != 0 && std::memcmp(o.CursorKey(), k.data(), k.size()) == 0;
  } catch (const TableFault&) {
    ParkAfterFault(false);
    throw;
  }
  bof_ = false;
  if (exact || (softSeek && r != 0)) {
    Position(r);
  } else {
    Position(0);
  }
  found_ = exact;
}

void WorkArea::RequireWritable() {
  if (dbf_.ReadOnly()) ThrowFault(EG_READONLY, dbf_.Path());
}

Value WorkArea::FieldGet(int index) {
  if (index < 1 || index > FieldCount()) ThrowFault(EG_ARG, dbf_.Path(), TableMessage(TableText::FieldNumberOutside));
  Load();
  return DecodeField(dbf_.Fields()[static_cast<std::size_t>(index - 1)], rec_.data(), dbt_.get());
}

void WorkArea::FieldPut(int index, const Value& v) {
  if (index < 1 || index > FieldCount()) ThrowFault(EG_ARG, dbf_.Path(), TableMessage(TableText::FieldNumberOutside));
  if (eof_) return;
  RequireWritable();
  if (dbf_.Shared() && !locks_.count(recno_)) ThrowFault(EG_UNLOCKED, dbf_.Path());
  Load();
  const DbfField& f = dbf_.Fields()[static_cast<std::size_t>(index - 1)];
  if (f.type == 'M') {
    if (!v.IsString()) ThrowFault(EG_DATATYPE, dbf_.Path(), TableMessage(TableText::WrongFieldType, f.name));
    if (!dbt_) ThrowFault(EG_CORRUPTION, dbf_.Path());
    PutMemoBlock(f, rec_.data(), dbt_->Write(MemoBlockOf(f, rec_.data()), v.AsString()));
  } else {
    switch (EncodeField(f, rec_.data(), v)) {
      case PutResult::Ok: break;
      case PutResult::WrongType:
        ThrowFault(EG_DATATYPE, dbf_.Path(), TableMessage(TableText::WrongFieldType, f.name));
      case PutResult::TooWide:
        ThrowFault(EG_DATAWIDTH, dbf_.Path(), TableMessage(TableText::NumberTooWide, f.name));
    }
  }
  dirty_ = true;
}

void WorkArea::OrdersChanging() {
  for (auto& o : orders_) o->BeginChange();
}

bool WorkArea::OrdersMarked() const noexcept {
  return std::any_of(orders_.begin(), orders_.end(), [](const auto& o) { return o->Changing(); });
}

void WorkArea::OrdersKeepMarked() noexcept {
  for (auto& o : orders_) o->KeepMarked();
}

void WorkArea::FlushFiles() {
  dbf_.Flush();
  if (dbt_) dbt_->Flush();
  for (auto& o : orders_) o->Flush();
}

void WorkArea::SettleOrders() {
  if (!OrdersMarked()) return;
  FlushFiles();
  for (auto& o : orders_) o->EndChange();
}

void WorkArea::WriteBuffer() {
  try {
    OrdersChanging();
  } catch (...) {
    // Nothing is written yet: the change stays in the buffer for a retry.
    dirty_ = true;
    throw;
  }
  try {
    dbf_.WriteRecord(recno_, rec_.data());
    for (auto& o : orders_) {
      std::swap(rec_, orig_);
      std::string oldKey;
      try {
        oldKey = EvalKey(*o);
      } catch (...) {
        std::swap(rec_, orig_);
        throw;
      }
      std::swap(rec_, orig_);
      std::string newKey = EvalKey(*o);
      if (oldKey != newKey) {
        o->Remove(oldKey.data(), recno_);
        o->Insert(newKey.data(), recno_);
      }
    }
  } catch (...) {
    OrdersKeepMarked();
    throw;
  }
  orig_ = rec_;
  if (dbf_.Shared()) SettleOrders();
}

void WorkArea::Flush() {
  if (!dirty_) return;
  dirty_ = false;
  WriteBuffer();
}

void WorkArea::Commit() {
  Flush();
  if (!OrdersMarked()) {
    FlushFiles();
    return;
  }
  SettleOrders();
  for (auto& o : orders_) o->Flush();
}

void WorkArea::Append() {
  RequireWritable();
  Flush();
  std::vector<char> blank(dbf_.RecordLength(), ' ');
  std::uint32_t r = 0;
  OrdersChanging();
  if (dbf_.Shared()) {
    // The append lock keeps two programs from writing the same new slot.
    if (!dbf_.File().LockRange(kLockBase, 1)) ThrowFault(EG_APPENDLOCK, dbf_.Path());
    try {
      dbf_.Refresh();
      r = dbf_.AppendRecord(blank.data());
    } catch (...) {
      dbf_.File().UnlockRange(kLockBase, 1);
      OrdersKeepMarked();
      throw;
    }
    dbf_.File().UnlockRange(kLockBase, 1);
    if (dbf_.File().LockRange(kLockBase + r, 1)) locks_.insert(r);
  } else {
    try {
      r = dbf_.AppendRecord(blank.data());
    } catch (...) {
      OrdersKeepMarked();
      throw;
    }
  }
  rec_ = blank;
  orig_ = blank;
  recno_ = r;
  loaded_ = true;
  eof_ = bof_ = found_ = false;
  try {
    for (auto& o : orders_) {
      std::string k = EvalKey(*o);
      o->Insert(k.data(), r);
    }
  } catch (...) {
    OrdersKeepMarked();
    throw;
  }
  if (dbf_.Shared()) SettleOrders();
}

void WorkArea::Delete() { SetDeletedMark(true); }
void WorkArea::Recall() { SetDeletedMark(false); }

void WorkArea::SetDeletedMark(bool deleted) {
  if (eof_) return;
  RequireWritable();
  if (dbf_.Shared() && !locks_.count(recno_)) ThrowFault(EG_UNLOCKED, dbf_.Path());
  Load();
  rec_[0] = deleted ? '*' : ' ';
  dirty_ = true;
}

bool WorkArea::Deleted() {
  if (eof_) return false;
  Load();
  return rec_[0] == '*';
}

const char* WorkArea::RecordBuffer() {
  Load();
  return rec_.data();
}

bool WorkArea::Lock(std::uint32_t recno) {
  if (!dbf_.Shared()) return true;
  if (locks_.count(recno)) return true;
  if (!dbf_.File().LockRange(kLockBase + recno, 1)) return false;
  locks_.insert(recno);
  dbf_.ForgetReads();
  return true;
}

void WorkArea::UnlockAll() {
  if (dbf_.IsOpen()) Flush();
  for (std::uint32_t r : locks_) dbf_.File().UnlockRange(kLockBase + r, 1);
  locks_.clear();
}

// Pack and zap write the new table beside the old one and rename it over
// it, so that a kill or a power cut leaves one of the two whole.
void WorkArea::Pack() {
  RequireWritable();
  if (dbf_.Shared()) ThrowFault(EG_SHARED, dbf_.Path());
  Flush();
  const std::string copy = dbf_.Path() + "$";
  dbf_.WriteCopy(copy, DbfFile::Keep::LiveRecords);
  ReplaceTable(copy, false);
}

void WorkArea::Zap() {
  RequireWritable();
  if (dbf_.Shared()) ThrowFault(EG_SHARED, dbf_.Path());
  dirty_ = false;
  const std::string copy = dbf_.Path() + "$";
  dbf_.WriteCopy(copy, DbfFile::Keep::Nothing);
  ReplaceTable(copy, true);
}

void WorkArea::ReplaceTable(const std::string& copy, bool zapMemo) {
  // From the rename on, the orders describe a table that is gone; their
  // marks are durable before it and stay until their rebuild replaces them.
  OrdersChanging();
  const ReplaceOutcome outcome = dbf_.ReplaceWith(copy);
  if (outcome == ReplaceOutcome::Failed) ThrowFault(EG_WRITE, dbf_.Path());
  if (zapMemo && dbt_) dbt_->Zap();
  Position(0);
  std::optional<TableFault> failed;
  try {
    RebuildOrders();
  } catch (const TableFault& fault) {
    failed = fault;
  }
  GoTop();
  if (failed) throw *failed;
  if (outcome == ReplaceOutcome::FolderNotFlushed) ThrowFault(EG_WRITE, dbf_.Path());
}

void WorkArea::RebuildOrders() {
  TableShare share = dbf_.Shared() ? TableShare::Shared : TableShare::Exclusive;
  std::optional<TableFault> failed;
  for (std::size_t i = 0; i < orders_.size();) {
    NtxOrder& o = *orders_[i];
    // The open file must be let go of before it is written anew.
    std::string path = o.Path();
    std::string keyText = o.KeyText();
    bool unique = o.Unique();
    o.Close();
    try {
      BuildOrder(path, keyText, o.keyBlock, unique, OrderCondition{});
      o.Open(path, share, dbf_.ReadOnly());
      ++i;
    } catch (const TableFault& fault) {
      if (!failed) failed = fault;
      orders_.erase(orders_.begin() + static_cast<std::ptrdiff_t>(i));
      const int number = static_cast<int>(i) + 1;
      if (focus_ == number)
        focus_ = 0;
      else if (focus_ > number)
        --focus_;
    }
  }
  if (failed) throw *failed;
}

NtxOrder* WorkArea::Order(int order) {
  return order >= 1 && order <= OrderCount() ? orders_[static_cast<std::size_t>(order - 1)].get() : nullptr;
}

int WorkArea::FindOrder(std::string_view name) const noexcept {
  for (std::size_t i = 0; i < orders_.size(); ++i) {
    const std::string& n = orders_[i]->Name();
    if (n.size() != name.size()) continue;
    bool same = true;
    for (std::size_t k = 0; k < n.size() && same; ++k) {
      char c = name[k];
      if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
      same = n[k] == c;
    }
    if (same) return static_cast<int>(i + 1);
  }
  return 0;
}

void WorkArea::SetFocus(int order) {
  Flush();
  if (order < 0 || order > OrderCount()) return;
  focus_ = order;
}

std::unique_ptr<NtxOrder> WorkArea::OpenOrder(const std::string& path, Value keyBlock) {
  auto o = std::make_unique<NtxOrder>();
  o->Open(path, dbf_.Shared() ? TableShare::Shared : TableShare::Exclusive, dbf_.ReadOnly());
  o->keyBlock = std::move(keyBlock);
  Value probe;
  {
    AreaScope scope(number_);
    Load();
    probe = o->keyBlock.Eval();
  }
  FixKeyType(*o, probe);
  return o;
}

void WorkArea::AddOrder(const std::string& path, Value keyBlock) {
  Flush();
  orders_.push_back(OpenOrder(path, std::move(keyBlock)));
  if (focus_ == 0) focus_ = 1;
}

void WorkArea::ClearOrders() {
  Flush();
  SettleOrders();
  orders_.clear();
  focus_ = 0;
}

void WorkArea::CreateOrder(const std::string& path, const std::string& keyText, Value keyBlock, bool unique,
                           const OrderCondition& cond) {
  Flush();
  for (std::size_t i = 0; i < orders_.size(); ++i) {
    if (orders_[i]->Path() == path) {
      orders_.erase(orders_.begin() + static_cast<std::ptrdiff_t>(i));
      focus_ = 0;
      break;
    }
  }
  BuildOrder(path, keyText, keyBlock, unique, cond);
  Position(0);
  orders_.push_back(OpenOrder(path, std::move(keyBlock)));
  focus_ = OrderCount();
  GoTop();
}

std::uint32_t WorkArea::KeyNo() {
  Flush();
  if (eof_) return 0;
  if (focus_ == 0) return recno_;
  NtxOrder& o = *orders_[focus_ - 1];
  std::string k = EvalKey(o);
  return o.KeyNo(k.data(), recno_);
}

std::uint32_t WorkArea::KeyCount() {
  Flush();
  if (focus_ == 0) return dbf_.RecCount();
  return orders_[focus_ - 1]->KeyCount();
}

}  // namespace rt
