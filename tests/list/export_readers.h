// Readers of the table files, written for the tests from each format's
// rules: each gives a file's tables as rows of cell texts, the heading row
// first, so that an export can be compared with the fixed table.
#pragma once

#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "text/characters.h"

namespace export_readers {

using Rows = std::vector<std::vector<std::string>>;

inline std::vector<std::string> Split(const std::string& text, const std::string& separator) {
  std::vector<std::string> parts;
  std::size_t from = 0;
  for (std::size_t at; (at = text.find(separator, from)) != std::string::npos;
       from = at + separator.size()) {
    parts.push_back(text.substr(from, at - from));
  }
  parts.push_back(text.substr(from));
  return parts;
}

inline std::string ReplaceAll(const std::string& text, const std::string& from,
                              const std::string& to) {
  const std::vector<std::string> parts = Split(text, from);
  std::string out = parts[0];
  for (std::size_t i = 1; i < parts.size(); ++i) out += to + parts[i];
  return out;
}

// "|", the name, " :", cells that end in ":", then "|".  A row's name is
// taken as its 29 characters, so that it may hold anything, line ends
// included.
inline std::vector<Rows> ReadFixed(const std::string& text) {
  std::vector<Rows> tables;
  auto cells = [](std::vector<std::string>& row, const std::string& line) {
    for (std::string cell : Split(line, ":")) {
      cell.erase(0, cell.find_first_not_of(' '));
      row.push_back(cell.substr(0, cell.find_last_not_of(' ') + 1));
    }
    row.pop_back();  // after the last ":"
  };
  for (std::size_t at = 0; at < text.size();) {
    const std::size_t end = text.find('\n', at);
    tables.push_back({{"NAME"}});
    cells(tables.back()[0], text.substr(at + 33, end - at - 34));
    for (at = text.find('\n', end + 1) + 1; at < text.size() && text.compare(at, 7, "| NAME:");) {
      const std::string_view name = FirstCharacters(std::string_view(text).substr(at + 1), 29);
      const std::size_t cells_at = at + 1 + name.size() + 2;
      const std::size_t row_end = text.find("|\n", cells_at);
      tables.back().push_back({std::string(name)});
      cells(tables.back().back(), text.substr(cells_at, row_end - cells_at));
      at = row_end + 2;
    }
  }
  return tables;
}

// RFC 4180 with CR LF line ends; an empty line separates tables.
inline std::vector<Rows> ReadCsv(const std::string& text) {
  std::vector<Rows> tables(1);
  std::vector<std::string> record(1);
  bool quoted = false;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '"' && quoted && text[i + 1] == '"') {
      record.back() += text[i++];
    } else if (text[i] == '"') {
      quoted = !quoted;
    } else if (!quoted && text[i] == ',') {
      record.emplace_back();
    } else if (!quoted && text.compare(i, 2, "\r\n") == 0) {
      ++i;
      if (record.size() > 1 || !record[0].empty()) tables.back().push_back(record);
      if (record.size() == 1 && record[0].empty()) tables.emplace_back();
      record.assign(1, "");
    } else {
      record.back() += text[i];
    }
  }
  return tables;
}

// Lines split at `separator`; an empty line separates tables, a line that
// starts with `skip` is left out.
inline std::vector<Rows> ReadLines(const std::string& text, const std::string& separator,
                                   const std::string& skip = "\n") {
  std::vector<Rows> tables(1);
  std::vector<std::string> lines = Split(text, "\n");
  lines.pop_back();  // after the last line end
  for (const std::string& line : lines) {
    if (line.empty() && !tables.back().empty()) tables.emplace_back();
    if (!line.empty() && line.rfind(skip, 0) != 0) tables.back().push_back(Split(line, separator));
  }
  return tables;
}

// Pipe tables under "###" headings, the backslash escapes undone; the
// alignment row is checked (left for the name, right for every number) and
// left out.
inline std::vector<Rows> ReadMarkdown(const std::string& text, bool& aligned) {
  std::vector<Rows> tables = ReadLines(text, " | ", "###");
  aligned = true;
  for (Rows& rows : tables) {
    for (std::vector<std::string>& row : rows) {
      row.front().erase(0, 2);                   // "| "
      row.back().resize(row.back().size() - 2);  // " |"
      for (std::string& cell : row) {
        for (std::size_t i = 0; i < cell.size(); ++i) {
          if (cell[i] == '\\') cell.erase(i, 1);
        }
      }
    }
    for (std::size_t c = 0; c < rows[1].size(); ++c) {
      aligned = aligned && rows[1][c] == (c == 0 ? "---" : "---:");
    }
    rows.erase(rows.begin() + 1);
  }
  return tables;
}

// The cells of each <table>, entities decoded.
inline std::vector<Rows> ReadHtml(const std::string& text) {
  std::vector<Rows> tables;
  for (std::size_t at = text.find("<table>"); at != std::string::npos;
       at = text.find("<table>", at + 1)) {
    tables.emplace_back();
    const std::size_t end = text.find("</table>", at);
    for (std::size_t cell = text.find("<t", at + 1); cell < end; cell = text.find("<t", cell + 1)) {
      if (text.compare(cell, 4, "<tr>") == 0) tables.back().emplace_back();
      if (text.compare(cell, 3, "<td") != 0 && text.compare(cell, 4, "<th ") != 0) continue;
      const std::size_t start = text.find('>', cell) + 1;
      std::string value = text.substr(start, text.find("</t", start) - start);
      value = ReplaceAll(ReplaceAll(ReplaceAll(value, "&lt;", "<"), "&gt;", ">"), "&quot;", "\"");
      tables.back().back().push_back(ReplaceAll(value, "&amp;", "&"));
    }
  }
  return tables;
}

// A JSON value: a string's text, a number or null as written, or the items
// of an array or object (with their keys).
struct Json {
  std::string text;
  std::vector<std::pair<std::string, Json>> items;
};

// Strict JSON; `ok` turns false on anything else.
class JsonReader {
 public:
  explicit JsonReader(const std::string& text) : text_(text) {}
  Json Document(bool& ok) {
    Json value = Value();
    Space();
    ok = ok_ && at_ == text_.size();
    return value;
  }

 private:
  void Space() { at_ = std::min(text_.find_first_not_of(" \n", at_), text_.size()); }
  bool Take(char c) {
    Space();
    if (at_ == text_.size() || text_[at_] != c) return false;
    ++at_;
    return true;
  }
  std::string String() {
    std::string out;
    ok_ = Take('"') && ok_;
    while (ok_ && at_ < text_.size() && text_[at_] != '"') {
      char c = text_[at_++];
      if (static_cast<unsigned char>(c) < 0x20) ok_ = false;
      if (c == '\\') {
        c = text_[at_++];
        if (c == 'u') {
          AppendUtf8(out,
                     static_cast<char32_t>(std::strtol(text_.substr(at_, 4).c_str(), nullptr, 16)));
          at_ += 4;
          continue;
        }
        c = c == 'n' ? '\n' : c == 't' ? '\t' : c == 'r' ? '\r' : c;
      }
      out += c;
    }
    ok_ = Take('"') && ok_;
    return out;
  }
  Json Value() {
    Json value;
    Space();
    const char open = at_ < text_.size() ? text_[at_] : 0;
    if (open == '"') {
      value.text = String();
    } else if (Take('[') || Take('{')) {
      const char close = open == '[' ? ']' : '}';
      if (!Take(close)) {
        do {
          const std::string key = open == '{' ? String() : "";
          ok_ = (open == '[' || Take(':')) && ok_;
          value.items.emplace_back(key, Value());
        } while (Take(','));
        ok_ = Take(close) && ok_;
      }
    } else {
      const std::size_t end = text_.find_first_not_of("-0123456789.", at_);
      value.text = text_.compare(at_, 4, "null") == 0 ? "null" : text_.substr(at_, end - at_);
      ok_ = !value.text.empty() && ok_;
      at_ += value.text.size();
    }
    return value;
  }

  const std::string& text_;
  std::size_t at_ = 0;
  bool ok_ = true;
};

}  // namespace export_readers
