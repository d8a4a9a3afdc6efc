// HTML: one self-contained page (its style and its script inline, nothing
// fetched from anywhere) with an HTML table per table.  Each numeric cell
// draws a bar behind its number, as long as the value's share of the
// largest magnitude in its column, negative values in a second colour.  The
// script only makes the columns sortable by a click; the page reads the same
// without it.
#include <algorithm>
#include <charconv>
#include <cmath>
#include <string>
#include <vector>

#include "list/table_writer.h"

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

// The magnitude a bar measures: finite values only.
double Magnitude(const OptionValue& value) {
  const double magnitude =
      value.real ? std::fabs(value.number) : std::fabs(static_cast<double>(value.integer));
  return std::isfinite(magnitude) ? magnitude : 0.0;
}

class HtmlReport : public TableWriter {
 public:
  using TableWriter::TableWriter;

  void BeginTable(const TableShape& table) override {
    if (!started_) Write(kPageStart);
    started_ = true;
    columns_ = table.columns;
    members_.clear();
    line_ = "<table>\n<caption>";
    for (const char* c = table.name; *c != '\0'; ++c) {
      line_ += (*c >= 'a' && *c <= 'z') ? static_cast<char>(*c - 32) : *c;
    }
    line_ += "</caption>\n<thead>\n<tr><th scope=\"col\">" + PlainHeading(nullptr) + "</th>";
    for (const OptionInfo* option : columns_) {
      line_ += "<th scope=\"col\" class=\"n\">";
      AppendEscaped(line_, PlainHeading(option));
      line_ += "</th>";
    }
    line_ += "</tr>\n</thead>\n<tbody>\n";
    Write(line_);
  }

  // The bars need the largest value of each column: the rows are written
  // when the table ends (the members outlive the table).
  void Row(const ListedMember& member) override { members_.push_back(member); }

  void EndTable() override {
    std::vector<double> largest(columns_.size(), 0.0);
    for (const ListedMember& member : members_) {
      for (std::size_t i = 0; i < columns_.size(); ++i) {
        largest[i] = std::max(largest[i], Magnitude(member.Value(*columns_[i])));
      }
    }
    for (const ListedMember& member : members_) {
      line_ = "<tr><td>";
      AppendEscaped(line_, PlainName(member.name));
      line_ += "</td>";
      for (std::size_t i = 0; i < columns_.size(); ++i) {
        AppendCell(line_, *columns_[i], member.Value(*columns_[i]), largest[i]);
      }
      line_ += "</tr>\n";
      Write(line_);
    }
    Write("</tbody>\n</table>\n");
  }

  void EndFile() override {
    if (!started_) Write(kPageStart);
    Write(kPageEnd);
  }

 private:
  // A numeric cell; its bar is the value's share of `largest` (an infinite
  // value fills the cell, "nan" has none).
  static void AppendCell(std::string& out, const OptionInfo& option, const OptionValue& value,
                         double largest) {
    const double number = value.real ? value.number : static_cast<double>(value.integer);
    double share = 0.0;
    if (std::isinf(number)) {
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
    AppendPlainValue(out, option, value);
    out += "</td>";
  }

  bool started_ = false;  // the page's start is written
  std::vector<const OptionInfo*> columns_;
  std::vector<ListedMember> members_;  // the table's rows
  std::string line_;
};

}  // namespace

std::unique_ptr<TableWriter> MakeHtmlReport(std::FILE* stream) {
  return std::make_unique<HtmlReport>(stream);
}
