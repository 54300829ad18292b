#pragma once
// A keyboard accelerator table: entries {nVKState, nVirtKey, nId}, each state
// and key pair at most once. Only one table is active in the program, the one
// last activated; its keys become commands for the main window.

#include "runtime/object.h"
#include "runtime/value.h"

namespace ctl {

class TAccTable : public rt::Object {
 public:
  RT_CLASS_DECL()

  rt::Value nHandle;                      // the native table while active
  rt::Value aItems = rt::Value::Array();  // {nVKState, nVirtKey, nId}

  ~TAccTable() override;

  TAccTable& New();
  // Makes this table the active one in place of any other.
  void Activate();
  // A pair that is in the table already keeps its first id.
  void Add(long nVKState, long nVirtKey, long nId);
  // Clears the active table only when it is this one, so that a pop-up
  // ending its table leaves the main window's keys alone.
  void DeActivate();
  void Del(long nVKState, long nVirtKey);
  void End();

  // The active table, null when no table object is active.
  static const TAccTable* Active();

 private:
  long Find(long nVKState, long nVirtKey) const;  // 0-based, -1 when absent
};

}  // namespace ctl
