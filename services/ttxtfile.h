#pragma once
// A line-oriented view of a text file with CR LF line ends. Lines are
// numbered from 1; nTLines counts the line ends, so a last line without one
// is not counted.

#include <string>
#include <string_view>

#include "services/tfile.h"

namespace svc {

class TTxtFile : public TFile {
 public:
  RT_CLASS_DECL()

  std::string cLine;
  long nTLines = 0;
  long nLine = 0;
  long nMaxLineLength = 1024;
  long nOffset = 0;

  TTxtFile& New(std::string_view name, std::optional<int> mode = {});
  // Appends a line at the end (after a line end unless the file is empty);
  // it becomes the current line.
  bool Add(std::string_view line);
  bool AppendLn(std::string_view line) { return Add(line); }
  bool Advance();
  bool Rewind();
  // Removes the current line and its line end; the line after it becomes
  // current at the same place.
  bool DelLine();
  // Inserts the text and a line end at the start of the current line, which
  // then is the new line.
  bool InsLine(std::string_view line);
  bool RepLine(std::string_view line);
  void GoTo(long line);
  void GoTop();
  void GoBottom();
  long LastRec() const { return nTLines; }
  long RecCount() const { return nTLines; }
  long nRecno() const { return nLine; }
  long RecNo() const { return nLine; }
  // Reads the line at nOffset into cLine (at most nMaxLineLength bytes) and
  // keeps the position.
  const std::string& ReadLine();
  // The current line; then the next one becomes current.
  std::string ReadLn();
  bool Skip(long n = 1);

  // The value of "cEntry=value" in "[cSection]", converted to the type of
  // uDefault; uDefault when the section or entry is missing.
  rt::Value GetValue(std::string_view section, std::string_view entry, const rt::Value& uDefault = {});
  bool SetValue(std::string_view section, std::string_view entry, const rt::Value& uValue);

 private:
  void MoveToLine(long offset, long line);
  // The line of "cEntry=..." in the section, or of the section's end (the
  // next section line, or 0 at the end of the file); false when the section
  // is missing.
  bool FindEntry(std::string_view section, std::string_view entry, long* entryLine, long* sectionEnd);
};

}  // namespace svc
