#pragma once
// The browse grid: a child control that shows the rows of one data source
// (a work area, an array, a text file, a tree or a database object) in
// columns, with headers, footers and super-headers, its own scroll bars and
// a highlighted row or cell. The data source is reached only through the
// blocks bGoTop, bGoBottom, bSkip, bLogicLen and bKeyNo; painting goes cell
// by cell through the cell painter.

#include <functional>
#include <memory>
#include <string>

#include "core/tcontrol.h"
#include "grid/cell_painter.h"
#include "grid/tgcolumn.h"

namespace ctl {
class TMenu;
}  // namespace ctl

namespace grid {

// The 29 arguments of New, in order.
struct BrowseArgs {
  rt::Value nRow, nCol, nWidth, nHeight, bLine, aHeaders, aColSizes, oWnd, cField, uValue1, uValue2, bChange,
      bLDblClick, bRClicked, oFont, oCursor, aColors, cMsg, lUpdate, cAlias, lPixel, bWhen, lDesign, bValid,
      lCellBrw, nStyle, bLClicked, aActions, nLineStyle;
};

// The 23 arguments of ReDefine, in order.
struct BrowseRedefineArgs {
  rt::Value nId, bLine, oWnd, aHeaders, aColSizes, cField, uValue1, uValue2, bChange, bLDblClick, bRClicked, oFont,
      oCursor, aColors, cMsg, lUpdate, cAlias, bWhen, bValid, lCellBrw, bLClicked, aActions, nLineStyle;
};

// The cell painter the grid calls: the native one, or a recorder in tests.
using CellPainter = std::function<void(const CellRequest&)>;
void SetCellPainter(CellPainter painter);
const CellPainter& GridCellPainter();

class TGBrowse : public core::TControl {
 public:
  RT_CLASS_DECL()

  // Instance data in declaration order.
  rt::Value aActions, aArray, aBitmaps, aDefault, aClipBoard, aColSizes, aColumns, aHeaders, aDefValue, aIcons,
      aImages, aJustify, aMsg, aKeyRemap, aSelected, aSuperHead;
  rt::Value bAddRec, bBitMapH, bContext, bDelete, bFileLock, bGoToPos, bIconDraw, bIconText, bLastTag, bLine, bSkip,
      bGoTop, bGoBottom, bLogicLen, bKeyNo, bOnDraw, bPostDel, bRecLock, bScope, bSeekChange, bSelected, bSetOrder,
      bTagOrder, bUserKeys;
  rt::Value cAlias, cDriver, cField, uValue1, uValue2, cOrderType, cPrefix, cSeek, hBmpCursor;
  bool lHitTop = false, lHitBottom = false, lMChange = false, lAppendMode = false, lAutoCtx = false,
       lAutoEdit = false, lAutoSkip = false, lIconView = false, lCellStyle = false, lCanAppend = false,
       lCanDelete = false, lCanSelect = false, lCellBrw = false, lChanged = false, lClipMore = false,
       lColDrag = false, lConfirm = true, lDbfObj = false, lDescend = false, lDrawHeaders = true;
  rt::Value lDrawFooters;
  bool lEditing = false, lFilterMode = false, lFirstFocus = true, lFirstPaint = true, lFixCaret = false,
       lFooting = false, lGrasp = false, lGridLine = false, lHasChanged = false, lHasFocus = false, lIsDbf = false,
       lIsV22 = false, lLineDrag = false, lLockFreeze = false, lMoveCols = false, lMyFont = false,
       lNoGrayBar = false, lNoHScroll = false, lNoLiteBar = false, lNoMoveCols = false, lNoResetPos = true,
       lNoVScroll = false, lLogicDrop = false, lPageMode = false, lPainted = false, lRePaint = false, lUndo = false,
       lUpdated = false, lUpperSeek = true, lSeek = true;
  long nAdjColumn = 0, nCell = 0;
  rt::Value nClrHeadBack, nClrHeadFore, nClrFocuBack, nClrFocuFore, nClrEditBack, nClrEditFore, nClrFootBack,
      nClrFootFore, nClrSeleBack, nClrSeleFore, nClrOrdeBack, nClrOrdeFore, nClrLine;
  // Colour slots 1 and 2 as set: a number, or a block, gradient or brush
  // decided per cell; by name they are the grid's nClrText and nClrPane.
  rt::Value nClrTextValue, nClrPaneValue;
  long nColOrder = 0, nDragCol = 0;
  rt::Value nFireKey;
  long nFreeze = 0, nHeightCell = 0, nHeightHead = 0, nHeightFoot = 0, nHeightSuper = 0, nIconPos = 0,
       nKeyDown = 0, nKeyFlag = 0, nLastPainted = 0, nLastPos = 0, nLastnAt = 0, nLineStyle = 0, nFirstKey = 0;
  rt::Value nMaxFilter;
  long nOffset = 0, nPhantom = -1;
  rt::Value nPrevRec;
  long nRowPos = 0, nAt = 0, nColPos = 0, nLen = 0;
  rt::Value oDbf, oCtx, oGet, oItem, oTree, oTxtFile, uLastTag;

  // Class data.
  static const rt::Value& aProperties();

  // Construction.
  TGBrowse& New(const BrowseArgs& args = {});
  TGBrowse& ReDefine(const BrowseRedefineArgs& args);
  void Default() override;
  void Initiate(HWND hDlg) override;
  void Init(HWND hDlg) { Initiate(hDlg); }
  rt::Value Destroy() override;
  rt::Value Inspect(const std::string& cData) override;
  void ShowSizes();
  rt::Value BeginPaint() override;
  rt::Value EndPaint() override;
  void BugUp() { UpStable(); }
  rt::Value GetColSizes();
  long nColCount() const { return static_cast<long>(aColumns.IsArray() ? aColumns.Len() : 0); }
  long nRowCount();
  long nTGBRow(const rt::Value& nPixelRow = {});
  void TGBrwScroll(long nRows);
  void SetContext(const rt::Value& oContext = {}, bool given = false);
  bool lCloseArea();

  // Columns, colours and fonts.
  TGBrowse& AddColumn(const std::shared_ptr<TGColumn>& column);
  TGBrowse& AddSuperHead(rt::Args args);
  std::shared_ptr<TGColumn> InsColumn(long nPos, const std::shared_ptr<TGColumn>& column);
  std::shared_ptr<TGColumn> DelColumn(long nPos);
  std::shared_ptr<TGColumn> GetColumn(long n = 1) const;
  TGBrowse& SwitchCols(long nCol1, long nCol2);
  TGBrowse& MoveColumn(long nFrom, long nTo);
  TGBrowse& Exchange(long nCol1, long nCol2);
  TGBrowse& SetColumns(const rt::Value& aBlocks, const rt::Value& aHeads, const rt::Value& aSizes);
  TGBrowse& LoadFields(bool lEdit = true);
  TGBrowse& SetData(long nCol, const rt::Value& uData, const rt::Value& aList = {});
  TGBrowse& SetHeaders(rt::Args args);
  TGBrowse& SetColSize(const rt::Value& nCol, const rt::Value& nWidth);
  TGBrowse& SetAlign(long nCol, long nWhich, const rt::Value& nAlign);
  TGBrowse& SetIndexCols(rt::Args args);
  TGBrowse& SetBtnGet(long nCol, const rt::Value& cResName, const rt::Value& bAction, long nBmpWidth = 16);
  TGBrowse& SetSpinner(long nCol, bool lOn = true, const rt::Value& bUp = {}, const rt::Value& bDown = {},
                       const rt::Value& bMin = {}, const rt::Value& bMax = {});
  TGBrowse& SetSelectMode(bool lOn, const rt::Value& bSel);
  TGBrowse& SetDeleteMode(bool lOn = true, bool lConfirmIt = true, const rt::Value& bDel = {},
                          const rt::Value& bPost = {});
  bool SetAppendMode(const rt::Value& lOn = {});
  TGBrowse& FreezeCol(bool lMore = true);
  long SetColor(const rt::Value& aSlots, const rt::Value& aValues = {}, long nColumn = 0);
  TGBrowse& ChangeFont(const std::shared_ptr<gfx::TFont>& font, long nColumn = 0, const rt::Value& nWhich = {});
  TGBrowse& Look3D(bool lOn = true, long nColumn = 0, long nWhich = 0, bool lPhantomLikeLast = true);
  TGBrowse& Set3DText(bool lOn = true, bool lRaised = true, long nColumn = 0, long nWhich = 0,
                      const rt::Value& nClrLight = {}, const rt::Value& nClrShadow = {});
  std::string Proper(const std::string& c) const;

  // Data sources and row skipping.
  long Skip(long n);
  long DbSkipper(long n = 0);
  TGBrowse& SetArray(const rt::Value& array = {});
  rt::Value SetTxtFile(const rt::Value& file, const rt::Value& cHeading = {}, bool lOemText = false);
  TGBrowse& SetTree(const rt::Value& tree);
  TGBrowse& SetoDBF(const rt::Value& dbf);
  void SetFilter(const rt::Value& field = {}, const rt::Value& start = {}, const rt::Value& end = {});
  void ResetBarPos(bool lReset = false);
  long RecCount(const rt::Value& start);
  long nLogicPos();
  long GetRealPos(long nBarPos);
  // The bar position of a row or key number: the inverse of GetRealPos.
  long BarPosOf(long nRow);
  void UpStable();
  void Reset();
  void SyncChild(const rt::Value& aGrids, const rt::Value& aBlocks = {});

  // Navigation and order. n 0 in the page moves is a page of nRowCount()
  // rows.
  TGBrowse& GoTop();
  // Prints the grid's columns through the report engine of the print
  // layer, reached by name; the grid stays where it was.
  TGBrowse& Report(const rt::Value& cTitle = {}, bool lPreview = true, const rt::Value& oFont = {},
                   const rt::Value& cCaption = {}, bool lModal = false);
  TGBrowse& GoDown();
  TGBrowse& GoUp();
  TGBrowse& PageDown(long n = 0);
  void PageUp(long n = 0);
  TGBrowse& GoBottom();
  // Moves cell by cell and row by row to row nRow (nAt for an array, the
  // logical position under a scope, else the screen row) and column nCol;
  // the change hook runs once at the end when the row changed.
  void GoPos(const rt::Value& nRow, const rt::Value& nCol);
  // Scroll-bar codes (the low word of nCode) 0 line up, 1 line down, 2
  // page up, 3 page down, 4 the thumb released at a position, 6 top, 7
  // bottom. The position is the high word of nCode as the window's own bar
  // sends it, else nPos.
  rt::Value VScroll(LPARAM nCode, LPARAM nPos) override;
  TGBrowse& GoLeft();
  TGBrowse& GoRight();
  TGBrowse& GoHome();
  TGBrowse& GoEnd();
  TGBrowse& PanHome();
  TGBrowse& PanEnd();
  TGBrowse& PanLeft();
  // A page to the right: the first column that does not show completely
  // comes first; on the last page the last column is shown completely.
  TGBrowse& PageRight();
  // A page to the right in the panning way: the page's last fully shown
  // column comes first (at least one column further); the last column is
  // current once it shows.
  TGBrowse& PanRight();
  // The edit move to the next editable cell of the row, else to the first
  // one of the next row.
  TGBrowse& GoNext();
  void HThumbDrag(long nPos);
  // Codes 0 left, 1 right, 2 a page left, 3 a page right, 4 the thumb at a
  // position (as VScroll), 6 first, 7 last column.
  rt::Value HScroll(LPARAM nCode, LPARAM nPos) override;
  // The column under pixel nX, counted from the first scrolled column with
  // the frozen widths before it, or from the first column.
  long nAtCol(long nX, bool lFromFirst = false) const;
  // Column n shows completely / at least in part.
  bool IsColVisible(long n) const { return ColShows(n, true); }
  bool IsColVis2(long n) const { return ColShows(n, false); }
  rt::Value ResetSeek();
  bool SetOrder(long nCol, const rt::Value& prefix = {});
  bool HiliteCell(long nCol);
  // The mouse's form: the cell walks to the column under pixel nX; .T.
  // when it moved.
  bool HiliteCell(long nCol, long nX);
  // The column a click at pixel nX means: a frozen column where one shows,
  // else the scrolled column under it.
  long nClickedCol(long nX) const;

  // In-cell editing: the editor over cell nCol of the current row (one at a
  // time for all grids; answers 0), the editors' key hook (kind 0 single-line,
  // 1 list, 2 multi-line; .T. when the key was the editing's), the write-back
  // of an edited value and the deletion of the current row.
  long lEditCol(const rt::Value& uValue, long nCol, const rt::Value& cPicture = {}, const rt::Value& bValid = {},
                const rt::Value& nClrFore = {}, const rt::Value& nClrBack = {});
  bool EditExit(long nKey, const rt::Value& oEditor, const rt::Value& uOld, const rt::Value& bValid, long nKind = 0);
  void PostEdit(const rt::Value& uValue, long nCol, const rt::Value& bValid = {});
  TGBrowse& DeleteRow();

  // Painting.
  rt::Value Display() override;
  rt::Value Paint() override;
  void DrawLine(long nRow = 0);
  void DrawSelect();
  void DrawHeaders();
  void DrawFooters() { DrawHeaders(); }
  void DrawSuper();
  // Icon view: one icon per row from the current one; icon n (1-based)
  // redrawn plain or in the focused look.
  void DrawIcons();
  void DrawIcon(long nIcon, bool lFocused = false);

  // Keys, mouse and focus. Mouse positions arrive as the dispatcher reads
  // them (unsigned 16-bit halves) and are sign-extended here: a captured
  // pointer left of or above the grid reads negative.
  rt::Value KeyDown(long nKey, long nFlags) override;
  rt::Value KeyChar(long nKey, long nFlags) override;
  // The aKeyRemap row of the key decides by the shift state; its block runs
  // when the flag is .T.
  bool lIgnoreKey(long nKey, long nFlags);
  rt::Value GetDlgCode(LPARAM nKey) override;
  rt::Value LButtonDown(long nRow, long nCol, long nFlags) override;
  rt::Value LButtonUp(long nRow, long nCol, long nFlags) override;
  rt::Value LDblClick(long nRow, long nCol, long nFlags) override;
  rt::Value RButtonDown(long nRow, long nCol, long nFlags) override;
  rt::Value MButtonDown(long nRow, long nCol, long nFlags) override;
  rt::Value MouseMove(long nRow, long nCol, long nFlags) override;
  rt::Value HandleEvent(UINT nMsg, WPARAM nWParam, LPARAM nLParam) override;
  rt::Value GotFocus(LPARAM hWndLost) override;
  rt::Value LostFocus(LPARAM hWndNew) override;
  rt::Value ReSize(long nSizeType, long nWidth, long nHeight) override;
  // A width drag: started with the border x, the column and the border x
  // less the pointer x; each call with an x moves the inverted line; the
  // call without arguments applies the new width.
  void VertLine(const rt::Value& nX = {}, const rt::Value& nColumn = {}, const rt::Value& nOffset = {});
  long nAtIcon(long nRow, long nCol) const;
  // The column menu of the heading at (nRow, nCol), built but not shown;
  // RButtonDown shows it.
  std::shared_ptr<ctl::TMenu> ColumnMenu(long nRow, long nCol);
  // Incremental seek: one keystroke added to the seek text, the grid moved
  // to the first match.
  TGBrowse& Seek(long nKey);

  rt::Value EraseBkGnd(LPARAM hDC) override;

  // Evaluates fn in the grid's work area; NIL (and nothing run) when the
  // alias is not open.
  rt::Value InArea(const std::function<rt::Value()>& fn) const;
  bool IsTable() const;
  HFONT FontHandle() const;
  std::shared_ptr<TGColumn> Col(long n) const;
  rt::Value VScrollBar() const { return oVScroll; }

 private:
  // Takes the arguments New and ReDefine share.
  template <class Args>
  void TakeArgs(const Args& a);
  void CommonInit(const rt::Value& aColors, bool redefine);
  // Makes that column the current cell, shown again only when it changes.
  void CellTo(long nColumn);
  // The cell cursor right to nColumn, scrolling the columns until it shows;
  // the whole grid is redrawn when they scrolled, else the selection alone
  // when lDrawSelect.
  void StepRightTo(long nColumn, bool lDrawSelect);
  // The font given, else one of the grid's own (lMyFont), with what the
  // window needs before it is created or redefined.
  std::shared_ptr<gfx::TFont> PrepareWindow(const rt::Value& oFont);
  void ResetBlocksForTable();
  void NewVScroll(long nMax);
  void DrawRow(long nRow, bool selected);
  void RebuildColSizes();
  long ColSize(long n) const;
  long IconsPerLine() const;
  // Runs a row painter outside a paint message with a DC of its own.
  void Draw(const std::function<void()>& draw);
  void BarToRow();
  // Counts the rows again (nLen).
  long Count();
  void OpenAppendRow();
  // A text shown without highlight bar scrolls by a line at each row move:
  // the line at row nRow becomes current first. .F. (nothing moved) when
  // every line fits.
  bool TextScrollsFrom(long nRow);
  void ThumbTo(long nPos);
  long VisibleWidth() const;
  bool ColShows(long n, bool fully) const;
  // The frozen columns' widths, and whether column n may take the cell
  // in an edit move.
  long FrozenWidth() const;
  bool Enterable(long n) const;
  // A text source scrolls sideways by characters: nOffset, the first one
  // shown, stays within 1..(longest line - characters that fit).
  bool IsText() const;
  // The longest line of the text source in characters; -1 until measured.
  long nTextLongest = -1;
  long TextOffsetMax();
  void TextOffset(long n);
  // The horizontal bar's last position: the last first character of a
  // text source, else the last column.
  long HBarMax();
  void HBarTo(long nPos);
  HICON IconOfRow();
  // The record number of a table, else nAt.
  long RowNumber();
  // Editing helpers: the end of an edit without a write, the pop-up closed
  // and the focus handed back once the editor's message is done, the next
  // editable cell (into the next row after the last).
  void CancelEdit(const rt::Value& uOld);
  void EndEditor();
  // A click or a scroll bar ends an open editor unwritten, as Esc does
  // (the owner's last key 27); without one the last key is cleared.
  void EndOpenEditor();
  void FocusBack();
  void GoNextEditable();
  void WriteAppendDefaults(long nCol);
  void DeleteRecord();
  void DeleteArrayRow();
  bool bChangeRan_ = false;
  long lastChangeRec_ = -1, lastChangeAt_ = -1;
  bool defaultedAtPaint_ = false;
  // The column-width drag under way.
  struct WidthDrag {
    long column = 0, border = 0, drawn = -1, offset = 0;
  };
  WidthDrag widthDrag_;
  // The column the column menu holds for undo and paste, with its kind
  // (message 12 or 13) and old position.
  std::shared_ptr<TGColumn> heldColumn_;
  int heldKind_ = 0;
  long heldPos_ = 0;
  // A body row click or right click moving the current row there.
  void RowClicked(long row);
  void ToggleSelected(long nKey);
  // A tree source's current item opened or closed, when it has items.
  void ToggleTreeItem();
  void OpenEditor(long nFlags);
  // The tool tip of a width drag.
  HWND widthTip_ = nullptr;
  void ShowWidthTip(long nX, long nWidth);
  void EndWidthTip();
  // The hit flags hold only for the record they were set with: a move
  // first drops flags that the record pointer has left (a seek by the
  // grid's owner) and re-reads its position, and notes the record at its
  // end.
  struct FlagWatch {
    explicit FlagWatch(TGBrowse& grid);
    ~FlagWatch();
    FlagWatch(const FlagWatch&) = delete;
    FlagWatch& operator=(const FlagWatch&) = delete;
    TGBrowse& g;
  };
  long flagRec_ = -1;
};

// Module functions of the grid.
rt::Value _ADATA(const rt::Value& aBlocks);
// A copy of the array one level deep; the grid's own, never the runtime's
// deep ACLONE.
rt::Value ArrayCopyOneLevel(const rt::Value& a);
rt::Value MAKEBLOCK(const std::shared_ptr<TGBrowse>& oBrw, long n);
rt::Value FIELDSETGETBLOCK(const rt::Value& cAlias, long nField);
rt::Value GENHEAD(const rt::Value& aColumns, long n);
rt::Value GENFOOT(const rt::Value& aColumns, long n);
rt::Value GENDATA(const rt::Value& aColumns, long n);
bool ISCHAR(long n);
bool ISNUMERIC(long n);
bool EMPTYALIAS(const rt::Value& c);
// The bitmap class has no palette: bitmaps are always passed by their own
// handle, so this answers .T.
bool CHECKBMPPAL();
void SETHEIGHTS(TGBrowse& oBrw);
rt::Value BUILDSKIP(const rt::Value& cAlias, const rt::Value& cField, const rt::Value& start, const rt::Value& end,
                    const std::shared_ptr<TGBrowse>& oBrw);
long BRWGOTO(long n, const rt::Value& bWhile, TGBrowse& oBrw);
void BRWGOBOTTOM(const rt::Value& end, TGBrowse& oBrw);

}  // namespace grid
