#include "runtime/env.h"

#include "runtime/os.h"

namespace rt {

namespace {

std::vector<std::string>& Arguments() {
  static std::vector<std::string> args;
  return args;
}

}  // namespace

std::string GETENV(std::string_view name) { return os::GetEnv(name).value_or(std::string()); }

std::string CURDIR(std::optional<std::string_view>) {
  std::string d = os::CurrentDir();
  if (d.size() >= 2 && d[1] == ':') d.erase(0, 2);
  for (char& c : d)
    if (c == '/') c = '\\';
  while (!d.empty() && d.front() == '\\') d.erase(0, 1);
  while (!d.empty() && d.back() == '\\') d.pop_back();
  return d;
}

std::string CURDRIVE() { return os::CurrentDrive(); }

std::string CURDRIVE(std::string_view drive) {
  std::string previous = os::CurrentDrive();
  if (!drive.empty()) os::ChangeDrive(drive[0]);
  return previous;
}

std::vector<std::string> SplitCommandLine(std::string_view line) {
  std::vector<std::string> out;
  std::size_t i = 0;
  while (out.size() < kMaxArgs) {
    while (i < line.size() && (line[i] == ' ' || line[i] == '\t')) ++i;
    if (i >= line.size()) break;
    std::string arg;
    bool quoted = false;
    for (; i < line.size(); ++i) {
      const char c = line[i];
      if (c == '"') {
        quoted = !quoted;
      } else if ((c == ' ' || c == '\t') && !quoted) {
        break;
      } else {
        arg += c;
      }
    }
    out.push_back(std::move(arg));
  }
  return out;
}

void SetCommandLine(std::string_view line) { Arguments() = SplitCommandLine(line); }

void SetArgs(int argc, const char* const* argv) {
  auto& args = Arguments();
  args.clear();
  for (int i = 0; i < argc && args.size() < kMaxArgs; ++i) args.emplace_back(argv[i] ? argv[i] : "");
}

int HB_ARGC() { return Arguments().empty() ? 0 : static_cast<int>(Arguments().size()) - 1; }

std::string HB_ARGV(int n) {
  const auto& args = Arguments();
  return n >= 0 && static_cast<std::size_t>(n) < args.size() ? args[static_cast<std::size_t>(n)] : std::string();
}

}  // namespace rt
