// The clipboard functions, global atoms, DDE command blocks and the dropped
// files of a drop record.
#include <windows.h>
#include <shlobj.h>

#include <condition_variable>
#include <cstring>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include <gtest/gtest.h>

#include "services/atoms.h"
#include "services/clipboard.h"
#include "services/dde_command.h"
#include "services/dropped_files.h"
#include "services/int32.h"

namespace {

// A hidden window that owns the clipboard while a test writes it.
class ClipWindow {
 public:
  ClipWindow() : h_(CreateWindowA("STATIC", "clip", 0, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr)) {}
  ~ClipWindow() { DestroyWindow(h_); }
  HWND get() const { return h_; }

 private:
  HWND h_;
};

HBITMAP RedBitmap(int width, int height) {
  HDC screen = GetDC(nullptr);
  HDC dc = CreateCompatibleDC(screen);
  HBITMAP bitmap = CreateCompatibleBitmap(screen, width, height);
  HGDIOBJ old = SelectObject(dc, bitmap);
  HBRUSH red = CreateSolidBrush(RGB(255, 0, 0));
  RECT r{0, 0, width, height};
  FillRect(dc, &r, red);
  DeleteObject(red);
  SelectObject(dc, old);
  DeleteDC(dc);
  ReleaseDC(nullptr, screen);
  return bitmap;
}

std::string PutAndRead(HWND owner, const rt::Value& text) {
  EXPECT_TRUE(svc::OPENCLIPBOARD(owner));
  EXPECT_TRUE(svc::EMPTYCLIPBOARD());
  EXPECT_EQ(svc::SETCLIPBOARDDATA(CF_TEXT, text), rt::Value(true));
  EXPECT_TRUE(svc::CLOSECLIPBOARD());
  EXPECT_TRUE(svc::OPENCLIPBOARD(owner));
  std::string read = svc::GETCLPDATA(CF_TEXT).AsString();
  svc::CLOSECLIPBOARD();
  return read;
}

TEST(Clipboard, TextsOfEveryLengthComeBackUnchanged) {
  ClipWindow w;
  const std::string longText(70000, 'x');
  for (const std::string& text : {std::string("Gr\xF6\xDF" "e"), std::string(), longText}) {
    SCOPED_TRACE(text.size());
    EXPECT_EQ(PutAndRead(w.get(), rt::Value(text)), text);
  }
}

TEST(Clipboard, OtherFormatsAndAMissingDatumGiveNil) {
  ClipWindow w;
  PutAndRead(w.get(), rt::Value("kept"));
  ASSERT_TRUE(svc::OPENCLIPBOARD(w.get()));
  EXPECT_TRUE(svc::SETCLIPBOARDDATA(CF_TEXT).IsNil());
  EXPECT_TRUE(svc::SETCLIPBOARDDATA(CF_OEMTEXT, rt::Value("x")).IsNil());
  EXPECT_TRUE(svc::GETCLPDATA(CF_OEMTEXT).IsNil());
  EXPECT_EQ(svc::GETCLPDATA(CF_TEXT).AsString(), "kept");
  svc::CLOSECLIPBOARD();
}

// Another program may leave a text block without its zero byte: the reader
// stops at the block's end.
TEST(Clipboard, ForeignTextWithoutZeroByteIsReadUpToTheBlockEnd) {
  ClipWindow w;
  ASSERT_TRUE(svc::OPENCLIPBOARD(w.get()));
  svc::EMPTYCLIPBOARD();
  HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, 4);
  std::memcpy(GlobalLock(block), "abcd", 4);
  GlobalUnlock(block);
  ASSERT_NE(SetClipboardData(CF_TEXT, block), nullptr);
  const std::string text = svc::GETCLPDATA(CF_TEXT).AsString();
  svc::CLOSECLIPBOARD();
  // The system may put a zero into the last byte; nothing past the block
  // is read either way.
  EXPECT_GE(text.size(), 3u);
  EXPECT_LE(text.size(), 4u);
  EXPECT_EQ(std::string("abcd").substr(0, text.size()), text);
}

TEST(Clipboard, BitmapIsCopiedInAndOutAndHidesNoText) {
  ClipWindow w;
  HBITMAP mine = RedBitmap(8, 6);
  ASSERT_TRUE(svc::OPENCLIPBOARD(w.get()));
  svc::EMPTYCLIPBOARD();
  EXPECT_EQ(svc::SETCLIPBOARDDATA(CF_BITMAP, rt::Value(svc::HandleNumber(mine))), rt::Value(true));
  EXPECT_EQ(svc::GETCLPDATA(CF_TEXT).AsString(), "");
  const auto copy = svc::HandleOf<HBITMAP>(svc::ToHandle(svc::GETCLPDATA(CF_BITMAP)));
  svc::CLOSECLIPBOARD();
  ASSERT_NE(copy, nullptr);
  EXPECT_NE(copy, mine);
  BITMAP bm{};
  ASSERT_TRUE(GetObjectA(copy, sizeof bm, &bm));
  EXPECT_EQ(bm.bmWidth, 8);
  EXPECT_EQ(bm.bmHeight, 6);
  HDC dc = CreateCompatibleDC(nullptr);
  HGDIOBJ old = SelectObject(dc, copy);
  EXPECT_EQ(GetPixel(dc, 3, 3), RGB(255, 0, 0));
  SelectObject(dc, old);
  DeleteDC(dc);
  DeleteObject(copy);
  // Our own bitmap stays ours: the clipboard holds a copy.
  EXPECT_TRUE(GetObjectA(mine, sizeof bm, &bm));
  DeleteObject(mine);

  PutAndRead(w.get(), rt::Value("text"));
  ASSERT_TRUE(svc::OPENCLIPBOARD(w.get()));
  EXPECT_EQ(svc::GETCLPDATA(CF_BITMAP), rt::Value(0));
  svc::CLOSECLIPBOARD();
}

TEST(Atoms, AddNameAndDeleteRoundTrip) {
  const long atom = svc::GLOBALADDATOM("VdAtomProbe");
  ASSERT_NE(atom, 0);
  EXPECT_EQ(svc::GLOBALGETATOMNAME(atom), "VdAtomProbe");
  EXPECT_EQ(svc::GLOBALDELATOM(atom), 0);
  EXPECT_EQ(svc::GLOBALGETATOMNAME(atom), "");
}

TEST(DdeCommand, BlockIsShareableAndHoldsTheTextWithItsZero) {
  const HGLOBAL block = svc::DDECOMMAND("[open(\"a.dbf\")]");
  ASSERT_NE(block, nullptr);
  EXPECT_EQ(GlobalFlags(block) & GMEM_DDESHARE, static_cast<UINT>(GMEM_DDESHARE));
  EXPECT_GE(GlobalSize(block), sizeof "[open(\"a.dbf\")]");
  EXPECT_EQ(svc::DDEGETCOMMAND(block), "[open(\"a.dbf\")]");
  GlobalFree(block);
}

// A drop record as the shell hands it over: the point, then the names, each
// ending in a zero byte, and a final zero byte.
HDROP MakeDrop(POINT pt, bool nonClient, const std::vector<std::string>& names) {
  std::size_t size = sizeof(DROPFILES) + 1;
  for (const auto& n : names) size += n.size() + 1;
  HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, size);
  auto* drop = static_cast<DROPFILES*>(GlobalLock(block));
  drop->pFiles = sizeof(DROPFILES);
  drop->pt = pt;
  drop->fNC = nonClient;
  char* p = reinterpret_cast<char*>(drop) + sizeof(DROPFILES);
  for (const auto& n : names) {
    std::memcpy(p, n.c_str(), n.size() + 1);
    p += n.size() + 1;
  }
  GlobalUnlock(block);
  return static_cast<HDROP>(block);
}

TEST(DroppedFiles, NamesInOrderAtFullLengthAndThePointAsXThenY) {
  const std::string longName = "C:\\" + std::string(300, 'n') + ".txt";
  HDROP drop = MakeDrop({30, 70}, false, {"C:\\a.txt", longName, "C:\\dir\\c.dbf"});
  const rt::Value files = svc::DRAGQUERYFILES(drop);
  ASSERT_EQ(files.Items().size(), 3u);
  EXPECT_EQ(files.At(1).AsString(), "C:\\a.txt");
  EXPECT_EQ(files.At(2).AsString(), longName);
  EXPECT_EQ(files.At(3).AsString(), "C:\\dir\\c.dbf");
  const rt::Value point = rt::Value::Array();
  EXPECT_TRUE(svc::DRAGQUERYPOINT(drop, point));
  ASSERT_EQ(point.Items().size(), 2u);
  EXPECT_EQ(point.At(1).AsInt(), 30);
  EXPECT_EQ(point.At(2).AsInt(), 70);
  svc::DRAGFINISH(drop);

  HDROP outside = MakeDrop({5, 6}, true, {"C:\\x"});
  EXPECT_FALSE(svc::DRAGQUERYPOINT(outside, rt::Value::Array({0, 0})));
  svc::DRAGFINISH(outside);
}

}  // namespace
