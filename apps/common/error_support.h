#pragma once
// What every program of the suite installs first thing in its entry: the
// error handler, and the settings file's reading and writing under the
// names the support mail looks for.

namespace common {

void InstallErrorSupport();

}  // namespace common
