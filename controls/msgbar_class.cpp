// TMsgBar and TMsgItem by name: windows reach their message bar only this
// way (SetMsg, Adjust).
#include "controls/positional_args.h"
#include "controls/tmsgbar.h"
#include "controls/tmsgitem.h"
#include "graphics/class_names.h"

namespace controls {

namespace {

using rt::Arg;

template <class T, class F>
auto Void(F f) {
  return [f](T& o, rt::Args a) {
    f(o, a);
    return rt::Value();
  };
}

rt::Value ItemValue(const TMsgItemPtr& item) { return item ? rt::Value(item) : rt::Value(); }

void ItemData(rt::ClassInfo& c, const char* name, TMsgItemPtr TMsgBar::*member) {
  c.AddData(
      name, [member](const rt::Object& o) { return ItemValue(static_cast<const TMsgBar&>(o).*member); },
      [member](rt::Object& o, const rt::Value& v) { static_cast<TMsgBar&>(o).*member = v.As<TMsgItem>(); });
}

}  // namespace

const rt::ClassInfo& TMsgBar::ClassDef() {
  static const rt::ClassInfo info(
      std::string(vdclass::kMsgBar), &TWindow::ClassDef(), rt::FactoryOf<TMsgBar>(), [](rt::ClassInfo& c) {
        c.AddData(
            "aItem",
            [](const rt::Object& o) {
              rt::Value items = rt::Value::Array();
              for (const TMsgItemPtr& item : static_cast<const TMsgBar&>(o).aItem) items.Items().push_back(item);
              return items;
            },
            [](rt::Object& o, const rt::Value& v) {
              auto& bar = static_cast<TMsgBar&>(o);
              bar.aItem.clear();
              if (!v.IsArray()) return;
              for (const rt::Value& item : v.Items()) {
                if (const auto panel = item.As<TMsgItem>()) bar.aItem.push_back(panel);
              }
            });
        c.AddData(
            "oTimer", [](const rt::Object& o) {
              const auto& timer = static_cast<const TMsgBar&>(o).oTimer;
              return timer ? rt::Value(timer) : rt::Value();
            },
            [](rt::Object& o, const rt::Value& v) { static_cast<TMsgBar&>(o).oTimer = v.As<svc::TTimer>(); });
        ItemData(c, "oKeyNum", &TMsgBar::oKeyNum);
        ItemData(c, "oKeyCaps", &TMsgBar::oKeyCaps);
        ItemData(c, "oKeyIns", &TMsgBar::oKeyIns);
        ItemData(c, "oClock", &TMsgBar::oClock);
        ItemData(c, "oDate", &TMsgBar::oDate);
        using B = TMsgBar;
        rt::ClassBuilder<B>(c)
            .Data("cMsgDef", &B::cMsgDef)
            .Data("lCentered", &B::lCentered)
            .Data("lInset", &B::lInset)
            .Data("nItem", &B::nItem)
            .Data("lCheckRes", &B::lCheckRes)
            .Data("lInfoRes", &B::lInfoRes)
            .Method("New",
                    [](B& b, rt::Args a) {
                      MsgBarArgs n;
                      FillArgs(a, {&n.oWnd, &n.cMsg, &n.lCentered, &n.lClock, &n.lDate, &n.lKeyboard, &n.nClrText,
                                   &n.nClrPane, &n.oFont, &n.lInset});
                      return b.New(n).Self();
                    })
            .Method("AddItem", Void<B>([](B& b, rt::Args a) { b.AddItem(Arg(a, 0).As<TMsgItem>()); }))
            .Method("InsItem", Void<B>([](B& b, rt::Args a) { b.InsItem(Arg(a, 0).As<TMsgItem>(), Arg(a, 1)); }))
            .Method("DelItem", Void<B>([](B& b, rt::Args a) { b.DelItem(Arg(a, 0).As<TMsgItem>()); }))
            .Method("GetItem", [](B& b, rt::Args) { return rt::Value(b.GetItem()); })
            .Method("Height", [](B& b, rt::Args) { return rt::Value(b.Height()); })
            .Method("Adjust", Void<B>([](B& b, rt::Args) { b.Adjust(); }))
            .Method("CheckTimer", Void<B>([](B& b, rt::Args) { b.CheckTimer(); }))
            .Method("ClockOn", Void<B>([](B& b, rt::Args) { b.ClockOn(); }))
            .Method("ClockOff", Void<B>([](B& b, rt::Args) { b.ClockOff(); }))
            .Method("DateOn", Void<B>([](B& b, rt::Args) { b.DateOn(); }))
            .Method("DateOff", Void<B>([](B& b, rt::Args) { b.DateOff(); }))
            .Method("KeybOn", Void<B>([](B& b, rt::Args) { b.KeybOn(); }))
            .Method("KeybOff", Void<B>([](B& b, rt::Args) { b.KeybOff(); }))
            .Method("Default", Void<B>([](B& b, rt::Args) { b.Default(); }))
            .Method("Display", [](B& b, rt::Args) { return b.Display(); })
            .Method("SetMsg", Void<B>([](B& b, rt::Args a) {
                      b.SetMsg(Arg(a, 0).IsString() ? Arg(a, 0).AsString() : std::string());
                    }))
            .Method("ShowMsgBar", Void<B>([](B& b, rt::Args) { b.ShowMsgBar(); }))
            .Method("TimerEval", Void<B>([](B& b, rt::Args) { b.TimerEval(); }));
      });
  return info;
}

const rt::ClassInfo& TMsgItem::ClassDef() {
  static const rt::ClassInfo info("TMSGITEM", &Object::ClassDef(), rt::FactoryOf<TMsgItem>(), [](rt::ClassInfo& c) {
    using I = TMsgItem;
    c.AddData(
        "oFont", [](const rt::Object& o) {
          const auto& font = static_cast<const I&>(o).oFont;
          return font ? rt::Value(font) : rt::Value();
        },
        [](rt::Object& o, const rt::Value& v) { static_cast<I&>(o).SetFont(v.As<gfx::TFont>()); });
    rt::ClassBuilder<I>(c)
        .Data("oMsgBar", &I::oMsgBar)
        .Data("cMsg", &I::cMsg)
        .Data("nWidth", &I::nWidth)
        .Data("nClrText", &I::nClrText)
        .Data("nClrPane", &I::nClrPane)
        .Data("nClrDisabled", &I::nClrDisabled)
        .Data("bMsg", &I::bMsg)
        .Data("bAction", &I::bAction)
        .Data("lActive", &I::lActive)
        .Data("lTimer", &I::lTimer)
        .Data("lWasActive", &I::lWasActive)
        .Data("cToolTip", &I::cToolTip)
        .Method("New",
                [](I& i, rt::Args a) {
                  MsgItemArgs n;
                  FillArgs(a, {&n.oMsgBar, &n.cMsg, &n.nWidth, &n.oFont, &n.nClrText, &n.nClrPane, &n.lAdd,
                               &n.bAction, &n.cBitmap1, &n.cBitmap2, &n.cToolTip});
                  return i.New(n).Self();
                })
        .Method("Refresh", Void<I>([](I& i, rt::Args) { i.Refresh(); }))
        .Method("SetFont", Void<I>([](I& i, rt::Args a) { i.SetFont(Arg(a, 0).As<gfx::TFont>()); }))
        .Method("Paint", Void<I>([](I& i, rt::Args) { i.Paint(); }))
        .Method("SetText", Void<I>([](I& i, rt::Args a) { i.SetText(Arg(a, 0)); }))
        .Method("Click", Void<I>([](I& i, rt::Args a) { i.Click(Arg(a, 0).AsInt(), Arg(a, 1).AsInt()); }))
        .Method("IsOver", [](I& i, rt::Args a) { return rt::Value(i.IsOver(Arg(a, 0).AsInt(), Arg(a, 1).AsInt())); })
        .Method("nLeft", [](I& i, rt::Args) { return rt::Value(i.nLeft()); });
  });
  return info;
}

RT_CLASS_REGISTER(TMsgBar);
RT_CLASS_REGISTER(TMsgItem);

}  // namespace controls
