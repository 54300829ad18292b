#include "graphics/resource_log.h"

#include <windows.h>

#include <cstdio>
#include <fstream>
#include <string>

#include "services/date_text.h"
#include "services/msg_text.h"

namespace gfx {

namespace {

// Julian day number of a Gregorian date.
std::int32_t JulianDay(int year, int month, int day) {
  const int a = (14 - month) / 12;
  const int y = year + 4800 - a;
  const int m = month + 12 * a - 3;
  return day + (153 * m + 2) / 5 + 365 * y + y / 4 - y / 100 + y / 400 - 32045;
}

}  // namespace

void LogResourceFailure(std::initializer_list<rt::Value> values) {
  SYSTEMTIME now{};
  GetLocalTime(&now);
  char time[16] = {};
  std::snprintf(time, sizeof time, "%02d:%02d:%02d", now.wHour, now.wMinute, now.wSecond);
  std::string line = svc::DateText(JulianDay(now.wYear, now.wMonth, now.wDay)) + " " + time + ": ";
  for (const rt::Value& v : values) line += svc::MsgText(v) + "\t";
  line += "\r\n";
  std::ofstream out("resources.txt", std::ios::binary | std::ios::app);
  out << line;
}

}  // namespace gfx
