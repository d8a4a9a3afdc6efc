// The table renderer: a header naming the selected columns, a row of stars as
// long as the header, and one row per member in sort-list order.  Every line
// is built as bytes and written whole.
#include <algorithm>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "console/console.h"
#include "list/list.h"
#include "roster/options.h"
#include "text/characters.h"

namespace {

// The name heading: a bar and 31 characters.
const char kNameHeading[] = "| NAME:                        :";
constexpr std::size_t kNameWidth = 31;
constexpr std::size_t kNameCell = kNameLength;

void Write(std::FILE* stream, const std::string& text) {
  std::fwrite(text.data(), 1, text.size(), stream);
}

// The name cell: a bar, the name left-aligned in 29 characters, " :".
void AppendNameCell(std::string& line, const PlayerRecord& member) {
  const std::size_t length = static_cast<std::size_t>(
      std::find(member.name, member.name + sizeof member.name, '\0') - member.name);
  line += '|';
  AppendPadded(line, std::string_view(member.name, length), kNameCell, true);
  line += " :";
}

// The byte offset of an option's field in a record.
std::size_t FieldOffset(const OptionInfo& option) {
  static const PlayerRecord probe{};
  const char* base = reinterpret_cast<const char*>(&probe);
  const void* field = nullptr;
  switch (option.kind) {
    case OptionKind::kInt: field = &(probe.*option.int_field); break;
    case OptionKind::kWide: field = &(probe.*option.wide_field); break;
    case OptionKind::kReal: field = &(probe.*option.real_field); break;
  }
  return static_cast<std::size_t>(static_cast<const char*>(field) - base);
}

// Where in a record the table reads: the name and each column's field, one
// place per stretch of memory the processor fetches at once.
std::vector<std::size_t> PlacesRead(const std::vector<const OptionInfo*>& columns) {
  std::vector<std::size_t> offsets = {offsetof(PlayerRecord, name)};
  for (const OptionInfo* option : columns) offsets.push_back(FieldOffset(*option));
  std::sort(offsets.begin(), offsets.end());
  std::vector<std::size_t> places;
  for (std::size_t offset : offsets) {
    if (places.empty() || offset >= places.back() + 48) places.push_back(offset);
  }
  return places;
}

}  // namespace

bool ListShow(int rows, const Slink* list, std::FILE* stream, const PlayerRecord& mask) {
  std::vector<const OptionInfo*> columns;
  for (const OptionInfo* option : OptionsInDisplayOrder()) {
    if (OptionSelected(mask, *option)) columns.push_back(option);
  }

  std::string line = kNameHeading;
  std::size_t stars = kNameWidth;
  for (const OptionInfo* option : columns) {
    const std::string heading = OptionHeader(*option);
    line += heading;
    stars += heading.size();
  }
  line += "|\n|";
  line.append(stars, '*');
  line += "|\n";
  Write(stream, line);
  // DISPLAY's preview: the two header lines and nothing else.
  if (list == nullptr) return true;

  // A sorted list visits the members all over memory: the rows a few ahead
  // are fetched while this one is written.
  const std::vector<std::size_t> places = PlacesRead(columns);
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
    line.clear();
    AppendNameCell(line, *node->record);
    for (const OptionInfo* option : columns) OptionAppendCell(line, *option, *node->record);
    line += "|\n";
    Write(stream, line);
  }

  std::FILE* console = ConsoleOut();
  if (stream == console) {
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
