// TFolder by name: the windowing core finds a folder's pages and current
// tab this way.
#include "controls/control_owner.h"
#include "controls/positional_args.h"
#include "controls/tfolder.h"
#include "graphics/class_names.h"

namespace controls {

namespace {

using rt::Arg;

template <class F>
auto Void(F f) {
  return [f](TFolder& o, rt::Args a) {
    f(o, a);
    return rt::Value();
  };
}

}  // namespace

const rt::ClassInfo& TFolder::ClassDef() {
  static const rt::ClassInfo info(
      std::string(vdclass::kFolder), &TControl::ClassDef(), rt::FactoryOf<TFolder>(), [](rt::ClassInfo& c) {
        c.AddData(
            "oFont2",
            [](const rt::Object& o) {
              const auto& font = static_cast<const TFolder&>(o).oFont2;
              return font ? rt::Value(font) : rt::Value();
            },
            [](rt::Object& o, const rt::Value& v) { static_cast<TFolder&>(o).oFont2 = v.As<gfx::TFont>(); });
        using F = TFolder;
        rt::ClassBuilder<F>(c)
            .Data("aPrompts", &F::aPrompts)
            .Data("aDialogs", &F::aDialogs)
            .Data("nOption", &F::nOption)
            .Data("nTabSize", &F::nTabSize)
            .Data("nFdHeight", &F::nFdHeight)
            .Data("aEnable", &F::aEnable)
            .Data("lAllWidth", &F::lAllWidth)
            .Data("lWin95Look", &F::lWin95Look)
            .Method("New",
                    [](F& f, rt::Args a) {
                      FolderArgs n;
                      FillArgs(a, {&n.nTop, &n.nLeft, &n.aPrompts, &n.aDialogs, &n.oWnd, &n.nOption, &n.nClrFore,
                                   &n.nClrBack, &n.lPixel, &n.lDesign, &n.nWidth, &n.nHeight, &n.cMsg, &n.lAllWidth,
                                   &n.oFont});
                      return f.New(n).Self();
                    })
            .Method("ReDefine",
                    [](F& f, rt::Args a) {
                      FolderRedefineArgs n;
                      FillArgs(a, {&n.nId, &n.aPrompts, &n.aDialogs, &n.oWnd, &n.nOption, &n.nClrFore, &n.nClrBack,
                                   &n.bChange, &n.lAllWidth});
                      return f.ReDefine(n).Self();
                    })
            .Method("SetPrompts", Void([](F& f, rt::Args a) { f.SetPrompts(Arg(a, 0)); }))
            .Method("SetOption", Void([](F& f, rt::Args a) { f.SetOption(NumOr(Arg(a, 0), 0)); }))
            .Method("AddItem", Void([](F& f, rt::Args a) {
                      f.AddItem(Arg(a, 0).IsString() ? Arg(a, 0).AsString() : std::string());
                    }))
            .Method("DelItem", Void([](F& f, rt::Args) { f.DelItem(); }))
            .Method("DelPages", Void([](F& f, rt::Args) { f.DelPages(); }))
            .Method("LoadPages", Void([](F& f, rt::Args a) { f.LoadPages(Arg(a, 0), Arg(a, 1)); }))
            .Method("GetHotPos", [](F& f, rt::Args a) { return rt::Value(f.GetHotPos(NumOr(Arg(a, 0), 0))); })
            .Method("AdjustRect", Void([](F& f, rt::Args) { f.AdjustRect(); }))
            .Method("Update", Void([](F& f, rt::Args) { f.Update(); }));
      });
  return info;
}

RT_CLASS_REGISTER(TFolder);

}  // namespace controls
