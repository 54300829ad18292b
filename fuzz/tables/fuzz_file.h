#pragma once
// The table readers read files, so each fuzz input is written to a scratch
// file of this process first.

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <string>

#ifdef _WIN32
#include <process.h>
#define VD_GETPID _getpid
#else
#include <unistd.h>
#define VD_GETPID getpid
#endif

// The scratch folder, removed again when the process ends.
struct FuzzDir {
  std::filesystem::path path =
      std::filesystem::temp_directory_path() / ("vd_fuzz_" + std::to_string(VD_GETPID()));
  FuzzDir() { std::filesystem::create_directories(path); }
  ~FuzzDir() {
    std::error_code ec;
    std::filesystem::remove_all(path, ec);
  }
};

inline std::string FuzzFile(const char* name, const std::uint8_t* data, std::size_t size) {
  static FuzzDir dir;
  std::string path = (dir.path / name).string();
  if (FILE* f = std::fopen(path.c_str(), "wb")) {
    if (size > 0) std::fwrite(data, 1, size, f);
    std::fclose(f);
  }
  return path;
}
