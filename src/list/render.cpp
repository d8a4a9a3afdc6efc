// The table renderer: a header naming the selected columns, a row of stars as
// long as the header, and one row per member in sort-list order.  Every line
// is built as bytes and written whole.
#include <algorithm>
#include <string>
#include <vector>

#include "list/list.h"
#include "shell/shell.h"

namespace {

// The name heading: a bar and 31 characters.
const char kNameHeading[] = "| NAME:                        :";
constexpr std::size_t kNameWidth = 31;
constexpr std::size_t kNameCell = 29;

void Write(std::FILE* stream, const std::string& text) {
  std::fwrite(text.data(), 1, text.size(), stream);
}

// The name cell: a bar, the name's bytes left-aligned in 29 columns, " :".
void AppendNameCell(std::string& line, const PlayerRecord& member) {
  const std::size_t length = static_cast<std::size_t>(
      std::find(member.name, member.name + sizeof member.name, '\0') - member.name);
  line += '|';
  line.append(member.name, length);
  if (length < kNameCell) line.append(kNameCell - length, ' ');
  line += " :";
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

  int row = 0;
  for (const Slink* node = list; node != nullptr && node->record != nullptr && row < rows;
       node = node->next, ++row) {
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
