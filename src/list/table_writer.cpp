// The choice of writer by extension, the walk over a table's rows that
// every writer shares, and the plain texts of the export formats.
#include "list/table_writer.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstddef>

#include "console/interrupt.h"
#include "text/ascii.h"
#include "text/characters.h"
#include "text/format.h"

namespace korvelin {

namespace {

// The formats by the extension of the output file's name (compared without
// regard to case).  Exports are written as bytes; the fixed table, for any
// other name, in text mode, as it always was.
struct OutputFormat {
  const char* extension;
  const char* mode;
  std::unique_ptr<TableWriter> (*make)(std::FILE* stream);
};

const OutputFormat kFormats[] = {
    {".csv", "wb", MakeCsvTable},    {".tsv", "wb", MakeTsvTable},
    {".json", "wb", MakeJsonTables}, {".md", "wb", MakeMarkdownTables},
    {".html", "wb", MakeHtmlReport}, {".htm", "wb", MakeHtmlReport},
};
const OutputFormat kFixedTable = {"", "w", MakeFixedTable};

const OutputFormat& FormatOf(const std::string& name) {
  for (const OutputFormat& format : kFormats) {
    if (EndsWithFolded(name, format.extension)) return format;
  }
  return kFixedTable;
}

}  // namespace

std::unique_ptr<TableFile> TableFile::Open(const std::string& name) {
  const OutputFormat& format = FormatOf(name);
  FilePtr file(std::fopen(name.c_str(), format.mode));
  if (!file) return nullptr;
  std::unique_ptr<TableFile> table_file(new TableFile);
  table_file->writer_ = format.make(file.get());
  table_file->file_ = std::move(file);
  return table_file;
}

bool TableFile::Flush() { return std::fflush(file_.get()) == 0 && !std::ferror(file_.get()); }

bool TableFile::Finish() {
  writer_->EndFile();
  return Flush();
}

void WriteTable(TableWriter& writer, const TableContent& content) {
  TableShape table{content.name, {}};
  for (const OptionInfo* option : OptionsInDisplayOrder()) {
    if (content.columns.Shows(*option)) table.columns.push_back(option);
  }
  writer.BeginTable(table);
  if (content.order == nullptr) return;

  // A sorted list visits the members and their names all over memory: the
  // member a few rows ahead is fetched while this row is written, and its
  // name once the member is at hand, half way there.
  const Roster& roster = content.roster;
  const MemberOrder& order = *content.order;
  const std::size_t rows =
      std::min(order.size(), static_cast<std::size_t>(std::max(content.rows, 0)));
  constexpr std::size_t kAhead = 16;
  for (std::size_t row = 0; row < rows; ++row) {
    if (row + kAhead < rows) roster.Fetch(order[row + kAhead]);
    if (row + kAhead / 2 < rows) roster.FetchName(order[row + kAhead / 2]);
    const Member& member = roster[order[row]];
    writer.Row({roster.NameOf(member), &member, &content.weights});
    if (InterruptRequested()) break;
  }
  writer.EndTable();
}

std::string PlainName(std::string_view name) {
  name = name.substr(0, name.find('\0'));
  while (!name.empty() && name.back() == ' ') name.remove_suffix(1);
  return ToUtf8(name);
}

std::string PlainHeading(const OptionInfo* option) {
  if (option == nullptr) return "NAME";
  const std::string heading = OptionHeader(*option);
  const std::size_t first = heading.find_first_not_of(' ');
  const std::size_t last = heading.find_last_not_of(" :");
  return heading.substr(first, last + 1 - first);
}

void AppendPlainValue(std::string& out, const OptionInfo& option, const OptionValue& value) {
  char text[400];  // the largest double in fixed form, and its decimals
  std::to_chars_result result{};
  if (!value.real) {
    result = std::to_chars(text, text + sizeof text, value.integer);
  } else if (std::isfinite(value.number)) {
    result = std::to_chars(text, text + sizeof text, value.number, std::chars_format::fixed,
                           OptionDecimals(option));
  } else {
    out += std::isnan(value.number) ? "nan" : value.number > 0 ? "inf" : "-inf";
    return;
  }
  out.append(text, result.ptr);
}

bool IsStatOption(const OptionInfo& option) {
  return option.number != OptionNumber("id") && option.number != OptionNumber("level");
}

std::string PlainCell(ViewKind kind, const ViewCell& cell) {
  return kind == ViewKind::kName ? PlainName(cell.text) : cell.text;
}

}  // namespace korvelin
