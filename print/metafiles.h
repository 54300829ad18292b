#pragma once
// Windows metafiles: recording, loading and playing the page files, the
// reader of placeable metafile files, and the enhanced-metafile functions,
// which are bound from gdi32 by name at each call.

#include <windows.h>

#include <cstdint>
#include <string>

#include "runtime/value.h"

namespace prn {

HDC CREATEMETAFILE(const std::string& cFile);
HMETAFILE CLOSEMETAFILE(HDC hDC);
int DELETEMETAFILE(HMETAFILE hMeta);
// A standard metafile file; null on failure.
HMETAFILE GETMETAFILE(const std::string& cFile);
bool PLAYMETAFILE(HDC hDC, HMETAFILE hMeta);

// A placeable metafile file as a metafile handle; -1 for a missing, short,
// damaged or oversized file. A five-element aInfo receives {top, left,
// bottom, right, units per inch} of the bounding box.
std::intptr_t GETPMETAFILE(const std::string& cFile, const rt::Value& aInfo = {});

// An enhanced metafile made from a standard metafile file; null on failure.
HENHMETAFILE WMF2EMF(const std::string& cFile);
// The Win32 functions of those names, bound at each call.
UINT GETMETAFBE(HMETAFILE hMeta, UINT nSize, void* pBuffer);
HENHMETAFILE SETWINMFB(UINT nSize, const void* pBits, HDC hRef, const METAFILEPICT* pPict);
bool PLAYEMF(HDC hDC, HENHMETAFILE hEmf, const RECT& rect);
bool DELETEEMF(HENHMETAFILE hEmf);
UINT GETEMFHEADER(HENHMETAFILE hEmf, UINT nSize, ENHMETAHEADER* pHeader);

}  // namespace prn
