// Readers of the table files, written for the tests from the formats'
// rules: each gives the tables of a file as rows of cell texts, the heading
// row first, so that every export can be compared with the fixed table.
#pragma once

#include <cstdlib>
#include <string>
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

inline std::string Trim(const std::string& text) {
  const std::size_t first = text.find_first_not_of(' ');
  if (first == std::string::npos) return "";
  return text.substr(first, text.find_last_not_of(' ') + 1 - first);
}

// The fixed table: "|", the name in 29 bytes, " :", cells ending in ":",
// "|" and a line end.  The name is taken by position, so that it may hold
// anything, line ends included.
inline std::vector<Rows> ReadFixed(const std::string& text) {
  std::vector<Rows> tables;
  std::size_t at = 0;
  while (at < text.size()) {
    const std::size_t header_end = text.find('\n', at);
    Rows rows = {{"NAME"}};
    for (const std::string& cell : Split(text.substr(at + 33, header_end - at - 34), ":")) {
      rows[0].push_back(Trim(cell));
    }
    rows[0].pop_back();
    at = text.find('\n', header_end + 1) + 1;  // past the stars
    while (at < text.size() && text.compare(at, 7, "| NAME:") != 0) {
      std::vector<std::string> row = {text.substr(at + 1, 29)};
      const std::size_t end = text.find("|\n", at + 32);
      for (const std::string& cell : Split(text.substr(at + 32, end - at - 32), ":")) {
        row.push_back(Trim(cell));
      }
      row.pop_back();
      rows.push_back(row);
      at = end + 2;
    }
    tables.push_back(rows);
  }
  return tables;
}

// RFC 4180, records ending in CR LF; an empty record separates tables.
inline std::vector<Rows> ReadCsv(const std::string& text) {
  std::vector<Rows> tables(1);
  std::vector<std::string> record(1);
  bool quoted = false;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (quoted) {
      if (c == '"' && i + 1 < text.size() && text[i + 1] == '"') {
        record.back() += '"';
        ++i;
      } else if (c == '"') {
        quoted = false;
      } else {
        record.back() += c;
      }
    } else if (c == '"') {
      quoted = true;
    } else if (c == ',') {
      record.emplace_back();
    } else if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') {
      ++i;
      if (record.size() == 1 && record[0].empty()) {
        tables.emplace_back();
      } else {
        tables.back().push_back(record);
      }
      record.assign(1, "");
    } else {
      record.back() += c;
    }
  }
  return tables;
}

// Tab-separated lines; an empty line separates tables.
inline std::vector<Rows> ReadTsv(const std::string& text) {
  std::vector<Rows> tables(1);
  std::vector<std::string> lines = Split(text, "\n");
  lines.pop_back();  // after the last line end
  for (const std::string& line : lines) {
    if (line.empty()) {
      tables.emplace_back();
    } else {
      tables.back().push_back(Split(line, "\t"));
    }
  }
  return tables;
}

// Pipe tables under "###" headings.  The alignment row is checked: left for
// the name, right for every number.
inline std::vector<Rows> ReadMarkdown(const std::string& text, std::vector<std::string>& titles,
                                      bool& aligned) {
  std::vector<Rows> tables;
  aligned = true;
  std::vector<std::string> lines = Split(text, "\n");
  lines.pop_back();
  for (const std::string& line : lines) {
    if (line.rfind("### ", 0) == 0) {
      titles.push_back(line.substr(4));
      tables.emplace_back();
      continue;
    }
    if (line.empty()) continue;
    std::vector<std::string> cells(1);
    for (std::size_t i = 1; i < line.size(); ++i) {
      if (line[i] == '\\') {
        cells.back() += line[++i];
      } else if (line[i] == '|') {
        cells.back() = cells.back().substr(1, cells.back().size() - 2);  // the spaces around
        cells.emplace_back();
      } else {
        cells.back() += line[i];
      }
    }
    cells.pop_back();
    if (cells[0] == "---") {
      for (std::size_t i = 1; i < cells.size(); ++i) aligned = aligned && cells[i] == "---:";
    } else {
      tables.back().push_back(cells);
    }
  }
  return tables;
}

// The cells of each <table>, heading row first; entities decoded.
inline std::vector<Rows> ReadHtml(const std::string& text, std::vector<std::string>& captions) {
  std::vector<Rows> tables;
  for (std::size_t at = 0; (at = text.find("<caption>", at)) != std::string::npos;) {
    const std::size_t end = text.find("</table>", at);
    captions.push_back(text.substr(at + 9, text.find("</caption>", at) - at - 9));
    Rows rows;
    for (std::size_t row = text.find("<tr>", at); row < end; row = text.find("<tr>", row + 1)) {
      rows.emplace_back();
      const std::size_t row_end = text.find("</tr>", row);
      for (std::size_t cell = text.find("<t", row + 4); cell < row_end;
           cell = text.find("<t", cell + 1)) {
        const std::size_t open_end = text.find('>', cell) + 1;
        std::string value = text.substr(open_end, text.find("</t", open_end) - open_end);
        for (const auto& [entity, character] : {std::pair<std::string, std::string>{"&lt;", "<"},
                                                {"&gt;", ">"},
                                                {"&quot;", "\""},
                                                {"&amp;", "&"}}) {
          std::string decoded;
          const std::vector<std::string> parts = Split(value, entity);
          for (std::size_t i = 0; i < parts.size(); ++i) decoded += (i ? character : "") + parts[i];
          value = decoded;
        }
        rows.back().push_back(value);
        cell = text.find("</t", open_end);
      }
    }
    tables.push_back(rows);
    at = end;
  }
  return tables;
}

// A JSON value: null, a number (its text), a string, an array or an object.
struct Json {
  char kind = 0;  // 'z' null, 'n' number, 's' string, 'a' array, 'o' object
  std::string text;
  std::vector<Json> items;
  std::vector<std::pair<std::string, Json>> members;
};

// Reads one value; `ok` turns false on anything that is not strict JSON.
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
  void Space() {
    while (at_ < text_.size() && std::string(" \t\r\n").find(text_[at_]) != std::string::npos)
      ++at_;
  }
  bool Take(char c) {
    Space();
    if (at_ < text_.size() && text_[at_] == c) return ++at_, true;
    return false;
  }
  std::string String() {
    std::string out;
    if (!Take('"')) return ok_ = false, out;
    while (at_ < text_.size() && text_[at_] != '"') {
      char c = text_[at_++];
      if (static_cast<unsigned char>(c) < 0x20) ok_ = false;
      if (c == '\\') {
        c = text_[at_++];
        if (c == 'n') c = '\n';
        if (c == 't') c = '\t';
        if (c == 'r') c = '\r';
        if (c == 'u') {
          AppendUtf8(out,
                     static_cast<char32_t>(std::strtol(text_.substr(at_, 4).c_str(), nullptr, 16)));
          at_ += 4;
          continue;
        }
      }
      out += c;
    }
    ++at_;
    return out;
  }
  Json Value() {
    Json value;
    Space();
    if (text_.compare(at_, 4, "null") == 0) {
      value.kind = 'z';
      at_ += 4;
    } else if (text_[at_] == '"') {
      value.kind = 's';
      value.text = String();
    } else if (Take('[')) {
      value.kind = 'a';
      if (!Take(']')) {
        do value.items.push_back(Value());
        while (Take(','));
        ok_ = ok_ && Take(']');
      }
    } else if (Take('{')) {
      value.kind = 'o';
      if (!Take('}')) {
        do {
          const std::string key = String();
          ok_ = ok_ && Take(':');
          value.members.emplace_back(key, Value());
        } while (Take(','));
        ok_ = ok_ && Take('}');
      }
    } else {
      value.kind = 'n';
      const std::size_t end = text_.find_first_not_of("-0123456789.", at_);
      value.text = text_.substr(at_, end - at_);
      ok_ = ok_ && !value.text.empty();
      at_ = end;
    }
    return value;
  }

  const std::string& text_;
  std::size_t at_ = 0;
  bool ok_ = true;
};

}  // namespace export_readers
