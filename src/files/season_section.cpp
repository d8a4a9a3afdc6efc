// The season section of the save file: its lines written and read back.
#include "files/season_section.h"

#include <charconv>
#include <cstdint>
#include <limits>

#include "text/characters.h"
#include "text/dates.h"

namespace korvelin {

const char kSeasonMark[] = "HISTORY 1";
const char kStallMark[] = "STALL";

namespace {

// Lines are gathered in blocks of about this size before they are written,
// and the stop request is looked at once a block.
constexpr std::size_t kBlock = 1 << 16;

void AppendInt(std::string& out, std::int32_t value) {
  char text[16];
  out.append(text, std::to_chars(text, text + sizeof text, value).ptr);
}

// The name in double quotes.  A quote and a backslash are escaped with a
// backslash; a control character (0-31, 127) and a byte 80-9F that is not
// part of a UTF-8 character are written as \xHH, so that every line of the
// section is one line of printable text.
void AppendQuoted(std::string& out, std::string_view name) {
  static const char kHex[] = "0123456789abcdef";
  out += '"';
  while (!name.empty()) {
    const Character c = DecodeCharacter(name);
    const unsigned char byte = static_cast<unsigned char>(name[0]);
    if (c.length > 1) {
      out.append(name.substr(0, c.length));
    } else if (byte == '"' || byte == '\\') {
      out += '\\';
      out += static_cast<char>(byte);
    } else if (byte < 0x20 || (byte >= 0x7F && byte <= 0x9F)) {
      out += "\\x";
      out += kHex[byte >> 4];
      out += kHex[byte & 15];
    } else {
      out += static_cast<char>(byte);
    }
    name.remove_prefix(c.length);
  }
  out += '"';
}

// Reads the field of `line` up to the next space (or the line's end),
// stepping over the space.
std::string_view NextField(std::string_view& line) {
  const std::size_t space = line.find(' ');
  const std::string_view field = line.substr(0, space);
  line.remove_prefix(space == std::string_view::npos ? line.size() : space + 1);
  return field;
}

bool ReadInt(std::string_view field, std::int32_t& value) {
  if (field.empty() || (field[0] != '-' && !IsDigit(static_cast<unsigned char>(field[0])))) {
    return false;
  }
  const auto result = std::from_chars(field.data(), field.data() + field.size(), value);
  return result.ec == std::errc() && result.ptr == field.data() + field.size();
}

// A real as the section writes it: digits with a decimal point, perhaps a
// minus sign.
bool ReadReal(std::string_view field, double& value) {
  std::size_t at = !field.empty() && field[0] == '-' ? 1 : 0;
  if (at == field.size()) return false;
  for (std::size_t i = at; i < field.size(); ++i) {
    if (!IsDigit(static_cast<unsigned char>(field[i])) && field[i] != '.') return false;
  }
  const auto result =
      std::from_chars(field.data(), field.data() + field.size(), value, std::chars_format::fixed);
  return result.ec == std::errc() && result.ptr == field.data() + field.size();
}

int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

// Reads the quoted name that ends the line.
bool ReadQuoted(std::string_view line, std::string& name) {
  name.clear();
  if (line.empty() || line[0] != '"') return false;
  std::size_t i = 1;
  for (;; ++i) {
    if (i == line.size()) return false;  // no closing quote
    const char c = line[i];
    if (c == '"') break;
    if (c != '\\') {
      name += c;
      continue;
    }
    if (++i == line.size()) return false;
    if (line[i] == '"' || line[i] == '\\') {
      name += line[i];
    } else if (line[i] == 'x' && i + 2 < line.size() && HexDigit(line[i + 1]) >= 0 &&
               HexDigit(line[i + 2]) >= 0) {
      name += static_cast<char>(HexDigit(line[i + 1]) * 16 + HexDigit(line[i + 2]));
      i += 2;
    } else {
      return false;
    }
  }
  // Spaces after the closing quote are let pass; nothing else is.
  return line.find_first_not_of(' ', i + 1) == std::string_view::npos && name.size() <= kNameBytes;
}

// Reads the next line of the stream, without its line end, into `line`.
// False at the end of the stream.
bool ReadLine(TextStream& in, std::string& line) {
  line.clear();
  if (!in.GetLine(line)) return false;
  while (!line.empty() && (line.back() == '\r' || line.back() == ' ')) line.pop_back();
  return true;
}

// Reads the stall bar's line, "STALL W M", whole.
bool ReadStallLine(std::string_view line, StallBar& stall) {
  if (NextField(line) != kStallMark) return false;
  StallBar read;
  if (!ReadInt(NextField(line), read.weeks) || !ReadReal(NextField(line), read.per_week) ||
      !line.empty() || read.weeks < kFewestStallWeeks || read.weeks > kMostStallWeeks ||
      !(read.per_week >= 0.0)) {
    return false;
  }
  stall = read;
  return true;
}

}  // namespace

void AppendStallLine(std::string& out, const StallBar& stall) {
  if (stall == StallBar()) return;
  out += kStallMark;
  out += ' ';
  AppendInt(out, stall.weeks);
  out += ' ';
  char text[400];  // the largest double in fixed form, and its six decimals
  out.append(
      text,
      std::to_chars(text, text + sizeof text, stall.per_week, std::chars_format::fixed, 6).ptr);
  out += '\n';
}

void AppendSeasonLine(std::string& out, const SeasonPoint& point, std::string_view name) {
  AppendDate(out, point.day);
  for (std::int32_t value : {point.id, point.level, point.speed, point.power, point.strength,
                             point.health, point.intel}) {
    out += ' ';
    AppendInt(out, value);
  }
  out += ' ';
  char text[400];  // the largest double in fixed form, and its six decimals
  out.append(text,
             std::to_chars(text, text + sizeof text, point.beg, std::chars_format::fixed, 6).ptr);
  out += ' ';
  AppendQuoted(out, name);
  out += '\n';
}

bool ReadSeasonLine(std::string_view line, SeasonPoint& point, std::string& name) {
  point = SeasonPoint{};
  int day = 0;
  if (!ParseDate(NextField(line), day)) return false;
  point.day = day;
  for (std::int32_t* field : {&point.id, &point.level, &point.speed, &point.power, &point.strength,
                              &point.health, &point.intel}) {
    if (!ReadInt(NextField(line), *field)) return false;
  }
  return ReadReal(NextField(line), point.beg) && ReadQuoted(line, name);
}

bool WriteSeasonSection(AtomicFile& out, const Season& season, StopRequest& stop) {
  if (season.empty()) return true;
  std::string block = kSeasonMark;
  block += '\n';
  constexpr std::ptrdiff_t kAhead = 32;
  for (const SeasonPoint* point = season.begin(); point != season.end(); ++point) {
    if (season.end() - point > kAhead) season.FetchNamePlace(point[kAhead]);
    if (season.end() - point > kAhead / 2) season.FetchName(point[kAhead / 2]);
    AppendSeasonLine(block, *point, season.NameOf(*point));
    if (block.size() >= kBlock) {
      out.Write(block);
      block.clear();
      if (stop.Requested()) return false;
    }
  }
  out.Write(block);
  return !stop.Requested();
}

SeasonSectionReport ReadSeasonSection(TextStream& in, Season& season, StallBar& stall,
                                      StopRequest& stop) {
  SeasonSectionReport report;
  std::string line;
  bool marked = false;
  while (!marked && ReadLine(in, line)) {
    marked = line == kSeasonMark;
    if (!marked) ReadStallLine(line, stall);
  }
  PointBatch points;
  SeasonPoint point;
  std::string name;
  std::size_t lines = 0;
  while (marked && ReadLine(in, line)) {
    if (++lines % 4096 == 0 && stop.Requested()) {
      report.interrupted = true;
      return report;
    }
    if (line.empty()) continue;
    if (ReadSeasonLine(line, point, name)) {
      points.Add(point, name);
    } else {
      ++report.damaged;
    }
  }
  season = Season();
  season.Add(std::move(points));
  return report;
}

}  // namespace korvelin
