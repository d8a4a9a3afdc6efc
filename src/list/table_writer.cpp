// The choice of writer by extension, the walk over a table's rows that
// every writer shares, and the plain texts of the export formats.
#include "list/table_writer.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstddef>

#include "console/console.h"
#include "text/characters.h"
#include "text/format.h"

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

bool EndsWithIgnoringCase(const std::string& name, std::string_view ending) {
  if (name.size() < ending.size()) return false;
  return std::equal(ending.begin(), ending.end(), name.end() - ending.size(), [](char a, char b) {
    const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c; };
    return lower(a) == lower(b);
  });
}

const OutputFormat& FormatOf(const std::string& name) {
  for (const OutputFormat& format : kFormats) {
    if (EndsWithIgnoringCase(name, format.extension)) return format;
  }
  return kFixedTable;
}

// Where in a record a table reads: the name and each column's field, one
// place per stretch of memory the processor fetches at once.
std::vector<std::size_t> PlacesRead(const std::vector<const OptionInfo*>& columns) {
  static const PlayerRecord probe{};
  const char* base = reinterpret_cast<const char*>(&probe);
  std::vector<std::size_t> offsets = {offsetof(PlayerRecord, name)};
  for (const OptionInfo* option : columns) {
    const char* field = WithField(
        *option, [](auto member) { return reinterpret_cast<const char*>(&(probe.*member)); });
    offsets.push_back(static_cast<std::size_t>(field - base));
  }
  std::sort(offsets.begin(), offsets.end());
  std::vector<std::size_t> places;
  for (std::size_t offset : offsets) {
    if (places.empty() || offset >= places.back() + 48) places.push_back(offset);
  }
  return places;
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

bool TableFile::Finish() {
  writer_->EndFile();
  return std::fflush(file_.get()) == 0 && !std::ferror(file_.get());
}

bool WriteTable(TableWriter& writer, const char* name, int rows, const Slink* list,
                const PlayerRecord& mask) {
  TableShape table{name, {}};
  for (const OptionInfo* option : OptionsInDisplayOrder()) {
    if (OptionSelected(mask, *option)) table.columns.push_back(option);
  }
  writer.BeginTable(table);
  if (list == nullptr) return true;

  // A sorted list visits the members all over memory: the rows a few ahead
  // are fetched while this one is written.
  const std::vector<std::size_t> places = PlacesRead(table.columns);
  constexpr int kAhead = 16;
  const Slink* ahead = list;
  for (int i = 0; i < kAhead && ahead != nullptr; ++i) ahead = ahead->next;
  int row = 0;
  for (const Slink* node = list; node != nullptr && node->record != nullptr && row < rows;
       node = node->next, ++row) {
    if (ahead != nullptr) {
      if (ahead->record != nullptr) {
        for (std::size_t place : places) {
          __builtin_prefetch(reinterpret_cast<const char*>(ahead->record) + place);
        }
      }
      ahead = ahead->next;
    }
    writer.Row(*node->record);
  }
  writer.EndTable();

  std::FILE* stream = writer.stream();
  if (stream == ConsoleOut()) {
    Print("\n");
    return true;
  }
  // A table is reported as saved only once it is really in the file.
  const bool saved = std::fflush(stream) == 0 && !std::ferror(stream);
  Print("\n");
  if (saved) {
    PrintLine("   [DATA SAVED SUCESSFULLY]\n");
  } else {
    PrintLine("   [ERROR WRITING FILE.  OUTPUT SET TO SCREEN]");
  }
  return saved;
}

std::string PlainName(const PlayerRecord& member) {
  std::size_t length = static_cast<std::size_t>(
      std::find(member.name, member.name + sizeof member.name, '\0') - member.name);
  while (length > 0 && member.name[length - 1] == ' ') --length;
  return ToUtf8(std::string_view(member.name, length));
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
