// A stat table's header row and the records read by it.
#include "files/table_columns.h"

#include <string_view>

#include "text/ascii.h"
#include "text/characters.h"

namespace korvelin {

namespace {

// The words of a value's headings, folded as Fold folds them: the plain
// words, the words of the program's own tables ("Stren"), and, after "new"
// or "old", the stat's words as the program's exports write them ("New
// Speed", "oldspeed").
struct ValueWord {
  const char* word;
  TableValue value;
};
constexpr ValueWord kValueWords[] = {
    {"level", TableValue::kLevel},    {"speed", TableValue::kSpeed},
    {"power", TableValue::kPower},    {"strength", TableValue::kStrength},
    {"stren", TableValue::kStrength}, {"str", TableValue::kStrength},
    {"health", TableValue::kHealth},  {"intelligence", TableValue::kIntel},
    {"intel", TableValue::kIntel},    {"beg", TableValue::kBeg},
    {"begging", TableValue::kBeg},
};

// A heading as it is compared: A-Z in lower case, without blanks (spaces,
// tabs, Unicode spaces) and without a last ":" ("  ID #  :" is "id#").
std::string Fold(std::string_view cell) {
  std::string word;
  for (std::size_t at = 0; at < cell.size();) {
    const Character c = DecodeCharacter(cell.substr(at));
    const long code = static_cast<long>(c.code);
    if (code != ' ' && code != '\t' && !IsUnicodeSpace(code)) {
      for (char byte : cell.substr(at, c.length)) word += FoldCase(byte);
    }
    at += c.length;
  }
  if (!word.empty() && word.back() == ':') word.pop_back();
  return word;
}

// What one heading names.
struct Named {
  enum { kNothing, kId, kName, kValue } what;
  TableValue value;
  bool old;  // a stat's column of the old snapshot
};

Named Name(std::string_view cell) {
  const std::string word = Fold(cell);
  if (word == "id" || word == "id#") return {Named::kId, TableValue::kLevel, false};
  if (word == "name") return {Named::kName, TableValue::kLevel, false};
  const std::string_view prefix = std::string_view(word).substr(0, 3);
  const bool snapshot = prefix == "new" || prefix == "old";
  for (const ValueWord& v : kValueWords) {
    if (word == v.word) return {Named::kValue, v.value, false};
    // The level has no snapshot.
    if (snapshot && v.value != TableValue::kLevel && std::string_view(word).substr(3) == v.word) {
      return {Named::kValue, v.value, prefix == "old"};
    }
  }
  return {Named::kNothing, TableValue::kLevel, false};
}

}  // namespace

bool ReadHeadings(const std::vector<std::string>& cells, std::size_t count, char separator,
                  TableColumns& columns) {
  TableColumns found;
  found.separator = separator;
  TableColumns old;  // the old snapshot's columns, in `value`
  for (std::size_t i = 0; i < count; ++i) {
    const Named named = Name(cells[i]);
    const int cell = static_cast<int>(i);
    int* column = nullptr;
    switch (named.what) {
      case Named::kNothing: column = &found.unnamed; break;
      case Named::kId: column = &found.id; break;
      case Named::kName: column = &found.name; break;
      case Named::kValue:
        column = &(named.old ? old : found).value[static_cast<std::size_t>(named.value)];
        break;
    }
    if (column != nullptr && *column == TableColumns::kNoCell) *column = cell;
  }
  bool any_value = false;
  for (std::size_t v = 0; v < found.value.size(); ++v) {
    if (found.value[v] == TableColumns::kNoCell) {
      found.value[v] = old.value[v];
    } else {
      found.old_value[v] = old.value[v];
    }
    any_value = any_value || found.value[v] != TableColumns::kNoCell;
  }
  if (found.id == TableColumns::kNoCell || !any_value) return false;
  columns = found;
  return true;
}

bool ReadRecord(TextStream& in, char separator, std::vector<std::string>& cells,
                std::size_t& count) {
  count = 0;
  int c = in.Get();
  if (c == kEnd) return false;
  std::string dropped;  // the cells past kRecordCells, each in turn
  const auto next_cell = [&]() -> std::string& {
    if (count == kRecordCells) {
      dropped.clear();
      return dropped;
    }
    if (count == cells.size()) cells.emplace_back();
    std::string& cell = cells[count++];
    cell.clear();
    return cell;
  };
  std::string* cell = &next_cell();
  const bool csv = separator != '\t';
  bool quoted = false;
  bool at_start = true;  // nothing of the cell read yet
  for (;; c = in.Get()) {
    if (c == kEnd) break;
    if (quoted) {
      if (c == '"') {
        if (in.Peek() != '"') {
          quoted = false;
          continue;
        }
        in.Get();
      }
    } else if (c == '\n' || c == '\r') {
      break;
    } else if (c == separator) {
      cell = &next_cell();
      at_start = true;
      continue;
    } else if (csv && at_start && c == '"') {
      quoted = true;
      at_start = false;
      continue;
    }
    at_start = false;
    if (cell->size() < kCellBytes) *cell += static_cast<char>(c);
  }
  return true;
}

}  // namespace korvelin
