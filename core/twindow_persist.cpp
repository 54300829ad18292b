// A window's design as a binary record (Save/Load) for window-design tools;
// the record layout is the one of design_record.h, with the window's
// designer events as texts after its properties.
#include <cstddef>
#include <string>

#include "core/design_record.h"
#include "core/send_soft.h"
#include "core/twindow.h"
#include "core/twindow_design.h"
#include "runtime/error.h"
#include "runtime/files.h"
#include "runtime/object.h"
#include "services/compat.h"
#include "services/msgbox.h"

namespace core {

std::string TWindow::Save() const {
  const rt::ClassInfo& cls = GetClass();
  const rt::ObjectPtr fresh = cls.Create();
  const rt::Value self(std::const_pointer_cast<Object>(shared_from_this()));
  std::string items;
  int count = 0;
  try {
    for (const std::string& name : WindowProperties()) {
      const rt::Value value = rt::Send(self, name);
      // Blocks have no text, and an object is saved only by its own Save.
      if (value.IsBlock() || (value.IsObject() && !value.As<TWindow>() && !Understands(value, "Save"))) continue;
      if (fresh && SameRecordValue(value, rt::Send(rt::Value(fresh), name))) continue;
      items += RecordLen2(name.size(), name) + name + RecordOfValue(value, name);
      ++count;
    }
    for (const auto& event : WindowEvents()) {
      const rt::Value text = rt::Send(self, event.front());
      if (!text.IsString()) continue;
      items += RecordLen2(event.front().size(), event.front()) + event.front() + RecordOfValue(text, event.front());
      ++count;
    }
    const std::string& className = ClassName();
    const std::string body =
        RecordLen2(className.size(), "class name") + className + RecordLen2(count, "item count") + items;
    return "O" + RecordLen2(body.size(), "record") + body;
  } catch (const RecordTooLong& e) {
    // The record's 16-bit lengths cannot hold it: a silently cut record
    // would load as garbage.
    rt::ErrorPtr error = rt::MakeError(rt::EG_LIMIT, 0, "BASE", "TWINDOW:SAVE");
    error->description = std::string("Value too long for the window record: ") + e.what();
    error->canDefault = true;
    rt::RaiseError(error);
    return {};
  }
}

void TWindow::Load(const std::string& cData) { LoadRecordItems(Self(), cData); }

bool TWindow::SaveFile(const std::string& cFile) const {
  const std::string record = Save();
  return !record.empty() && rt::MEMOWRIT(cFile, record);
}

bool TWindow::LoadFile(const std::string& cFile) {
  if (!rt::FileExists(cFile)) {
    svc::MSGSTOP("File not found: " + cFile);
    return false;
  }
  const std::string data = rt::MEMOREAD(cFile);
  // The record's letter and length, then the class name with its length.
  RecordReader r(data);
  if (r.Letter() != 'O' || !r.Int2()) return false;
  const auto nameLen = r.Int2();
  if (!nameLen || !r.Bytes(*nameLen)) return false;
  const std::size_t header = 1 + 2 + 2 + static_cast<std::size_t>(*nameLen);
  Load(data.substr(header));
  return true;
}

rt::Value TWindow::ReadFile(const std::string& cFile) {
  rt::Value name(cFile);
  return svc::ULOADOBJECT(rt::Args(&name, 1));
}

}  // namespace core
