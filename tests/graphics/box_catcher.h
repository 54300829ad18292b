#pragma once
// Catches the next dialog or message box that the thread activates: records
// its caption and static texts and presses the given button, so that the
// box does not block.

#include <windows.h>

#include <string>

class BoxCatcher {
 public:
  explicit BoxCatcher(int button);
  ~BoxCatcher();
  BoxCatcher(const BoxCatcher&) = delete;
  BoxCatcher& operator=(const BoxCatcher&) = delete;

  bool Seen() const { return seen_; }
  const std::string& Caption() const { return caption_; }
  // The box's static texts, one per line.
  const std::string& Texts() const { return texts_; }

 private:
  static LRESULT CALLBACK Hook(int code, WPARAM wParam, LPARAM lParam);
  static BOOL CALLBACK Collect(HWND child, LPARAM self);
  int button_;
  HHOOK hook_;
  bool seen_ = false;
  std::string caption_;
  std::string texts_;
};
