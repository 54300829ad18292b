#pragma once
// A dBase III table file: header, field descriptors and fixed-length records.
//
// Character fields longer than 255 bytes keep the low byte of the length in
// the length byte and the high byte in the decimals byte, which is where
// other xBase tools that allow such fields put it; a C field never has
// decimals, so nothing is lost for the others.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "runtime/record_windows.h"
#include "runtime/table_file.h"

namespace rt {

struct DbfField {
  std::string name;  // upper case, at most 10 characters
  char type = 'C';   // C, N, L, D, M
  std::uint16_t len = 0;
  std::uint8_t dec = 0;
  std::uint32_t offset = 0;  // within the record, after the deletion flag
};

class DbfFile {
 public:
  static constexpr std::size_t kHeaderSize = 32;
  static constexpr std::size_t kFieldSize = 32;
  static constexpr std::uint16_t kMaxRecordLength = 65535;

  // Writes an empty table (replacing an existing file). The fields get their
  // offsets; names are upper-cased. Raises EG_CREATE or EG_ARG faults.
  static void Create(const std::string& path, std::vector<DbfField>& fields, bool withMemo);
  // Checks a structure for DBCREATE: known types, widths, unique names.
  static void CheckStructure(const std::string& path, std::vector<DbfField>& fields);

  // Raises EG_OPEN with the system's code, or EG_CORRUPTION for a file that
  // is not a table this driver can read.
  void Open(const std::string& path, TableShare share, bool readOnly);
  void Close();
  bool IsOpen() const noexcept { return file_.IsOpen(); }

  const std::string& Path() const noexcept { return path_; }
  const std::vector<DbfField>& Fields() const noexcept { return fields_; }
  int FieldPos(std::string_view name) const noexcept;  // 1-based, 0 when none
  std::uint16_t RecordLength() const noexcept { return recLen_; }
  std::uint16_t HeaderLength() const noexcept { return hdrLen_; }
  bool HasMemoFields() const noexcept;
  bool ReadOnly() const noexcept { return readOnly_; }
  bool Shared() const noexcept { return share_ == TableShare::Shared; }

  // Records that exist on disk: the header's count, but never more than the
  // file holds.
  std::uint32_t RecCount() const noexcept { return count_; }
  // Re-reads the count that other programs may have changed (shared mode).
  void Refresh();
  void ReadRecord(std::uint32_t recno, char* dst);
  // Drops the records kept from earlier reads, so that the next read sees
  // what other programs wrote since (after a lock).
  void ForgetReads() noexcept { windows_.Clear(); }
  void WriteRecord(std::uint32_t recno, const char* src);
  // Writes the record and the end-of-file mark first and the header count
  // afterwards, so that a crash in between leaves the old table.
  std::uint32_t AppendRecord(const char* src);
  // Writes a complete table file at `to`, beside this one: the header and
  // the live records (or none), header last, flushed. Raises EG_CREATE or
  // EG_WRITE faults.
  enum class Keep : std::uint8_t { LiveRecords, Nothing };
  void WriteCopy(const std::string& to, Keep keep);
  // Closes the table, renames a file WriteCopy wrote over it and opens the
  // result as before (the old table again when the rename failed, which
  // also removes the copy).
  ReplaceOutcome ReplaceWith(const std::string& copy);
  // Appends `count` records that lie one after the other at src with one
  // write for the records and one for the header; the number of the last.
  std::uint32_t AppendRecords(const char* src, std::uint32_t count);
  // Raises EG_WRITE when the system cannot make the file durable.
  void Flush();
  TableFile& File() noexcept { return file_; }

 private:
  void Parse();
  [[noreturn]] void HeaderDamaged() const;
  void WriteCountAndDate();

  TableFile file_;
  std::string path_;
  TableShare share_ = TableShare::Exclusive;
  bool readOnly_ = false;
  bool changed_ = false;
  std::uint8_t version_ = 3;
  std::vector<DbfField> fields_;
  std::uint16_t hdrLen_ = 0;
  std::uint16_t recLen_ = 0;
  std::uint32_t count_ = 0;
  RecordWindows windows_;
};

// Appends ".DBF" (or the given extension) when the name has no extension.
std::string WithDefaultExtension(std::string_view name, std::string_view ext);
// The memo file that belongs to a table file (".DBT", lower case when the
// table's extension is).
std::string MemoPathOf(const std::string& tablePath);

}  // namespace rt
