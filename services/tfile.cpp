#include "services/tfile.h"

#include <algorithm>

#include "runtime/text_case.h"
#include "services/int32.h"

namespace svc {
namespace {

DWORD AccessOf(int mode) {
  switch (mode & 3) {
    case 0: return GENERIC_READ;
    case 1: return GENERIC_WRITE;
    default: return GENERIC_READ | GENERIC_WRITE;
  }
}

DWORD ShareOf(int mode) {
  switch (mode & 0x70) {
    case 0x10: return 0;
    case 0x20: return FILE_SHARE_READ;
    case 0x30: return FILE_SHARE_WRITE;
    default: return FILE_SHARE_READ | FILE_SHARE_WRITE;
  }
}

std::string Cased(std::string s, int nCase) {
  if (nCase == 1) return rt::AsciiUpper(s);
  if (nCase == 2) return rt::AsciiLower(s);
  return s;
}

std::string DirectoryOf(const std::string& name) {
  std::size_t slash = name.find_last_of("\\/:");
  if (slash == std::string::npos) return ".";
  return name.substr(0, slash + 1);
}

}  // namespace

const rt::ClassInfo& TFile::ClassDef() {
  static const rt::ClassInfo info("TFILE", &rt::Object::ClassDef(), rt::FactoryOf<TFile>(), [](rt::ClassInfo& c) {
    auto num = [](rt::Args a, std::size_t i, long d = 0) { return a.size() > i ? rt::Arg(a, i).AsInt() : d; };
    auto mode = [](rt::Args a) { return a.size() > 1 && a[1].IsNumber() ? std::optional<int>(a[1].AsInt()) : std::nullopt; };
    auto str = [](rt::Args a) { return rt::Arg(a, 0).AsString(); };
    rt::ClassBuilder<TFile>(c)
        .Data("cName", &TFile::cName)
        .Data("nLen", &TFile::nLen)
        .Data("nBufferLen", &TFile::nBufferLen)
        .Data("nMode", &TFile::nMode)
        .Method("hFile", [](TFile& f, rt::Args) { return rt::Value(f.hFile()); })
        .Method("New", [=](TFile& f, rt::Args a) { return f.New(str(a), mode(a)).Self(); })
        .Method("Create", [=](TFile& f, rt::Args a) { return f.Create(str(a), mode(a)).Self(); })
        .Method("Open", [](TFile& f, rt::Args) { return rt::Value(f.Open()); })
        .Method("Close", [](TFile& f, rt::Args) { f.Close(); return rt::Value(); })
        .Method("End", [](TFile& f, rt::Args) { f.End(); return rt::Value(); })
        .Method("Skip", [=](TFile& f, rt::Args a) { f.Skip(num(a, 0, 1)); return rt::Value(); })
        .Method("GoTo", [=](TFile& f, rt::Args a) { f.GoTo(num(a, 0)); return rt::Value(); })
        .Method("GoTop", [](TFile& f, rt::Args) { f.GoTop(); return rt::Value(); })
        .Method("GoBottom", [](TFile& f, rt::Args) { f.GoBottom(); return rt::Value(); })
        .Method("lEoF", [](TFile& f, rt::Args) { return rt::Value(f.lEoF()); })
        .Method("lBoF", [](TFile& f, rt::Args) { return rt::Value(f.lBoF()); })
        .Method("nGetByte", [](TFile& f, rt::Args) { return rt::Value(f.nGetByte()); })
        .Method("nGetWord", [](TFile& f, rt::Args) { return rt::Value(f.nGetWord()); })
        .Method("cGetStr", [=](TFile& f, rt::Args a) { return rt::Value(f.cGetStr(num(a, 0))); })
        .Method("PutByte", [=](TFile& f, rt::Args a) { return rt::Value(f.PutByte(static_cast<int>(num(a, 0)))); })
        .Method("PutWord", [=](TFile& f, rt::Args a) { return rt::Value(f.PutWord(static_cast<int>(num(a, 0)))); })
        .Method("PutStr", [=](TFile& f, rt::Args a) { return rt::Value(f.PutStr(str(a))); })
        .Method("AppByte", [=](TFile& f, rt::Args a) { return rt::Value(f.AppByte(static_cast<int>(num(a, 0)))); })
        .Method("AppWord", [=](TFile& f, rt::Args a) { return rt::Value(f.AppWord(static_cast<int>(num(a, 0)))); })
        .Method("AppStr", [=](TFile& f, rt::Args a) { return rt::Value(f.AppStr(str(a))); })
        .Method("nRecNo", [](TFile& f, rt::Args) { return rt::Value(f.nRecNo()); })
        .Method("Count", [](TFile& f, rt::Args a) {
          return rt::Value(a.empty() || !a[0].IsString() ? f.Count() : f.Count(a[0].AsString()));
        })
        .Method("Seek", [=](TFile& f, rt::Args a) {
          return rt::Value(f.Seek(str(a), static_cast<int>(num(a, 1)), static_cast<int>(num(a, 2))));
        })
        .Method("DelBytes", [=](TFile& f, rt::Args a) { return rt::Value(f.DelBytes(num(a, 0))); })
        .Method("InsBytes", [=](TFile& f, rt::Args a) { return rt::Value(f.InsBytes(num(a, 0))); });
  });
  return info;
}
RT_CLASS_REGISTER(TFile);

TFile::~TFile() { Close(); }

std::intptr_t TFile::hFile() const { return Open() ? svc::HandleNumber(handle_) : 0; }

bool TFile::OpenWith(int mode) {
  handle_ = CreateFileA(cName.c_str(), AccessOf(mode), ShareOf(mode), nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL,
                        nullptr);
  if (!Open()) return false;
  nMode = mode;
  return true;
}

TFile& TFile::New(std::string_view name, std::optional<int> mode) {
  Close();
  cName = std::string(name);
  pos_ = 0;
  nLen = 0;
  if (GetFileAttributesA(cName.c_str()) != INVALID_FILE_ATTRIBUTES) {
    if (OpenWith(mode.value_or(2))) {
      LARGE_INTEGER size;
      nLen = GetFileSizeEx(handle_, &size) ? static_cast<long>(size.QuadPart) : 0;
    }
  } else {
    nMode = mode.value_or(0);
    // A created file is open for reading and writing whatever the mode,
    // as the runtime's own file creation leaves it.
    handle_ = CreateFileA(cName.c_str(), GENERIC_READ | GENERIC_WRITE, ShareOf(nMode), nullptr, CREATE_NEW,
                          FILE_ATTRIBUTE_NORMAL, nullptr);
  }
  return *this;
}

TFile& TFile::Create(std::string_view name, std::optional<int> mode) {
  Close();
  DeleteFileA(std::string(name).c_str());
  return New(name, mode);
}

void TFile::Close() {
  DropCache();
  if (Open()) CloseHandle(handle_);
  handle_ = INVALID_HANDLE_VALUE;
}

void TFile::GoBottom() {
  DropCache();
  LARGE_INTEGER size;
  if (Open() && GetFileSizeEx(handle_, &size)) nLen = static_cast<long>(size.QuadPart);
  pos_ = nLen;
}

std::string TFile::ReadAt(long offset, long n) {
  if (!Open() || offset < 0 || n <= 0) return {};
  const long cached = static_cast<long>(cache_.size());
  if (offset >= cacheAt_ && n <= cached && offset - cacheAt_ <= cached - n)
    return cache_.substr(static_cast<std::size_t>(offset - cacheAt_), static_cast<std::size_t>(n));
  if (n >= nBufferLen) return ReadFromFile(offset, n);
  cache_ = ReadFromFile(offset, nBufferLen);
  cacheAt_ = offset;
  return cache_.substr(0, std::min(cache_.size(), static_cast<std::size_t>(n)));
}

std::string TFile::ReadFromFile(long offset, long n) {
  std::string buf(static_cast<std::size_t>(n), '\0');
  OVERLAPPED at{};
  at.Offset = static_cast<DWORD>(offset);
  DWORD got = 0;
  if (!ReadFile(handle_, buf.data(), static_cast<DWORD>(n), &got, &at)) got = 0;
  buf.resize(got);
  return buf;
}

bool TFile::WriteAt(long offset, std::string_view bytes) {
  if (!Open() || offset < 0) return false;
  DropCache();
  OVERLAPPED at{};
  at.Offset = static_cast<DWORD>(offset);
  DWORD done = 0;
  bool ok = WriteFile(handle_, bytes.data(), static_cast<DWORD>(bytes.size()), &done, &at) && done == bytes.size();
  if (done > 0) nLen = std::max(nLen, offset + static_cast<long>(done));
  return ok;
}

int TFile::nGetByte() {
  std::string b = ReadAt(pos_, 1);
  if (b.empty()) return -1;
  pos_ += 1;
  return static_cast<unsigned char>(b[0]);
}

int TFile::nGetWord() {
  std::string b = ReadAt(pos_, 2);
  if (b.size() < 2) return -1;
  pos_ += 2;
  return static_cast<std::int16_t>(static_cast<unsigned char>(b[0]) | (static_cast<unsigned char>(b[1]) << 8));
}

std::string TFile::cGetStr(long n) {
  std::string s = ReadAt(pos_, n);
  pos_ += static_cast<long>(s.size());
  return s;
}

bool TFile::PutByte(int n) { return PutStr(std::string(1, static_cast<char>(n & 0xFF))); }

bool TFile::PutWord(int n) {
  char w[2] = {static_cast<char>(n & 0xFF), static_cast<char>((n >> 8) & 0xFF)};
  return PutStr(std::string_view(w, 2));
}

bool TFile::PutStr(std::string_view c) {
  if (!WriteAt(pos_, c)) return false;
  pos_ += static_cast<long>(c.size());
  return true;
}

bool TFile::AppByte(int n) {
  GoBottom();
  return PutByte(n);
}

bool TFile::AppWord(int n) {
  GoBottom();
  return PutWord(n);
}

bool TFile::AppStr(std::string_view c) {
  GoBottom();
  return PutStr(c);
}

long TFile::Count(std::string_view cDelim) {
  if (cDelim.empty()) return 0;
  long chunk = std::max<long>(nBufferLen, static_cast<long>(cDelim.size()) * 2);
  long overlap = static_cast<long>(cDelim.size()) - 1;
  long count = 0;
  for (long start = 0;;) {
    std::string buf = ReadAt(start, chunk);
    for (std::size_t at = buf.find(cDelim); at != std::string::npos; at = buf.find(cDelim, at + cDelim.size()))
      ++count;
    if (static_cast<long>(buf.size()) < chunk) return count;
    // The next chunk repeats the last bytes, so a delimiter across the
    // border is seen; a whole delimiter never fits in the repeated part.
    start += chunk - overlap;
  }
}

bool TFile::Seek(std::string_view cText, int nDirection, int nCase) {
  if (cText.empty()) return false;
  long chunk = std::max<long>(nBufferLen, static_cast<long>(cText.size()) * 2);
  long overlap = static_cast<long>(cText.size()) - 1;
  if (nDirection == 0) {
    for (long start = std::max(pos_, 0L);;) {
      std::string buf = Cased(ReadAt(start, chunk), nCase);
      std::size_t at = buf.find(cText);
      if (at != std::string::npos) {
        pos_ = start + static_cast<long>(at);
        return true;
      }
      if (static_cast<long>(buf.size()) < chunk) return false;
      start += chunk - overlap;
    }
  }
  for (long end = std::min(pos_, nLen);;) {
    long begin = std::max(0L, end - chunk);
    std::string buf = Cased(ReadAt(begin, end - begin), nCase);
    std::size_t at = buf.rfind(cText);
    if (at != std::string::npos) {
      pos_ = begin + static_cast<long>(at);
      return true;
    }
    if (begin == 0) return false;
    end = begin + overlap;
  }
}

bool TFile::DelBytes(long n) {
  if (n <= 0 || !Open()) return false;
  long at = std::clamp(pos_, 0L, nLen);
  return Rewrite(at, std::min(n, nLen - at), 0);
}

bool TFile::InsBytes(long n) {
  if (n <= 0 || !Open()) return false;
  if (pos_ >= nLen) {
    GoBottom();
    long from = pos_;
    bool ok = PutStr(std::string(static_cast<std::size_t>(n), ' '));
    pos_ = from;
    return ok;
  }
  return Rewrite(std::max(pos_, 0L), 0, n);
}

bool TFile::Rewrite(long keep, long skip, long blanks) {
  // The scratch file lies next to the file, so that the replacement is a
  // rename within one volume, under a name no other writer can hold.
  char scratch[MAX_PATH + 16];
  if (!GetTempFileNameA(DirectoryOf(cName).c_str(), "vdf", 0, scratch)) return false;
  HANDLE out = CreateFileA(scratch, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (out == INVALID_HANDLE_VALUE) {
    DeleteFileA(scratch);
    return false;
  }
  auto write = [&](std::string_view bytes) {
    DWORD done = 0;
    return WriteFile(out, bytes.data(), static_cast<DWORD>(bytes.size()), &done, nullptr) && done == bytes.size();
  };
  auto copy = [&](long from, long to) {
    for (long p = from; p < to;) {
      std::string buf = ReadAt(p, std::min(std::max(nBufferLen, 1L), to - p));
      if (buf.empty() || !write(buf)) return false;
      p += static_cast<long>(buf.size());
    }
    return true;
  };
  bool ok = copy(0, keep) && write(std::string(static_cast<std::size_t>(blanks), ' ')) && copy(keep + skip, nLen) &&
            FlushFileBuffers(out);
  ok = CloseHandle(out) && ok;

  int oldMode = nMode;
  long oldPos = pos_;
  Close();
  if (!ok || !MoveFileExA(scratch, cName.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
    DeleteFileA(scratch);
    OpenWith(oldMode);
    pos_ = oldPos;
    return false;
  }
  if (!OpenWith(18)) return false;
  nLen += blanks - skip;
  pos_ = oldPos;
  return true;
}

}  // namespace svc
