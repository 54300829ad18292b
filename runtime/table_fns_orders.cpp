// Index orders and seeking.

#include "runtime/macro.h"
#include "runtime/settings.h"
#include "runtime/table_errors.h"
#include "runtime/table_fns.h"
#include "runtime/table_fns_util.h"
#include "runtime/table_texts.h"
#include "runtime/work_areas.h"

namespace rt {

namespace {

WorkArea* Selected() { return WorkAreas::Get().SelectedArea(); }

OrderCondition& PendingCondition() {
  static OrderCondition cond;
  return cond;
}

int OrderNumber(WorkArea& a, const Value& order) {
  if (order.IsNil()) return a.Focus();
  if (order.IsNumber()) return static_cast<int>(order.AsInt());
  return a.FindOrder(order.AsString());
}

}  // namespace

bool ORDLISTADD(std::string_view file) {
  return RunGuarded("ORDLISTADD", [&] {
    WorkArea* a = Selected();
    if (!a) ThrowFault(EG_NOTABLE, std::string(file));
    std::string path = ResolvePath(file, ".NTX");
    NtxOrder probe;
    probe.Open(path, TableShare::Shared, true);
    std::string keyText = probe.KeyText();
    probe.Close();
    Value block = MacroCompile(keyText);
    if (!block.IsBlock()) ThrowFault(EG_CORRUPTION, path, TableMessage(TableText::KeyTextNotEvaluable, keyText));
    a->AddOrder(path, block);
  });
}

void ORDLISTCLEAR() {
  RunGuarded("ORDLISTCLEAR", [] {
    if (WorkArea* a = Selected()) a->ClearOrders();
  });
}

std::string ORDSETFOCUS(const Value& order) {
  std::string previous;
  RunGuarded("ORDSETFOCUS", [&] {
    WorkArea* a = Selected();
    if (!a) return;
    if (NtxOrder* o = a->Order(a->Focus())) previous = o->Name();
    if (!order.IsNil()) a->SetFocus(OrderNumber(*a, order));
  });
  return previous;
}

int INDEXORD() {
  WorkArea* a = Selected();
  return a ? a->Focus() : 0;
}

std::string ORDKEY(const Value& order) {
  WorkArea* a = Selected();
  if (!a) return "";
  NtxOrder* o = a->Order(OrderNumber(*a, order));
  return o ? o->KeyText() : "";
}

std::string INDEXKEY(int order) { return ORDKEY(order == 0 ? Value() : Value(order)); }

std::string ORDNAME(int order) {
  WorkArea* a = Selected();
  if (!a) return "";
  NtxOrder* o = a->Order(order == 0 ? a->Focus() : order);
  return o ? o->Name() : "";
}

long ORDKEYNO() {
  long n = 0;
  RunGuarded("ORDKEYNO", [&] {
    if (WorkArea* a = Selected()) n = static_cast<long>(a->KeyNo());
  });
  return n;
}

long ORDKEYCOUNT() {
  long n = 0;
  RunGuarded("ORDKEYCOUNT", [&] {
    if (WorkArea* a = Selected()) n = static_cast<long>(a->KeyCount());
  });
  return n;
}

bool ORDKEYGOTO(long n) {
  bool landed = false;
  RunGuarded("ORDKEYGOTO", [&] {
    WorkArea* a = Selected();
    if (!a) return;
    if (n < 1) {
      a->GoTo(0);
      return;
    }
    a->GoTop();
    if (n > 1) a->Skip(n - 1);
    landed = !a->Eof();
  });
  return landed;
}

// An order always covers every record here, so ALL needs no handling.
void ORDCONDSET([[maybe_unused]] bool all, const Value& evalBlock, long every) {
  PendingCondition() = OrderCondition{evalBlock, every};
}

// One order per file, named after the file: the order name is not used.
bool ORDCREATE(std::string_view file, [[maybe_unused]] std::string_view name,
               std::string_view keyText, const Value& keyBlock, bool unique) {
  OrderCondition cond = PendingCondition();
  PendingCondition() = OrderCondition{};
  return RunGuarded("ORDCREATE", [&] {
    WorkArea* a = Selected();
    if (!a) ThrowFault(EG_NOTABLE, std::string(file));
    Value block = keyBlock.IsBlock() ? keyBlock : MacroCompile(keyText);
    if (!block.IsBlock()) ThrowFault(EG_SYNTAX, std::string(file), TableMessage(TableText::KeyTextInvalid, keyText));
    a->CreateOrder(ResolvePath(file, ".NTX"), std::string(keyText), block, unique, cond);
  });
}

bool DBSEEK(const Value& key, std::optional<bool> softSeek) {
  bool found = false;
  RunGuarded("DBSEEK", [&] {
    WorkArea* a = Selected();
    if (!a) ThrowFault(EG_NOTABLE, {});
    a->Seek(key, softSeek.value_or(Sets().softseek));
    found = a->Found();
  });
  return found;
}

}  // namespace rt
