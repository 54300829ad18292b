#pragma once
// The clipboard as an object. Every method that opens the clipboard closes
// it again before it returns; when another program holds it, the methods
// give their failure values at once.

#include <windows.h>

#include <string>

#include "runtime/object.h"
#include "runtime/value.h"

namespace core {

class TClipBoard : public rt::Object {
 public:
  RT_CLASS_DECL()

  long nFormat = CF_TEXT;
  rt::Value oWnd;  // the window that opens the clipboard

  // oWnd defaults to the main window, else to the library's default window.
  TClipBoard& New(long format = CF_TEXT, rt::Value window = {});
  void Clear();
  bool Open();
  bool Empty();
  bool Close();
  // .T. when the clipboard holds no text or cannot be opened.
  bool IsEmpty();
  rt::Value SetData(const rt::Value& uData);
  rt::Value GetData();
  // .T. only when both the put and the close succeeded.
  bool SetText(const std::string& cText);
  rt::Value GetBitmap();
  // oBitmap is a bitmap object (its hBitmap) or a bitmap handle.
  bool SetBitmap(const rt::Value& oBitmap);
  std::string GetText();
  void End();

 private:
  bool Put(long format, const rt::Value& data);
};

}  // namespace core
