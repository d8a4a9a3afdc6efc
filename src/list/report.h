// REPORT's text: the week of the gang in a few short sections that a leader
// pastes into the gang's chat, and the ways it is written.  A report is
// text, not a table: the screen and a file of no export extension take it as
// ScreenText, a Markdown file as ChatMarkdown, an HTML page as sections of
// the page (html_report.cpp); CSV, TSV and JSON take no report.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace korvelin {

// One line of a section: a member's name (or what the line counts) and its
// value, both as UTF-8.
struct ReportLine {
  std::string name;
  std::string value;
};

struct ReportSection {
  std::string heading;            // "BEST GAINS PER WEEK"
  bool numbers = false;           // the values are numbers, right-aligned on the screen
  std::vector<ReportLine> lines;  // one a member; a section without any has the line "NONE"
};

struct Report {
  std::string title;  // "GANG REPORT 2026-11-24 (SINCE 2026-11-17)"
  std::vector<ReportSection> sections;
};

// The screen's columns a report takes at most.
constexpr std::size_t kReportColumns = 60;
// The characters a chat message holds at most.
constexpr std::size_t kChatMessageCharacters = 2000;

// The report as the screen shows it: the title, then each section after an
// empty line, its heading and its lines indented by two, the names cut and
// padded to line up (at most 29 columns) and the values after them, no line
// wider than kReportColumns.
std::string ScreenText(const Report& report);

// The report as Markdown for a chat: the title and headings in bold, each
// line a list item "- name: value", the names' Markdown escaped; cut into
// messages of at most kChatMessageCharacters characters, at section ends (a
// section too long for one message goes on in the next under its heading
// again), with a line "---" between messages, an empty line on each side.
std::string ChatMarkdown(const Report& report);

}  // namespace korvelin
