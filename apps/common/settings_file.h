#pragma once
// Reading and writing the shared settings file one key at a time. A key
// missing from the file reads as its default in the catalogue of keys; no
// read writes a default back; the first write creates the file.

#include <string>
#include <string_view>

namespace common {

std::string ReadSetting(std::string_view section, std::string_view key);
bool ReadSwitch(std::string_view section, std::string_view key);
// Failed writes are not reported.
void WriteSetting(std::string_view section, std::string_view key, std::string_view value);
void WriteSwitch(std::string_view section, std::string_view key, bool on);

// The byte copy ".\Voskdar.sav" of the settings file, and its way back;
// each does nothing while its source does not exist.
void CopySettings();
void RestoreSettings();

}  // namespace common
