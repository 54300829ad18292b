// A stand-in for the quick search and the editor in the loader's tests:
// it appends its command line to "started.txt" in its folder and, while
// "hold.txt" exists there, stays running, so that a test can see the
// loader wait for it.

#include <windows.h>

#include <cstdio>
#include <string>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  char path[MAX_PATH] = {};
  GetModuleFileNameA(nullptr, path, sizeof path);
  std::string dir(path);
  dir.erase(dir.find_last_of('\\') + 1);
  if (std::FILE* f = std::fopen((dir + "started.txt").c_str(), "ab")) {
    std::fprintf(f, "%s\n", GetCommandLineA());
    std::fclose(f);
  }
  // A look at the message queue: the starter's wait for the new program to
  // take input ends here.
  MSG msg;
  PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE);
  const std::string hold = dir + "hold.txt";
  HANDLE change = FindFirstChangeNotificationA(dir.c_str(), FALSE, FILE_NOTIFY_CHANGE_FILE_NAME);
  while (GetFileAttributesA(hold.c_str()) != INVALID_FILE_ATTRIBUTES && change != INVALID_HANDLE_VALUE) {
    if (WaitForSingleObject(change, 60000) != WAIT_OBJECT_0) break;
    FindNextChangeNotification(change);
  }
  if (change != INVALID_HANDLE_VALUE) FindCloseChangeNotification(change);
  return 0;
}
