// The texts of a table's cells, which every format writes by its column's
// kind, and the fixed table's layout of them.
#include "list/table.h"

#include <algorithm>
#include <charconv>
#include <cmath>

#include "text/characters.h"
#include "text/dates.h"
#include "text/width.h"

namespace korvelin {

namespace {

// A real with `decimals` decimals; "-0.0" and the like lose their sign
// unless `minus_zero`.
void AppendReal(std::string& out, double value, int decimals, bool minus_zero) {
  if (!std::isfinite(value)) {
    out += std::isnan(value) ? "nan" : value > 0 ? "inf" : "-inf";
    return;
  }
  char text[400];  // the largest double in fixed form, and its decimals
  const char* end =
      std::to_chars(text, text + sizeof text, value, std::chars_format::fixed, decimals).ptr;
  const char* start = text;
  if (!minus_zero && text[0] == '-' &&
      std::all_of(start + 1, end, [](char c) { return c == '0' || c == '.'; })) {
    ++start;
  }
  out.append(start, static_cast<std::size_t>(end - start));
}

// One character per date, from the lowest block at the lowest value to the
// full block at the highest; a space where there is no value.
void AppendSparkline(std::string& out, const double* values, std::size_t points) {
  static const char* const kBlocks[] = {"▁", "▂", "▃", "▄", "▅", "▆", "▇", "█"};
  double low = 0, high = 0;
  bool any = false;
  for (std::size_t j = 0; j < points; ++j) {
    if (std::isnan(values[j])) continue;
    low = any ? std::min(low, values[j]) : values[j];
    high = any ? std::max(high, values[j]) : values[j];
    any = true;
  }
  for (std::size_t j = 0; j < points; ++j) {
    if (std::isnan(values[j])) {
      out += ' ';
      continue;
    }
    // A value beyond the range of a double (a weighted total under a
    // damaged save file's weights) takes the lowest block.
    const double share = (values[j] - low) / (high - low);
    out += kBlocks[std::isfinite(share) ? std::clamp(std::lround(share * 7), 0L, 7L) : 0];
  }
}

}  // namespace

Column ViewColumn(const char* heading, std::size_t width, CellKind kind, bool bars, int decimals,
                  const char* fixed) {
  Column column{heading,  heading, kind, fixed != nullptr ? fixed : heading, width, nullptr,
                decimals, false,   bars};
  return column;
}

Column NameColumn() { return ViewColumn("Name", kNameLength, CellKind::kName, false, 0, "NAME:"); }

void AppendPlain(std::string& out, const Column& column, const Cell& cell) {
  if (cell.empty()) return;
  switch (column.kind) {
    case CellKind::kName: out += PlainName(cell.text()); break;
    case CellKind::kText: out += cell.text(); break;
    case CellKind::kDate: AppendDate(out, static_cast<int>(cell.integer())); break;
    case CellKind::kInteger: {
      char text[24];
      out.append(text, std::to_chars(text, text + sizeof text, cell.integer()).ptr);
      break;
    }
    case CellKind::kReal: AppendReal(out, cell.real(), column.decimals, column.minus_zero); break;
    case CellKind::kSparkline: AppendSparkline(out, cell.series(), cell.points()); break;
  }
}

bool HasNoNumber(const Column& column, const Cell& cell) {
  return cell.empty() || (column.kind == CellKind::kReal && !std::isfinite(cell.real()));
}

double NumberOf(const Column& column, const Cell& cell) {
  if (cell.empty()) return 0.0;
  return column.kind == CellKind::kReal ? cell.real() : static_cast<double>(cell.integer());
}

void AppendFixedHeading(std::string& line, const Column& column, bool first) {
  if (column.format != nullptr) {
    line += column.fixed;
    return;
  }
  // A name that starts the row has no space before it: its heading
  // ("| NAME:") takes that column.
  const bool first_name = first && column.kind == CellKind::kName;
  line += ' ';
  AppendColumns(line, column.fixed, column.width - (first_name ? 1 : 0), std::string::npos,
                !IsNumeric(column.kind));
  line += " :";
}

void AppendPaddedCell(std::string& line, const Column& column, const Cell& cell, bool first) {
  if (!first || column.kind != CellKind::kName) line += ' ';
  if (column.kind == CellKind::kName || column.kind == CellKind::kText) {
    const bool name = column.kind == CellKind::kName;
    AppendShownColumns(line, cell.text(), column.width, name ? column.width : std::string::npos,
                       true);
  } else {
    // Numbers, dates and block characters: each character one column.
    const std::size_t start = line.size();
    AppendPlain(line, column, cell);
    const std::size_t used =
        column.kind == CellKind::kSparkline && !cell.empty() ? cell.points() : line.size() - start;
    if (used < column.width) {
      if (IsNumeric(column.kind)) {
        line.insert(start, column.width - used, ' ');
      } else {
        line.append(column.width - used, ' ');
      }
    }
  }
  line += " :";
}

void AppendShownPlain(std::string& out, const Column& column, const Cell& cell) {
  if (column.kind != CellKind::kName && column.kind != CellKind::kText) {
    AppendPlain(out, column, cell);
    return;
  }
  std::string text;
  AppendPlain(text, column, cell);
  out += ShownText(text);
}

std::string PlainName(std::string_view name) {
  name = name.substr(0, name.find('\0'));
  while (!name.empty() && name.back() == ' ') name.remove_suffix(1);
  return ToUtf8(name);
}

}  // namespace korvelin
