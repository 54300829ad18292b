#include "runtime/callstack.h"

#include "runtime/memvar.h"

namespace rt {

namespace {

std::vector<CallFrame>& Frames() {
  static std::vector<CallFrame> frames;
  return frames;
}

const CallFrame* FrameAt(int level) {
  const auto& f = Frames();
  if (level < 0 || static_cast<std::size_t>(level) >= f.size()) return nullptr;
  return &f[f.size() - 1 - static_cast<std::size_t>(level)];
}

}  // namespace

CallGuard::CallGuard(const char* proc, int line, Args params) : CallGuard(nullptr, proc, line, params) {}

CallGuard::CallGuard(const char* className, const char* method, int line, Args params) {
  depth_ = Frames().size();
  Frames().push_back(CallFrame{method, className, line, params, PrivateMark()});
}

CallGuard::~CallGuard() {
  ReleasePrivates(Frames()[depth_].privateMark);
  Frames().resize(depth_);
}

void CallGuard::Line(int line) { Frames()[depth_].line = line; }

std::string PROCNAME(int level) {
  const CallFrame* f = FrameAt(level);
  if (!f) return std::string();
  if (f->className) return std::string(f->className) + ":" + f->proc;
  return f->proc;
}

int PROCLINE(int level) {
  const CallFrame* f = FrameAt(level);
  return f ? f->line : 0;
}

const std::vector<CallFrame>& CallStack() { return Frames(); }

std::vector<std::string> CallStackLines() {
  std::vector<std::string> lines;
  for (int level = 0; const CallFrame* f = FrameAt(level); ++level)
    lines.push_back("Called from " + PROCNAME(level) + "(" + std::to_string(f->line) + ")");
  return lines;
}

}  // namespace rt
