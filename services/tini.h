#pragma once
// A settings file bound to an object, with values converted by type. An
// empty file name stands for the system's own profile.

#include <string>

#include "runtime/object.h"
#include "runtime/value.h"

namespace svc {

class TIni : public rt::Object {
 public:
  RT_CLASS_DECL()

  std::string cIniFile;
  bool lAutoSet = true;  // write the default back when a read falls back to it

  // NIL is the system profile; a name without "." gets ".ini".
  TIni& New(const rt::Value& cIniFile = {});
  // The value's type is uDefault's, or uVar's when uDefault is NIL: numbers
  // are read as integers, dates through CTOD, logicals as .T. exactly for
  // ".T." in any case, everything else as text.
  rt::Value Get(const rt::Value& cSection, const rt::Value& cEntry, const rt::Value& uDefault = {},
                const rt::Value& uVar = {});
  // Writes the value as CVALTOCHAR shows it (logicals ".T."/".F.").
  void Set(const rt::Value& cSection, const rt::Value& cEntry, const rt::Value& uValue);
  // The names of the file's sections, as an array.
  rt::Value Sections();
  bool DelSection(const rt::Value& cSection);
  bool DelEntry(const rt::Value& cSection, const rt::Value& cEntry);
};

}  // namespace svc
