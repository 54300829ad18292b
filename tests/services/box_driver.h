#pragma once
// Drives a modal box from a second thread. The box runs on the test's own
// thread; a thread-local CBT hook reports the moment a dialog window is
// activated, and the driver thread, which waits for that report, reads the
// box and answers it.

#include <windows.h>

#include <functional>
#include <string>
#include <thread>
#include <vector>

struct SeenBox {
  bool appeared = false;
  std::string caption;
  std::vector<std::string> texts;  // static texts, in child order
  HICON icon = nullptr;
  std::string Joined() const;
};

class BoxDriver {
 public:
  // answer runs on the driver thread with the box's window. With a
  // caption, only a box of that caption is taken: other dialogs (a
  // report's progress dialog) come and go unanswered.
  explicit BoxDriver(std::function<void(HWND)> answer, std::string caption = {});
  ~BoxDriver();
  BoxDriver(const BoxDriver&) = delete;
  BoxDriver& operator=(const BoxDriver&) = delete;

  // Waits for the driver thread; what it saw of the box.
  const SeenBox& Seen();

  static void PressEnter(HWND box);
  static void Click(HWND box, int id);

 private:
  static LRESULT CALLBACK Hook(int code, WPARAM wParam, LPARAM lParam);
  HHOOK hook_;
  HANDLE activated_;
  std::string caption_;
  HWND box_ = nullptr;
  SeenBox seen_;
  std::thread thread_;
};
