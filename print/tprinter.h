#pragma once
// The printer object: a printer DC, units (pixels, centimetres, inches),
// drawing on the current page, and either printing directly or recording
// each page as a metafile file (tmpNNNN.wmf) for the preview.

#include <windows.h>

#include <memory>
#include <string>

#include "graphics/tfont.h"
#include "graphics/tpen.h"
#include "runtime/object.h"

namespace prn {

class TPrinter : public rt::Object {
 public:
  RT_CLASS_DECL()

  std::shared_ptr<gfx::TFont> oFont;
  HDC hDC = nullptr;
  HDC hDCOut = nullptr;
  rt::Value aMeta = rt::Value::Array();
  std::string cDir, cDocument, cModel;
  int nPage = 0, nXOffset = 0, nYOffset = 0, nPad = 0, nOrient = 0;
  bool lMeta = false, lStarted = false, lModified = false, lPrvModal = false;

  TPrinter& New(const rt::Value& cDocument = {}, bool lUser = false, bool lMeta = false,
                const rt::Value& cModel = {}, bool lPrvModal = false);
  // A job or page that the printer refuses is told to the user and closes
  // the device: hDC is 0 afterwards.
  void StartPage();
  void EndPage();
  void End();
  void Rebuild();

  void Say(double nRow, double nCol, const std::string& cText, const std::shared_ptr<gfx::TFont>& font = nullptr,
           double nWidth = 0, const rt::Value& nClrText = {}, int nBkMode = TRANSPARENT, const rt::Value& nPad = {});
  void CmSay(double nRow, double nCol, const std::string& cText, const std::shared_ptr<gfx::TFont>& font = nullptr,
             double nWidth = 0, const rt::Value& nClrText = {}, int nBkMode = TRANSPARENT,
             const rt::Value& nPad = {});
  void InchSay(double nRow, double nCol, const std::string& cText, const std::shared_ptr<gfx::TFont>& font = nullptr,
               double nWidth = 0, const rt::Value& nClrText = {}, int nBkMode = TRANSPARENT,
               const rt::Value& nPad = {});
  // A bitmap resource (number or name) or .BMP file; skipped when it cannot
  // be loaded.
  void SayBitmap(int nRow, int nCol, const rt::Value& xBitmap, int nWidth = 0, int nHeight = 0,
                 DWORD nRaster = SRCCOPY);
  // An image as {hBitmap, hPalette}; a size of 0 follows the image's
  // proportions, both 0 its natural size.
  void SayImage(int nRow, int nCol, const rt::Value& oImage, int nWidth = 0, int nHeight = 0,
                DWORD nRaster = SRCCOPY);

  void SetPos(int nRow, int nCol);
  void Line(int nTop, int nLeft, int nBottom, int nRight, const std::shared_ptr<gfx::TPen>& pen = nullptr);
  void Box(int nRow, int nCol, int nBottom, int nRight, const std::shared_ptr<gfx::TPen>& pen = nullptr);
  void RoundBox(int nRow, int nCol, int nBottom, int nRight, int nWidth, int nHeight,
                const std::shared_ptr<gfx::TPen>& pen = nullptr, const rt::Value& nBkColor = {});
  void Ellipse(int nTop, int nLeft, int nBottom, int nRight, const std::shared_ptr<gfx::TPen>& pen = nullptr);
  void Arc(int nTop, int nLeft, int nBottom, int nRight, int nStartX, int nStartY, int nEndX, int nEndY,
           const std::shared_ptr<gfx::TPen>& pen = nullptr);
  void Chord(int nTop, int nLeft, int nBottom, int nRight, int nStartX, int nStartY, int nEndX, int nEndY,
             const std::shared_ptr<gfx::TPen>& pen = nullptr);
  void Pie(int nRow, int nCol, int nBottom, int nRight, int nStartX, int nStartY, int nEndX, int nEndY,
           const std::shared_ptr<gfx::TPen>& pen = nullptr);
  // The colour at (nRow, nCol) of the page.
  COLORREF GetPixel(int nRow, int nCol);
  void SetPixel(int nRow, int nCol, COLORREF nColor);
  void FillRect(const rt::Value& aRect, HBRUSH hBrush);

  // Positions in centimetres or inches to device pixels, less the printable
  // offset and never below 0; both by reference, answered as {nRow, nCol}.
  rt::Value Cmtr2Pix(double& nRow, double& nCol);
  rt::Value Inch2Pix(double& nRow, double& nCol);
  rt::Value CmRect2Pix(const rt::Value& aRect);
  rt::Value SizeInch2Pix(double nHeight, double nWidth);
  rt::Value Pix2Mmtr(double nRow, double nCol);
  rt::Value Pix2Inch(double nRow, double nCol);

  int nVertRes() const { return Caps(VERTRES); }
  int nHorzRes() const { return Caps(HORZRES); }
  int nVertSize() const { return Caps(VERTSIZE); }
  int nHorzSize() const { return Caps(HORZSIZE); }
  int nLogPixelX() const { return Caps(LOGPIXELSX); }
  int nLogPixelY() const { return Caps(LOGPIXELSY); }
  // The map modes of hDC.
  void SetPixelMode() { MapMode(MM_TEXT); }
  void SetTwipsMode() { MapMode(MM_TWIPS); }
  void SetLoInchMode() { MapMode(MM_LOENGLISH); }
  void SetHiInchMode() { MapMode(MM_HIENGLISH); }
  void SetLoMetricMode() { MapMode(MM_LOMETRIC); }
  void SetHiMetricMode() { MapMode(MM_HIMETRIC); }
  void SetIsotropicMode() { MapMode(MM_ISOTROPIC); }
  void SetAnisotropicMode() { MapMode(MM_ANISOTROPIC); }
  void SetWindowExt(int nX, int nY);
  void SetViewPortExt(int nX, int nY);

  int GetTextWidth(const std::string& cText, const std::shared_ptr<gfx::TFont>& font = nullptr);
  int GetTextHeight(const std::string& cText, const std::shared_ptr<gfx::TFont>& font = nullptr);
  std::shared_ptr<gfx::TFont> SetFont(const std::shared_ptr<gfx::TFont>& font = nullptr);
  void CharSay(int nRow, int nCol, const std::string& cText);
  int CharWidth();
  int CharHeight();

  // When recording with pages and a DC: the preview (RPREVIEW by name);
  // otherwise End.
  void Preview();
  bool ResetDC();
  int GetOrientation();
  void SetLandscape();
  void SetPortrait();
  void SetCopies(int nCopies);
  void SetSize(int nWidth, int nLength);
  void SetPage(int nPaper);
  void SetBin(int nBin);
  void DraftMode(bool lOn);
  std::string GetModel();
  std::string GetDriver();
  std::string GetPort();
  rt::Value GetPhySize();
  void Setup();

  // A placeable (or plain) metafile file played over the page.
  void ImportWMF(const std::string& cFile, bool lPlaceable = true);
  bool ImportRAW(const std::string& cFile);

 private:
  int Caps(int index) const { return hDC ? GetDeviceCaps(hDC, index) : 0; }
  // A job or page that cannot start: the user is told and the device
  // closed.
  void Abort(const std::string& cMessage);
  // Ends a started job (telling the user when the spooler refuses it),
  // erases the page files, puts the orientation back and deletes the DC.
  void CloseDevice();
  void MapMode(int mode);
  std::string PageFile(int page) const;
  void SayPixels(int nRow, int nCol, const std::string& cText, const std::shared_ptr<gfx::TFont>& font, int nWidth,
                 const rt::Value& nClrText, int nBkMode, const rt::Value& nPad);
  // Draws the DIB and frees it, with the palette made for it.
  void DrawDib(int nRow, int nCol, HGLOBAL dib, int nWidth, int nHeight, DWORD nRaster);
  template <class Draw>
  void WithPen(const std::shared_ptr<gfx::TPen>& pen, Draw draw);
};

using TPrinterPtr = std::shared_ptr<TPrinter>;

// The builders' current printer.
TPrinterPtr PRINTBEGIN(const rt::Value& cDocument = {}, bool lUser = false, bool lPreview = false,
                       const rt::Value& xModel = {}, bool lModal = false);
void PAGEBEGIN();
void PAGEEND();
void PRINTEND();
TPrinterPtr CurrentPrinter();
void ForgetCurrentPrinter();
// The installed printers' names, and the system default by name.
rt::Value AGETPRINTERS();
bool SETPRINTDEFAULT(const std::string& cPrinter);

// Enters PRINTBEGIN, PAGEBEGIN, PAGEEND, PRINTEND, the preview and the
// report builders in the registry of public functions, so that lower layers
// reach them by name, and lends the report engine the printer and its
// dialogs. Done at the start of every program that links the print layer.
void RegisterPrintFunctions();

}  // namespace prn
