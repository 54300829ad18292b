#include "core/accelerators.h"

#include <vector>

#include "services/int32.h"

namespace core {

namespace {

HACCEL& Current() {
  static HACCEL table = nullptr;
  return table;
}

// Counts the choices of a table, so that a detached table is not put back
// over a newer choice.
unsigned& Changes() {
  static unsigned changes = 0;
  return changes;
}

rt::Value Item(const rt::Value& entry, std::size_t n) {
  return entry.IsArray() && entry.Len() >= n ? entry.At(n) : rt::Value();
}

}  // namespace

HACCEL SETACCTABLE(const rt::Value& aAccelerators) {
  if (!aAccelerators.IsArray()) return nullptr;
  std::vector<ACCEL> records;
  for (const rt::Value& entry : aAccelerators.Items()) {
    ACCEL a{};
    a.fVirt = static_cast<BYTE>(svc::ToInt32(Item(entry, 2)) | FVIRTKEY);
    a.key = static_cast<WORD>(svc::ToInt32(Item(entry, 1)));
    a.cmd = static_cast<WORD>(svc::ToInt32(Item(entry, 3)));
    records.push_back(a);
  }
  HACCEL table = records.empty()
                     ? nullptr
                     : CreateAcceleratorTableA(records.data(), static_cast<int>(records.size()));
  Current() = table;
  ++Changes();
  return table;
}

void SETACCTABLE() {
  HACCEL old = Current();
  Current() = nullptr;
  ++Changes();
  if (old) DestroyAcceleratorTable(old);
}

HACCEL CurrentAccelTable() { return Current(); }

AccelDetach::AccelDetach() : kept_(Current()), changes_(Changes()) { Current() = nullptr; }

AccelDetach::~AccelDetach() {
  if (Changes() == changes_) Current() = kept_;
}

}  // namespace core
