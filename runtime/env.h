#pragma once
// The program's environment: variables, the current directory and drive,
// and the command-line arguments.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace rt {

std::string GETENV(std::string_view name);  // "" when not set

// The current directory without drive and without leading or trailing
// separator ("" at the root); separators are "\". The drive argument is
// accepted for its form only: the current drive's directory is returned.
std::string CURDIR(std::optional<std::string_view> drive = {});
// The current drive letter ("" where there are no drives); with a letter,
// makes that drive current and returns the previous one.
std::string CURDRIVE();
std::string CURDRIVE(std::string_view drive);

// The command line split into arguments: blanks and tabs separate them,
// double quotes group blanks into one argument (and are removed). At most
// kMaxArgs arguments are kept, the program's own name included; the rest of
// the line is dropped.
inline constexpr std::size_t kMaxArgs = 64;
std::vector<std::string> SplitCommandLine(std::string_view line);

// The program start records the arguments: on Windows from the whole
// command line (GetCommandLineA), elsewhere from main's argv.
void SetCommandLine(std::string_view line);
void SetArgs(int argc, const char* const* argv);
int HB_ARGC();                   // arguments after the program's name
std::string HB_ARGV(int n = 0);  // 0: the program; "" beyond the last

}  // namespace rt
