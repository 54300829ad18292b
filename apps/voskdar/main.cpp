// The quick-search program's entry.

#include <windows.h>

#include <cstdlib>
#include <optional>
#include <string>

#include "apps/common/error_support.h"
#include "apps/voskdar/voskdar_main.h"
#include "runtime/error.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  common::InstallErrorSupport();
  std::optional<std::string> param;
  if (__argc > 1) param = __argv[1];
  voskdar::MAIN(param);
  return rt::ERRORLEVEL();
}
