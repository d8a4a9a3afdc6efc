// Day numbers and the Gregorian calendar, and the dates of files.
#include "text/dates.h"

#include <sys/stat.h>

#include "text/text_stream.h"

namespace korvelin {

namespace {

// The days of 1970-01-01 counted from 0000-03-01, the start of an era of
// 400 years that begins in March so that the leap day comes last.
constexpr int kEpochFromMarch = 719468;

bool IsLeap(int year) { return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0; }

int DaysInMonth(int year, int month) {
  static const int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  return month == 2 && IsLeap(year) ? 29 : kDays[month - 1];
}

// Two to four digits at `text`, as a number.
int Digits(std::string_view text) {
  int value = 0;
  for (char c : text) value = value * 10 + (c - '0');
  return value;
}

// Whether `text` at `at` holds DDDD-DD-DD (digits and the two hyphens).
bool LooksLikeDate(std::string_view text, std::size_t at) {
  static const char kShape[] = "DDDD-DD-DD";
  if (text.size() - at < sizeof kShape - 1) return false;
  for (std::size_t i = 0; i + 1 < sizeof kShape; ++i) {
    const char c = text[at + i];
    if (kShape[i] == 'D' ? !IsDigit(static_cast<unsigned char>(c)) : c != '-') return false;
  }
  return true;
}

}  // namespace

bool IsRealDate(int year, int month, int day) {
  return year >= kFirstYear && year <= kLastYear && month >= 1 && month <= 12 && day >= 1 &&
         day <= DaysInMonth(year, month);
}

int DayOf(int year, int month, int day) {
  // Years from March on: January and February belong to the year before.
  const int y = month <= 2 ? year - 1 : year;
  const int era = y / 400;  // years are positive
  const int year_of_era = y - era * 400;
  const int day_of_year = (153 * (month > 2 ? month - 3 : month + 9) + 2) / 5 + day - 1;
  const int day_of_era = year_of_era * 365 + year_of_era / 4 - year_of_era / 100 + day_of_year;
  return era * 146097 + day_of_era - kEpochFromMarch;
}

void AppendDate(std::string& out, int day) {
  const int z = day + kEpochFromMarch;
  const int era = (z >= 0 ? z : z - 146096) / 146097;
  const int day_of_era = z - era * 146097;
  const int year_of_era =
      (day_of_era - day_of_era / 1460 + day_of_era / 36524 - day_of_era / 146096) / 365;
  const int day_of_year = day_of_era - (365 * year_of_era + year_of_era / 4 - year_of_era / 100);
  const int mp = (5 * day_of_year + 2) / 153;
  const int d = day_of_year - (153 * mp + 2) / 5 + 1;
  const int m = mp < 10 ? mp + 3 : mp - 9;
  const int y = year_of_era + era * 400 + (m <= 2 ? 1 : 0);
  const int fields[] = {y / 1000, y / 100 % 10, y / 10 % 10, y % 10, -1,
                        m / 10,   m % 10,       -1,          d / 10, d % 10};
  for (int f : fields) out += f < 0 ? '-' : static_cast<char>('0' + f);
}

std::string DateText(int day) {
  std::string text;
  AppendDate(text, day);
  return text;
}

bool ParseDate(std::string_view text, int& day) {
  if (text.size() != 10 || !LooksLikeDate(text, 0)) return false;
  const int y = Digits(text.substr(0, 4)), m = Digits(text.substr(5, 2)),
            d = Digits(text.substr(8, 2));
  if (!IsRealDate(y, m, d)) return false;
  day = DayOf(y, m, d);
  return true;
}

bool FindDate(std::string_view text, int& day) {
  for (std::size_t at = 0; at < text.size(); ++at) {
    if (at > 0 && IsDigit(static_cast<unsigned char>(text[at - 1]))) continue;
    if (!LooksLikeDate(text, at)) continue;
    const std::size_t end = at + 10;
    if (end < text.size() && IsDigit(static_cast<unsigned char>(text[end]))) continue;
    if (ParseDate(text.substr(at, 10), day)) return true;
  }
  return false;
}

bool LocalTime(std::time_t time, std::tm& local) {
#ifdef _WIN32
  return localtime_s(&local, &time) == 0;
#else
  return localtime_r(&time, &local) != nullptr;
#endif
}

bool LocalDay(std::time_t time, int& day) {
  std::tm local{};
  if (!LocalTime(time, local)) return false;
  const int year = local.tm_year + 1900;
  if (!IsRealDate(year, local.tm_mon + 1, local.tm_mday)) return false;
  day = DayOf(year, local.tm_mon + 1, local.tm_mday);
  return true;
}

int Today() {
  int day = 0;
  if (!LocalDay(std::time(nullptr), day)) day = 0;  // a clock out of the calendar: 1970-01-01
  return day;
}

int TableDate(const std::string& path) {
#ifdef _WIN32
  const std::size_t slash = path.find_last_of("/\\");
#else
  const std::size_t slash = path.find_last_of('/');
#endif
  const std::string_view name =
      std::string_view(path).substr(slash == std::string::npos ? 0 : slash + 1);
  int day = 0;
  if (FindDate(name, day)) return day;
  struct stat info;
  if (stat(path.c_str(), &info) == 0 && LocalDay(info.st_mtime, day)) return day;
  return Today();
}

}  // namespace korvelin
