#pragma once
// Text functions. Character values are Windows-1252 bytes; positions are
// 1-based and lengths count bytes. Numbers arrive as `long`, as the programs
// pass them; out-of-range positions and counts give what xBase gives (an
// empty or shortened result), never an error.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "runtime/value.h"

namespace rt {

// The longest text a function builds; longer results raise "string
// overflow" (EG_STROVERFLOW, can default) and the function gives "".
inline constexpr std::size_t kMaxStringLength = std::size_t{64} << 20;
// True (after raising the error) when a result of n bytes would be too long.
bool StringTooLong(std::size_t n, const char* operation);

// SUBSTR: a negative start counts from the end; start 0 reads as 1; a
// missing count means "to the end"; a count below 1 gives "".
std::string SUBSTR(std::string_view s, long start, std::optional<long> count = {});
std::string LEFT(std::string_view s, long n);
std::string RIGHT(std::string_view s, long n);
// Position of the first (AT) or last (RAT) occurrence; 0 when absent or
// when the searched text is empty.
std::size_t AT(std::string_view search, std::string_view s);
std::size_t RAT(std::string_view search, std::string_view s);
// Replaces occurrences of `search`, beginning with occurrence number
// `start` (1 by default), at most `count` of them (all by default).
std::string STRTRAN(std::string_view s, std::string_view search, std::string_view replace = {},
                    std::optional<long> start = {}, std::optional<long> count = {});
// Deletes `del` bytes at `start` and inserts `insert` there.
std::string STUFF(std::string_view s, long start, long del, std::string_view insert);

// Padding to `len` bytes; a longer text keeps its first `len` bytes.
std::string PADR(std::string_view s, long len, char fill = ' ');
std::string PADL(std::string_view s, long len, char fill = ' ');
std::string PADC(std::string_view s, long len, char fill = ' ');
// The text the PAD functions pad for a value: strings as they are, numbers
// as STR without leading blanks, dates as DTOC; other values give "".
std::string PadText(const Value& v);

// RTRIM (and TRIM) remove trailing blanks; LTRIM removes leading blanks,
// tabs, CRs and LFs; ALLTRIM does both.
std::string RTRIM(std::string_view s);
std::string TRIM(std::string_view s);
std::string LTRIM(std::string_view s);
std::string ALLTRIM(std::string_view s);
// Blanks only, off both ends (ALLTRIM also takes tabs and line ends).
std::string TrimBlanks(std::string_view s);

std::string SPACE(long n);
std::string REPLICATE(std::string_view s, long n);

// Only the letters a to z change case: accented letters and umlauts keep
// theirs, as index keys depend on it.
std::string UPPER(std::string_view s);
std::string LOWER(std::string_view s);

// Tests of the first byte (ASCII letters and digits only); "" gives .F.
bool ISALPHA(std::string_view s);
bool ISDIGIT(std::string_view s);
bool ISUPPER(std::string_view s);
bool ISLOWER(std::string_view s);

std::string CHR(long code);    // the byte code modulo 256
int ASC(std::string_view s);   // the first byte, 0 for ""

}  // namespace rt
