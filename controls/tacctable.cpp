#include "controls/tacctable.h"

#include <windows.h>

#include "core/accelerators.h"
#include "services/int32.h"

namespace ctl {
namespace {

// The table object that made the current native table. A handle alone
// would not do: a destroyed table's handle may come back for a new one.
const TAccTable*& ActiveTable() {
  static const TAccTable* active = nullptr;
  return active;
}

}  // namespace

const TAccTable* TAccTable::Active() {
  const TAccTable* active = ActiveTable();
  // Someone else may have chosen a table through SETACCTABLE since.
  if (active && core::CurrentAccelTable() != svc::HandleOf<HACCEL>(svc::ToHandle(active->nHandle))) return nullptr;
  return active;
}

TAccTable::~TAccTable() {
  if (ActiveTable() == this) ActiveTable() = nullptr;
}

TAccTable& TAccTable::New() {
  aItems = rt::Value::Array();
  return *this;
}

void TAccTable::Activate() {
  core::SETACCTABLE();
  rt::Value entries = rt::Value::Array();
  // The message loop takes {key, flags, id}.
  for (const rt::Value& item : aItems.Items())
    entries.Items().push_back(rt::Value::Array({item.At(2), item.At(1), item.At(3)}));
  HACCEL table = core::SETACCTABLE(entries);
  nHandle = rt::Value(svc::HandleNumber(table));
  ActiveTable() = table ? this : nullptr;
}

long TAccTable::Find(long nVKState, long nVirtKey) const {
  const auto& items = aItems.Items();
  for (std::size_t i = 0; i < items.size(); ++i)
    if (items[i].At(1).AsInt() == nVKState && items[i].At(2).AsInt() == nVirtKey) return static_cast<long>(i);
  return -1;
}

void TAccTable::Add(long nVKState, long nVirtKey, long nId) {
  if (Find(nVKState, nVirtKey) < 0) aItems.Items().push_back(rt::Value::Array({nVKState, nVirtKey, nId}));
}

void TAccTable::DeActivate() {
  if (Active() != this) return;
  core::SETACCTABLE();
  ActiveTable() = nullptr;
}

void TAccTable::Del(long nVKState, long nVirtKey) {
  const long at = Find(nVKState, nVirtKey);
  if (at >= 0) aItems.Items().erase(aItems.Items().begin() + at);
}

void TAccTable::End() {
  DeActivate();
  if (ActiveTable() == this) ActiveTable() = nullptr;
  nHandle = rt::Value();
}

const rt::ClassInfo& TAccTable::ClassDef() {
  static const rt::ClassInfo info("TACCTABLE", &rt::Object::ClassDef(), rt::FactoryOf<TAccTable>(),
                                  [](rt::ClassInfo& c) {
                                    rt::ClassBuilder<TAccTable>(c)
                                        .Data("nHandle", &TAccTable::nHandle)
                                        .Data("aItems", &TAccTable::aItems)
                                        .Method("New", [](TAccTable& t, rt::Args) { return t.New().Self(); })
                                        .Method("Activate",
                                                [](TAccTable& t, rt::Args) {
                                                  t.Activate();
                                                  return rt::Value();
                                                })
                                        .Method("Add",
                                                [](TAccTable& t, rt::Args a) {
                                                  if (a.size() >= 3) t.Add(a[0].AsInt(), a[1].AsInt(), a[2].AsInt());
                                                  return rt::Value();
                                                })
                                        .Method("DeActivate",
                                                [](TAccTable& t, rt::Args) {
                                                  t.DeActivate();
                                                  return rt::Value();
                                                })
                                        .Method("Del",
                                                [](TAccTable& t, rt::Args a) {
                                                  if (a.size() >= 2) t.Del(a[0].AsInt(), a[1].AsInt());
                                                  return rt::Value();
                                                })
                                        .Method("End", [](TAccTable& t, rt::Args) {
                                          t.End();
                                          return rt::Value();
                                        });
                                  });
  return info;
}
RT_CLASS_REGISTER(TAccTable);

}  // namespace ctl
