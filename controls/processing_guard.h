#pragma once
// Sets a control's "action running" flag for a scope and clears it however
// the scope is left: normally, through BREAK, or through an error the error
// block recovered from. A flag left set would make the control ignore every
// later click.

namespace controls {

class ProcessingGuard {
 public:
  explicit ProcessingGuard(bool& flag) : flag_(flag) { flag_ = true; }
  ~ProcessingGuard() { flag_ = false; }
  ProcessingGuard(const ProcessingGuard&) = delete;
  ProcessingGuard& operator=(const ProcessingGuard&) = delete;

 private:
  bool& flag_;
};

}  // namespace controls
