#pragma once
// A work area: one open table with its memo file and index orders, the
// record pointer and the one record buffer through which all reads and
// writes pass. Changes stay in the buffer until the pointer moves, the
// table is committed or closed; then the record is written and every open
// order gets the record's old key out and its new key in.
//
// Failures are raised as TableFault; the xBase functions turn them into
// error objects.

#include <cstdint>
#include <memory>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "runtime/dbf_file.h"
#include "runtime/dbt_memo.h"
#include "runtime/ntx_order.h"
#include "runtime/value.h"

namespace rt {

struct OrderCondition {
  Value evalBlock;     // evaluated during a build; .F. stops it
  long every = 0;      // evaluate every n records; 0 = every record
};

class WorkArea {
 public:
  WorkArea(int number, std::string alias) : number_(number), alias_(std::move(alias)) {}
  ~WorkArea();
  WorkArea(const WorkArea&) = delete;
  WorkArea& operator=(const WorkArea&) = delete;

  void Open(const std::string& path, bool shared, bool readOnly);
  void Close();

  int Number() const noexcept { return number_; }
  const std::string& Alias() const noexcept { return alias_; }
  DbfFile& Table() noexcept { return dbf_; }
  bool Shared() const noexcept { return dbf_.Shared(); }
  bool ReadOnly() const noexcept { return dbf_.ReadOnly(); }

  // Fields (1-based).
  int FieldCount() const noexcept { return static_cast<int>(dbf_.Fields().size()); }
  int FieldPos(std::string_view name) const noexcept { return dbf_.FieldPos(name); }
  Value FieldGet(int index);
  void FieldPut(int index, const Value& v);

  // Position.
  std::uint32_t RecNo() const noexcept { return recno_; }
  std::uint32_t RecCount() const noexcept { return dbf_.RecCount(); }
  bool Bof() const noexcept { return bof_; }
  bool Eof() const noexcept { return eof_; }
  bool Found() const noexcept { return found_; }
  void GoTop();
  void GoBottom();
  void GoTo(std::uint32_t recno);
  void Skip(long n);
  // Skip(1) over the order in focus for a walk through the keys that begin
  // with `start`: where the next key does not, the area goes to EOF and the
  // result is false, without reading that record from the table.
  bool SkipWithinKey(std::string_view start);
  void Seek(const Value& key, bool softSeek);

  // Records.
  void Append();
  void Delete();
  void Recall();
  bool Deleted();
  void Commit();  // writes the buffer and flushes table, memo and orders to disk
  void Flush();   // writes the buffer
  bool Lock(std::uint32_t recno);
  void UnlockAll();
  void Pack();
  void Zap();

  // Orders.
  int OrderCount() const noexcept { return static_cast<int>(orders_.size()); }
  int Focus() const noexcept { return focus_; }
  void SetFocus(int order);  // 0 = natural order
  NtxOrder* Order(int order);  // 1-based; null when none
  int FindOrder(std::string_view name) const noexcept;  // 1-based, 0 when none
  void AddOrder(const std::string& path, Value keyBlock);
  void ClearOrders();
  // Builds an order from every record (deleted ones too) and leaves it open
  // with focus; replaces an open order of the same file.
  void CreateOrder(const std::string& path, const std::string& keyText, Value keyBlock, bool unique,
                   const OrderCondition& cond);
  std::uint32_t KeyNo();
  std::uint32_t KeyCount();

  // The raw record and its deletion mark, for copying between tables.
  const char* RecordBuffer();
  void SetDeletedMark(bool deleted);
  DbtMemo* Memo() noexcept { return dbt_.get(); }

 private:
  void Load();
  void Position(std::uint32_t recno);  // 0 = phantom record
  void RefreshIfShared();
  bool Visible(std::uint32_t recno);
  // From r on, the first record SET DELETED lets through, moving forward or
  // back in the order in force; 0 when none is left, or (with a `bound`)
  // when the order's key stops beginning with it.
  std::uint32_t SkipHidden(std::uint32_t r, bool forward, std::string_view bound = {});
  void GoEnd(bool top);
  // After a fault in a move: at the end of file, and at its beginning too
  // when the move went back.
  void ParkAfterFault(bool bof);
  // Marks the orders as being changed (durably) before a change reaches
  // the table. An exclusive area keeps the marks until DBCOMMIT or close;
  // a shared one, which other programs open alongside, settles after each
  // change.
  void OrdersChanging();
  bool OrdersMarked() const noexcept;
  // After a failed change the orders may disagree with the table: their
  // marks stay until they are rebuilt.
  void OrdersKeepMarked() noexcept;
  // Makes the table, memo and orders durable and only then clears the
  // orders' marks (when any is set), since a cleared mark on the disk
  // vouches for every write before it.
  void SettleOrders();
  void FlushFiles();
  // Renames a table copy over the table and rebuilds the orders for it. A
  // rename that went through whose folder could not be flushed still gets
  // its orders rebuilt before the error is raised.
  void ReplaceTable(const std::string& copy, bool zapMemo);
  std::uint32_t NextRaw();
  std::uint32_t PrevRaw();
  void SyncCursor(NtxOrder& o, bool& onEntry);
  std::string EvalKey(NtxOrder& o);
  void FixKeyType(NtxOrder& o, const Value& keyValue);
  // Opens an order file of this table with its key block, its key type
  // fixed by the key of the current record.
  std::unique_ptr<NtxOrder> OpenOrder(const std::string& path, Value keyBlock);
  void WriteBuffer();
  void RequireWritable();
  // An order whose rebuild fails is dropped from the area (its file keeps
  // the mark or has no header, so it is refused when opened); the first
  // failure is raised once the others are rebuilt.
  void RebuildOrders();
  void BuildOrder(const std::string& path, const std::string& keyText, const Value& keyBlock, bool unique,
                  const OrderCondition& cond);

  int number_;
  std::string alias_;
  DbfFile dbf_;
  std::unique_ptr<DbtMemo> dbt_;
  std::vector<std::unique_ptr<NtxOrder>> orders_;
  int focus_ = 0;
  std::vector<char> rec_;   // the record buffer
  std::vector<char> orig_;  // the record as it is on disk
  std::vector<char> scratch_;  // other records' deletion marks are read here
  std::uint32_t recno_ = 0;
  bool loaded_ = false;
  bool dirty_ = false;
  bool bof_ = true;
  bool eof_ = true;
  bool found_ = false;
  std::set<std::uint32_t> locks_;
};

}  // namespace rt
