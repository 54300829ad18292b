// The preview's menu: printing and leaving, then the pages, zoom, factor
// and one or two pages. Built while the resource library is the resource
// module, which the item pictures come from.
#include <string>
#include <vector>

#include "controls/tcombobox.h"
#include "controls/tmenu.h"
#include "print/rpreview.h"
#include "print/rpreview_state.h"

namespace prn::preview {

namespace {

// MENUADDITEM's arguments: prompt, message, checked, active, action,
// picture file, picture resource.
rt::Value Add(std::vector<rt::Value> a) { return ctl::MENUADDITEM(rt::Args(a.data(), a.size())); }

rt::Value Item(int prompt, const rt::Value& action, const std::string& picture = {}, bool active = true) {
  return Add({rt::Value(LibraryText(prompt)), rt::Value(LibraryText(prompt + kTopMessage - kTopPrompt)), rt::Value(),
              rt::Value(active), action, rt::Value(), picture.empty() ? rt::Value() : rt::Value(picture)});
}

void Separator() { Add({}); }

rt::Value FromMenu(void (*f)(bool)) {
  return rt::Value::Block([f](rt::Args) {
    f(true);
    return rt::Value();
  });
}

// Sets the factor combo to n and runs its change, as a choice in it would.
void ChooseFactor(int n) {
  State& s = Current();
  if (const auto combo = s.factorCombo.As<controls::TComboBox>()) combo->Set(rt::Value(n));
  s.factor = n;
  SETFACTOR(rt::Value(n));
}

}  // namespace

rt::Value BUILDMENU() {
  State& s = Current();
  ctl::MENUBEGIN(false);
  Add({rt::Value(LibraryText(kFileMenu))});
  ctl::MENUBEGIN(false);
  Item(kPrintPrompt, rt::Value::Action(PRINTPAGE), "Printer");
  Separator();
  Item(kExitPrompt, rt::Value::Action(ExitPreview), "Exit");
  ctl::MENUEND();
  Add({rt::Value(LibraryText(kPageMenu))});
  ctl::MENUBEGIN(false);
  Item(kTopPrompt, rt::Value::Action(TOPPAGE));
  Item(kTopPrompt + 1, rt::Value::Action(PREVPAGE));
  Item(kTopPrompt + 2, rt::Value::Action(NEXTPAGE));
  Item(kTopPrompt + 3, rt::Value::Action(BOTTOMPAGE));
  Separator();
  s.zoomItem = Item(kZoomPrompt, FromMenu(ZOOM));
  s.unZoomItem = Item(kUnZoomPrompt, FromMenu(ZOOM), {}, false);
  Add({rt::Value("&Factor"), rt::Value("Set the Zoom factor")});
  ctl::MENUBEGIN(false);
  s.factorItems = rt::Value::Array();
  for (int n = 1; n <= 9; ++n) {
    const rt::Value item = Add({rt::Value("&" + std::to_string(n)), rt::Value("Factor " + std::to_string(n)),
                                rt::Value(), rt::Value(), rt::Value::Block([n](rt::Args) {
                                  ChooseFactor(n);
                                  return rt::Value();
                                })});
    s.factorItems.Items().push_back(item);
  }
  ctl::MENUEND();
  Separator();
  s.twoPagesItem = Item(kTwoPagesPrompt, FromMenu(TWOPAGES));
  s.onePageItem = Item(kOnePagePrompt, FromMenu(TWOPAGES), {}, false);
  ctl::MENUEND();
  return ctl::MENUEND();
}

}  // namespace prn::preview
