#include "apps/voskdar/scratch_table.h"

#include <algorithm>
#include <cassert>

#include "apps/voskdar/table_faults.h"
#include "runtime/table_fns.h"
#include "runtime/work_areas.h"

namespace voskdar {

bool MAKETEMP(std::string* reason) {
  const rt::Value structure = rt::Value::Array({rt::Value::Array({"WORT", "C", 50, 0}),
                                                rt::Value::Array({"FREMD", "C", 50, 0}),
                                                rt::Value::Array({"SPRACHE", "C", 2, 0}),
                                                rt::Value::Array({"BITMAP", "C", 3, 0})});
  FaultRecorder faults;
  const bool made = rt::DBCREATE(kScratchFile, structure) &&
                    rt::DBUSEAREA(false, "", kScratchFile, kScratchAlias, false, false);
  if (!made && reason) *reason = faults.Reason();
  return made;
}

ScratchRows::ScratchRows() : area_(rt::WorkAreas::Get().Area(rt::SELECT(kScratchAlias))) {
  // Rows go to the file past the area's record buffer: no other program may
  // append, and no order would learn of them.
  assert(area_ && area_->FieldCount() == 4 && !area_->Shared() && area_->OrderCount() == 0);
  block_.reserve(static_cast<std::size_t>(kBlockRows) * area_->Table().RecordLength());
}

void ScratchRows::Header(std::string_view wort, std::string_view fremd, std::string_view bitmap) {
  Append(wort, fremd, {}, bitmap);
}

void ScratchRows::Data(std::string_view wort, std::string_view fremd, std::string_view sprache) {
  Append(wort, fremd, sprache, {});
}

void ScratchRows::Append(std::string_view wort, std::string_view fremd, std::string_view sprache,
                         std::string_view bitmap) {
  ++count_;
  if (failed_) return;
  const rt::DbfFile& table = area_->Table();
  const std::size_t start = block_.size();
  // Not deleted, every field blank-padded or cut to its width.
  block_.resize(start + table.RecordLength(), ' ');
  const std::string_view values[4] = {wort, fremd, sprache, bitmap};
  for (std::size_t i = 0; i < 4; ++i) {
    const rt::DbfField& field = table.Fields()[i];
    const std::string_view value = values[i].substr(0, field.len);
    std::copy(value.begin(), value.end(), block_.begin() + static_cast<std::ptrdiff_t>(start + field.offset));
  }
  if (++held_ == kBlockRows) Flush();
}

bool ScratchRows::Flush() {
  if (failed_) return false;
  if (held_ == 0) return true;
  try {
    area_->Table().AppendRecords(block_.data(), held_);
  } catch (const rt::TableFault& fault) {
    FaultRecorder faults;
    faults.Record(fault, "SUCHEN");
    failed_ = true;
    failure_ = faults.Reason();
  }
  block_.clear();
  held_ = 0;
  return !failed_;
}

}  // namespace voskdar
