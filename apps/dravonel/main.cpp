// The dictionary editor's entry.

#include <windows.h>

#include "apps/dravonel/dravonel_main.h"
#include "runtime/error.h"
#include "support/errorsys.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  support::ERRORSYS();
  dravonel::DRAVONEL();
  return rt::ERRORLEVEL();
}
