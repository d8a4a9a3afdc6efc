// HTML: one self-contained page (its style and its script inline, nothing
// fetched from anywhere) with an HTML table per table.  Each cell of a
// column with bars (the stats: not the ID, the level or a count) draws a
// bar behind its number, as long as the value's share of the largest
// magnitude in its column, negative values in a second colour.  Sparkline
// cells are small line drawings, and a table with a chart has it drawn in
// its caption, under its name; both are inline SVG.  The script only makes
// the columns sortable by a click; the page reads the same without it.
#include <algorithm>
#include <charconv>
#include <cmath>
#include <string>
#include <vector>

#include "list/table_writer.h"
#include "text/ascii.h"

namespace korvelin {

namespace {

const char kPageStart[] =
    "<!DOCTYPE html>\n"
    "<html lang=\"en\">\n"
    "<head>\n"
    "<meta charset=\"utf-8\">\n"
    "<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\">\n"
    "<title>KORVELIN tables</title>\n"
    "<style>\n"
    "body { margin: 24px; color: #1f2430; font: 14px/1.45 system-ui, sans-serif; }\n"
    "table { border-collapse: collapse; margin: 0 0 32px; }\n"
    "caption { text-align: left; font-size: 18px; font-weight: 700; padding: 0 0 8px; }\n"
    "th, td { padding: 4px 10px; border-bottom: 1px solid #e3e6ec; white-space: nowrap; }\n"
    "th { text-align: left; background: #f1f3f7; border-bottom: 2px solid #c5cbd6; }\n"
    ".n { text-align: right; font-variant-numeric: tabular-nums; }\n"
    "td.n { background: linear-gradient(#b9d5f4, #b9d5f4) left / var(--w, 0%) 72% no-repeat"
    " content-box; }\n"
    "td.neg { background-image: linear-gradient(#f3bcae, #f3bcae); }\n"

    ".sortable th { cursor: pointer; }\n"
    "th[aria-sort=ascending]::after { content: \" \\25B2\"; }\n"
    "th[aria-sort=descending]::after { content: \" \\25BC\"; }\n"
    "@media print { * { print-color-adjust: exact; -webkit-print-color-adjust: exact; } }\n"
    "</style>\n"
    "</head>\n"
    "<body>\n";

// Sorts a table by the column whose heading is clicked: numbers largest
// first, names in alphabetical order, a second click the other way; "nan"
// stays last.
const char kPageEnd[] =
    "<script>\n"
    "document.body.className = \"sortable\";\n"
    "document.querySelectorAll(\"th\").forEach(function (th) {\n"
    "  th.addEventListener(\"click\", function () {\n"
    "    var numeric = th.className === \"n\", sorted = th.getAttribute(\"aria-sort\");\n"
    "    var down = numeric ? sorted !== \"descending\" : sorted === \"ascending\", sign = down ? "
    "-1 : 1;\n"
    "    th.parentNode.querySelectorAll(\"th\").forEach(function (h) { "
    "h.removeAttribute(\"aria-sort\"); "
    "});\n"
    "    th.setAttribute(\"aria-sort\", down ? \"descending\" : \"ascending\");\n"
    "    var key = function (row) {\n"
    "      var text = row.cells[th.cellIndex].textContent;\n"
    "      return !numeric ? text : text === \"inf\" ? Infinity : text === \"-inf\" ? -Infinity : "
    "parseFloat(text);\n"
    "    };\n"
    "    var body = th.closest(\"table\").tBodies[0];\n"
    "    Array.prototype.slice.call(body.rows).sort(function (a, b) {\n"
    "      var x = key(a), y = key(b);\n"
    "      if (!numeric) return sign * x.localeCompare(y);\n"
    "      if (isNaN(x) || isNaN(y)) return isNaN(x) - isNaN(y);\n"
    "      return x < y ? -sign : x > y ? sign : 0;\n"
    "    }).forEach(function (row) { body.appendChild(row); });\n"
    "  });\n"
    "});\n"
    "</script>\n"
    "</body>\n"
    "</html>\n";

// Text with the characters that HTML gives a meaning escaped.  Control
// characters, which a page may not hold, show as U+FFFD; tabs and line
// ends are white space like any other.
void AppendEscaped(std::string& out, const std::string& text) {
  for (std::size_t i = 0; i < text.size(); ++i) {
    const unsigned char c = static_cast<unsigned char>(text[i]);
    if (c == '<') {
      out += "&lt;";
    } else if (c == '>') {
      out += "&gt;";
    } else if (c == '&') {
      out += "&amp;";
    } else if (c == '"') {
      out += "&quot;";
    } else if ((c < 0x20 && c != '\t' && c != '\n' && c != '\r') || c == 0x7F) {
      out += "\xEF\xBF\xBD";
    } else if (c == 0xC2 && i + 1 < text.size() && static_cast<unsigned char>(text[i + 1]) < 0xA0) {
      out += "\xEF\xBF\xBD";  // U+0080 to U+009F (a valid UTF-8 text has no other C2 00-7F)
      ++i;
    } else {
      out += static_cast<char>(c);
    }
  }
}

// A coordinate of a drawing, to a tenth of a pixel.
void AppendCoordinate(std::string& out, double x) {
  char text[32];
  out.append(text, std::to_chars(text, text + sizeof text, x, std::chars_format::fixed, 1).ptr);
}

void AppendPoint(std::string& out, double x, double y) {
  AppendCoordinate(out, x);
  out += ',';
  AppendCoordinate(out, y);
  out += ' ';
}

// The lowest and highest of the finite values; false when none is.  Only
// those are drawn.
bool Range(const double* values, std::size_t count, double& low, double& high) {
  bool any = false;
  for (std::size_t i = 0; i < count; ++i) {
    const double v = values[i];
    if (!std::isfinite(v)) continue;
    low = any ? std::min(low, v) : v;
    high = any ? std::max(high, v) : v;
    any = true;
  }
  return any;
}

// The height of `v` within [low, high] drawn `height` pixels tall with its
// top at `top` (the middle when the values are all equal).
double Height(double v, double low, double high, double top, double height) {
  if (high <= low) return top + height / 2;
  return top + height - (v - low) / (high - low) * height;
}

// A trend cell: the values as a line from the first date to the last, a
// missing value leaving its date out; a single value is a dot.
void AppendSparkline(std::string& out, const double* series, std::size_t dates) {
  constexpr double kWidth = 80, kHeight = 18, kPad = 3;
  out += "<svg width=\"80\" height=\"18\" viewBox=\"0 0 80 18\" role=\"img\" aria-label=\"trend\">";
  double low = 0, high = 0;
  if (Range(series, dates, low, high)) {
    const double step = dates > 1 ? (kWidth - 2 * kPad) / (dates - 1) : 0;
    std::string points;
    int count = 0;
    for (std::size_t i = 0; i < dates; ++i) {
      if (!std::isfinite(series[i])) continue;
      AppendPoint(points, kPad + step * i, Height(series[i], low, high, kPad, kHeight - 2 * kPad));
      ++count;
    }
    points.pop_back();  // the space after the last point
    if (count == 1) {
      const std::size_t comma = points.find(',');
      out += "<circle cx=\"" + points.substr(0, comma) + "\" cy=\"" + points.substr(comma + 1) +
             "\" r=\"2\" fill=\"#2f6db5\"/>";
    } else {
      out += "<polyline fill=\"none\" stroke=\"#2f6db5\" stroke-width=\"1.5\" points=\"" + points +
             "\"/>";
    }
  }
  out += "</svg>";
}

// A table's chart, on a line of its own: its values as a line over the
// labels, the first and last label under it, the value axis labelled at
// the highest, middle and lowest value (at the middle only when they are
// all one), and each point a dot whose tooltip names its label and value.
void AppendChart(std::string& out, const Chart& chart) {
  double low = 0, high = 0;
  if (!Range(chart.values.data(), chart.values.size(), low, high)) return;
  constexpr double kWidth = 640, kHeight = 200, kLeft = 80, kRight = 20, kTop = 16, kBottom = 34;
  const double plot_width = kWidth - kLeft - kRight, plot_height = kHeight - kTop - kBottom;
  const std::size_t n = chart.values.size();
  const double step = n > 1 ? plot_width / (n - 1) : 0;
  auto x = [&](std::size_t i) { return n > 1 ? kLeft + step * i : kLeft + plot_width / 2; };
  auto y = [&](double v) { return Height(v, low, high, kTop, plot_height); };
  auto number = [](double v) {
    char text[400];
    return std::string(text,
                       std::to_chars(text, text + sizeof text, v, std::chars_format::fixed, 0).ptr);
  };
  out += "\n<svg width=\"640\" height=\"200\" viewBox=\"0 0 640 200\" role=\"img\" aria-label=\"";
  AppendEscaped(out, chart.title);
  out += "\" style=\"display: block; margin: 8px 0 0; font-weight: 400\"><title>";
  AppendEscaped(out, chart.title);
  out +=
      "</title>\n<g stroke=\"#c5cbd6\"><line x1=\"80\" y1=\"16\" x2=\"80\" y2=\"166\"/>"
      "<line x1=\"80\" y1=\"166\" x2=\"620\" y2=\"166\"/></g>\n"
      "<g font-size=\"11\" fill=\"#5a6275\">";
  if (high > low) {
    out += "<text x=\"74\" y=\"20\" text-anchor=\"end\">" + number(high) + "</text>";
  }
  out +=
      "<text x=\"74\" y=\"93\" text-anchor=\"end\">" + number(low + (high - low) / 2) + "</text>";
  if (high > low) {
    out += "<text x=\"74\" y=\"166\" text-anchor=\"end\">" + number(low) + "</text>";
  }
  const std::size_t last = chart.labels.size() - 1;
  for (std::size_t i : {std::size_t{0}, last}) {
    out += "<text x=\"";
    AppendCoordinate(out, x(i));
    out += n > 1 ? (i == 0 ? "\" y=\"184\">" : "\" y=\"184\" text-anchor=\"end\">")
                 : "\" y=\"184\" text-anchor=\"middle\">";
    AppendEscaped(out, chart.labels[i]);
    out += "</text>";
    if (n == 1) break;
  }
  out += "</g>\n";
  if (n > 1) {
    std::string points;
    for (std::size_t i = 0; i < n; ++i) AppendPoint(points, x(i), y(chart.values[i]));
    points.pop_back();
    out += "<polyline fill=\"none\" stroke=\"#2f6db5\" stroke-width=\"2\" points=\"" + points +
           "\"/>\n";
  }
  out += "<g fill=\"#2f6db5\">";
  for (std::size_t i = 0; i < n; ++i) {
    out += "<circle cx=\"";
    AppendCoordinate(out, x(i));
    out += "\" cy=\"";
    AppendCoordinate(out, y(chart.values[i]));
    out += "\" r=\"3\"><title>";
    AppendEscaped(out, chart.labels[i] + ": " + number(chart.values[i]));
    out += "</title></circle>";
  }
  out += "</g>\n</svg>\n";
}

class HtmlReport : public TableWriter {
 public:
  using TableWriter::TableWriter;

  // The chart stands in the caption, under the table's name.  The bars
  // measure each column's largest magnitude, which one walk over the rows
  // finds first.
  void Begin(const Table& table) override {
    columns_ = &table.columns();
    MeasureBars(table);
    line_.clear();
    if (!started_) line_ = kPageStart;
    line_ += "<table>\n<caption>" + UpperCase(table.name());
    AppendChart(line_, table.chart());
    line_ += "</caption>\n<thead>\n<tr>";
    for (const Column& column : *columns_) {
      line_ += IsNumeric(column.kind) ? "<th scope=\"col\" class=\"n\">" : "<th scope=\"col\">";
      AppendEscaped(line_, column.heading);
      line_ += "</th>";
    }
    line_ += "</tr>\n</thead>\n<tbody>\n";
    Write(line_);
    started_ = true;
  }

  void Row(const Cell* cells) override {
    line_ = "<tr>";
    const double* largest = largest_.data();
    for (const Column& column : *columns_) {
      const Cell& cell = *cells++;
      const double bar_length = column.bars ? *largest : -1.0;
      ++largest;
      text_.clear();
      if (IsNumeric(column.kind)) {
        AppendPlain(text_, column, cell);
        AppendCell(line_, text_, NumberOf(column, cell), bar_length);
        continue;
      }
      line_ += "<td>";
      if (column.kind == CellKind::kSparkline) {
        AppendSparkline(line_, cell.series(), cell.points());
      } else {
        AppendPlain(text_, column, cell);
        AppendEscaped(line_, text_);
      }
      line_ += "</td>";
    }
    line_ += "</tr>\n";
    Write(line_);
  }

  void End() override { Write("</tbody>\n</table>\n"); }

  void EndFile() override {
    if (!started_) Write(kPageStart);
    Write(kPageEnd);
  }

  // A report: its title and its sections' headings, each section's lines a
  // list.
  bool WriteReport(const Report& report) override {
    line_.clear();
    if (!started_) line_ = kPageStart;
    line_ += "<section>\n<h2>";
    AppendEscaped(line_, report.title);
    line_ += "</h2>\n";
    for (const ReportSection& section : report.sections) {
      line_ += "<h3>";
      AppendEscaped(line_, section.heading);
      line_ += "</h3>\n<ul>\n";
      for (const ReportLine& line : section.lines) {
        line_ += "<li>";
        AppendEscaped(line_, line.value.empty() ? line.name : line.name + ": " + line.value);
        line_ += "</li>\n";
      }
      line_ += "</ul>\n";
    }
    line_ += "</section>\n";
    Write(line_);
    started_ = true;
    return true;
  }

 private:
  // The largest finite magnitude of each column with bars.
  void MeasureBars(const Table& table) {
    largest_.assign(columns_->size(), 0.0);
    bool bars = false;
    for (const Column& column : *columns_) bars = bars || column.bars;
    if (!bars) return;
    std::vector<Cell> cells(columns_->size());
    for (std::size_t row = 0; row < table.rows(); ++row) {
      table.Fill(row, cells.data());
      for (std::size_t c = 0; c < cells.size(); ++c) {
        const double magnitude = std::fabs(NumberOf((*columns_)[c], cells[c]));
        if (std::isfinite(magnitude)) largest_[c] = std::max(largest_[c], magnitude);
      }
    }
  }

  // A numeric cell showing `text`; its bar is the value's share of
  // `largest` (an infinite value fills the cell, "nan" has none).  A column
  // without bars has a `largest` below 0.
  static void AppendCell(std::string& out, const std::string& text, double number, double largest) {
    double share = 0.0;
    if (largest < 0.0) {
      share = 0.0;
    } else if (std::isinf(number)) {
      share = 1.0;
    } else if (largest > 0.0 && !std::isnan(number)) {
      share = std::fabs(number) / largest;
    }
    out += number < 0 ? "<td class=\"n neg\"" : "<td class=\"n\"";
    if (share > 0.0) {
      char percent[16];
      const auto end = std::to_chars(percent, percent + sizeof percent, share * 100.0,
                                     std::chars_format::fixed, 1);
      out += " style=\"--w: ";
      out.append(percent, end.ptr);
      out += "%\"";
    }
    out += '>';
    out += text;
    out += "</td>";
  }

  bool started_ = false;                          // the page's start is written
  const std::vector<Column>* columns_ = nullptr;  // of the table being written
  std::vector<double> largest_;                   // a column's bars' full length
  std::string line_;
  std::string text_;  // a cell's text before it is escaped
};

}  // namespace

std::unique_ptr<TableWriter> MakeHtmlReport(std::FILE* stream) {
  return std::make_unique<HtmlReport>(stream);
}

}  // namespace korvelin
