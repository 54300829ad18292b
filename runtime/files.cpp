#include "runtime/files.h"

#include <algorithm>
#include <vector>

#include "runtime/dates.h"
#include "runtime/error.h"
#include "runtime/os.h"
#include "runtime/text_case.h"

namespace rt {

namespace {

int& LastError() {
  static int error = 0;
  return error;
}

int Set(int error) {
  LastError() = error;
  return error;
}

// Splits "dir\name" into the directory (with its separator) and the name.
std::size_t NameStart(std::string_view path) {
  std::size_t p = path.find_last_of("\\/:");
  return p == std::string_view::npos ? 0 : p + 1;
}

bool Matches(std::string_view mask, std::string_view name) {
  std::size_t m = 0, n = 0, starM = std::string_view::npos, starN = 0;
  while (n < name.size()) {
    if (m < mask.size() && (mask[m] == '?' || AsciiUpperChar(mask[m]) == AsciiUpperChar(name[n]))) {
      ++m;
      ++n;
    } else if (m < mask.size() && mask[m] == '*') {
      starM = m++;
      starN = n;
    } else if (starM != std::string_view::npos) {
      m = starM + 1;
      n = ++starN;
    } else {
      return false;
    }
  }
  while (m < mask.size() && mask[m] == '*') ++m;
  return m == mask.size();
}

std::string AttributeText(int a) {
  std::string s;
  if (a & os::kAttrReadOnly) s += 'R';
  if (a & os::kAttrHidden) s += 'H';
  if (a & os::kAttrSystem) s += 'S';
  if (a & os::kAttrDirectory) s += 'D';
  if (a & os::kAttrArchive) s += 'A';
  return s;
}

// Entries of the mask's directory that match its name part.
std::vector<os::DirEntry> Matching(std::string_view mask) {
  const std::size_t split = NameStart(mask);
  std::string_view dir = mask.substr(0, split);
  std::string_view pattern = mask.substr(split);
  if (pattern.empty()) pattern = "*";
  std::vector<os::DirEntry> all, hits;
  if (Set(os::ListDir(dir, &all)) != 0) return hits;
  for (auto& e : all)
    if (WildMatch(pattern, e.name)) hits.push_back(std::move(e));
  return hits;
}

}  // namespace

bool WildMatch(std::string_view mask, std::string_view name) {
  if (Matches(mask, name)) return true;
  // "*.*" and "name.*" also find names without an extension.
  if (mask.size() >= 2 && mask.substr(mask.size() - 2) == ".*" && name.find('.') == std::string_view::npos)
    return Matches(mask.substr(0, mask.size() - 2), name);
  return false;
}

bool FileExists(std::string_view mask) {
  for (const os::DirEntry& e : Matching(mask))
    if (!(e.attributes & os::kAttrDirectory)) {
      Set(0);
      return true;
    }
  if (LastError() == 0) Set(2);
  return false;
}

int FERASE(std::string_view name) { return Set(os::Erase(name)) == 0 ? 0 : -1; }

int FRENAME(std::string_view from, std::string_view to) { return Set(os::Rename(from, to)) == 0 ? 0 : -1; }

long FCREATE(std::string_view name, int attributes) {
  os::Handle h;
  return Set(os::Create(name, attributes, &h)) == 0 ? h : -1;
}

long FOPEN(std::string_view name, int mode) {
  os::Handle h;
  return Set(os::Open(name, mode, &h)) == 0 ? h : -1;
}

long FREAD(long handle, std::string& buffer, long n) {
  std::size_t want = n <= 0 ? 0 : std::min(static_cast<std::size_t>(n), buffer.size());
  std::size_t got = 0;
  Set(os::Read(handle, buffer.data(), want, &got));
  return static_cast<long>(got);
}

std::string FREADSTR(long handle, long n) {
  if (n <= 0) return {};
  std::string buf(static_cast<std::size_t>(std::min<long>(n, 1 << 20)), '\0');
  std::size_t got = 0;
  Set(os::Read(handle, buf.data(), buf.size(), &got));
  buf.resize(got);
  std::size_t zero = buf.find('\0');
  if (zero != std::string::npos) buf.resize(zero);
  return buf;
}

long FWRITE(long handle, std::string_view data, std::optional<long> n) {
  std::size_t count = data.size();
  if (n) count = *n <= 0 ? 0 : std::min(count, static_cast<std::size_t>(*n));
  std::size_t written = 0;
  Set(os::Write(handle, data.data(), count, &written));
  return static_cast<long>(written);
}

long FSEEK(long handle, long offset, int origin) {
  std::int64_t pos = 0;
  Set(os::Seek(handle, offset, origin, &pos));
  return static_cast<long>(pos);
}

bool FCLOSE(long handle) { return Set(os::Close(handle)) == 0; }

int FERROR() { return LastError(); }

std::string MEMOREAD(std::string_view name) {
  os::Handle h;
  if (Set(os::Open(name, os::kRead | os::kShareDenyNone, &h)) != 0) return {};
  std::string text;
  char chunk[65536];
  std::size_t got = 0;
  do {
    if (Set(os::Read(h, chunk, sizeof chunk, &got)) != 0) break;
    text.append(chunk, got);
  } while (got == sizeof chunk);
  os::Close(h);
  if (!text.empty() && text.back() == '\x1A') text.pop_back();
  return text;
}

bool MEMOWRIT(std::string_view name, std::string_view text, bool writeEof) {
  os::Handle h;
  if (Set(os::Create(name, 0, &h)) != 0) return false;
  std::size_t written = 0;
  bool ok = Set(os::Write(h, text.data(), text.size(), &written)) == 0 && written == text.size();
  if (ok && writeEof) ok = Set(os::Write(h, "\x1A", 1, &written)) == 0 && written == 1;
  os::Close(h);
  return ok;
}

bool FileCopy(std::string_view from, std::string_view to) {
  auto fail = [](int genCode, std::string_view file, int osCode) {
    auto e = MakeError(genCode, 2012, "BASE", "__COPYFILE");
    e->filename = std::string(file);
    e->osCode = osCode;
    e->canRetry = true;
    e->canDefault = true;
    return RaiseError(e).kind == ErrorOutcome::Retry;
  };
  os::Handle src;
  while (Set(os::Open(from, os::kRead | os::kShareDenyWrite, &src)) != 0)
    if (!fail(EG_OPEN, from, LastError())) return false;
  os::Handle dst;
  while (Set(os::Create(to, 0, &dst)) != 0) {
    if (!fail(EG_CREATE, to, LastError())) {
      os::Close(src);
      return false;
    }
  }
  std::vector<char> buf(65536);
  bool ok = true;
  for (;;) {
    std::size_t got = 0, put = 0;
    if (Set(os::Read(src, buf.data(), buf.size(), &got)) != 0) {
      ok = false;
      break;
    }
    if (got == 0) break;
    if (Set(os::Write(dst, buf.data(), got, &put)) != 0 || put != got) {
      ok = false;
      break;
    }
  }
  os::Close(src);
  os::Close(dst);
  return ok;
}

Value DIRECTORY(std::string_view mask, std::string_view attributes) {
  const std::string want = AsciiUpper(attributes);
  const bool dirs = want.find('D') != std::string::npos;
  const bool hidden = want.find('H') != std::string::npos;
  const bool system = want.find('S') != std::string::npos;
  std::string m(mask.empty() ? std::string_view("*.*") : mask);
  if (!m.empty() && (m.back() == '\\' || m.back() == '/' || m.back() == ':')) m += "*.*";
  Value result = Value::Array();
  for (const os::DirEntry& e : Matching(m)) {
    if ((e.attributes & os::kAttrDirectory) && !dirs) continue;
    if ((e.attributes & os::kAttrHidden) && !hidden) continue;
    if ((e.attributes & os::kAttrSystem) && !system) continue;
    result.Items().push_back(Value::Array({Value(e.name), Value::Num(static_cast<double>(e.size), 0, 0),
                                           Value(MakeDate(e.modified.year, e.modified.month, e.modified.day)),
                                           Value(TimeText(e.modified.hour, e.modified.minute, e.modified.second)),
                                           Value(AttributeText(e.attributes))}));
  }
  return result;
}

}  // namespace rt
