#include "print/tprinter.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <utility>

#include "graphics/dc.h"
#include "graphics/dib.h"
#include "graphics/palette_bitmap.h"
#include "print/job_messages.h"
#include "print/metafiles.h"
#include "print/print_settings.h"
#include "runtime/files.h"
#include "services/common_dialogs.h"
#include "services/file_info.h"
#include "services/global_memory.h"
#include "services/int32.h"
#include "services/msgbox.h"
#include "services/process.h"

namespace prn {

namespace {

constexpr const char* kDefaultDocument = "Vindral Report";

// The first of the temporary variables that names a directory, without a
// trailing backslash; the Windows directory otherwise.
std::string TempBase() {
  for (const char* name : {"TEMP", "TMP"}) {
    const char* value = std::getenv(name);
    std::string dir = value ? value : "";
    while (!dir.empty() && (dir.back() == '\\' || dir.back() == '/')) dir.pop_back();
    if (!dir.empty()) return svc::LISDIR(dir) ? dir : svc::GETWINDIR();
  }
  return svc::GETWINDIR();
}

// A directory of this printer's own below the temporary one, so that two
// recording printers (a preview and a report, two programs) never write
// over each other's pages.
std::string OwnPageDir() {
  const std::string base = TempBase();
  for (unsigned n = GetCurrentProcessId() % 100000;; ++n) {
    const std::string dir = base + "\\vdprn" + std::to_string(n);
    if (CreateDirectoryA(dir.c_str(), nullptr)) return dir;
    if (GetLastError() != ERROR_ALREADY_EXISTS) return base;
  }
}

// Selects an object into the DC for the scope.
class Selected {
 public:
  Selected(HDC dc, HGDIOBJ object) : dc_(dc), old_(object ? SelectObject(dc, object) : nullptr) {}
  ~Selected() {
    if (old_) SelectObject(dc_, old_);
  }
  Selected(const Selected&) = delete;
  Selected& operator=(const Selected&) = delete;

 private:
  HDC dc_;
  HGDIOBJ old_;
};

}  // namespace

TPrinter& TPrinter::New(const rt::Value& document, bool lUser, bool meta, const rt::Value& model, bool prvModal) {
  cDocument = document.IsString() ? document.AsString() : kDefaultDocument;
  lMeta = meta;
  lPrvModal = prvModal;
  const std::string wanted = model.IsString() ? model.AsString() : "";
  if (lUser) {
    hDC = GETPRINTDC(GetActiveWindow());
  } else if (wanted.empty()) {
    hDC = GETPRINTDEFAULT();
  } else if (SelectPrinter(wanted.substr(0, wanted.find(',')))) {
    // The named printer is loaded into this process's settings only; the
    // system's default stays as it is.
    hDC = GETPRINTDEFAULT();
  }
  if (hDC) {
    cModel = wanted.empty() ? GetModel() + "," + GetDriver() + "," + GetPort() : wanted;
    const rt::Value offset = PRNOFFSET(hDC);
    nXOffset = static_cast<int>(offset.At(1).AsInt());
    nYOffset = static_cast<int>(offset.At(2).AsInt());
    nOrient = GetOrientation();
  } else if (!lUser || svc::COMDLGXERR() != 0) {
    svc::MSGSTOP(std::string("There are no printers installed!\r\nPlease exit this application and install a printer."));
  }
  nPage = nPad = 0;
  lStarted = lModified = false;
  if (lMeta) {
    aMeta = rt::Value::Array();
    cDir = OwnPageDir();
  } else {
    hDCOut = hDC;
  }
  return *this;
}

std::string TPrinter::PageFile(int page) const {
  char number[16];
  std::snprintf(number, sizeof number, "%04d", page);
  return cDir + "\\tmp" + number + ".wmf";
}

void TPrinter::StartPage() {
  if (!hDC) return;
  if (!lMeta && !lStarted) {
    if (PRNSTARTDOC(hDC, rt::Value(cDocument)) <= 0) {
      Abort(kJobNotStarted);
      return;
    }
    lStarted = true;
  }
  ++nPage;
  if (lMeta) {
    const std::string file = PageFile(nPage);
    aMeta.Items().push_back(rt::Value(file));
    hDCOut = CREATEMETAFILE(file);
  } else if (STARTPAGE(hDC) <= 0) {
    Abort(PageNotStarted(nPage));
  }
}

void TPrinter::Abort(const std::string& cMessage) {
  svc::MSGALERT(cMessage, std::string(kPrinterErrorTitle));
  // The pages printed before go out, whatever the broken job answers.
  if (lStarted) PRNENDDOC(hDC);
  lStarted = false;
  // Without a DC every further page and drawing call does nothing, and
  // whoever prints on this printer sees that it takes no more output.
  CloseDevice();
}

void TPrinter::EndPage() {
  if (!hDC) return;
  if (!lMeta) {
    ENDPAGE(hDC);
    return;
  }
  if (aMeta.Len() == 0 || !hDCOut) {
    svc::MSGALERT(std::string("The temporal metafile could not be created"), std::string(kPrinterErrorTitle));
    return;
  }
  DELETEMETAFILE(CLOSEMETAFILE(std::exchange(hDCOut, nullptr)));
  const std::string file = aMeta.Items().back().AsString();
  if (!rt::FileExists(file))
    svc::MSGALERT("Could not create temporary file: " + file +
                      "\r\n\r\nPlease check your free space on your hard drive \r\nand the amount of files handles "
                      "available.",
                  std::string("Print preview error"));
}

void TPrinter::CloseDevice() {
  if (!hDC) return;
  // The spooler may refuse the job only at its end (an output file that
  // cannot be written): the pages did not go out.
  if (!lMeta && lStarted && PRNENDDOC(hDC) <= 0)
    svc::MSGALERT(std::string(kJobNotFinished), std::string(kPrinterErrorTitle));
  if (lMeta) {
    if (hDCOut) DeleteMetaFile(CloseMetaFile(std::exchange(hDCOut, nullptr)));
    for (const rt::Value& file : aMeta.Items()) DeleteFileA(file.AsString().c_str());
    aMeta = rt::Value::Array();
  }
  // Only a known orientation that was changed is put back, on the settings
  // record; no DC is made for it.
  if ((nOrient == DMORIENT_PORTRAIT || nOrient == DMORIENT_LANDSCAPE) && PRNGETORIENTATION() != nOrient)
    nOrient == DMORIENT_PORTRAIT ? PRNPORTRAIT() : PRNLANDSCAPE();
  DeleteDC(std::exchange(hDC, nullptr));
  hDCOut = nullptr;
  lStarted = false;
}

void TPrinter::End() {
  CloseDevice();
  if (lMeta && !cDir.empty() && cDir != TempBase()) RemoveDirectoryA(cDir.c_str());
  if (oFont) std::exchange(oFont, nullptr)->End();
  if (CurrentPrinter().get() == this) ForgetCurrentPrinter();
}

void TPrinter::Rebuild() {
  if (!lMeta && lStarted) PRNENDDOC(hDC);
  if (lMeta && hDCOut) DeleteMetaFile(CloseMetaFile(hDCOut));
  hDCOut = nullptr;
  if (hDC) DeleteDC(hDC);
  hDC = GETPRINTDEFAULT();
  lStarted = false;
  lModified = true;
  if (!lMeta) hDCOut = hDC;
}

std::shared_ptr<gfx::TFont> TPrinter::SetFont(const std::shared_ptr<gfx::TFont>& font) {
  if (font) {
    // The printer holds a use of the font it keeps, as every owner does: End
    // then leaves a font that others still hold (pooled fonts are shared).
    gfx::HoldFont(oFont, font);
  } else if (!oFont) {
    oFont = std::make_shared<gfx::TFont>()->New("COURIER", 0, -12, false, false, 0, 0, 0, false, false, false, 0, 0,
                                                0, 0, Self());
  }
  return oFont;
}

int TPrinter::GetTextWidth(const std::string& cText, const std::shared_ptr<gfx::TFont>& font) {
  if (!hDC) return 0;
  const Selected chosen(hDC, SetFont(font)->hFont);
  SIZE size{};
  GetTextExtentPoint32A(hDC, cText.data(), static_cast<int>(cText.size()), &size);
  return size.cx;
}

int TPrinter::GetTextHeight(const std::string&, const std::shared_ptr<gfx::TFont>& font) {
  if (!hDC) return 0;
  const Selected chosen(hDC, SetFont(font)->hFont);
  TEXTMETRICA tm{};
  GetTextMetricsA(hDC, &tm);
  return tm.tmHeight;
}

void TPrinter::SayPixels(int nRow, int nCol, const std::string& cText, const std::shared_ptr<gfx::TFont>& font,
                         int nWidth, const rt::Value& nClrText, int nBkMode, const rt::Value& padValue) {
  if (!hDC || !hDCOut) return;
  const std::shared_ptr<gfx::TFont> f = font ? font : SetFont();
  const int pad = padValue.IsNumber() ? static_cast<int>(padValue.AsInt()) : nPad;
  const Selected chosen(hDCOut, f->hFont);
  if (nClrText.IsNumber()) SetTextColor(hDCOut, static_cast<COLORREF>(nClrText.AsNumber()));
  SetBkMode(hDCOut, nBkMode);
  const int length = static_cast<int>(cText.size());
  if (nWidth <= 0) {
    const int textWidth = GetTextWidth(cText, f);
    if (pad == 1) nCol = nCol - textWidth;
    if (pad == 2) nCol = std::max(0, nCol - textWidth / 2);
    SetTextAlign(hDCOut, TA_LEFT);
    TextOutA(hDCOut, nCol, nRow, cText.data(), length);
    return;
  }
  const RECT clip{nCol, nRow, nCol + nWidth, nRow + GetTextHeight(cText, f)};
  int x = nCol;
  UINT align = TA_LEFT;
  if (pad == 1) {
    x = nCol + nWidth;
    align = TA_RIGHT;
  } else if (pad == 2) {
    x = nCol + nWidth / 2;
    align = TA_CENTER;
  }
  SetTextAlign(hDCOut, align);
  ExtTextOutA(hDCOut, x, nRow, ETO_CLIPPED, &clip, cText.data(), static_cast<UINT>(length), nullptr);
  SetTextAlign(hDCOut, TA_LEFT);
}

void TPrinter::Say(double nRow, double nCol, const std::string& cText, const std::shared_ptr<gfx::TFont>& font,
                   double nWidth, const rt::Value& nClrText, int nBkMode, const rt::Value& pad) {
  SayPixels(static_cast<int>(nRow), static_cast<int>(nCol), cText, font, static_cast<int>(nWidth), nClrText, nBkMode,
            pad);
}

void TPrinter::CmSay(double nRow, double nCol, const std::string& cText, const std::shared_ptr<gfx::TFont>& font,
                     double nWidth, const rt::Value& nClrText, int nBkMode, const rt::Value& pad) {
  Cmtr2Pix(nRow, nCol);
  Say(nRow, nCol, cText, font, nWidth, nClrText, nBkMode, pad);
}

void TPrinter::InchSay(double nRow, double nCol, const std::string& cText, const std::shared_ptr<gfx::TFont>& font,
                       double nWidth, const rt::Value& nClrText, int nBkMode, const rt::Value& pad) {
  Inch2Pix(nRow, nCol);
  Say(nRow, nCol, cText, font, nWidth, nClrText, nBkMode, pad);
}

void TPrinter::DrawDib(int nRow, int nCol, HGLOBAL dib, int nWidth, int nHeight, DWORD nRaster) {
  // The page of a recording printer keeps the picture's own colours.
  HPALETTE palette = lMeta ? nullptr : gfx::DIBPALETTE(dib);
  gfx::DIBDRAW(hDCOut, dib, palette, nRow, nCol, nWidth, nHeight, nRaster);
  gfx::DELETEOBJECT(palette);
  // The block came from GLOBALALLOC, whose registry lets it go only here.
  svc::GLOBALFREE(svc::HandleNumber(dib));
}

void TPrinter::SayBitmap(int nRow, int nCol, const rt::Value& xBitmap, int nWidth, int nHeight, DWORD nRaster) {
  if (!hDC || !hDCOut) return;
  HGLOBAL dib = nullptr;
  if (xBitmap.IsString() && rt::FileExists(xBitmap.AsString())) {
    dib = gfx::DIBREAD(xBitmap.AsString());
  } else if (xBitmap.IsString() || xBitmap.IsNumber()) {
    const rt::Value loaded = gfx::PALBMPLOAD(xBitmap);
    const auto bitmap = reinterpret_cast<HBITMAP>(svc::ToHandle(loaded.At(1)));
    const auto palette = reinterpret_cast<HPALETTE>(svc::ToHandle(loaded.At(2)));
    if (bitmap) dib = gfx::DIBFROMBITMAP(bitmap, palette);
    // The DIB holds the picture now. The loaded bitmap and palette are in
    // no palette table, so they are deleted here.
    gfx::DELETEOBJECT(bitmap);
    gfx::DELETEOBJECT(palette);
  }
  if (dib) DrawDib(nRow, nCol, dib, nWidth, nHeight, nRaster);
}

void TPrinter::SayImage(int nRow, int nCol, const rt::Value& oImage, int nWidth, int nHeight, DWORD nRaster) {
  if (!hDC || !hDCOut || !oImage.IsArray() || oImage.Len() < 2) return;
  const auto bitmap = reinterpret_cast<HBITMAP>(svc::ToHandle(oImage.At(1)));
  const auto imagePalette = reinterpret_cast<HPALETTE>(svc::ToHandle(oImage.At(2)));
  BITMAP info{};
  if (!bitmap || !GetObjectA(bitmap, sizeof info, &info) || info.bmWidth <= 0 || info.bmHeight <= 0) return;
  if (nWidth == 0 && nHeight != 0) nWidth = nHeight * info.bmWidth / info.bmHeight;
  if (nHeight == 0 && nWidth != 0) nHeight = nWidth * info.bmHeight / info.bmWidth;
  if (HGLOBAL dib = gfx::DIBFROMBITMAP(bitmap, imagePalette)) DrawDib(nRow, nCol, dib, nWidth, nHeight, nRaster);
}

template <class Draw>
void TPrinter::WithPen(const std::shared_ptr<gfx::TPen>& pen, Draw draw) {
  if (!hDCOut) return;
  const Selected chosen(hDCOut, pen ? pen->hPen : nullptr);
  draw();
}

void TPrinter::SetPos(int nRow, int nCol) {
  if (hDCOut) MoveToEx(hDCOut, nCol, nRow, nullptr);
}

void TPrinter::Line(int nTop, int nLeft, int nBottom, int nRight, const std::shared_ptr<gfx::TPen>& pen) {
  WithPen(pen, [&] {
    MoveToEx(hDCOut, nLeft, nTop, nullptr);
    LineTo(hDCOut, nRight, nBottom);
  });
}

void TPrinter::Box(int nRow, int nCol, int nBottom, int nRight, const std::shared_ptr<gfx::TPen>& pen) {
  WithPen(pen, [&] { Rectangle(hDCOut, nCol, nRow, nRight, nBottom); });
}

void TPrinter::RoundBox(int nRow, int nCol, int nBottom, int nRight, int nWidth, int nHeight,
                        const std::shared_ptr<gfx::TPen>& pen, const rt::Value& nBkColor) {
  if (!hDCOut) return;
  HPEN own = pen ? nullptr : CreatePen(PS_SOLID, 1, RGB(0, 0, 0));
  HBRUSH brush = nBkColor.IsNumber() ? CreateSolidBrush(static_cast<COLORREF>(nBkColor.AsNumber())) : nullptr;
  {
    const Selected chosenPen(hDCOut, pen ? pen->hPen : own);
    const Selected chosenBrush(hDCOut, brush);
    RoundRect(hDCOut, nCol, nRow, nRight, nBottom, nWidth, nHeight);
  }
  if (own) DeleteObject(own);
  if (brush) DeleteObject(brush);
}

void TPrinter::Ellipse(int nTop, int nLeft, int nBottom, int nRight, const std::shared_ptr<gfx::TPen>& pen) {
  WithPen(pen, [&] { ::Ellipse(hDCOut, nLeft, nTop, nRight, nBottom); });
}

void TPrinter::Arc(int nTop, int nLeft, int nBottom, int nRight, int nStartX, int nStartY, int nEndX, int nEndY,
                   const std::shared_ptr<gfx::TPen>& pen) {
  WithPen(pen, [&] { ::Arc(hDCOut, nLeft, nTop, nRight, nBottom, nStartX, nStartY, nEndX, nEndY); });
}

void TPrinter::Chord(int nTop, int nLeft, int nBottom, int nRight, int nStartX, int nStartY, int nEndX, int nEndY,
                     const std::shared_ptr<gfx::TPen>& pen) {
  WithPen(pen, [&] { ::Chord(hDCOut, nLeft, nTop, nRight, nBottom, nStartX, nStartY, nEndX, nEndY); });
}

void TPrinter::Pie(int nRow, int nCol, int nBottom, int nRight, int nStartX, int nStartY, int nEndX, int nEndY,
                   const std::shared_ptr<gfx::TPen>& pen) {
  WithPen(pen, [&] { ::Pie(hDCOut, nRow, nCol, nBottom, nRight, nStartX, nStartY, nEndX, nEndY); });
}

COLORREF TPrinter::GetPixel(int nRow, int nCol) { return hDCOut ? ::GetPixel(hDCOut, nCol, nRow) : CLR_INVALID; }

void TPrinter::SetPixel(int nRow, int nCol, COLORREF nColor) {
  if (hDCOut) ::SetPixel(hDCOut, nCol, nRow, nColor);
}

void TPrinter::FillRect(const rt::Value& aRect, HBRUSH hBrush) {
  if (!hDCOut || !aRect.IsArray() || aRect.Len() < 4) return;
  const RECT r{static_cast<LONG>(aRect.At(2).AsInt()), static_cast<LONG>(aRect.At(1).AsInt()),
               static_cast<LONG>(aRect.At(4).AsInt()), static_cast<LONG>(aRect.At(3).AsInt())};
  ::FillRect(hDCOut, &r, hBrush);
}

rt::Value TPrinter::Cmtr2Pix(double& nRow, double& nCol) {
  const int vSize = nVertSize(), hSize = nHorzSize();
  nRow = vSize ? std::max(0.0, nRow * 10 * nVertRes() / vSize - nYOffset) : 0;
  nCol = hSize ? std::max(0.0, nCol * 10 * nHorzRes() / hSize - nXOffset) : 0;
  return rt::Value::Array({rt::Value(nRow), rt::Value(nCol)});
}

rt::Value TPrinter::Inch2Pix(double& nRow, double& nCol) {
  const int vSize = nVertSize(), hSize = nHorzSize();
  nRow = vSize ? std::max(0.0, nRow * nVertRes() / (vSize / 25.4) - nYOffset) : 0;
  nCol = hSize ? std::max(0.0, nCol * nHorzRes() / (hSize / 25.4) - nXOffset) : 0;
  return rt::Value::Array({rt::Value(nRow), rt::Value(nCol)});
}

rt::Value TPrinter::CmRect2Pix(const rt::Value& aRect) {
  if (!aRect.IsArray() || aRect.Len() < 4) return rt::Value::Array();
  double top = aRect.At(1).AsNumber(), left = aRect.At(2).AsNumber(), bottom = aRect.At(3).AsNumber(),
         right = aRect.At(4).AsNumber();
  Cmtr2Pix(top, left);
  Cmtr2Pix(bottom, right);
  return rt::Value::Array({rt::Value(top), rt::Value(left), rt::Value(bottom), rt::Value(right)});
}

rt::Value TPrinter::SizeInch2Pix(double nHeight, double nWidth) {
  const int vSize = nVertSize(), hSize = nHorzSize();
  if (nHeight != 0 && vSize) nHeight = nHeight * nVertRes() / (vSize / 25.4);
  if (nWidth != 0 && hSize) nWidth = nWidth * nHorzRes() / (hSize / 25.4);
  return rt::Value::Array({rt::Value(nWidth), rt::Value(nHeight)});
}

// Rows are vertical distances and go with the vertical resolution, columns
// with the horizontal one.
rt::Value TPrinter::Pix2Mmtr(double nRow, double nCol) {
  const int x = nLogPixelX(), y = nLogPixelY();
  return rt::Value::Array({rt::Value(y ? nRow * 25.4 / y : 0.0), rt::Value(x ? nCol * 25.4 / x : 0.0)});
}

rt::Value TPrinter::Pix2Inch(double nRow, double nCol) {
  const int x = nLogPixelX(), y = nLogPixelY();
  return rt::Value::Array({rt::Value(y ? nRow / y : 0.0), rt::Value(x ? nCol / x : 0.0)});
}

void TPrinter::MapMode(int mode) {
  if (hDC) ::SetMapMode(hDC, mode);
}

void TPrinter::SetWindowExt(int nX, int nY) {
  if (hDC) SetWindowExtEx(hDC, nX, nY, nullptr);
}

void TPrinter::SetViewPortExt(int nX, int nY) {
  if (hDC) SetViewportExtEx(hDC, nX, nY, nullptr);
}

void TPrinter::CharSay(int nRow, int nCol, const std::string& cText) {
  nRow = std::max(nRow, 1);
  nCol = std::max(nCol, 1);
  Say((nRow - 1) * GetTextHeight(cText), (nCol - 1) * GetTextWidth("B"), cText);
}

int TPrinter::CharWidth() {
  const int w = GetTextWidth("B");
  return w ? nHorzRes() / w : 0;
}

int TPrinter::CharHeight() {
  const int h = GetTextHeight("B");
  return h ? nVertRes() / h : 0;
}

bool TPrinter::ResetDC() { return hDC && RESETDC(hDC); }
int TPrinter::GetOrientation() { return PRNGETORIENTATION(); }

void TPrinter::SetLandscape() {
  PRNLANDSCAPE();
  Rebuild();
}

void TPrinter::SetPortrait() {
  PRNPORTRAIT();
  Rebuild();
}

void TPrinter::SetCopies(int nCopies) {
  rt::Value copies[] = {rt::Value(nCopies)};
  PRNSETCOPIES(copies);
  Rebuild();
}

void TPrinter::SetSize(int nWidth, int nLength) {
  PRNSETSIZE(nWidth, nLength);
  Rebuild();
}

void TPrinter::SetPage(int nPaper) {
  PRNSETPAGE(nPaper);
  Rebuild();
}

void TPrinter::SetBin(int nBin) {
  PRNBINSOURCE(rt::Value(nBin));
  Rebuild();
}

void TPrinter::DraftMode(bool lOn) {
  PRNDRAFTMODE(lOn);
  Rebuild();
}

std::string TPrinter::GetModel() { return PRNGETNAME(); }
std::string TPrinter::GetDriver() { return PRNGETDRIVE(); }
std::string TPrinter::GetPort() { return PRNGETPORT(); }

rt::Value TPrinter::GetPhySize() {
  const rt::Value size = PRNGETSIZE(hDC);
  const int x = nLogPixelX(), y = nLogPixelY();
  return rt::Value::Array({rt::Value(x ? size.At(1).AsNumber() / x * 25.4 : 0.0),
                           rt::Value(y ? size.At(2).AsNumber() / y * 25.4 : 0.0)});
}

void TPrinter::Setup() {
  PRINTERSETUP();
  Rebuild();
}

void TPrinter::ImportWMF(const std::string& cFile, bool lPlaceable) {
  if (!hDCOut || !rt::FileExists(cFile)) return;
  const std::intptr_t meta = lPlaceable ? GETPMETAFILE(cFile) : reinterpret_cast<std::intptr_t>(GETMETAFILE(cFile));
  // -1 (a damaged placeable file) and 0 are no metafiles.
  if (meta == -1 || meta == 0) return;
  const int saved = SaveDC(hDCOut);
  const rt::Value size = PRNGETSIZE(hDC);
  const int w = static_cast<int>(size.At(1).AsInt()), h = static_cast<int>(size.At(2).AsInt());
  ::SetMapMode(hDCOut, MM_ISOTROPIC);
  SetWindowExtEx(hDCOut, w, h, nullptr);
  SetViewportExtEx(hDCOut, w, h, nullptr);
  if (!lMeta) SetViewportOrgEx(hDCOut, -nXOffset, -nYOffset, nullptr);
  SetBkMode(hDCOut, TRANSPARENT);
  PlayMetaFile(hDCOut, reinterpret_cast<HMETAFILE>(meta));
  DeleteMetaFile(reinterpret_cast<HMETAFILE>(meta));
  RestoreDC(hDCOut, saved);
}

bool TPrinter::ImportRAW(const std::string& cFile) {
  return hDCOut && rt::FileExists(cFile) && IMPORTRAWFILE(hDCOut, cFile);
}

}  // namespace prn
