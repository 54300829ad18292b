#include "services/tini.h"

#include "runtime/dates.h"
#include "runtime/value_fns.h"
#include "runtime/value_text.h"
#include "services/declared.h"
#include "services/profile.h"

namespace svc {

const rt::ClassInfo& TIni::ClassDef() {
  static const rt::ClassInfo info("TINI", &rt::Object::ClassDef(), rt::FactoryOf<TIni>(), [](rt::ClassInfo& c) {
    rt::ClassBuilder<TIni>(c)
        .Data("cIniFile", &TIni::cIniFile)
        .Data("lAutoSet", &TIni::lAutoSet)
        .Method("New", [](TIni& t, rt::Args a) { return t.New(rt::Arg(a, 0)).Self(); })
        .Method("Get", [](TIni& t, rt::Args a) { return t.Get(rt::Arg(a, 0), rt::Arg(a, 1), rt::Arg(a, 2), rt::Arg(a, 3)); })
        .Method("Set",
                [](TIni& t, rt::Args a) {
                  t.Set(rt::Arg(a, 0), rt::Arg(a, 1), rt::Arg(a, 2));
                  return rt::Value();
                })
        .Method("Sections", [](TIni& t, rt::Args) { return t.Sections(); })
        .Method("DelSection", [](TIni& t, rt::Args a) { return rt::Value(t.DelSection(rt::Arg(a, 0))); })
        .Method("DelEntry", [](TIni& t, rt::Args a) { return rt::Value(t.DelEntry(rt::Arg(a, 0), rt::Arg(a, 1))); });
  });
  return info;
}
RT_CLASS_REGISTER(TIni);

TIni& TIni::New(const rt::Value& name) {
  cIniFile = name.AsString();
  if (!cIniFile.empty() && cIniFile.find('.') == std::string::npos) cIniFile += ".ini";
  lAutoSet = true;
  return *this;
}

rt::Value TIni::Get(const rt::Value& cSection, const rt::Value& cEntry, const rt::Value& uDefault,
                    const rt::Value& uVar) {
  const std::string type = rt::VALTYPE(uDefault.IsNil() ? uVar : uDefault);
  const bool system = cIniFile.empty();
  rt::Value value;
  if (type == "N") {
    value = system ? GETPROFINT(cSection, cEntry, uDefault) : GETPVPROFINT(cSection, cEntry, uDefault, cIniFile);
  } else {
    const rt::Value fallback = rt::CVALTOCHAR(uDefault);
    std::string text = system ? GETPROFSTRING(cSection, cEntry, fallback)
                              : GETPVPROFSTRING(cSection, cEntry, fallback, cIniFile);
    if (type == "D") {
      value = rt::CTOD(text);
    } else if (type == "L") {
      value = text.size() == 3 && text[0] == '.' && (text[1] | 0x20) == 't' && text[2] == '.';
    } else {
      value = std::move(text);
    }
  }
  if (value == uDefault && lAutoSet) Set(cSection, cEntry, uDefault);
  return value;
}

void TIni::Set(const rt::Value& cSection, const rt::Value& cEntry, const rt::Value& uValue) {
  const rt::Value text = rt::CVALTOCHAR(uValue);
  if (cIniFile.empty()) {
    WRITEPROFSTRING(cSection, cEntry, text);
  } else {
    WRITEPPROSTRING(cSection, cEntry, text, cIniFile);
  }
}

rt::Value TIni::Sections() {
  rt::Value names = rt::Value::Array();
  rt::Value buffer = std::string(4096, ' ');
  const rt::Value got = GETPVPRFSE(buffer, 4095, cIniFile);
  // Without the platform function (the alert has been shown) there is
  // nothing to list.
  if (!got.IsNumber()) return names;
  std::string_view rest(buffer.AsString());
  rest = rest.substr(0, std::min<std::size_t>(rest.size(), static_cast<std::size_t>(std::max(0L, got.AsInt()))));
  for (std::size_t zero = rest.find('\0'); zero != std::string_view::npos && zero > 0; zero = rest.find('\0')) {
    names.Items().emplace_back(rest.substr(0, zero));
    rest.remove_prefix(zero + 1);
  }
  return names;
}

bool TIni::DelSection(const rt::Value& cSection) { return DELINISECTION(cSection, cIniFile); }

bool TIni::DelEntry(const rt::Value& cSection, const rt::Value& cEntry) {
  return DELINIENTRY(cSection, cEntry, cIniFile);
}

}  // namespace svc
