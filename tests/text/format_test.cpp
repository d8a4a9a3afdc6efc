// The program's formats rendered without the C library's parser must print
// exactly what snprintf prints, value for value.
#include <cfloat>
#include <climits>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>
#include <vector>

#include "test_support.h"

namespace korvelin {

namespace {

// Every format with a conversion that the program prints through Format.
const char* const kProgramFormats[] = {
    "|%-29s : %d : %d : %d : %d : %d : %d : %d : %lf : %d : %d : %d : %d : %d : %lf |\n",
    "|%-29.29s : %6.0d :  %3.0d  :   %6.0d   :   %6.0d   :   %6.0d  :    %4.0d    :  %6.2f  :   ",
    "%6.0d : %3.0d : %6.0d : %6.0d : %6.0d : %6.0d : %4.0d  : %6.2f : %6.0d :  %4.0d : %6.2f |",
    "\n: %lf : %lf : %lf : %lf : %d : %d \n",
    "%-30.30s : %6d : %3d",
    " : %5d : %5d : %5d : %6d . . . . . . .   .done",
    "UPDATING %29.29s : . . . . . .\n",
    "NAME: %-29.29s\nID_NUM : %6.0d     Level: %3.0d\n:   %7.0d   :    %4.0d    :   %6.2f   :\n",
    "| %-29.29s : %6d :  %3d  : %5d : %5d : %5d : %6d :  %4d : %6.2f :|\n",
    "   SPEED: %lf\n",
    "ENTRY: %-29.29s\n   [CONFIRM DELETE?(Y/N)]\n",
    "\n    EDITING >> %-30.30s\n   [KORVELIN-EDIT]\n >>> ",
    "   [SKIPPED %d LINES WITHOUT AN ID]\n",
};

// The pieces of a format that hold one conversion each, with its letter.
std::vector<std::pair<std::string, char>> SingleConversions(const std::string& format) {
  std::vector<std::pair<std::string, char>> pieces;
  std::string piece;
  for (std::size_t i = 0; i < format.size(); ++i) {
    piece += format[i];
    if (format[i] != '%') continue;
    if (format[i + 1] == '%') {
      piece += format[++i];
      continue;
    }
    while (std::string("dfs").find(format[i + 1]) == std::string::npos) piece += format[++i];
    piece += format[++i];
    pieces.emplace_back(piece, format[i]);
    piece.clear();
  }
  return pieces;
}

#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wformat-nonliteral"
std::string C(const char* format, long long value, bool wide) {
  char buffer[512];
  if (wide) {
    std::snprintf(buffer, sizeof buffer, format, value);
  } else {
    std::snprintf(buffer, sizeof buffer, format, static_cast<int>(value));
  }
  return buffer;
}
std::string C(const char* format, double value) {
  char buffer[512];
  std::snprintf(buffer, sizeof buffer, format, value);
  return buffer;
}
std::string C(const char* format, const char* value) {
  char buffer[512];
  std::snprintf(buffer, sizeof buffer, format, value);
  return buffer;
}
#pragma GCC diagnostic pop

std::vector<std::string> AllFormats() {
  std::vector<std::string> formats(std::begin(kProgramFormats), std::end(kProgramFormats));
  for (int n = 1; n <= kOptionCount; ++n) {
    formats.push_back(OptionByNumber(n).cell);
    formats.push_back(OptionByNumber(n).header);
  }
  return formats;
}

TEST(Format, IntegersPrintAsTheCLibraryPrintsThem) {
  std::mt19937_64 random(42);
  std::vector<long long> values = {0,   1,    -1,    9,      -9,      10,      99,      100,
                                   999, 1000, 99999, 123456, -123456, 1234567, INT_MAX, INT_MIN};
  for (int i = 0; i < 300; ++i) values.push_back(static_cast<int>(random()) >> (random() % 31));
  const std::vector<long long> wide = {LLONG_MAX, LLONG_MIN, 6442450941LL, -6442450941LL};
  for (const std::string& format : AllFormats()) {
    for (const auto& [piece, conversion] : SingleConversions(format)) {
      if (conversion != 'd') continue;
      const bool is_wide = piece.find("ll") != std::string::npos;
      const Format compiled(piece.c_str());
      for (long long v : values) EXPECT_EQ(compiled({v}), C(piece.c_str(), v, is_wide)) << piece;
      if (!is_wide) continue;
      for (long long v : wide) EXPECT_EQ(compiled({v}), C(piece.c_str(), v, true)) << piece;
    }
  }
}

TEST(Format, RealsPrintAsTheCLibraryPrintsThem) {
  std::mt19937_64 random(7);
  std::vector<double> values = {0.0,     -0.0,    2.0,      2.5,           12.5,    0.005,  0.015,
                                2.675,   1.005,   -1.005,   0.125,         -0.125,  1e-7,   -1e-7,
                                5461,    5461.5,  5462.5,   123456.654321, 1e15,    1e300,  -1e300,
                                DBL_MIN, DBL_MAX, -DBL_MAX, 0.1,           1.0 / 3, 2.0 / 3};
  for (int i = 0; i < 500; ++i) {
    values.push_back(
        std::ldexp(static_cast<double>(random() >> 11), -static_cast<int>(random() % 70)));
    values.push_back(-(static_cast<double>(random() % 2000000) / 1000.0));
    values.push_back(static_cast<double>(random() % 100000) / 200.0);  // exact halves
  }
  for (const std::string& format : AllFormats()) {
    for (const auto& [piece, conversion] : SingleConversions(format)) {
      if (conversion != 'f') continue;
      const Format compiled(piece.c_str());
      for (double v : values) EXPECT_EQ(compiled({v}), C(piece.c_str(), v)) << piece << " " << v;
    }
  }
}

TEST(Format, TextAndLiteralsPrintAsTheCLibraryPrintsThem) {
  const char* names[] = {"",
                         "Bob",
                         "Some Member ",
                         "ABCDEFGHIJKLMNOPQRSTUVWXYZ123",
                         "ABCDEFGHIJKLMNOPQRSTUVWXYZ1234567",
                         "J\xE9r\xF4me \xFF"};
  for (const std::string& format : AllFormats()) {
    for (const auto& [piece, conversion] : SingleConversions(format)) {
      if (conversion != 's') continue;
      for (const char* name : names) {
        EXPECT_EQ(Format(piece.c_str())({name}), C(piece.c_str(), name)) << piece;
      }
    }
  }
  EXPECT_EQ(Format("  Beg %%  :")({}), "  Beg %  :");
  EXPECT_EQ(Format("%d%%|%-4d|%.3d")({7, -2, 5}), "7%|-2  |005");
}

TEST(Format, NonFiniteRealsAreWordsInTheirWidth) {
  EXPECT_EQ(Format("|%6.2f|")({INFINITY}), "|   inf|");
  EXPECT_EQ(Format("|%6.2f|")({-INFINITY}), "|  -inf|");
  EXPECT_EQ(Format("|%6.2f|")({-NAN}), "|   nan|");
  EXPECT_EQ(Format("|%lf|")({NAN}), "|nan|");
  EXPECT_EQ(Format("|%-8.0f|")({INFINITY}), "|     inf|");
}

TEST(Format, EveryNameIsAsWideAsTheNameLengthOrOneMore) {
  // Text conversions print names only; their widths follow kNameLength.
  for (const std::string& format : AllFormats()) {
    for (const auto& [piece, conversion] : SingleConversions(format)) {
      if (conversion != 's') continue;
      const std::size_t percent = piece.rfind('%');
      const int width = std::atoi(piece.c_str() + percent + (piece[percent + 1] == '-' ? 2 : 1));
      EXPECT_TRUE(width == static_cast<int>(kNameLength) ||
                  width == static_cast<int>(kNameLength) + 1)
          << piece;
    }
  }
}

TEST(Format, NamesArePaddedAndCutByCharacters) {
  const std::string dragon = "\xD0\x94\xD1\x80\xD0\xB0\xD0\xBA\xD0\xBE\xD0\xBD";  // Дракон
  EXPECT_EQ(Format("|%-29s|")({dragon.c_str()}), "|" + dragon + std::string(23, ' ') + "|");
  EXPECT_EQ(Format("|%-30s|")({dragon.c_str()}), "|" + dragon + std::string(24, ' ') + "|");
  EXPECT_EQ(Format("|%29s|")({dragon.c_str()}), "|" + std::string(23, ' ') + dragon + "|");
  EXPECT_EQ(Format("|%.2s|")({dragon.c_str()}), "|\xD0\x94\xD1\x80|");
  // 0x94 and 0x80 inside letters are bytes of those letters, nothing more.
  EXPECT_EQ(Format("%-3s|")({"\xC4\x80\xC4\x94"}), "\xC4\x80\xC4\x94 |");
}

}  // namespace

}  // namespace korvelin
