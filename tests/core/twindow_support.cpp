#include "twindow_support.h"

#include "runtime/value_text.h"

namespace coretest {

namespace {

class TRecorder : public rt::Object {
 public:
  RT_CLASS_DECL()
  CallLog* log = nullptr;
  std::string label;
};

const rt::ClassInfo& TRecorder::ClassDef() {
  static const rt::ClassInfo info("TRECORDER", &Object::ClassDef(), rt::FactoryOf<TRecorder>(), [](rt::ClassInfo& c) {
    for (const char* name : {"AdjTop", "AdjBottom", "Adjust", "AdjLeft", "AdjRight", "AdjClient", "GoUp", "GoDown",
                             "PageUp", "PageDown", "ThumbPos", "ThumbTrack", "Command", "GetPopup", "GetSubMenu",
                             "GetMenuItem"}) {
      c.AddMethod(name, [name](rt::Object& o, rt::Args a) {
        auto& r = static_cast<TRecorder&>(o);
        r.log->Add(r.label + ":" + name, a);
        return rt::Value();
      });
    }
  });
  return info;
}

RT_CLASS_REGISTER(TRecorder);

}  // namespace

const rt::ClassInfo& FolderProbe::ClassDef() {
  static const rt::ClassInfo info("TFOLDERPROBE", &TWindow::ClassDef(), rt::FactoryOf<FolderProbe>(),
                                  [](rt::ClassInfo& c) {
                                    rt::ClassBuilder<FolderProbe>(c)
                                        .Data("aDialogs", &FolderProbe::aDialogs)
                                        .Data("nOption", &FolderProbe::nOption);
                                  });
  return info;
}

RT_CLASS_REGISTER(FolderProbe);

OwnedWindow::OwnedWindow(const core::WindowArgs& args) : w_(std::make_shared<core::TWindow>()) { w_->New(args); }

OwnedWindow::~OwnedWindow() {
  if (w_->hWnd && IsWindow(w_->hWnd)) DestroyWindow(w_->hWnd);
}

core::WindowArgs PixelArgs(int top, int left, int bottom, int right, long style, const rt::Value& parent) {
  core::WindowArgs a;
  a.nTop = top;
  a.nLeft = left;
  a.nBottom = bottom;
  a.nRight = right;
  if (style) a.nStyle = style;
  a.oWnd = parent;
  a.lPixel = true;
  return a;
}

rt::Value CallLog::Block(const std::string& name, rt::Value answer) {
  return rt::Value::Block([this, name, answer](rt::Args a) {
    Add(name, a);
    return answer;
  });
}

void CallLog::Add(const std::string& name, rt::Args args) {
  std::string call = name + "(";
  for (std::size_t i = 0; i < args.size(); ++i) {
    if (i) call += ",";
    if (!self_.IsNil() && args[i] == self_) {
      call += "Self";
    } else {
      call += args[i].IsNil() ? std::string("NIL") : rt::CVALTOCHAR(args[i]);
    }
  }
  calls_.push_back(call + ")");
}

std::string CallLog::Joined() const {
  std::string all;
  for (const std::string& c : calls_) all += (all.empty() ? "" : " ") + c;
  return all;
}

rt::Value NewRecorder(CallLog& log, const std::string& label) {
  auto r = std::make_shared<TRecorder>();
  r->log = &log;
  r->label = label;
  return rt::Value(r);
}

}  // namespace coretest
