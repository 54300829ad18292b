// The grid's data sources: the blocks each kind of source sets, the table
// skipper, the range filter, the driver's position blocks and the
// operations that put the screen back in step with the record pointer.
#include <windows.h>

#include <algorithm>
#include <cstdint>

#include "core/send_soft.h"
#include "grid/grid_messages.h"
#include "grid/tgbrowse.h"
#include "grid/tgbscrlbar.h"
#include "runtime/codepage.h"
#include "runtime/compare.h"
#include "runtime/files.h"
#include "runtime/macro.h"
#include "runtime/strings.h"
#include "runtime/table_fns.h"
#include "services/msgbox.h"
#include "services/ttxtfile.h"

namespace grid {

namespace {

constexpr long kBarMax = 32767;

rt::Value Blank(const rt::Value& v) {
  switch (v.type()) {
    case rt::Type::String: return rt::Value(std::string(v.Len(), ' '));
    case rt::Type::Number: return rt::Value(0);
    case rt::Type::Date: return rt::Value(rt::Date{});
    case rt::Type::Logical: return rt::Value(false);
    default: return rt::Value("???");
  }
}

}  // namespace

long TGBrowse::Skip(long n) {
  if (bSkip.IsBlock()) return bSkip.Eval(n).AsInt();
  return DbSkipper(n);
}

long TGBrowse::DbSkipper(long n) {
  long skipped = 0;
  InArea([&] {
    if (n == 0 || rt::LASTREC() == 0) {
      rt::DBSKIP(0);
      return rt::Value();
    }
    if (n > 0 && !rt::DbEof()) {
      while (skipped < n) {
        rt::DBSKIP(1);
        if (rt::DbEof()) {
          if (lAppendMode) {
            ++skipped;
          } else {
            rt::DBSKIP(-1);
          }
          break;
        }
        ++skipped;
      }
    } else if (n < 0 && !rt::BOF()) {
      while (skipped > n) {
        rt::DBSKIP(-1);
        if (rt::BOF()) break;
        --skipped;
      }
    }
    return rt::Value();
  });
  if (nAt == 0) nAt = 1;
  nAt += skipped;
  return skipped;
}

void TGBrowse::ResetBlocksForTable() {
  const auto self = std::static_pointer_cast<TGBrowse>(shared_from_this());
  std::weak_ptr<TGBrowse> weak = self;
  bGoTop = rt::Value::Block([weak](rt::Args) {
    if (const auto g = weak.lock()) g->InArea([] { rt::DBGOTOP(); return rt::Value(); });
    return rt::Value();
  });
  bGoBottom = rt::Value::Block([weak](rt::Args) {
    if (const auto g = weak.lock()) g->InArea([] { rt::DBGOBOTTOM(); return rt::Value(); });
    return rt::Value();
  });
  bSkip = rt::Value();
  if (!bLogicLen.IsBlock()) bLogicLen = rt::Value::Block([](rt::Args) { return rt::Value(rt::LASTREC()); });
}

TGBrowse& TGBrowse::SetArray(const rt::Value& array) {
  aArray = array.IsArray() ? array : rt::Value::Array();
  aDefValue = rt::Value::Array();
  if (aArray.Len() > 0 && aArray.At(1).IsArray()) {
    for (const rt::Value& cell : aArray.At(1).Items()) aDefValue.Items().push_back(Blank(cell));
  }
  nAt = 1;
  cAlias = "ARRAY";
  std::weak_ptr<TGBrowse> weak = std::static_pointer_cast<TGBrowse>(shared_from_this());
  bKeyNo = rt::Value::Block([weak](rt::Args) {
    const auto g = weak.lock();
    return rt::Value(g ? g->nAt : 0L);
  });
  bLogicLen = rt::Value::Block([weak](rt::Args) {
    const auto g = weak.lock();
    if (!g) return rt::Value(0);
    g->nLen = static_cast<long>(g->aArray.Len()) + (g->lAppendMode ? 1 : 0);
    return rt::Value(g->nLen);
  });
  bGoTop = rt::Value::Block([weak](rt::Args) {
    if (const auto g = weak.lock()) g->nAt = 1;
    return rt::Value();
  });
  bGoBottom = rt::Value::Block([weak](rt::Args) {
    if (const auto g = weak.lock()) g->nAt = g->bLogicLen.Eval().AsInt();
    return rt::Value();
  });
  bSkip = rt::Value::Block([weak](rt::Args a) {
    const auto g = weak.lock();
    if (!g) return rt::Value(0);
    const long count = g->bLogicLen.Eval().AsInt();
    if (count <= 0) return rt::Value(0);
    const long old = std::clamp(g->nAt, 1L, count);
    g->nAt = std::clamp(old + rt::Arg(a, 0).AsInt(), 1L, count);
    return rt::Value(g->nAt - old);
  });
  nLen = bLogicLen.Eval().AsInt();
  lHitTop = lHitBottom = false;
  nRowPos = nColPos = nCell = 1;
  HiliteCell(1);
  if (!lNoVScroll) NewVScroll(nLen);
  return *this;
}

rt::Value TGBrowse::SetTxtFile(const rt::Value& file, const rt::Value& cHeading, bool lOemText) {
  std::shared_ptr<svc::TTxtFile> text = file.As<svc::TTxtFile>();
  if (!text) {
    const std::string name = file.AsString();
    if (name.empty() || !rt::FileExists(name)) {
      svc::MSGSTOP(GridMessage(29) + " " + name + " " + GridMessage(30), GridMessage(28));
      return {};
    }
    text = std::make_shared<svc::TTxtFile>();
    text->New(name, 0);
  }
  oTxtFile = rt::Value(text);
  ++text->nTLines;
  nOffset = 1;
  nTextLongest = -1;
  std::weak_ptr<TGBrowse> weak = std::static_pointer_cast<TGBrowse>(shared_from_this());
  ColumnArgs c;
  c.cHeading = cHeading.IsNil() ? rt::Value("") : cHeading;
  c.bData = rt::Value::Block([weak, text, lOemText](rt::Args) {
    const auto g = weak.lock();
    const std::string line = text->ReadLine();
    const std::string shown = g ? rt::SUBSTR(line, g->nOffset) : line;
    return rt::Value(lOemText ? rt::Cp850To1252(shown) : shown);
  });
  c.aColors = rt::Value::Array({nClrTextValue, nClrPaneValue});
  c.nWidth = 1024;
  c.oBrw = Self();
  auto column = std::make_shared<TGColumn>();
  column->New(c);
  AddColumn(column);
  lGridLine = false;
  cAlias = "TEXT_";
  bKeyNo = rt::Value::Block([weak](rt::Args) {
    const auto g = weak.lock();
    return rt::Value(g ? g->nAt : 0L);
  });
  bLogicLen = rt::Value::Block([weak, text](rt::Args) {
    if (const auto g = weak.lock()) g->nLen = text->nTLines;
    return rt::Value(text->nTLines);
  });
  bGoTop = rt::Value::Block([text](rt::Args) {
    text->GoTop();
    return rt::Value();
  });
  bGoBottom = rt::Value::Block([text](rt::Args) {
    text->GoBottom();
    return rt::Value();
  });
  bSkip = rt::Value::Block([weak, text](rt::Args a) {
    const auto g = weak.lock();
    const long old = text->nLine;
    text->GoTo(std::clamp(old + rt::Arg(a, 0).AsInt(), 1L, std::max(1L, text->nTLines)));
    if (g) g->nAt = text->nLine;
    return rt::Value(text->nLine - old);
  });
  nLen = text->nTLines;
  nRowPos = nAt = 1;
  nColPos = nCell = 1;
  HiliteCell(1);
  return Self();
}

TGBrowse& TGBrowse::SetTree(const rt::Value& tree) {
  oTree = tree;
  oItem = core::Ask(tree, "oFirst");
  lMChange = false;
  std::weak_ptr<TGBrowse> weak = std::static_pointer_cast<TGBrowse>(shared_from_this());
  bKeyNo = rt::Value::Block([weak](rt::Args) {
    const auto g = weak.lock();
    return rt::Value(g ? g->nAt : 0L);
  });
  bLine = rt::Value::Block([weak](rt::Args) {
    const auto g = weak.lock();
    return g ? core::Ask(g->oItem, "GetLabel") : rt::Value();
  });
  aColSizes = rt::Value::Block([weak](rt::Args) {
    const auto g = weak.lock();
    return g ? core::Ask(g->oItem, "ColSizes") : rt::Value::Array();
  });
  bGoTop = rt::Value::Block([weak](rt::Args) {
    if (const auto g = weak.lock()) g->oItem = core::Ask(g->oTree, "oFirst");
    return rt::Value();
  });
  bGoBottom = rt::Value::Block([weak](rt::Args) {
    if (const auto g = weak.lock()) g->oItem = core::Ask(core::Ask(g->oTree, "oLast"), "GetLast");
    return rt::Value();
  });
  bSkip = rt::Value::Block([weak](rt::Args a) {
    const auto g = weak.lock();
    if (!g) return rt::Value(0);
    rt::Value n(rt::Arg(a, 0).AsInt());
    const rt::Value item = rt::Send(g->oItem, "Skip", rt::Args(&n, 1));
    if (item.IsObject()) g->oItem = item;
    g->nAt += n.AsInt();
    return n;
  });
  bLogicLen = rt::Value::Block([weak](rt::Args) {
    const auto g = weak.lock();
    if (!g) return rt::Value(0);
    g->nLen = core::Ask(g->oTree, "nCount").AsInt();
    return rt::Value(g->nLen);
  });
  // A double click or Enter opens or closes the current item.
  bLDblClick = rt::Value::Block([weak](rt::Args) {
    if (const auto g = weak.lock()) g->ToggleTreeItem();
    return rt::Value();
  });
  bKeyDown = rt::Value::Block([weak](rt::Args a) {
    const auto g = weak.lock();
    if (g && rt::Arg(a, 0).AsInt() == VK_RETURN) g->ToggleTreeItem();
    return rt::Value();
  });
  if (oHScroll.IsObject()) {
    core::Ask(oHScroll, "Destroy");
    oHScroll = rt::Value();
  }
  lNoHScroll = true;
  Refresh();
  return *this;
}

void TGBrowse::ToggleTreeItem() {
  // An item without items of its own has nothing to open.
  if (!core::Ask(oItem, "oTree").IsObject()) return;
  core::Ask(oItem, "Toggle");
  Count();
  Refresh();
}

TGBrowse& TGBrowse::SetoDBF(const rt::Value& dbf) {
  oDbf = dbf;
  const rt::Value hooks = core::Ask(dbf, "ClassName").AsString() == "TMULTIDBF" ? core::Ask(dbf, "oParent") : dbf;
  if (core::Ask(dbf, "ClassName").AsString() == "TMULTIDBF") oCtx = core::Ask(dbf, "oCtx");
  const rt::Value none = rt::Value::Block([](rt::Args) { return rt::Value(); });
  for (const char* hook : {"_bBoF", "_bEoF", "_bNetError"}) core::Ask(hooks, hook, none);
  nRowPos = nColPos = nCell = 1;
  lHitTop = lHitBottom = false;
  cAlias = core::Ask(dbf, "cAlias");
  lDbfObj = true;
  HiliteCell(1);
  bLogicLen = rt::Value::Block([dbf](rt::Args) { return core::Ask(dbf, "RecCount"); });
  bGoTop = rt::Value::Block([dbf](rt::Args) { return core::Ask(dbf, "GoTop"); });
  bGoBottom = rt::Value::Block([dbf](rt::Args) { return core::Ask(dbf, "GoBottom"); });
  bSkip = rt::Value::Block([dbf](rt::Args a) { return core::Ask(dbf, "Skipper", rt::Arg(a, 0)); });
  return *this;
}

void TGBrowse::SetFilter(const rt::Value& field, const rt::Value& start, const rt::Value& end) {
  const bool wasFilter = lFilterMode;
  cField = field;
  uValue1 = start;
  uValue2 = end.IsNil() ? start : end;
  lFilterMode = !start.IsNil();
  if (!IsTable() && !lDbfObj) {
    lFilterMode = false;
    return;
  }
  const auto self = std::static_pointer_cast<TGBrowse>(shared_from_this());
  if (lFilterMode) {
    const bool typesAgree = InArea([&] {
      const std::string key = rt::ORDKEY();
      const rt::Value keyValue = key.empty() ? rt::Value() : rt::MacroEval(key);
      const rt::Value fieldValue = cField.IsString() ? rt::MacroEval(cField.AsString()) : rt::Value();
      return rt::Value(!key.empty() && keyValue.type() == fieldValue.type() && fieldValue.type() == uValue1.type() &&
                       uValue1.type() == uValue2.type());
    }).AsLogical();
    if (!typesAgree) {
      svc::MSGINFO(GridMessage(27), GridMessage(28));
      lFilterMode = false;
    } else {
      lDescend = rt::LT(uValue2, uValue1);
    }
  }
  if (lFilterMode) {
    std::weak_ptr<TGBrowse> weak = self;
    const rt::Value first = uValue1, last = uValue2;
    bGoTop = rt::Value::Block([weak, first](rt::Args) {
      if (const auto g = weak.lock()) g->InArea([&] { return rt::Value(rt::DBSEEK(first, true)); });
      return rt::Value();
    });
    bGoBottom = rt::Value::Block([weak, last](rt::Args) {
      if (const auto g = weak.lock()) g->InArea([&] {
          BRWGOBOTTOM(last, *g);
          return rt::Value();
        });
      return rt::Value();
    });
    bSkip = BUILDSKIP(cAlias, cField, uValue1, uValue2, self);
  } else {
    ResetBlocksForTable();
  }
  ResetBarPos(true);
  lHitTop = lHitBottom = false;
  if (lFilterMode || wasFilter) GoTop();
}

void TGBrowse::ResetBarPos(bool lReset) {
  // The runtime has one table driver with NTX orders: a table with an
  // order is "NTX", one without "NONE"; no other driver family exists.
  if (IsTable() && lReset) {
    cDriver = "NONE";
    lClipMore = false;
    bScope = rt::Value::Block([](rt::Args) { return rt::Value(""); });
    bool ordered = false;
    InArea([&] {
      ordered = !rt::ORDKEY().empty();
      return rt::Value();
    });
    std::weak_ptr<TGBrowse> weak = std::static_pointer_cast<TGBrowse>(shared_from_this());
    auto inArea = [weak](std::function<rt::Value()> fn) {
      const auto g = weak.lock();
      return g ? g->InArea(fn) : rt::Value();
    };
    if (ordered) {
      // The key number and a go-to-position block of the controlling
      // order: the bar follows the record's place in the order.
      cDriver = "NTX";
      bLastTag = rt::Value::Block([inArea](rt::Args) { return inArea([] { return rt::Value(rt::ORDSETFOCUS()); }); });
      bTagOrder = rt::Value::Block([inArea](rt::Args a) {
        const rt::Value tag = rt::Arg(a, 0);
        return inArea([tag] { return rt::Value(rt::ORDSETFOCUS(tag)); });
      });
      bKeyNo = rt::Value::Block([inArea](rt::Args) { return inArea([] { return rt::Value(rt::ORDKEYNO()); }); });
      bGoToPos = rt::Value::Block([inArea](rt::Args a) {
        const long n = rt::Arg(a, 0).AsInt();
        return inArea([n] { return rt::Value(rt::ORDKEYGOTO(n)); });
      });
    } else {
      bKeyNo = rt::Value::Block([inArea](rt::Args) { return inArea([] { return rt::Value(rt::RECNO()); }); });
      bGoToPos = rt::Value::Block([inArea](rt::Args a) {
        const long n = rt::Arg(a, 0).AsInt();
        return inArea([n] {
          rt::DBGOTO(n);
          return rt::Value();
        });
      });
      bTagOrder = rt::Value::Block([](rt::Args) { return rt::Value(); });
    }
    if (lFilterMode) {
      const rt::Value start = uValue1;
      bLogicLen = rt::Value::Block([weak, start](rt::Args) {
        const auto g = weak.lock();
        return rt::Value(g ? g->RecCount(start) : 0L);
      });
    } else {
      bLogicLen = rt::Value::Block([inArea](rt::Args) { return inArea([] { return rt::Value(rt::LASTREC()); }); });
    }
  }
  if (!bLogicLen.IsBlock()) return;
  long key = bKeyNo.IsBlock() ? bKeyNo.Eval().AsInt() : nAt;
  if (IsTable() && lFilterMode) key -= nFirstKey;
  nLen = bLogicLen.Eval().AsInt();
  if (IsTable()) nAt = key;
  if (auto v = oVScroll.As<TGBScrlBar>()) {
    v->SetRange(1, static_cast<int>(std::max(1L, std::min(nLen, kBarMax))));
    v->SetPos(static_cast<int>(BarPosOf(key)));
    v->SetPage(static_cast<int>(std::min(nRowCount(), nLen)));
  }
  if (key > 0 && key < nRowPos) nRowPos = key;
}

long TGBrowse::RecCount(const rt::Value& start) {
  long count = 0;
  InArea([&] {
    const long rec = rt::RECNO();
    nFirstKey = 0;
    rt::DBSEEK(start, true);
    const bool inside = lDescend ? !rt::DbEof() && rt::GE(rt::MacroEval(rt::ORDKEY()), uValue2)
                                 : !rt::DbEof() && rt::LE(rt::MacroEval(rt::ORDKEY()), uValue2);
    if (inside) {
      nFirstKey = rt::ORDKEYNO() - 1;
      BRWGOBOTTOM(uValue2, *this);
      count = rt::ORDKEYNO() - nFirstKey;
    }
    rt::DBGOTO(rec);
    return rt::Value();
  });
  return count;
}

long TGBrowse::nLogicPos() {
  if (cAlias.AsString() == "TEXT_") {
    if (const auto text = oTxtFile.As<svc::TTxtFile>()) nAt = text->nLine;
  }
  return nAt;
}

long TGBrowse::GetRealPos(long nBarPos) {
  if (nLen == 0 && bLogicLen.IsBlock()) nLen = bLogicLen.Eval().AsInt();
  if (nLen <= kBarMax) return nBarPos;
  return static_cast<long>(static_cast<std::int64_t>(nBarPos) * nLen / kBarMax);
}

long TGBrowse::BarPosOf(long nRow) {
  if (nLen <= kBarMax) return nRow;
  // The smallest bar position whose row is nRow or more, so that
  // BarPosOf(GetRealPos(p)) is p again.
  return static_cast<long>((static_cast<std::int64_t>(nRow) * kBarMax + nLen - 1) / nLen);
}

void TGBrowse::UpStable() {
  const long rows = nRowCount();
  const long oldRow = nRowPos;
  long rec = 0;
  InArea([&] {
    rec = rt::RECNO();
    return rt::Value();
  });
  auto recNow = [&] { return InArea([] { return rt::Value(rt::RECNO()); }).AsInt(); };
  auto goRec = [&] { InArea([&] { rt::DBGOTO(rec); return rt::Value(); }); };
  if (nLen > rows) {
    // The skip stops on the last record: fewer rows than the page has
    // below the record's row means the record is on the last page.
    const long below = std::max(0L, rows - nRowPos);
    if (Skip(below) < below) {
      bGoBottom.Eval();
      nRowPos = rows;
      while (recNow() != rec && nRowPos > 1) {
        Skip(-1);
        --nRowPos;
      }
      Refresh();
      ResetBarPos();
      return;
    }
    goRec();
  }
  nRowPos = 1;
  GoTop();
  lHitTop = lHitBottom = false;
  long walked = 1;
  bool pastPage = false;
  while (true) {
    if (walked > rows) {
      nRowPos = oldRow;
      pastPage = true;
      break;
    }
    if (recNow() == rec) {
      nRowPos = walked;
      break;
    }
    if (Skip(1) == 0) break;
    ++walked;
  }
  if (!pastPage) Skip(-nRowPos);
  goRec();
  if (auto v = oVScroll.As<TGBScrlBar>()) v->SetPos(static_cast<int>(BarPosOf(bKeyNo.Eval().AsInt())));
  bChange.Eval(Self(), core::Ask(oWnd, "nLastKey"));
  Refresh(nLen < rows);
}

void TGBrowse::Reset() {
  nRowPos = nColPos = 1;
  if (IsTable()) {
    if (lFilterMode) {
      SetFilter(cField, uValue1, uValue2);
    } else if (bLogicLen.IsBlock()) {
      nLen = bLogicLen.Eval().AsInt();
    }
  }
  if (!lNoVScroll) {
    if (nLen <= nRowCount() && oVScroll.IsObject()) {
      if (auto v = oVScroll.As<TGBScrlBar>()) v->SetRange(1, -1);
    } else {
      NewVScroll(nLen);
    }
  }
  lHitTop = lHitBottom = false;
  Refresh(true);
}

void TGBrowse::SyncChild(const rt::Value& aGrids, const rt::Value& aBlocks) {
  const rt::Value grids = aGrids, blocks = aBlocks;
  std::weak_ptr<TGBrowse> weak = std::static_pointer_cast<TGBrowse>(shared_from_this());
  bChange = rt::Value::Block([weak, grids, blocks](rt::Args) {
    const auto self = weak.lock();
    if (!self || !grids.IsArray()) return rt::Value();
    for (std::size_t i = 1; i <= grids.Len(); ++i) {
      const auto child = grids.At(i).As<TGBrowse>();
      if (!child || child->cAlias.AsString().empty()) continue;
      child->lHitTop = false;
      child->GoTop();
      if (blocks.IsArray() && i <= blocks.Len()) blocks.At(i).Eval(self->Self(), child->Self());
      child->Reset();
    }
    return rt::Value();
  });
}

}  // namespace grid
