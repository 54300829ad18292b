#pragma once
// The table of work areas 1..255, the selected area and alias lookup. It is
// also the macro compiler's way to fields: identifiers in key expressions
// and macros resolve through it.

#include <array>
#include <memory>
#include <string>
#include <string_view>

#include "runtime/macro.h"
#include "runtime/work_area.h"

namespace rt {

class WorkAreas final : public MacroHost {
 public:
  static constexpr int kMaxAreas = 255;
  static WorkAreas& Get();

  int Selected() const noexcept { return current_; }
  WorkArea* Area(int n) noexcept { return n >= 1 && n <= kMaxAreas ? areas_[n].get() : nullptr; }
  WorkArea* SelectedArea() noexcept { return areas_[current_].get(); }
  int Select(int n) noexcept;  // returns the previous area; out of range is ignored
  int FindAlias(std::string_view alias) const noexcept;  // 0 when none
  int FirstFree() const noexcept;  // 0 when all are used
  // Opens a table in area n (closing what was open there) under the alias.
  WorkArea& Open(int n, const std::string& alias, const std::string& path, bool shared, bool readOnly);
  void Close(int n);
  void CloseAll();

  int CurrentArea() override { return current_; }
  int AreaOfAlias(std::string_view alias) override { return FindAlias(alias); }
  int FieldIndex(int area, std::string_view name) override;
  Value GetField(int area, int index) override;
  void PutField(int area, int index, const Value& v) override;
  int SelectArea(int area) override { return Select(area); }

 private:
  WorkAreas();
  std::array<std::unique_ptr<WorkArea>, kMaxAreas + 1> areas_;
  int current_ = 1;
};

// Selects an area for the lifetime of the scope: (alias)->(...).
class AreaScope {
 public:
  explicit AreaScope(int area) : previous_(WorkAreas::Get().Select(area)) {}
  ~AreaScope() { WorkAreas::Get().Select(previous_); }
  AreaScope(const AreaScope&) = delete;
  AreaScope& operator=(const AreaScope&) = delete;

 private:
  int previous_;
};

}  // namespace rt
