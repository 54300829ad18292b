#pragma once
// The scratch table ".\VOSKTEMP.DBF" that a search fills and the result list
// shows: WORT C50, FREMD C50, SPRACHE C2, BITMAP C3. Header rows carry the
// flag bitmap's name in BITMAP; data rows leave it blank.

#include <string>
#include <string_view>

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

// Appends rows to the open scratch table.
class ScratchRows final : public RowSink {
 public:
  // The area open as DTMP.
  ScratchRows();

  void Header(std::string_view wort, std::string_view fremd, std::string_view bitmap) override;
  void Data(std::string_view wort, std::string_view fremd, std::string_view sprache) override;
  long Count() const noexcept { return count_; }

 private:
  void Append(std::string_view wort, std::string_view fremd, std::string_view sprache, std::string_view bitmap);
  rt::WorkArea* area_;
  long count_ = 0;
};

}  // namespace voskdar
