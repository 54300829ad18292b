// The tray loader's entry.

#include <windows.h>

#include "apps/vosklift/vosklift_main.h"
#include "runtime/error.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  vosklift::MAIN();
  return rt::ERRORLEVEL();
}
