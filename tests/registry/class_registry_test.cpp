// Includes only the runtime's object layer: no library class is referenced,
// so each one is here only if its library's registration survived the link.

#include <gtest/gtest.h>

#include <string>
#include <string_view>

#include "runtime/object.h"

namespace {

struct LibraryClass {
  std::string_view name;
  bool creatable;  // false: the class needs arguments or is abstract
};

constexpr LibraryClass kLibraryClasses[] = {
    // runtime
    {"OBJECT", false}, {"ERROR", true}, {"GET", true},
    // services
    {"TINI", true}, {"TFILE", true}, {"TTXTFILE", true}, {"TSTRUCT", true}, {"TTIMER", true},
    // graphics
    {"TRECT", true}, {"TPEN", true}, {"TBRUSH", true}, {"TCURSOR", true}, {"TFONT", true},
    // core
    {"TWINDOW", true}, {"TCONTROL", false}, {"TDIALOG", true}, {"TDLGFIND", true}, {"TCLIPBOARD", true},
    {"TDDE", true}, {"TMDIFRAME", true}, {"TMDICHILD", true}, {"TMDICLIENT", true},
    // controls
    {"TGET", true}, {"TCLIPGET", true}, {"TSAY", true}, {"TGROUP", true}, {"TICON", true}, {"TMETER", true},
    {"TMENU", true}, {"TMENUITEM", true}, {"TACCTABLE", true}, {"TCHECKBOX", true}, {"TRADIO", true},
    {"TRADMENU", true}, {"TBITMAP", true}, {"TSCROLLBAR", true}, {"TMSGBAR", true}, {"TMSGITEM", true},
    {"TBUTTON", true}, {"TBTNBMP", true}, {"TBAR", true}, {"TFOLDER", true},
    // grid
    {"TGCOLUMN", true}, {"TGBSCRLBAR", true}, {"TGTSAY", true}, {"TGBROWSE", true},
    // print
    {"TPRINTER", true}, {"TMETAFILE", true}, {"TREPORT", true}, {"TRCOLUMN", true}, {"TRLINE", true},
    {"TRGROUP", true}, {"TRFILE", true},
    // the check items
    {"TGRADIO", true},
};

TEST(ClassRegistry, EveryLibraryClassIsListedAndCreatableByName) {
  for (const LibraryClass& expected : kLibraryClasses) {
    SCOPED_TRACE(std::string(expected.name));
    bool listed = false;
    for (const rt::ClassInfo* c : rt::ClassesInUse()) listed = listed || c->Name() == expected.name;
    EXPECT_TRUE(listed);
    const rt::ClassInfo* info = rt::FindClass(expected.name);
    ASSERT_NE(info, nullptr);
    const rt::Value made = rt::CreateObject(expected.name);
    if (expected.creatable) {
      ASSERT_TRUE(made.IsObject());
      EXPECT_EQ(&made.AsObject()->GetClass(), info);
    } else {
      EXPECT_FALSE(made.IsObject());
    }
  }
}

// Classes registered beyond the table above still come back as themselves.
TEST(ClassRegistry, EveryRegisteredClassCreatesItsOwnKind) {
  for (const rt::ClassInfo* c : rt::ClassesInUse()) {
    SCOPED_TRACE(c->Name());
    const rt::Value made = rt::CreateObject(c->Name());
    if (made.IsObject()) {
      EXPECT_EQ(&made.AsObject()->GetClass(), c);
    }
  }
}

}  // namespace
