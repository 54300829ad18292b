#pragma once
// The bitmaps beside the entries of an owner-drawn list or combo box, and
// what the two boxes share about their entries.

#include <windows.h>

#include <string>
#include <vector>

#include "runtime/value.h"

namespace controls {

class ListBitmaps {
 public:
  ListBitmaps() = default;
  ListBitmaps(const ListBitmaps&) = delete;
  ListBitmaps& operator=(const ListBitmaps&) = delete;
  ~ListBitmaps() { Clear(); }

  // Each element is a handle (a number), or a name read from a file when
  // one exists, else loaded from the current resource module; a name that
  // is neither gives that entry no bitmap (0). The first bitmap gives the
  // sizes. Bitmaps loaded here before are deleted first.
  void Set(const rt::Value& aNames);
  // Deletes the bitmaps loaded here; handles the caller passed stay its own.
  void Clear();
  void Swap(std::size_t i, std::size_t j);  // 1-based positions

  rt::Value aBitmaps = rt::Value::Array();  // handles as numbers
  int nWidth = 0, nHeight = 0;

 private:
  std::vector<HBITMAP> owned_;
};

// An entry as the native list shows it: a text as it is, NIL as "", any
// other value as CVALTOCHAR gives it.
std::string EntryText(const rt::Value& item);
// Trimmed and upper-cased, as entries and values are compared.
std::string EntryKey(const rt::Value& item);
// The text of entry n (1-based) of the native box hWnd holding count
// entries, read with its own length and text messages; "" outside.
std::string NativeEntry(HWND hWnd, long n, long count, UINT lengthMsg, UINT textMsg);

}  // namespace controls
