#include "scratch_dir.h"

#include <windows.h>

#include <algorithm>
#include <fstream>
#include <iterator>
#include <sstream>
#include <vector>

namespace {

void RemoveTree(const std::string& dir) {
  WIN32_FIND_DATAA fd;
  HANDLE h = FindFirstFileA((dir + "*").c_str(), &fd);
  if (h != INVALID_HANDLE_VALUE) {
    do {
      std::string name = fd.cFileName;
      if (name == "." || name == "..") continue;
      std::string full = dir + name;
      SetFileAttributesA(full.c_str(), FILE_ATTRIBUTE_NORMAL);
      if (fd.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
        RemoveTree(full + "\\");
      else
        DeleteFileA(full.c_str());
    } while (FindNextFileA(h, &fd));
    FindClose(h);
  }
  RemoveDirectoryA(dir.c_str());
}

}  // namespace

ScratchDir::ScratchDir() {
  char base[MAX_PATH];
  GetTempPathA(MAX_PATH, base);
  char name[MAX_PATH];
  GetTempFileNameA(base, "vdt", 0, name);
  DeleteFileA(name);
  CreateDirectoryA(name, nullptr);
  path_ = std::string(name) + "\\";
}

ScratchDir::~ScratchDir() { RemoveTree(path_); }

void ScratchDir::Write(const std::string& name, const std::string& bytes) const {
  std::ofstream(path_ + name, std::ios::binary) << bytes;
}

std::string ScratchDir::Read(const std::string& name) const {
  std::ifstream in(path_ + name, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

std::string ScratchDir::Listing() const {
  std::vector<std::string> names;
  WIN32_FIND_DATAA fd;
  HANDLE h = FindFirstFileA((path_ + "*").c_str(), &fd);
  if (h != INVALID_HANDLE_VALUE) {
    do {
      std::string n = fd.cFileName;
      if (n != "." && n != "..") names.push_back(n);
    } while (FindNextFileA(h, &fd));
    FindClose(h);
  }
  std::sort(names.begin(), names.end());
  std::ostringstream all;
  for (const auto& n : names) all << n << ";";
  return all.str();
}
