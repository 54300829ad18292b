#include "apps/voskdar/program_state.h"

#include "apps/common/settings_file.h"
#include "runtime/files.h"
#include "runtime/memvar.h"

namespace voskdar {

namespace {

// The settings keys of the six language items, in the catalogue's order.
constexpr std::array<const char*, 6> kLanguageKeys{"Eng", "Fra", "Ita", "Spa", "Por", "Lat"};
constexpr const char* kSection = "Voskdar";

}  // namespace

ProgramState& Program() {
  static ProgramState state;
  return state;
}

bool CHECKINI(bool lRead) {
  ProgramState& s = Program();
  for (std::size_t i = 0; i < s.lTable.size(); ++i)
    s.lTable[i] = rt::FileExists(common::TablePath(common::kWordTables[i]));
  if (lRead) {
    rt::MEMVARPUT(kReleaseVar, common::ReadSetting("Project", "PVoskdar"));
    rt::MEMVARPUT(kShortNameVar, common::ReadSetting("Project", "ShortName"));
    s.cAboutBmp = common::ReadSetting("About", "AboutBMP");
    s.lClsCopy = common::ReadSwitch("System", "ClsCopy");
    for (std::size_t i = 0; i < kLanguageKeys.size(); ++i)
      s.options.languages[i] = common::ReadSwitch(kSection, kLanguageKeys[i]) && s.lTable[i];
    s.options.german = common::ReadSwitch(kSection, "Deu");
    s.options.foreign = common::ReadSwitch(kSection, "Fremd");
    s.options.exact = common::ReadSwitch(kSection, "Exact");
  } else {
    for (std::size_t i = 0; i < kLanguageKeys.size(); ++i)
      common::WriteSwitch(kSection, kLanguageKeys[i], s.options.languages[i]);
    common::WriteSwitch(kSection, "Deu", s.options.german);
    common::WriteSwitch(kSection, "Fremd", s.options.foreign);
    common::WriteSwitch(kSection, "Exact", s.options.exact);
  }
  common::WriteSetting("Info", "Product", rt::MEMVARGET(kReleaseVar).AsString());
  return true;
}

}  // namespace voskdar
