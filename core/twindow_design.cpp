// The designer's views of a window: its property tables, its description as
// source-like text, a program that recreates it, and a table of its controls.
#include "core/twindow_design.h"

#include <cstdint>
#include <string>

#include "core/send_soft.h"
#include "core/twindow.h"
#include "graphics/tfont.h"
#include "runtime/files.h"
#include "runtime/numbers.h"
#include "runtime/strings.h"
#include "runtime/table_fns.h"
#include "runtime/value_fns.h"
#include "runtime/value_text.h"

namespace core {

const std::vector<std::string>& WindowProperties() {
  static const std::vector<std::string> names{"cTitle", "cVarName", "nClrText", "nClrPane", "nTop",  "nLeft",
                                              "nWidth", "nHeight",  "Cargo",    "oMenu",    "oFont"};
  return names;
}

const std::vector<std::vector<std::string>>& WindowEvents() {
  static const std::vector<std::vector<std::string>> events{{"OnClick", "nRow", "nCol"},
                                                            {"OnMouseMove", "nRow", "nCol", "nKeyFlags"},
                                                            {"OnKeyDown", "nKey", "nFlags"},
                                                            {"OnMove"},
                                                            {"OnPaint"},
                                                            {"OnResize"}};
  return events;
}

rt::Value PropertiesArray() {
  rt::Value array = rt::Value::Array();
  for (const std::string& name : WindowProperties()) array.Items().push_back(rt::Value(name));
  return array;
}

rt::Value EventsArray() {
  rt::Value array = rt::Value::Array();
  for (const auto& event : WindowEvents()) {
    rt::Value row = rt::Value::Array();
    for (const std::string& part : event) row.Items().push_back(rt::Value(part));
    array.Items().push_back(row);
  }
  return array;
}

std::string DbfNameFromCaption(const std::string& caption) {
  // Characters that no file name may hold, and control characters.
  static constexpr std::string_view kInvalid = "\\/:*?\"<>|";
  std::string name;
  for (const char c : caption) {
    if (static_cast<unsigned char>(c) < 32 || kInvalid.find(c) != std::string_view::npos) continue;
    name += c;
  }
  name = rt::TRIM(rt::LEFT(name, 8));
  while (!name.empty() && name.back() == '.') name.pop_back();
  return name + ".dbf";
}

namespace {

std::string Indent(int n) { return std::string(static_cast<std::size_t>(n), ' '); }

std::string SourceValue(const rt::Value& v) {
  switch (v.type()) {
    case rt::Type::String:
      return '"' + v.AsString() + '"';
    case rt::Type::Date:
      return "CToD( \"" + rt::CVALTOCHAR(v) + "\" )";
    case rt::Type::Nil:
      return "nil";
    default:
      return rt::CVALTOCHAR(v);
  }
}

// ATOTEXT: an array's elements, one line each, nested arrays below their
// own line.
std::string ArrayText(const std::string& name, const rt::Value& array, int indent) {
  std::string text = Indent(indent) + "::" + name + " = Array( " + std::to_string(array.Len()) + " )\r\n";
  for (std::size_t i = 1; i <= array.Len(); ++i) {
    const std::string item = name + "[" + std::to_string(i) + "]";
    const rt::Value& v = array.At(i);
    text += v.IsArray() ? ArrayText(item, v, indent + 3)
                        : Indent(indent + 3) + "::" + item + " = " + SourceValue(v) + "\r\n";
  }
  return text;
}

std::string Cells(int pixels, int cell) { return std::to_string(pixels / cell); }

}  // namespace

std::string TWindow::SaveToText(int nIndent) const {
  const rt::Value self(std::const_pointer_cast<Object>(shared_from_this()));
  std::string text = Indent(nIndent) + "OBJECT " + (cVarName.IsString() ? cVarName.AsString() : "Self") + " AS " +
                     ClassName() + "\r\n";
  const int inner = nIndent + 3;
  for (const std::string& name : WindowProperties()) {
    const rt::Value v = rt::Send(self, name);
    if (v.IsBlock()) continue;
    if (v.IsArray()) {
      text += ArrayText(name, v, inner);
    } else if (const auto w = v.As<TWindow>()) {
      text += Indent(inner) + "::" + name + " =\r\n" + w->SaveToText(inner + 3);
    } else if (v.IsObject()) {
      text += Indent(inner) + "::" + name + " = " + v.AsObject()->ClassName() + "()\r\n";
    } else {
      text += Indent(inner) + "::" + name + " = " + SourceValue(v) + "\r\n";
    }
  }
  for (const auto& event : WindowEvents()) {
    const rt::Value code = rt::Send(self, event.front());
    if (!code.IsString()) continue;
    std::string params = "Self";
    for (std::size_t i = 1; i < event.size(); ++i) params += ", " + event[i];
    text += Indent(inner) + "::" + event.front() + " = { |" + params + "| " + code.AsString() + " }\r\n";
  }
  return text + Indent(nIndent) + "ENDOBJECT\r\n";
}

std::string TWindow::cGenPrg(const std::string& cFile) const {
  std::string definition = "   DEFINE WINDOW oWnd TITLE \"" + cTitle() + "\" ;\r\n      FROM " + Cells(nTop, 16) +
                           ", " + Cells(nLeft, 8) + " TO " + Cells(nBottom, 16) + ", " + Cells(nRight, 8);
  std::string before;
  if (oMenu.IsObject()) {
    before += Ask(oMenu, "cGenPrg").AsString();
    definition += " ;\r\n      MENU oMenu";
  }
  if (oBrush) {
    before += oBrush->cGenPRG();
    definition += " ;\r\n      BRUSH oBrush";
  }
  std::string parts;
  parts += Ask(oBar, "cGenPrg").AsString();
  parts += Ask(oMsgBar, "cGenPrg").AsString();
  if (aControls.IsArray()) {
    for (const rt::Value& control : aControls.Items()) parts += Ask(control, "cGenPrg").AsString();
  }
  const std::string text = "// Generated by the window designer\r\n\r\n#include \"Vindral.ch\"\r\n\r\n"
                           "static oWnd\r\n\r\n"
                           "//----------------------------------------------------------------------------//\r\n\r\n"
                           "function Main()\r\n\r\n   local oMenu, oBrush\r\n" +
                           before + "\r\n" + definition + "\r\n" + parts + "\r\n   ACTIVATE WINDOW oWnd\r\n\r\n" +
                           "return nil\r\n\r\n"
                           "//----------------------------------------------------------------------------//\r\n";
  if (!cFile.empty()) rt::MEMOWRIT(cFile, text, false);
  return text;
}

bool TWindow::GenDbf(const std::string& cFile) const {
  const std::string file = cFile.empty() ? DbfNameFromCaption(cCaption) : cFile;
  auto field = [](const char* name, const char* type, int len) {
    return rt::Value::Array({rt::Value(name), rt::Value(type), rt::Value(len), rt::Value(0)});
  };
  const rt::Value structure =
      rt::Value::Array({field("CONTROL", "C", 15), field("CAPTION", "C", 40), field("ID", "N", 4),
                        field("TOP", "N", 4), field("LEFT", "N", 4), field("WIDTH", "N", 4), field("HEIGHT", "N", 4),
                        field("STYLE", "N", 15), field("CLRFORE", "N", 8), field("CLRBACK", "N", 8),
                        field("FNTNAME", "C", 15), field("FNTWIDTH", "N", 4), field("FNTHEIGHT", "N", 4),
                        field("FNTBOLD", "L", 1), field("FNTITALIC", "L", 1)});
  if (!rt::DBCREATE(file, structure)) return false;
  if (!aControls.IsArray() || aControls.Len() == 0) return true;
  if (!rt::DBUSEAREA(true, "", file, "", false)) return false;
  for (const rt::Value& control : aControls.Items()) {
    if (!control.IsObject()) continue;
    rt::DBAPPEND();
    rt::FIELDPUT("CONTROL", rt::Value(control.AsObject()->ClassName()));
    rt::FIELDPUT("CAPTION", Understands(control, "cTitle") ? Ask(control, "cTitle") : Ask(control, "cCaption"));
    rt::FIELDPUT("ID", Ask(control, "nId"));
    rt::FIELDPUT("TOP", Ask(control, "nTop"));
    rt::FIELDPUT("LEFT", Ask(control, "nLeft"));
    rt::FIELDPUT("WIDTH", Ask(control, "nWidth"));
    rt::FIELDPUT("HEIGHT", Ask(control, "nHeight"));
    rt::FIELDPUT("STYLE", Ask(control, "nStyle"));
    rt::FIELDPUT("CLRFORE", Ask(control, "nClrText"));
    rt::FIELDPUT("CLRBACK", Ask(control, "nClrPane"));
    if (const auto font = Ask(control, "oFont").As<gfx::TFont>()) {
      rt::FIELDPUT("FNTNAME", rt::Value(font->cFaceName));
      rt::FIELDPUT("FNTWIDTH", rt::Value(font->nInpWidth));
      rt::FIELDPUT("FNTHEIGHT", rt::Value(font->nInpHeight));
      rt::FIELDPUT("FNTBOLD", rt::Value(font->lBold));
      rt::FIELDPUT("FNTITALIC", rt::Value(font->lItalic));
    }
  }
  rt::DBCLOSEAREA();
  return true;
}

}  // namespace core
