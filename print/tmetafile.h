#pragma once
// A control showing a metafile file (a recorded page) scaled to its size,
// with a shadow, a zoom and a window origin for scrolling.

#include <windows.h>

#include <memory>
#include <string>

#include "core/tcontrol.h"
#include "graphics/tpen.h"

namespace prn {

class TMetaFile : public core::TControl {
 public:
  RT_CLASS_DECL()

  HMETAFILE hMeta = nullptr;
  std::shared_ptr<gfx::TPen> oPen;
  int nWidth = 100, nHeight = 100;  // the metafile's logical extents
  int nXorig = 0, nYorig = 0;
  int nXZoom = 2, nYZoom = 4;
  bool lZoom = false, lShadow = true;

  TMetaFile& New(int nTop, int nLeft, int nWidth = 100, int nHeight = 100, const std::string& cFile = {},
                 const rt::Value& oWnd = {}, const rt::Value& nClrFore = {}, const rt::Value& nClrBack = {},
                 int nHorzRes = 100, int nVertRes = 100);
  TMetaFile& Redefine(long nId, const std::string& cFile, const rt::Value& oWnd, const rt::Value& nClrFore = {},
                      const rt::Value& nClrBack = {});
  // The caption becomes the file when it exists, else ""; the next paint
  // loads it.
  void SetFile(const std::string& cFile);
  void SetOrg(const rt::Value& nX, const rt::Value& nY);
  void ZoomIn();
  void ZoomOut();
  void SetZoomFactor(int nX, int nY);
  void Shadow();
  bool End();

  rt::Value Display() override;
  rt::Value Paint() override;
  rt::Value HandleEvent(UINT nMsg, WPARAM nWParam, LPARAM nLParam) override;

 private:
  void Load();
  void Forget();
  // The missing file the user was told about; told once per name.
  std::string alerted_;
};

}  // namespace prn
