// Menus and items as design records (the layout of core/design_record.h).
#include <string>
#include <vector>

#include "controls/tmenu.h"
#include "core/design_record.h"
#include "runtime/error.h"

namespace ctl {
namespace {

const std::vector<std::string>& MenuProperties() {
  static const std::vector<std::string> names{"aItems", "cVarName"};
  return names;
}

std::string Record(const rt::Object& object, const std::vector<std::string>& properties, const char* operation) {
  try {
    return core::ObjectRecordOf(object, properties);
  } catch (const core::RecordTooLong& e) {
    rt::ErrorPtr error = rt::MakeError(rt::EG_LIMIT, 0, "BASE", operation);
    error->description = std::string("Value too long for the menu record: ") + e.what();
    error->canDefault = true;
    rt::RaiseError(error);
    return {};
  }
}

// A damaged or short record is an error the program hears of; what was
// read before the damage stays assigned.
void Read(const rt::Value& self, const std::string& data, const char* operation) {
  if (core::LoadRecordItems(self, data)) return;
  rt::ErrorPtr error = rt::MakeError(rt::EG_CORRUPTION, 0, "BASE", operation);
  error->description = "Menu record damaged or incomplete";
  error->canDefault = true;
  rt::RaiseError(error);
}

}  // namespace

std::string TMenu::Save() const { return Record(*this, MenuProperties(), "TMENU:SAVE"); }

void TMenu::Load(const std::string& cData) {
  Read(Self(), cData, "TMENU:LOAD");
  // The loaded items get their native entries.
  const std::vector<std::shared_ptr<TMenuItem>> loaded = Items();
  aItems = rt::Value::Array();
  for (const auto& item : loaded) Add(item);
}

std::string TMenuItem::Save() const { return Record(*this, MenuItemProperties(), "TMENUITEM:SAVE"); }

void TMenuItem::Load(const std::string& cData) { Read(Self(), cData, "TMENUITEM:LOAD"); }

}  // namespace ctl
