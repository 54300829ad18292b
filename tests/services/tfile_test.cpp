#include "services/tfile.h"

#include <gtest/gtest.h>

#include "scratch_dir.h"

namespace {

using svc::TFile;

TEST(TFileTest, NewCreatesMissingAndOpensExisting) {
  ScratchDir dir;
  TFile created;
  created.New(dir / "new.bin");
  ASSERT_TRUE(created.Open());
  EXPECT_EQ(created.nLen, 0);
  EXPECT_TRUE(created.AppStr("ab"));
  EXPECT_TRUE(created.AppWord(-2));
  EXPECT_TRUE(created.AppByte(300));
  EXPECT_EQ(created.nLen, 5);
  created.End();
  EXPECT_FALSE(created.Open());
  EXPECT_EQ(created.hFile(), 0);

  TFile f;
  f.New(dir / "new.bin");
  ASSERT_TRUE(f.Open());
  EXPECT_EQ(f.nLen, 5);
  EXPECT_TRUE(f.lBoF());
  EXPECT_EQ(f.cGetStr(2), "ab");
  EXPECT_EQ(f.nGetWord(), -2);
  EXPECT_EQ(f.nGetByte(), 44);
  EXPECT_TRUE(f.lEoF());
  EXPECT_EQ(f.nGetByte(), -1);
  EXPECT_EQ(f.cGetStr(10), "");
  f.GoTo(1);
  EXPECT_TRUE(f.PutStr("X"));
  f.GoTop();
  EXPECT_EQ(f.cGetStr(99), std::string("aX\xFE\xFF,", 5));
}

// Small reads come from a block read ahead: they must cross block borders
// whole and never return bytes that a write has since replaced.
TEST(TFileTest, ReadAheadCrossesBlocksAndSeesWrites) {
  ScratchDir dir;
  dir.Write("r.bin", "abcdefghij");
  TFile f;
  f.New(dir / "r.bin");
  f.nBufferLen = 4;
  std::string read;
  for (int b = f.nGetByte(); b >= 0; b = f.nGetByte()) read += static_cast<char>(b);
  EXPECT_EQ(read, "abcdefghij");
  f.GoTo(3);
  EXPECT_EQ(f.cGetStr(3), "def");  // straddles two blocks
  f.GoTo(1);
  EXPECT_EQ(f.nGetByte(), 'b');  // block "bcde" now read ahead
  EXPECT_TRUE(f.PutStr("XY"));
  f.GoTo(1);
  EXPECT_EQ(f.cGetStr(4), "bXYe");
  EXPECT_TRUE(f.AppStr("k"));
  f.GoTo(8);
  EXPECT_EQ(f.cGetStr(5), "ijk");
}

TEST(TFileTest, CountAndSeekAcrossChunkBorders) {
  ScratchDir dir;
  dir.Write("t.txt", "one\r\ntwo\r\nThree\r\nfour");
  TFile f;
  f.New(dir / "t.txt");
  f.nBufferLen = 4;  // forces matches across the chunk borders
  EXPECT_EQ(f.Count(), 3);
  EXPECT_EQ(f.Count("o"), 3);
  EXPECT_EQ(f.nRecNo(), 0);

  EXPECT_TRUE(f.Seek("THREE", 0, 1));
  EXPECT_EQ(f.nRecNo(), 10);
  EXPECT_FALSE(f.Seek("THREE"));  // as is: no match, the position stays
  EXPECT_EQ(f.nRecNo(), 10);
  EXPECT_TRUE(f.Seek("\r\n", 1));
  EXPECT_EQ(f.nRecNo(), 8);
  EXPECT_TRUE(f.Seek("\r\n", 1));
  EXPECT_EQ(f.nRecNo(), 3);
  EXPECT_FALSE(f.Seek("\r\n", 1));
  EXPECT_EQ(f.nRecNo(), 3);
  f.GoBottom();
  EXPECT_TRUE(f.Seek("FOUR", 1, 1));
  EXPECT_EQ(f.nRecNo(), 17);

  TFile empty;
  empty.New(dir / "empty.txt");
  EXPECT_EQ(empty.Count(), 0);
}

TEST(TFileTest, InsertAndDeleteBytesInPlace) {
  ScratchDir dir;
  dir.Write("d.bin", "0123456789");
  TFile f;
  f.New(dir / "d.bin");
  f.nBufferLen = 3;
  f.GoTo(4);
  EXPECT_TRUE(f.InsBytes(2));
  EXPECT_EQ(f.nLen, 12);
  EXPECT_EQ(f.nRecNo(), 4);
  EXPECT_TRUE(f.PutStr("ab"));
  f.GoTo(1);
  EXPECT_TRUE(f.DelBytes(3));
  EXPECT_EQ(f.nLen, 9);
  EXPECT_EQ(f.nRecNo(), 1);
  EXPECT_FALSE(f.DelBytes(0));
  f.GoBottom();
  EXPECT_TRUE(f.InsBytes(2));  // at the end: appends blanks
  EXPECT_EQ(f.nLen, 11);
  f.GoTo(7);
  EXPECT_TRUE(f.DelBytes(50));  // past the end: to the end
  EXPECT_EQ(f.nLen, 7);
  f.Close();
  EXPECT_EQ(dir.Read("d.bin"), "0ab4567");
  EXPECT_EQ(dir.Listing(), "d.bin;");  // no scratch file left behind
}

TEST(TFileTest, FailedReplaceLeavesTheOriginalIntact) {
  ScratchDir dir;
  dir.Write("ro.txt", "keep me");
  // Another program holds the file open and does not let it be replaced.
  HANDLE other = CreateFileA((dir / "ro.txt").c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                             OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(other, INVALID_HANDLE_VALUE);
  TFile f;
  f.New(dir / "ro.txt", 0x40);
  ASSERT_TRUE(f.Open());
  f.GoTo(2);
  EXPECT_FALSE(f.DelBytes(2));
  EXPECT_FALSE(f.InsBytes(2));
  EXPECT_TRUE(f.Open());
  EXPECT_EQ(f.nLen, 7);
  EXPECT_EQ(f.nRecNo(), 2);
  EXPECT_EQ(f.cGetStr(5), "ep me");
  f.Close();
  CloseHandle(other);
  EXPECT_EQ(dir.Read("ro.txt"), "keep me");
  EXPECT_EQ(dir.Listing(), "ro.txt;");
}

}  // namespace
