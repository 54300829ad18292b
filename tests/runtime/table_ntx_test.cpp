// NTX orders on their own: the packed build, thousands of random inserts and
// deletes against an in-memory model, and damaged index files.

#include <fstream>
#include <iterator>
#include <random>
#include <set>

#include "runtime/lang.h"
#include "runtime/ntx_order.h"
#include "runtime/table_fault.h"
#include "tests/runtime/table_test_support.h"

namespace rt::test {
namespace {

using Model = std::set<std::pair<std::string, std::uint32_t>>;

class NtxTest : public TableTest {
 protected:
  // Writes an NTX file holding the model's entries.
  void WriteFile(const std::string& path, std::uint32_t keySize, const Model& model) {
    std::vector<char> keys;
    std::vector<NtxKeyEntry> sorted;
    for (const auto& [k, r] : model) {
      sorted.push_back({r, static_cast<std::uint32_t>(sorted.size())});
      keys.insert(keys.end(), k.begin(), k.end());
    }
    NtxOrder::Write(path, "KEYTEXT", keySize, 0, false, keys, sorted);
  }

  // Walks the order both ways and compares it with the model; every
  // entry's key number is its place in the model, an absent entry has none.
  void ExpectSame(NtxOrder& o, const Model& model) {
    ASSERT_EQ(o.Verify(), model.size());
    std::uint32_t place = 0;
    for (const auto& [k, r] : model) {
      ASSERT_EQ(o.KeyNo(k.data(), r), ++place) << k << " record " << r;
    }
    if (!model.empty()) {
      EXPECT_EQ(o.KeyNo(model.rbegin()->first.data(), 0), 0u);
    }
    auto it = model.begin();
    for (std::uint32_t r = o.GoTop(); r != 0; r = o.Next(), ++it) {
      ASSERT_NE(it, model.end());
      ASSERT_EQ(r, it->second);
      ASSERT_EQ(std::string(o.CursorKey(), o.KeySize()), it->first);
    }
    EXPECT_EQ(it, model.end());
    auto rit = model.rbegin();
    for (std::uint32_t r = o.GoBottom(); r != 0; r = o.Prev(), ++rit) {
      ASSERT_NE(rit, model.rend());
      ASSERT_EQ(r, rit->second);
    }
    EXPECT_EQ(rit, model.rend());
  }

  static std::string Key(std::mt19937& rng, std::uint32_t keySize) {
    // Few distinct keys, so that equal keys ordered by record number occur.
    std::string k = Numbered("K", rng() % 300);
    k.resize(keySize, ' ');
    return k;
  }
};

TEST_F(NtxTest, PackedBuildKeepsEveryKeyAtOneLeafDepthAndFillsThePages) {
  for (std::uint32_t keySize : {150u, 20u}) {
    const std::uint32_t m = NtxOrder::MaxItemsFor(keySize);
    for (std::size_t n : {std::size_t{0}, std::size_t{1}, std::size_t{2}, std::size_t{m}, std::size_t{m + 1},
                          std::size_t{(m + 1) * (m + 1) - 1}, std::size_t{(m + 1) * (m + 1)}, std::size_t{1000},
                          std::size_t{20000}}) {
      SCOPED_TRACE(testing::Message() << "key size " << keySize << ", " << n << " keys");
      Model model;
      for (std::size_t i = 0; i < n; ++i) {
        std::string k = Numbered("P", i * 7919 % 100003);
        k.resize(keySize, ' ');
        model.emplace(k, static_cast<std::uint32_t>(i + 1));
      }
      WriteFile(Path("B.NTX"), keySize, model);
      NtxOrder o;
      o.Open(Path("B.NTX"), TableShare::Exclusive, false);
      ExpectSame(o, model);
      if (n == 1000 || n == 20000) {
        EXPECT_GE(o.PageFill(), 0.95);
      }
      o.Close();
    }
  }
}

TEST_F(NtxTest, HeaderCarriesTheLayoutOtherToolsRead) {
  Model model;
  for (int i = 0; i < 3; ++i) model.emplace(std::string(100, static_cast<char>('a' + i)), i + 1);
  WriteFile(Path("H.NTX"), 100, model);
  std::ifstream f(Path("H.NTX"), std::ios::binary);
  std::string b((std::istreambuf_iterator<char>(f)), {});
  ASSERT_EQ(b.size(), 2048u);
  auto u16 = [&](std::size_t at) { return static_cast<unsigned char>(b[at]) | (static_cast<unsigned char>(b[at + 1]) << 8); };
  EXPECT_EQ(u16(0), 6);
  EXPECT_EQ(u16(4), 1024);
  EXPECT_EQ(u16(12), 108);
  EXPECT_EQ(u16(14), 100);
  EXPECT_EQ(u16(18), 8);
  EXPECT_EQ(u16(20), 4);
  EXPECT_EQ(b.substr(22, 8), std::string("KEYTEXT\0", 8));
  EXPECT_EQ(u16(1024), 3);
  EXPECT_EQ(NtxOrder::MaxItemsFor(50), 16u);
}

TEST_F(NtxTest, ThousandsOfRandomInsertsAndDeletesMatchTheModel) {
  for (std::uint32_t keySize : {150u, 12u}) {
    SCOPED_TRACE(keySize);
    Model model;
    WriteFile(Path("R.NTX"), keySize, model);
    NtxOrder o;
    o.Open(Path("R.NTX"), TableShare::Exclusive, false);
    std::mt19937 rng(keySize);
    std::uint32_t nextRec = 1;
    for (int step = 1; step <= 6000; ++step) {
      bool insert = model.empty() || rng() % 100 < (step < 3000 ? 70u : 35u);
      if (insert) {
        std::string k = Key(rng, keySize);
        o.Insert(k.data(), nextRec);
        model.emplace(k, nextRec++);
      } else {
        auto it = model.begin();
        std::advance(it, rng() % model.size());
        ASSERT_TRUE(o.Remove(it->first.data(), it->second));
        model.erase(it);
        std::string absent = Key(rng, keySize);
        EXPECT_FALSE(o.Remove(absent.data(), 999999));
      }
      if (step % 1000 == 0) ExpectSame(o, model);
      if (step % 97 == 0) {
        std::string prefix = Numbered("K", rng() % 40);
        bool exact = false;
        std::uint32_t r = o.Seek(prefix.data(), prefix.size(), exact);
        auto lb = std::find_if(model.begin(), model.end(),
                               [&](const auto& e) { return e.first.compare(0, prefix.size(), prefix) >= 0; });
        ASSERT_EQ(r, lb == model.end() ? 0u : lb->second);
        EXPECT_EQ(exact, lb != model.end() && lb->first.compare(0, prefix.size(), prefix) == 0);
      }
    }
    o.EndChange();
    o.Close();
    o.Open(Path("R.NTX"), TableShare::Exclusive, false);
    ExpectSame(o, model);
    for (auto it = model.begin(); it != model.end();) {
      ASSERT_TRUE(o.Remove(it->first.data(), it->second));
      it = model.erase(it);
    }
    ExpectSame(o, model);
    EXPECT_EQ(o.GoTop(), 0u);
  }
}

TEST_F(NtxTest, DamagedIndexFilesGiveCorruptionFaultsNeverACrash) {
  Model model;
  for (std::uint32_t i = 1; i <= 400; ++i) {
    std::string k = Numbered("D", i * 37 % 1000);
    k.resize(20, ' ');
    model.emplace(k, i);
  }
  WriteFile(Path("GOOD.NTX"), 20, model);
  std::ifstream f(Path("GOOD.NTX"), std::ios::binary);
  const std::string good((std::istreambuf_iterator<char>(f)), {});
  const std::size_t root = static_cast<unsigned char>(good[4]) | (static_cast<unsigned char>(good[5]) << 8) |
                           (static_cast<unsigned char>(good[6]) << 16);
  auto patch = [&](std::size_t at, std::string bytes) {
    std::string b = good;
    b.replace(at, bytes.size(), bytes);
    return b;
  };
  const std::size_t slot0 = static_cast<unsigned char>(good[root + 2]) | (static_cast<unsigned char>(good[root + 3]) << 8);
  struct Case {
    const char* what;
    std::string bytes;
  };
  const Case cases[] = {
      {"wrong signature", patch(0, std::string("\x09\x00", 2))},
      {"key size zero", patch(14, std::string("\x00\x00", 2))},
      {"root beyond the file", patch(4, std::string("\x00\x00\x10\x00", 4))},
      {"root not on a page boundary", patch(4, std::string("\x10\x04\x00\x00", 4))},
      {"page count above the maximum", patch(root, std::string("\xC8\x00", 2))},
      {"item offset beyond the page", patch(root + 2, std::string("\xFC\x03", 2))},
      {"child beyond the file", patch(root + slot0, std::string("\x00\x00\x40\x00", 4))},
      {"child pointing back at the root", patch(root + slot0, good.substr(4, 4))},
      {"file cut short", good.substr(0, good.size() / 2)},
      {"header only", good.substr(0, 300)},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    {
      std::ofstream out(Path("BAD.NTX"), std::ios::binary | std::ios::trunc);
      out << c.bytes;
    }
    int faults = 0;
    auto attempt = [&](auto&& fn) {
      try {
        fn();
      } catch (const TableFault& fault) {
        EXPECT_EQ(fault.genCode, EG_CORRUPTION);
        EXPECT_NE(fault.filename.find("BAD.NTX"), std::string::npos);
        ++faults;
      }
    };
    NtxOrder o;
    bool opened = false;
    attempt([&] {
      o.Open(Path("BAD.NTX"), TableShare::Exclusive, false);
      opened = true;
    });
    if (opened) {
      attempt([&] { o.Verify(); });
      attempt([&] {
        for (std::uint32_t r = o.GoTop(), n = 0; r != 0 && n < 100000; r = o.Next(), ++n) {
        }
      });
      attempt([&] {
        for (std::uint32_t r = o.GoBottom(), n = 0; r != 0 && n < 100000; r = o.Prev(), ++n) {
        }
      });
      attempt([&] {
        bool exact = false;
        o.Seek("D5", 2, exact);
      });
      std::string k(20, 'Z');
      attempt([&] { o.Insert(k.data(), 1); });
    }
    EXPECT_GT(faults, 0);
  }
}

std::string ReadFile(const std::string& path) {
  std::ifstream f(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(f), {});
}

void WriteBytes(const std::string& path, const std::string& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out << bytes;
}

std::uint32_t Get32At(const std::string& b, std::size_t at) {
  return static_cast<std::uint32_t>(static_cast<unsigned char>(b[at]) | (static_cast<unsigned char>(b[at + 1]) << 8) |
                                    (static_cast<unsigned char>(b[at + 2]) << 16) |
                                    (static_cast<std::uint32_t>(static_cast<unsigned char>(b[at + 3])) << 24));
}

void Put32At(std::string& b, std::size_t at, std::uint32_t v) {
  for (int i = 0; i < 4; ++i) b[at + static_cast<std::size_t>(i)] = static_cast<char>(v >> (8 * i));
}

// The file offset of slot i's child pointer on the page at `page`.
std::size_t ChildAt(const std::string& b, std::uint32_t page, std::uint32_t slot) {
  return page + (static_cast<unsigned char>(b[page + 2 + 2 * slot]) |
                 (static_cast<unsigned char>(b[page + 3 + 2 * slot]) << 8));
}

// A link back to a page on the path: DBSKIP loops under an error block that
// defaults end at EOF (or BOF) after the error, and the order's cursor never
// leaves its page.
TEST_F(NtxTest, ACycleEndsSkipLoopsAtTheEndTheyHeadFor) {
  std::vector<std::pair<std::string, std::string>> rows;
  for (int i = 0; i < 400; ++i) rows.emplace_back(Numbered("w", 1000 + i), "f");
  MakeWordTable("Y.DBF", rows);
  ASSERT_TRUE(DBUSEAREA(true, "", Path("Y"), "", false, false));
  ASSERT_TRUE(ORDCREATE(Path("Y1"), "", "upper(DEUTSCH)+upper(FREMD)", GermanKey()));
  DBCLOSEAREA();
  std::string b = ReadFile(Path("Y1.NTX"));
  const std::uint32_t root = Get32At(b, 4);
  Put32At(b, ChildAt(b, root, 1), root);
  WriteBytes(Path("Y1.NTX"), b);

  ASSERT_TRUE(DBUSEAREA(true, "", Path("Y"), "", false, false));
  ASSERT_TRUE(ORDLISTADD(Path("Y1")));
  for (long direction : {1L, -1L}) {
    SCOPED_TRACE(direction);
    errors.clear();
    if (direction > 0)
      DBGOTOP();
    else
      DBGOBOTTOM();
    long steps = 0;
    while (!(direction > 0 ? DbEof() : BOF()) && steps < 2000) {
      DBSKIP(direction);
      ++steps;
    }
    EXPECT_LT(steps, 400);
    EXPECT_TRUE(DbEof());
    EXPECT_EQ(BOF(), direction < 0);
    ASSERT_FALSE(errors.empty());
    EXPECT_EQ(errors.back()->genCode, EG_CORRUPTION);
    // Hundreds more skips after the fault run into it again, never past it.
    for (int i = 0; i < 300; ++i) DBSKIP(1);
    EXPECT_TRUE(DbEof());
  }
  errors.clear();
  EXPECT_FALSE(DBSEEK("W1100"));
  EXPECT_TRUE(DbEof());
  EXPECT_FALSE(FOUND());
}

// An order that names records the table does not hold (an index of a
// larger table) is damaged: walks end at EOF or BOF with the error.
TEST_F(NtxTest, AnOrderNamingRecordsBeyondTheTableIsDamaged) {
  std::vector<std::pair<std::string, std::string>> rows;
  for (int i = 0; i < 10; ++i) rows.emplace_back(Numbered("w", i), "f");
  MakeWordTable("B.DBF", rows);
  ASSERT_TRUE(DBUSEAREA(true, "", Path("B"), "", false, false));
  ASSERT_TRUE(ORDCREATE(Path("B1"), "", "upper(DEUTSCH)+upper(FREMD)", GermanKey()));
  DBCLOSEAREA();
  rows.resize(3);
  MakeWordTable("B.DBF", rows);
  ASSERT_TRUE(DBUSEAREA(true, "", Path("B"), "", false, false));
  ASSERT_TRUE(ORDLISTADD(Path("B1")));
  errors.clear();
  DBGOBOTTOM();
  EXPECT_TRUE(DbEof());
  long steps = 0;
  for (DBGOTOP(); !DbEof() && steps < 100; DBSKIP(1)) ++steps;
  EXPECT_TRUE(DbEof());
  DBSKIP(-1);
  EXPECT_TRUE(BOF());
  ASSERT_FALSE(errors.empty());
  EXPECT_EQ(errors.back()->genCode, EG_CORRUPTION);
}

// Leaves at two depths are refused on the way down, before any walk or
// update trusts them.
TEST_F(NtxTest, ALeafAboveTheLeafLevelIsRefused) {
  Model model;
  for (std::uint32_t i = 1; i <= 400; ++i) {
    std::string k = Numbered("L", 1000 + i);
    k.resize(150, ' ');
    model.emplace(k, i);
  }
  WriteFile(Path("D.NTX"), 150, model);
  std::string b = ReadFile(Path("D.NTX"));
  const std::uint32_t root = Get32At(b, 4);
  // The first page written is the left-most leaf; the root's last child
  // becomes that leaf, two levels too high.
  const std::uint32_t rootCount = static_cast<unsigned char>(b[root]);
  Put32At(b, ChildAt(b, root, rootCount), kNtxPageSize);
  WriteBytes(Path("D.NTX"), b);
  NtxOrder o;
  o.Open(Path("D.NTX"), TableShare::Exclusive, false);
  auto faultOf = [](auto&& fn) {
    try {
      fn();
    } catch (const TableFault& fault) {
      return fault.genCode;
    }
    return 0;
  };
  EXPECT_EQ(faultOf([&] { o.GoBottom(); }), EG_CORRUPTION);
  EXPECT_EQ(faultOf([&] {
              for (std::uint32_t r = o.GoTop(); r != 0; r = o.Next()) {
              }
            }),
            EG_CORRUPTION);
  std::string high(150, 'Z');
  EXPECT_EQ(faultOf([&] { o.Insert(high.data(), 9999); }), EG_CORRUPTION);
}

// Other writers fill a page to what fits (1022 / (key size + 10) - 1
// entries): such an order opens, and updates keep it sound.
TEST_F(NtxTest, PagesFilledToWhatFitsAreRead) {
  for (std::uint32_t keySize : {4u, 63u, 136u}) {
    SCOPED_TRACE(keySize);
    const std::uint32_t fits = NtxOrder::MaxItemsThatFit(keySize);
    ASSERT_EQ(fits, NtxOrder::MaxItemsFor(keySize) + 1);
    Model model;
    WriteFile(Path("F.NTX"), keySize, model);
    std::string b = ReadFile(Path("F.NTX"));
    b[18] = static_cast<char>(fits);
    b[20] = static_cast<char>(fits / 2);
    WriteBytes(Path("F.NTX"), b);
    NtxOrder o;
    o.Open(Path("F.NTX"), TableShare::Exclusive, false);
    for (std::uint32_t i = 1; i <= 600; ++i) {
      std::string k = Numbered("", i * 7 % 1000);
      k.resize(keySize, ' ');
      o.Insert(k.data(), i);
      model.emplace(k, i);
    }
    ExpectSame(o, model);
    o.EndChange();
    o.Close();
    o.Open(Path("F.NTX"), TableShare::Exclusive, false);
    ExpectSame(o, model);
  }
}

// An order closed while it was being changed is refused when opened again.
TEST_F(NtxTest, AnOrderInterruptedInAChangeIsRefused) {
  Model model;
  WriteFile(Path("I.NTX"), 10, model);
  {
    NtxOrder o;
    o.Open(Path("I.NTX"), TableShare::Exclusive, false);
    std::string k(10, 'k');
    o.Insert(k.data(), 1);
    o.Close();
  }
  NtxOrder o;
  try {
    o.Open(Path("I.NTX"), TableShare::Exclusive, false);
    ADD_FAILURE() << "opened";
  } catch (const TableFault& fault) {
    EXPECT_EQ(fault.genCode, EG_CORRUPTION);
    EXPECT_EQ(fault.description, CurrentLang().Table(TableText::OrderInterrupted));
  }
  EXPECT_EQ(ReadFile(Path("I.NTX")).substr(NtxOrder::kChangingAt, 4), "CHG!");
}

}  // namespace
}  // namespace rt::test
