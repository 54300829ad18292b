#pragma once
// The editor's searches over DBUCH: the switch of direction, the search
// from the two fields, the letter jump, the one-word search of the
// clipboard, and the clipboard pair.

#include <string>
#include <string_view>

namespace dravonel {

// The seek text length of the two search fields.
inline constexpr std::size_t kSeekLength = 50;

// 1 the German side, 2 the foreign side: the order, the grid's order
// marking and colours, the first row.
bool TABSORT(long nOrder);
void SUCHEN(const std::string& cDe, const std::string& cFr);
void SHORTSEEK(const std::string& cLetter);
void SEEKWORT(const std::string& cWord);
bool PUTCLIPBOARD(const std::string& cText);
bool GETCLIPBOARD();

// The grid shows the rows from the current one and its scroll thumb at that
// row's place in the order (after a seek, an add, an edit or a delete).
void ShowCurrentRow();

// The headings after a search: the searched side (1 German, 2 foreign)
// shows " *", the other none; the grid shows them at once.
void MarkSide(long searched);

// The text searched for cText on order 2 of the open dictionary: folded
// where its foreign key folds, upper-cased, without trailing blanks.
std::string ForeignSeekText(std::string_view cText);
// The text up to its first control character.
std::string FirstLine(std::string_view text);

}  // namespace dravonel
