#pragma once
// The shadow call stack. Program functions and class methods push a frame
// with an RAII guard; PROCNAME/PROCLINE, the error log and the fault report
// read it. A frame also bounds the PRIVATE variables made while it runs.

#include <cstddef>
#include <string>
#include <vector>

#include "runtime/value.h"

namespace rt {

struct CallFrame {
  const char* proc;       // function or method name
  const char* className;  // null for a plain function
  int line;
  Args params;
  std::size_t privateMark;  // PRIVATE variables above this mark die with the frame
};

class CallGuard {
 public:
  CallGuard(const char* proc, int line, Args params = {});
  CallGuard(const char* className, const char* method, int line, Args params = {});
  ~CallGuard();
  CallGuard(const CallGuard&) = delete;
  CallGuard& operator=(const CallGuard&) = delete;
  // Records the line now running in this function.
  void Line(int line);

 private:
  std::size_t depth_;
};

#define RT_PROC(name) ::rt::CallGuard rt_call_guard_(name, __LINE__)
#define RT_PROC_ARGS(name, args) ::rt::CallGuard rt_call_guard_(name, __LINE__, args)
#define RT_METHOD(cls, name) ::rt::CallGuard rt_call_guard_(cls, name, __LINE__)
#define RT_LINE() rt_call_guard_.Line(__LINE__)

// Level 0 is the running function, 1 its caller, and so on. Methods are named
// "CLASS:METHOD". Beyond the stack: "" and 0.
std::string PROCNAME(int level = 0);
int PROCLINE(int level = 0);
const std::vector<CallFrame>& CallStack();
// "Called from CLASS:METHOD(line)" or "Called from NAME(line)", innermost first.
std::vector<std::string> CallStackLines();

}  // namespace rt
