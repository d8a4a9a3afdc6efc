// Readers of the table files, written for the tests from each format's
// rules: each gives a file's tables as rows of cell texts, the heading row
// first, so that an export can be compared with the fixed table.
#pragma once

#include <algorithm>
#include <cstdlib>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "text/characters.h"

namespace korvelin {

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

// The cells of each <table>, entities decoded ("&amp;" last).
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
      for (const auto& [from, to] : {std::pair<std::string, char>{"&lt;", '<'},
                                     {"&gt;", '>'},
                                     {"&quot;", '"'},
                                     {"&amp;", '&'}}) {
        const std::vector<std::string> parts = Split(value, from);
        value = parts[0];
        for (std::size_t i = 1; i < parts.size(); ++i) value += to + parts[i];
      }
      tables.back().back().push_back(value);
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

// Reads one value of strict JSON from text[at...]; false on anything else.
inline bool ReadJson(const std::string& text, std::size_t& at, Json& value) {
  auto take = [&text, &at](char c) {
    at = std::min(text.find_first_not_of(" \n", at), text.size());
    return at < text.size() && text[at] == c && ++at;
  };
  auto string = [&](std::string& out) {
    if (!take('"')) return false;
    while (at < text.size() && text[at] != '"') {
      const char c = text[at++];
      if (static_cast<unsigned char>(c) < 0x20 || (c == '\\' && at == text.size())) return false;
      if (c != '\\') {
        out += c;
      } else if (text[at] == 'u') {
        AppendUtf8(out,
                   static_cast<char32_t>(std::strtol(text.substr(at + 1, 4).c_str(), nullptr, 16)));
        at += 5;
      } else {
        const char e = text[at++];
        out += e == 'n' ? '\n' : e == 't' ? '\t' : e == 'r' ? '\r' : e;
      }
    }
    return take('"');
  };
  const char open = take('[') ? '[' : take('{') ? '{' : 0;
  if (open == 0 && at < text.size() && text[at] == '"') return string(value.text);
  if (open == 0) {
    const std::size_t end = text.compare(at, 4, "null") == 0
                                ? at + 4
                                : std::min(text.find_first_not_of("-0123456789.", at), text.size());
    value.text = text.substr(at, end - at);
    at = end;
    return !value.text.empty();
  }
  const char close = open == '[' ? ']' : '}';
  if (take(close)) return true;
  do {
    value.items.emplace_back();
    auto& [key, item] = value.items.back();
    if ((open == '{' && !(string(key) && take(':'))) || !ReadJson(text, at, item)) return false;
  } while (take(','));
  return take(close);
}

}  // namespace export_readers

}  // namespace korvelin
