// The preview window's parts: the button bar with the factor and the page
// label, the message bar, and the two page controls.
#include <windows.h>

#include "controls/tbtnbmp.h"
#include "controls/tcombobox.h"
#include "controls/tmsgbar.h"
#include "controls/tsay.h"
#include "graphics/class_names.h"
#include "graphics/tcursor.h"
#include "core/send_soft.h"
#include "print/rpreview.h"
#include "print/rpreview_state.h"

namespace prn::preview {

namespace {

constexpr int kButtonSize = 26;

struct Button {
  const char* picture;
  int text;  // prompt; the message is 14 further
  void (*action)();
};

void ZoomFromBar() { ZOOM(); }
void TwoPagesFromBar() { TWOPAGES(); }

rt::Value AddButton(const rt::Value& bar, const Button& b) {
  controls::BtnBmpBarArgs a;
  a.cResName1 = b.picture;
  a.cMsg = LibraryText(b.text + kTopMessage - kTopPrompt);
  a.bAction = rt::Value::Action(b.action);
  a.oBar = bar;
  a.cToolTip = LibraryText(b.text, true);
  auto button = std::make_shared<controls::TBtnBmp>();
  button->NewBar(a);
  return rt::Value(button);
}

rt::Value NewSay(const rt::Value& bar, int row, int col, int width, std::string (*text)(), const rt::Value& font) {
  controls::SayArgs a;
  a.nRow = row;
  a.nCol = col;
  a.bText = rt::Value::Block([text](rt::Args) { return rt::Value(text()); });
  a.oWnd = bar;
  a.oFont = font;
  a.lPixel = true;
  a.nWidth = width;
  a.nHeight = 15;
  auto say = std::make_shared<controls::TSay>();
  say->New(a);
  return rt::Value(say);
}

rt::Value FactorCombo(const rt::Value& bar, const rt::Value& font) {
  controls::ComboBoxArgs a;
  a.nRow = 3;
  a.nCol = 325;
  a.bSetGet = rt::Value::Block([](rt::Args args) {
    if (!args.empty() && rt::Arg(args, 0).IsNumber()) Current().factor = static_cast<int>(rt::Arg(args, 0).AsInt());
    return rt::Value(Current().factor);
  });
  auto items = rt::Value::Array();
  for (int n = 1; n <= 9; ++n) items.Items().push_back(rt::Value(std::to_string(n)));
  a.aItems = items;
  a.nWidth = 35;
  a.nHeight = 200;
  a.oWnd = bar;
  a.bChange = rt::Value::Block([](rt::Args) {
    SETFACTOR(rt::Value(Current().factor));
    return rt::Value();
  });
  a.lPixel = true;
  a.oFont = font;
  auto combo = std::make_shared<controls::TComboBox>();
  combo->New(a);
  return rt::Value(combo);
}

std::shared_ptr<TMetaFile> NewPage(State& s, const std::string& file, void (*click)(int, int)) {
  auto page = std::make_shared<TMetaFile>();
  page->New(0, 0, 100, 100, file, rt::Value(s.window), {}, static_cast<double>(RGB(255, 255, 255)),
            s.device->nHorzRes(), s.device->nVertRes());
  page->oCursor = s.lupaCursor.As<gfx::TCursor>();
  page->bLClicked = rt::Value::Block([click](rt::Args a) {
    click(static_cast<int>(rt::Arg(a, 1).AsInt()), static_cast<int>(rt::Arg(a, 0).AsInt()));
    return rt::Value();
  });
  page->bKeyDown = rt::Value::Block([](rt::Args a) {
    CHECKKEY(static_cast<int>(rt::Arg(a, 0).AsInt()), static_cast<int>(rt::Arg(a, 1).AsInt()));
    return rt::Value();
  });
  return page;
}

}  // namespace

void BuildBar(State& s) {
  s.bar = rt::CreateObject(vdclass::kBar);
  rt::SendV(s.bar, "New", rt::Value(s.window), kButtonSize, kButtonSize, false, "TOP", s.handCursor);
  core::Ask(s.bar, "_bRClicked", rt::Value::Block([](rt::Args) { return rt::Value(0); }));
  const Button buttons[] = {{"Top", kTopPrompt, TOPPAGE},
                            {"Previous", kTopPrompt + 1, PREVPAGE},
                            {"Next", kTopPrompt + 2, NEXTPAGE},
                            {"Bottom", kTopPrompt + 3, BOTTOMPAGE},
                            {"Zoom", kZoomPrompt, ZoomFromBar},
                            {"Two_Pages", kTwoPagesPrompt, TwoPagesFromBar},
                            {"Printer", kPrintPrompt, PRINTPAGE},
                            {"Exit", kExitPrompt, ExitPreview}};
  for (const Button& b : buttons) {
    const rt::Value button = AddButton(s.bar, b);
    if (b.text == kZoomPrompt) s.zoomButton = button;
    if (b.text == kTwoPagesPrompt) s.twoPagesButton = button;
  }
  controls::MsgBarArgs m;
  m.oWnd = rt::Value(s.window);
  m.cMsg = LibraryText(kBarText);
  std::make_shared<controls::TMsgBar>()->New(m);

  NewSay(s.bar, 7, 275, 60, [] { return std::string("Factor:"); }, s.font);
  s.factorCombo = FactorCombo(s.bar, s.font);
  s.pageLabel = NewSay(s.bar, 7, 370, 180, PageLabelText, s.font);
}

void BuildPages(State& s) {
  s.left = NewPage(s, PageFile(1), SETORG1);
  s.right = NewPage(s, "", SETORG2);
  s.right->Hide();
  s.page = 1;
  s.factor = 1;
  s.twoPages = false;
  s.zoomed = false;
}

}  // namespace prn::preview
