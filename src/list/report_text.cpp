// REPORT as the screen shows it.
#include <algorithm>

#include "list/report.h"
#include "roster/member.h"
#include "text/width.h"

namespace korvelin {

std::string ScreenText(const Report& report) {
  // Room for every line at its widest, in bytes a little more for names
  // beyond ASCII: a long report is not copied again as it grows.
  std::size_t lines = 1;
  for (const ReportSection& section : report.sections) lines += 2 + section.lines.size();
  std::string out;
  out.reserve(lines * (kReportColumns + 1));
  AppendShownColumns(out, report.title, 0, kReportColumns, true);
  out += '\n';
  for (const ReportSection& section : report.sections) {
    out += '\n';
    AppendShownColumns(out, section.heading, 0, kReportColumns, true);
    out += '\n';
    // The names line up in the widest one's columns (a roster's at most),
    // the values in what is left of the line.
    std::size_t name_width = 0, value_width = 0;
    for (const ReportLine& line : section.lines) {
      name_width = std::max(name_width, TextColumns(line.name));
      value_width = std::max(value_width, TextColumns(line.value));
    }
    name_width = std::min(name_width, kNameLength);
    const std::size_t room = kReportColumns - 4 - name_width;
    value_width = std::min(value_width, room);
    for (const ReportLine& line : section.lines) {
      out += "  ";
      if (line.value.empty()) {
        AppendShownColumns(out, line.name, 0, kReportColumns - 2, true);
      } else {
        AppendShownColumns(out, line.name, name_width, name_width, true);
        out += "  ";
        AppendShownColumns(out, line.value, section.numbers ? value_width : 0, room,
                           !section.numbers);
      }
      out += '\n';
    }
  }
  return out;
}

}  // namespace korvelin
