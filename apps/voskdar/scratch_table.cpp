#include "apps/voskdar/scratch_table.h"

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
  assert(area_ && area_->FieldCount() == 4);
}

void ScratchRows::Header(std::string_view wort, std::string_view fremd, std::string_view bitmap) {
  Append(wort, fremd, {}, bitmap);
}

void ScratchRows::Data(std::string_view wort, std::string_view fremd, std::string_view sprache) {
  Append(wort, fremd, sprache, {});
}

void ScratchRows::Append(std::string_view wort, std::string_view fremd, std::string_view sprache,
                         std::string_view bitmap) {
  area_->Append();
  area_->FieldPut(1, rt::Value(std::string(wort)));
  area_->FieldPut(2, rt::Value(std::string(fremd)));
  area_->FieldPut(3, rt::Value(std::string(sprache)));
  area_->FieldPut(4, rt::Value(std::string(bitmap)));
  ++count_;
}

}  // namespace voskdar
