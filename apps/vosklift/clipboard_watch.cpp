#include "apps/vosklift/clipboard_watch.h"

#include "apps/common/marker_files.h"
#include "apps/common/settings_file.h"
#include "apps/vosklift/loader_state.h"
#include "core/tclipboard.h"
#include "runtime/strings.h"
#include "services/process.h"
#include "services/timer.h"

namespace vosklift {

namespace {

bool IsBreak(unsigned char c) { return c <= ' '; }

// The clipboard's text; false when it is not one the watch takes. A
// clipboard held open elsewhere reads as empty.
bool ClipboardText(std::string& text) {
  LoaderState& s = Loader();
  text = s.oClip ? s.oClip->GetText() : std::string();
  return WatchableText(text);
}

}  // namespace

std::string CommandWord(std::string_view text) {
  std::string word;
  std::size_t i = 0;
  while (i < text.size() && IsBreak(static_cast<unsigned char>(text[i]))) ++i;
  for (; i < text.size() && !IsBreak(static_cast<unsigned char>(text[i])) && word.size() < kCommandWordLimit; ++i)
    if (text[i] != '"') word += text[i];
  return word;
}

bool WatchableText(std::string_view text) {
  if (text.size() > kWatchTextLimit) return false;
  for (const unsigned char c : text)
    if (c < ' ' && c != '\t' && c != '\r' && c != '\n') return false;
  return true;
}

bool SemaphoreLive() {
  bool live = false;
  for (const auto path : {common::kSearchSemaphore, common::kEditorSemaphore}) {
    if (!common::MarkerExists(path)) continue;
    common::EraseMarker(path);
    live = live || common::MarkerExists(path);
  }
  return live;
}

bool CHKCLIPBOARD() {
  std::string text;
  if (!ClipboardText(text)) return true;
  text = rt::ALLTRIM(text);
  const std::string lastCopy = common::ReadSetting("Seek", "String");
  LoaderState& s = Loader();
  if (text.empty() || text == lastCopy || text == s.cLastSeen) return true;
  s.cLastSeen = text;
  // Beside a running program the text counts as seen: a start now would
  // meet the editor's refusal or share the search's scratch table.
  if (SemaphoreLive()) return true;
  const std::string word = CommandWord(text);
  if (word.empty()) return true;
  if (s.oTimer) s.oTimer->DeActivate();
  svc::WAITRUN("Voskdar.EXE " + word);
  if (s.oTimer && s.lClpTime) s.oTimer->Activate();
  return true;
}

void LOADVOSK() {
  if (!SemaphoreLive()) svc::WINEXEC("Voskdar.exe @");
}

}  // namespace vosklift
