#include "print/trfile.h"

#include <algorithm>

#include "runtime/codepage.h"
#include "runtime/files.h"

namespace prn {

TRFile& TRFile::New(const std::string& file) {
  cFile = file;
  hDC = rt::FCREATE(file);
  StartPage();
  return *this;
}

void TRFile::Put(double nRow, double nCol, const std::string& text, std::size_t width) {
  const long row = static_cast<long>(nRow);
  if (row < 0 || row >= static_cast<long>(aRows.size())) return;
  // Columns count from 1; a position left of the first column is the first.
  const std::size_t before = static_cast<std::size_t>(std::max(1L, static_cast<long>(nCol)) - 1);
  std::string& line = aRows[static_cast<std::size_t>(row)];
  std::string rest = line.size() > before + width ? line.substr(before + width) : std::string();
  line.resize(before, ' ');
  std::string field = text.substr(0, width);
  field.resize(width, ' ');
  line += field;
  line += rest;
}

void TRFile::Say(double nRow, double nCol, const std::string& cText, int, double nWidth, int pad, bool) {
  const std::string oem = rt::Cp1252To850(cText);
  const std::size_t width = nWidth > 0 ? static_cast<std::size_t>(nWidth) : oem.size();
  // Right and centred texts move within the width.
  std::size_t lead = 0;
  if (oem.size() < width && pad == 1) lead = width - oem.size();
  if (oem.size() < width && pad == 2) lead = (width - oem.size()) / 2;
  Put(nRow, nCol, std::string(lead, ' ') + oem, width);
}

void TRFile::SayRule(double nRow, double nCol, const std::string& chars) { Put(nRow, nCol, chars, chars.size()); }

void TRFile::EndPage() {
  if (hDC < 0) return;
  std::string page;
  if (lPrint && std::any_of(aRows.begin(), aRows.end(),
                            [this](const std::string& l) { return l.size() > static_cast<std::size_t>(nWidth); }))
    page += cPrnComp;
  for (const std::string& line : aRows) page += line + "\r\n";
  if (lPrint) page += '\x0C';
  rt::FWRITE(hDC, page);
  StartPage();
}

void TRFile::End() {
  if (hDC >= 0) rt::FCLOSE(hDC);
  hDC = -1;
}

}  // namespace prn
