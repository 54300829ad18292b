// The button bar written out: its buttons into a settings file, and the
// source text that makes it again.
#include <array>
#include <memory>
#include <string>

#include "controls/tbar.h"
#include "controls/tbtnbmp.h"
#include "services/tini.h"

namespace controls {

namespace {

constexpr const char* kSection = "ButtonBar";
// The generated source's word for each mode; a top bar has none.
constexpr std::array<const char*, 6> kSourceWords{"", "", "LEFT", "RIGHT", "DOWN", "FLOAT"};

std::string Flag(bool on) { return on ? "T" : "F"; }
std::string TextOf(const rt::Value& v) { return v.IsString() ? v.AsString() : std::string(); }

}  // namespace

void TBar::SaveIni(const std::string& cName, const std::string& cIniFile) {
  if (ButtonCount() == 0) return;
  auto ini = std::make_shared<svc::TIni>();
  ini->New(rt::Value(cIniFile));
  ini->Set(kSection, "1", rt::Value(cName + "," + std::to_string(nMode)));
  const std::string section = std::string(kSection) + "." + cName;
  ini->DelSection(rt::Value(section));
  for (std::size_t i = 0; i < ButtonCount(); ++i) {
    const auto b = Button(i);
    if (!b) continue;
    const std::string fields = b->cResName1 + "," + b->cResName2 + "," + b->cBmpFile1 + "," + b->cBmpFile2 + "," +
                               TextOf(b->cMsg) + "," + b->cAction + "," + Flag(b->lGroup) + "," +
                               Flag(b->lAdjust) + "," + TextOf(b->cToolTip) + "," + Flag(b->lPressed);
    ini->Set(rt::Value(section), rt::Value("Button" + std::to_string(i + 1)), rt::Value(fields));
  }
}

std::string TBar::cGenPRG() const {
  std::string text = "\r\n\r\n   DEFINE BUTTONBAR oBar OF oWnd ";
  if (nMode > kBarTop && nMode <= kBarFloat) text += kSourceWords[static_cast<std::size_t>(nMode)];
  for (std::size_t i = 0; i < ButtonCount(); ++i) {
    if (const auto b = Button(i)) text += b->cGenPRG();
  }
  return text;
}

}  // namespace controls
