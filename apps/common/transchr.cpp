#include "apps/common/transchr.h"

#include <array>
#include <cstdint>

#include "runtime/error.h"
#include "runtime/functions.h"
#include "runtime/macro.h"

namespace common {

namespace {

using FoldTable = std::array<unsigned char, 256>;

constexpr FoldTable MakeFoldTable() {
  FoldTable t{};
  for (int i = 0; i < 256; ++i) t[i] = static_cast<unsigned char>(i);
  struct Fold {
    const char* from;
    char to;
  };
  constexpr Fold kFolds[] = {
      {"\xC0\xC1\xC2\xC3\xC5", 'A'}, {"\xE0\xE1\xE2\xE3\xE5", 'a'}, {"\xC8\xC9\xCA\xCB", 'E'},
      {"\xE8\xE9\xEA\xEB", 'e'},     {"\xCC\xCD\xCE\xCF", 'I'},     {"\xEC\xED\xEE\xEF", 'i'},
      {"\xD2\xD3\xD4\xD5", 'O'},     {"\xF2\xF3\xF4\xF5", 'o'},     {"\xD9\xDA\xDB", 'U'},
      {"\xF9\xFA\xFB", 'u'},         {"\xDD", 'Y'},                 {"\xFD\xFF", 'y'},
      {"\xC7", 'C'},                 {"\xE7", 'c'},
  };
  for (const Fold& f : kFolds)
    for (const char* p = f.from; *p; ++p) t[static_cast<unsigned char>(*p)] = static_cast<unsigned char>(f.to);
  return t;
}

constexpr FoldTable kFoldTable = MakeFoldTable();

rt::Value ArgumentError(const char* name, rt::Args args) {
  auto e = rt::MakeError(rt::EG_ARG, 1102, "BASE", name);
  e->args = rt::Value::Array();
  for (const rt::Value& v : args) e->args.Items().push_back(v);
  e->canSubstitute = true;
  return rt::RaiseError(e).value;
}

}  // namespace

void TransChrInPlace(std::string& text) {
  for (char& c : text) c = static_cast<char>(kFoldTable[static_cast<unsigned char>(c)]);
}

std::string TRANSCHR(std::string_view text) {
  std::string folded(text);
  TransChrInPlace(folded);
  return folded;
}

rt::Value ENTCRYPT(const rt::Value& value) { return value; }
rt::Value VERCRYPT(const rt::Value& value) { return value; }

void RegisterWordFunctions() {
  rt::RegisterTextFunction(
      "TRANSCHR",
      [](rt::Args args) -> rt::Value {
        if (args.empty() || !args[0].IsString()) return ArgumentError("TRANSCHR", args);
        return rt::Value(TRANSCHR(args[0].AsString()));
      },
      TransChrInPlace);
  rt::RegisterFunction("ENTCRYPT", [](rt::Args args) { return ENTCRYPT(rt::Arg(args, 0)); });
  rt::RegisterFunction("VERCRYPT", [](rt::Args args) { return VERCRYPT(rt::Arg(args, 0)); });
}

}  // namespace common
