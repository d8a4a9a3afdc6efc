// Calendar dates as day numbers: the dates of the season's snapshots, read
// from a stat table's file name or from the time it was last modified, and
// written as YYYY-MM-DD.
#pragma once

#include <ctime>
#include <string>
#include <string_view>

namespace korvelin {

// A date is the number of days since 1970-01-01 (negative before it) in the
// Gregorian calendar, of the years 1 to 9999: the years four digits write.
constexpr int kFirstYear = 1;
constexpr int kLastYear = 9999;

// Whether year-month-day is a date of the calendar (no 30 February) within
// those years.
bool IsRealDate(int year, int month, int day);
// The day number of a real date.
int DayOf(int year, int month, int day);
// The date of a day number, as YYYY-MM-DD, appended to `out`.
void AppendDate(std::string& out, int day);
std::string DateText(int day);

// Reads `text`, all of it, as YYYY-MM-DD; false unless it is a real date.
bool ParseDate(std::string_view text, int& day);
// The first real date written as YYYY-MM-DD in `text` whose digits are not
// part of a longer run of digits ("gang-2026-11-17.txt", not "12026-11-17"
// or "2026-11-170"); false when there is none.
bool FindDate(std::string_view text, int& day);

// `time` in local time, on every system; false when the system cannot say.
bool LocalTime(std::time_t time, std::tm& local);
// The date of `time` in local time; false when the system cannot say or it
// falls outside the years above.
bool LocalDay(std::time_t time, int& day);
// Today, in local time.
int Today();

// The date of the stat table in the file `path`: the first date in its
// name (its last path component; FindDate), else the date it was last
// modified, in local time, else today.  A table copied from elsewhere keeps
// the week its name gives it.
int TableDate(const std::string& path);

}  // namespace korvelin
