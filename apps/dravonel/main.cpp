// The dictionary editor's entry.

#include <windows.h>

#include "apps/dravonel/dravonel_main.h"
#include "runtime/error.h"
#include "apps/common/error_support.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  common::InstallErrorSupport();
  dravonel::DRAVONEL();
  return rt::ERRORLEVEL();
}
