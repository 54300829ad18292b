#pragma once
// A fresh directory under the system's temporary folder for one test, removed
// with everything in it when the test ends.

#include <string>

class ScratchDir {
 public:
  ScratchDir();
  ~ScratchDir();
  ScratchDir(const ScratchDir&) = delete;
  ScratchDir& operator=(const ScratchDir&) = delete;

  // The directory with a trailing "\".
  const std::string& Path() const { return path_; }
  std::string operator/(const std::string& name) const { return path_ + name; }

  void Write(const std::string& name, const std::string& bytes) const;
  std::string Read(const std::string& name) const;
  // Names of the entries, sorted.
  std::string Listing() const;

 private:
  std::string path_;
};
