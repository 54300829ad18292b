#pragma once
// Dates and time. A date is its Julian day number (2451545 is 1 January
// 2000); 0 is the empty date. DTOC and CTOD follow SET DATE FORMAT and SET
// CENTURY: the format's year part is shown with four digits while the
// century is on and with two while it is off, so "dd.mm.yy" gives
// "31.01.24" or "31.01.2024". Two-digit years read back into the hundred
// years that start at SET EPOCH.

#include <string>
#include <string_view>

#include "runtime/value.h"

namespace rt {

// The date of a year, month and day; the empty date when they name none.
Date MakeDate(int year, int month, int day);
// Year, month and day of a date; all 0 for the empty date.
void SplitDate(Date d, int* year, int* month, int* day);

Date DATE();            // today
std::string TIME();     // "hh:mm:ss"
std::string TimeText(int hour, int minute, int second);  // "hh:mm:ss", as TIME() shows the time
double SECONDS();       // seconds since midnight, with hundredths

int DAY(Date d);
int MONTH(Date d);
int YEAR(Date d);
int DOW(Date d);              // 1 Sunday .. 7 Saturday; 0 for the empty date
std::string CDOW(Date d);     // day name of the current language table; "" when empty
std::string CMONTH(Date d);   // month name of the current language table; "" when empty

std::string DTOS(Date d);           // "YYYYMMDD"; eight blanks for the empty date
Date STOD(std::string_view text);   // the reverse; anything else gives the empty date

// The SET DATE format as DTOC shows it now (the year widened or narrowed by
// SET CENTURY).
std::string DateFormat();
std::string DTOC(Date d);
// A date in the given format: each run of d, m or y takes the value's last
// digits, as many as the run is long; other characters stay.
std::string DateToText(Date d, std::string_view format);  // the empty date shows the format with blanks for its digits
Date CTOD(std::string_view text);  // empty, blank or invalid text gives the empty date

}  // namespace rt
