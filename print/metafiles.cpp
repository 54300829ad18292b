#include "print/metafiles.h"

#include <fstream>
#include <vector>

#include "print/placeable_header.h"
#include "services/msgbox.h"

namespace prn {

namespace {

constexpr const char* kGdi = "gdi32.dll";

// Calls fn with the named entry of gdi32, loaded for this call only; a
// library that does not load is reported and the call answers fallback.
template <class Fn, class R, class... A>
R CallGdi(const char* name, R fallback, A... args) {
  HMODULE gdi = LoadLibraryA(kGdi);
  if (reinterpret_cast<std::uintptr_t>(gdi) <= 32) {
    svc::MSGALERT("Error code: " + std::to_string(reinterpret_cast<std::uintptr_t>(gdi)) + " loading " + kGdi);
    return fallback;
  }
  R result = fallback;
  if (auto fn = reinterpret_cast<Fn*>(reinterpret_cast<void*>(GetProcAddress(gdi, name)))) result = fn(args...);
  FreeLibrary(gdi);
  return result;
}

}  // namespace

HDC CREATEMETAFILE(const std::string& cFile) { return CreateMetaFileA(cFile.c_str()); }
HMETAFILE CLOSEMETAFILE(HDC hDC) { return CloseMetaFile(hDC); }
int DELETEMETAFILE(HMETAFILE hMeta) { return DeleteMetaFile(hMeta); }
HMETAFILE GETMETAFILE(const std::string& cFile) { return GetMetaFileA(cFile.c_str()); }
bool PLAYMETAFILE(HDC hDC, HMETAFILE hMeta) { return PlayMetaFile(hDC, hMeta) != FALSE; }

std::intptr_t GETPMETAFILE(const std::string& cFile, const rt::Value& aInfo) {
  std::ifstream in(cFile, std::ios::binary | std::ios::ate);
  if (!in) return -1;
  const std::uint64_t fileSize = static_cast<std::uint64_t>(in.tellg());
  std::uint8_t head[kHeadSize] = {};
  in.seekg(0);
  if (!in.read(reinterpret_cast<char*>(head), sizeof head)) return -1;
  const auto info = ParsePlaceableHeader(head, fileSize);
  if (!info) return -1;
  std::vector<std::uint8_t> bits(info->bitsSize);
  in.seekg(static_cast<std::streamoff>(kPlaceableHeaderSize));
  if (!in.read(reinterpret_cast<char*>(bits.data()), static_cast<std::streamsize>(bits.size()))) return -1;
  HMETAFILE meta = SetMetaFileBitsEx(static_cast<UINT>(bits.size()), bits.data());
  if (!meta) return -1;
  if (aInfo.IsArray() && aInfo.Len() == 5) {
    auto& items = aInfo.Items();
    items[0] = rt::Value(info->top);
    items[1] = rt::Value(info->left);
    items[2] = rt::Value(info->bottom);
    items[3] = rt::Value(info->right);
    items[4] = rt::Value(info->unitsPerInch);
  }
  return reinterpret_cast<std::intptr_t>(meta);
}

UINT GETMETAFBE(HMETAFILE hMeta, UINT nSize, void* pBuffer) {
  return CallGdi<UINT WINAPI(HMETAFILE, UINT, LPVOID)>("GetMetaFileBitsEx", 0u, hMeta, nSize, pBuffer);
}

HENHMETAFILE SETWINMFB(UINT nSize, const void* pBits, HDC hRef, const METAFILEPICT* pPict) {
  return CallGdi<HENHMETAFILE WINAPI(UINT, const BYTE*, HDC, const METAFILEPICT*)>(
      "SetWinMetaFileBits", static_cast<HENHMETAFILE>(nullptr), nSize, static_cast<const BYTE*>(pBits), hRef, pPict);
}

bool PLAYEMF(HDC hDC, HENHMETAFILE hEmf, const RECT& rect) {
  return CallGdi<BOOL WINAPI(HDC, HENHMETAFILE, const RECT*)>("PlayEnhMetaFile", FALSE, hDC, hEmf, &rect) != FALSE;
}

bool DELETEEMF(HENHMETAFILE hEmf) {
  return CallGdi<BOOL WINAPI(HENHMETAFILE)>("DeleteEnhMetaFile", FALSE, hEmf) != FALSE;
}

UINT GETEMFHEADER(HENHMETAFILE hEmf, UINT nSize, ENHMETAHEADER* pHeader) {
  return CallGdi<UINT WINAPI(HENHMETAFILE, UINT, LPENHMETAHEADER)>("GetEnhMetaFileHeader", 0u, hEmf, nSize, pHeader);
}

HENHMETAFILE WMF2EMF(const std::string& cFile) {
  HMETAFILE meta = GETMETAFILE(cFile);
  if (!meta) return nullptr;
  const UINT size = GETMETAFBE(meta, 0, nullptr);
  std::vector<std::uint8_t> bits(size);
  HENHMETAFILE emf = nullptr;
  if (size && GETMETAFBE(meta, size, bits.data()) == size) emf = SETWINMFB(size, bits.data(), nullptr, nullptr);
  DeleteMetaFile(meta);
  return emf;
}

}  // namespace prn
