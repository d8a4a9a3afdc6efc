// COPY: what the List visit showed last, on the clipboard, as text that
// pastes into a spreadsheet as cells and into a chat as lines.
#include <algorithm>
#include <string>
#include <string_view>

#include "base/clipboard.h"
#include "list/visit.h"
#include "text/format.h"

namespace korvelin {

namespace {

// A text's lines, the last one counted without its line end too.
long long LinesOf(std::string_view text) {
  const auto ends = std::count(text.begin(), text.end(), '\n');
  return static_cast<long long>(ends) + (text.empty() || text.back() == '\n' ? 0 : 1);
}

}  // namespace

Next CopyShown(ListVisit& visit) {
  Console& console = visit.console;
  std::string tsv;
  std::string_view text = visit.last_text;
  long long rows = 0;
  if (!text.empty()) {
    rows = LinesOf(text);
  } else if (visit.last_table) {
    // The table is written again, whole, through the TSV writer.
    rows = static_cast<long long>(WriteTable(*MakeTsvText(tsv), *visit.last_table, console.Stop()));
    if (console.ReportInterrupt()) return Next::kStay;
    text = tsv;
  } else {
    console.PrintLine("   [NOTHING TO COPY]");
    return Next::kStay;
  }
  const ClipboardResult result = WriteClipboard(text, console.Stop());
  if (result == ClipboardResult::kStopped && console.ReportInterrupt()) return Next::kStay;
  if (result != ClipboardResult::kDone) {
    console.PrintLine("   [CANNOT WRITE THE CLIPBOARD]");
    return Next::kStay;
  }
  static const Format kCopied("   [COPIED %d ROWS]\n");
  console.Print(kCopied({rows}));
  return Next::kStay;
}

}  // namespace korvelin
