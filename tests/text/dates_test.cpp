// The dates of stat tables: day numbers, dates in file names, and the
// modification date of a file whose name has none.
#include "text/dates.h"

#include <fcntl.h>
#include <sys/stat.h>

#include <ctime>

#include "files/files_support.h"

namespace korvelin {

namespace {

TEST(Dates, DayNumbersCountFromTheStartOf1970) {
  EXPECT_EQ(DayOf(1970, 1, 1), 0);
  EXPECT_EQ(DayOf(2000, 3, 1),
            30 * 365 + 7 + 31 + 29);  // seven leap days, then January and February
  EXPECT_EQ(DayOf(1969, 12, 31), -1);
  for (const char* date : {"0001-01-01", "1969-12-31", "2024-02-29", "2026-11-17", "9999-12-31"}) {
    int day = 0;
    ASSERT_TRUE(ParseDate(date, day)) << date;
    EXPECT_EQ(DateText(day), date);
  }
  int day = 0;
  for (const char* date : {"2023-02-29", "2100-02-29", "2026-13-01", "2026-04-31", "0000-01-01",
                           "2026-11-7", "2026-11-17 "}) {
    EXPECT_FALSE(ParseDate(date, day)) << date;
  }
}

TEST(Dates, ANameGivesTheFirstRealDateNotInALongerRunOfDigits) {
  int day = 0;
  EXPECT_TRUE(FindDate("gang-2026-11-17.txt", day));
  EXPECT_EQ(DateText(day), "2026-11-17");
  EXPECT_TRUE(FindDate("week-2026-02-30-then-2026-03-01.txt", day));  // no 30 February
  EXPECT_EQ(DateText(day), "2026-03-01");
  for (const char* name : {"12026-11-17.txt", "2026-11-170.txt", "gang.txt", "2026_11_17.txt"}) {
    EXPECT_FALSE(FindDate(name, day)) << name;
  }
}

using TableDateTest = FilesTest;

// Sets the file's modification time to noon, local time, of a date.
void Modified(const std::string& path, int year, int month, int day) {
  std::tm noon{};
  noon.tm_year = year - 1900;
  noon.tm_mon = month - 1;
  noon.tm_mday = day;
  noon.tm_hour = 12;
  noon.tm_isdst = -1;
  const timespec when[2] = {{std::mktime(&noon), 0}, {std::mktime(&noon), 0}};
  ASSERT_EQ(utimensat(AT_FDCWD, path.c_str(), when, 0), 0);
}

TEST_F(TableDateTest, ANameWithoutARealDateTakesTheModificationDate) {
  fs::create_directories("2026-01-05");
  for (const char* name :
       {"gang.txt", "gang-2025-02-30.txt", "2026-01-05/gang.txt", "copy-of-gang-2026-11-17.txt"}) {
    Write(name, "Ann (1) 1 1 1 1 1\n");
    Modified(Path(name), 2025, 6, 30);
  }
  EXPECT_EQ(DateText(TableDate("gang.txt")), "2025-06-30");
  EXPECT_EQ(DateText(TableDate("gang-2025-02-30.txt")), "2025-06-30");
  EXPECT_EQ(DateText(TableDate(Path("2026-01-05/gang.txt"))),
            "2025-06-30");  // the folder's is not its
  EXPECT_EQ(DateText(TableDate("copy-of-gang-2026-11-17.txt")), "2026-11-17");
}

}  // namespace

}  // namespace korvelin
