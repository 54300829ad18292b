#include "services/ttxtfile.h"

#include <gtest/gtest.h>

#include "runtime/value.h"
#include "scratch_dir.h"

namespace {

using rt::Value;
using svc::TTxtFile;

TEST(TTxtFileTest, CountsLineEndsAndMovesByLines) {
  ScratchDir dir;
  dir.Write("t.txt", "alpha\r\nbeta\r\ngamma");
  TTxtFile f;
  f.New(dir / "t.txt");
  EXPECT_EQ(f.nTLines, 2);
  EXPECT_EQ(f.nLine, 1);
  EXPECT_EQ(f.cLine, "alpha");
  EXPECT_TRUE(f.Advance());
  EXPECT_EQ(f.cLine, "beta");
  EXPECT_TRUE(f.Advance());
  EXPECT_EQ(f.cLine, "gamma");
  EXPECT_EQ(f.nLine, 3);
  EXPECT_FALSE(f.Advance());
  EXPECT_TRUE(f.Rewind());
  EXPECT_EQ(f.cLine, "beta");
  EXPECT_EQ(f.nOffset, 7);
  EXPECT_FALSE(f.Skip(-5));
  EXPECT_EQ(f.nLine, 1);
  EXPECT_FALSE(f.Skip(0));
  EXPECT_TRUE(f.Skip(2));
  EXPECT_EQ(f.cLine, "gamma");
  f.GoTo(2);
  EXPECT_EQ(f.cLine, "beta");
  f.GoTo(99);
  EXPECT_EQ(f.nLine, 3);
  f.GoTop();
  EXPECT_EQ(f.ReadLn(), "alpha");
  EXPECT_EQ(f.cLine, "beta");
}

TEST(TTxtFileTest, AddInsertReplaceAndDeleteLines) {
  ScratchDir dir;
  TTxtFile f;
  f.New(dir / "e.txt");
  EXPECT_TRUE(f.Add("one"));
  EXPECT_TRUE(f.Add("three"));
  EXPECT_EQ(f.nLine, 2);
  EXPECT_TRUE(f.InsLine("two"));
  EXPECT_EQ(f.cLine, "two");
  EXPECT_TRUE(f.Advance());
  EXPECT_TRUE(f.RepLine("THREE"));
  f.GoTop();
  EXPECT_TRUE(f.DelLine());
  EXPECT_EQ(f.cLine, "two");
  f.Close();
  EXPECT_EQ(dir.Read("e.txt"), "two\r\nTHREE\r\n");
}

TEST(TTxtFileTest, SetValueOnAnEmptyFileWritesSectionAndEntry) {
  ScratchDir dir;
  TTxtFile f;
  f.New(dir / "s.ini");
  EXPECT_TRUE(f.SetValue("Data", "Exact", true));
  f.Close();
  EXPECT_EQ(dir.Read("s.ini"), "\r\n[Data]\r\nExact=.T.");
}

TEST(TTxtFileTest, ValuesMatchWholeKeysWithinTheirSection) {
  ScratchDir dir;
  dir.Write("v.ini", "[A]\r\nKeyLong=1\r\nKey = 2 \r\n\r\n[B]\r\nOther=3\r\nFlag=.T.");
  TTxtFile f;
  f.New(dir / "v.ini");
  EXPECT_EQ(f.GetValue("A", "Key", ""), Value("2"));
  EXPECT_EQ(f.GetValue("A", "Key", 0).AsNumber(), 2);
  EXPECT_EQ(f.GetValue("A", "Other", "none"), Value("none"));  // belongs to [B]
  EXPECT_EQ(f.GetValue("B", "Flag", false), Value(true));
  EXPECT_EQ(f.GetValue("C", "Flag", "none"), Value("none"));

  EXPECT_TRUE(f.SetValue("A", "Key", 5));
  EXPECT_TRUE(f.SetValue("A", "New", "x"));
  EXPECT_TRUE(f.SetValue("B", "Last", "y"));
  f.Close();
  EXPECT_EQ(dir.Read("v.ini"), "[A]\r\nKeyLong=1\r\nKey=5\r\n\r\nNew=x\r\n[B]\r\nOther=3\r\nFlag=.T.\r\nLast=y");
}

}  // namespace
