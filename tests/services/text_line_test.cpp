#include "services/text_line.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "services/int32.h"
#include "scratch_dir.h"

namespace {

// Writes the bytes to a scratch file and reads it back line by line.
std::vector<std::string> ReadLines(const std::string& bytes, int maxLen) {
  ScratchDir dir;
  const std::string file = dir / "text_line.txt";
  const char* path = file.c_str();
  HANDLE w = CreateFileA(path, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
  DWORD written;
  WriteFile(w, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
  CloseHandle(w);
  HANDLE r = CreateFileA(path, GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
  std::vector<std::string> lines;
  std::string line = "untouched";
  while (svc::LGETTEXTLINE(svc::HandleNumber(r), line, maxLen)) lines.push_back(line);
  EXPECT_EQ(line, "");
  CloseHandle(r);
  return lines;
}

using Lines = std::vector<std::string>;

TEST(TextLineTest, SplitsAtCrLfOnly) {
  EXPECT_EQ(ReadLines("eins\r\nzwei\r\n\r\ndrei", 0), (Lines{"eins", "zwei", "", "drei"}));
  EXPECT_EQ(ReadLines("a\rb\nc\r\n", 0), (Lines{"a\rb\nc"}));
  EXPECT_EQ(ReadLines("", 0), Lines{});
}

TEST(TextLineTest, LongLinesComeInPieces) {
  EXPECT_EQ(ReadLines("abcdefgh\r\nxy", 3), (Lines{"abc", "def", "gh", "xy"}));
  EXPECT_EQ(ReadLines(std::string(2500, 'x'), 0).size(), 3u);
}

TEST(TextLineTest, CrLfAcrossThePieceBoundary) {
  // CR is the piece's last byte: the line ends there, no stray LF follows.
  EXPECT_EQ(ReadLines("abc\r\ndef", 4), (Lines{"abc", "def"}));
  // The piece ends exactly where the line does: no empty line follows.
  EXPECT_EQ(ReadLines("abcd\r\nef\r\n", 4), (Lines{"abcd", "ef"}));
}

TEST(TextLineTest, UnreadableHandleIsTheEnd) {
  std::string line = "x";
  EXPECT_FALSE(svc::LGETTEXTLINE(0, line));
  EXPECT_EQ(line, "");
}

}  // namespace
