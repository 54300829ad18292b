#pragma once
// Settings (profile) files: reading, writing and deleting one key or one
// section of a named settings file or of the system's own profile. Every
// argument is taken by position: a text argument that is missing or not a
// string reaches the platform as a null pointer, a number one as 0. So a
// write with a value that is not text deletes the key, and one with an entry
// that is not text deletes the whole section (callers convert first).

#include <cstdint>
#include <string>

#include "runtime/value.h"

namespace svc {

// A value comes back cut to 1023 characters. Without an entry name the
// result is every key name of the section, each followed by a zero byte.
std::string GETPVPROFSTRING(const rt::Value& cSection, const rt::Value& cEntry = {},
                            const rt::Value& cDefault = {}, const rt::Value& cFile = {});
std::string GETPROFSTRING(const rt::Value& cSection, const rt::Value& cEntry = {}, const rt::Value& cDefault = {});
std::int32_t GETPVPROFINT(const rt::Value& cSection, const rt::Value& cEntry = {}, const rt::Value& nDefault = {},
                          const rt::Value& cFile = {});
std::int32_t GETPROFINT(const rt::Value& cSection, const rt::Value& cEntry = {}, const rt::Value& nDefault = {});
bool WRITEPPROSTRING(const rt::Value& cSection, const rt::Value& cEntry = {}, const rt::Value& cValue = {},
                     const rt::Value& cFile = {});
bool WRITEPROFSTRING(const rt::Value& cSection, const rt::Value& cEntry = {}, const rt::Value& cValue = {});
bool DELINISECTION(const rt::Value& cSection, const rt::Value& cFile = {});
bool DELINIENTRY(const rt::Value& cSection, const rt::Value& cEntry = {}, const rt::Value& cFile = {});

}  // namespace svc
