#include "runtime/work_areas.h"

#include "runtime/table_errors.h"
#include "runtime/table_fault.h"
#include "runtime/text_case.h"

namespace rt {

WorkAreas::WorkAreas() { SetMacroHost(this); }

WorkAreas& WorkAreas::Get() {
  static WorkAreas areas;
  return areas;
}

int WorkAreas::Select(int n) noexcept {
  int previous = current_;
  if (n >= 1 && n <= kMaxAreas) current_ = n;
  return previous;
}

int WorkAreas::FindAlias(std::string_view alias) const noexcept {
  for (int n = 1; n <= kMaxAreas; ++n) {
    const WorkArea* a = areas_[n].get();
    if (!a || a->Alias().size() != alias.size()) continue;
    bool same = true;
    for (std::size_t i = 0; i < alias.size() && same; ++i) same = a->Alias()[i] == AsciiUpperChar(alias[i]);
    if (same) return n;
  }
  return 0;
}

int WorkAreas::FirstFree() const noexcept {
  for (int n = 1; n <= kMaxAreas; ++n)
    if (!areas_[n]) return n;
  return 0;
}

WorkArea& WorkAreas::Open(int n, const std::string& alias, const std::string& path, bool shared,
                          bool readOnly) {
  Close(n);
  auto area = std::make_unique<WorkArea>(n, AsciiUpper(alias));
  area->Open(path, shared, readOnly);
  areas_[n] = std::move(area);
  return *areas_[n];
}

void WorkAreas::Close(int n) {
  if (n < 1 || n > kMaxAreas || !areas_[n]) return;
  // Pending changes are written while the area can still be found: the
  // orders' keys read its fields by alias and number.
  try {
    areas_[n]->Close();
  } catch (...) {
    areas_[n].reset();
    throw;
  }
  areas_[n].reset();
}

void WorkAreas::CloseAll() {
  for (int n = 1; n <= kMaxAreas; ++n) Close(n);
  current_ = 1;
}

int WorkAreas::FieldIndex(int area, std::string_view name) {
  WorkArea* a = Area(area);
  return a ? a->FieldPos(name) : 0;
}

Value WorkAreas::GetField(int area, int index) {
  WorkArea* a = Area(area);
  if (!a) return Value();
  Value result;
  RunGuarded("FIELDGET", [&] { result = a->FieldGet(index); });
  return result;
}

void WorkAreas::PutField(int area, int index, const Value& v) {
  WorkArea* a = Area(area);
  if (!a) return;
  RunGuarded("FIELDPUT", [&] { a->FieldPut(index, v); });
}

}  // namespace rt
