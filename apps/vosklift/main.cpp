// The tray loader's entry.

#include <windows.h>

#include "apps/common/error_support.h"
#include "apps/vosklift/vosklift_main.h"
#include "runtime/error.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  common::InstallErrorSupport();
  vosklift::MAIN();
  return rt::ERRORLEVEL();
}
