#pragma once
// The scratch table ".\VOSKTEMP.DBF" that a search fills and the result list
// shows: WORT C50, FREMD C50, SPRACHE C2, BITMAP C3. Header rows carry the
// flag bitmap's name in BITMAP; data rows leave it blank.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace rt {
class WorkArea;
}

namespace voskdar {

inline constexpr std::string_view kScratchFile = "VOSKTEMP.DBF";
inline constexpr std::string_view kScratchAlias = "DTMP";

// MAKETEMP: creates the table anew (replacing the old one) and opens it
// exclusively as DTMP in the current work area. False, with the reason,
// when it cannot be created or opened (held by another program); no other
// table is touched then.
bool MAKETEMP(std::string* reason = nullptr);

// Where a search puts its rows.
class RowSink {
 public:
  virtual ~RowSink() = default;
  virtual void Header(std::string_view wort, std::string_view fremd, std::string_view bitmap) = 0;
  virtual void Data(std::string_view wort, std::string_view fremd, std::string_view sprache) = 0;
};

// Appends rows to the open scratch table, a block of rows per write: a
// search with many hits would otherwise cost a few writes for every row.
class ScratchRows final : public RowSink {
 public:
  // Rows held before they are written together.
  static constexpr std::uint32_t kBlockRows = 512;

  // The area open as DTMP, exclusively and without orders.
  ScratchRows();

  void Header(std::string_view wort, std::string_view fremd, std::string_view bitmap) override;
  void Data(std::string_view wort, std::string_view fremd, std::string_view sprache) override;
  // Writes the rows still held. False once a write has failed: the rows
  // from then on are dropped, and Failure() says why.
  bool Flush();
  const std::string& Failure() const noexcept { return failure_; }
  // The rows given, written or held.
  long Count() const noexcept { return count_; }

 private:
  void Append(std::string_view wort, std::string_view fremd, std::string_view sprache, std::string_view bitmap);
  rt::WorkArea* area_;
  std::vector<char> block_;
  std::uint32_t held_ = 0;
  long count_ = 0;
  bool failed_ = false;
  std::string failure_;
};

}  // namespace voskdar
