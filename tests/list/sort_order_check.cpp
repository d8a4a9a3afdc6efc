// Checks the sort engine against the straightforward insertion order on a
// real roster: the members of a stat table, updated from a newer one, with a
// few members given zero old stats so that infinite and NaN percentages
// occur.  Every option in both directions must agree member for member.
//
//   sort_order_check TABLE [NEWER]
#include <cstdio>
#include <cstdlib>
#include <string>

#include "files/stat_table.h"
#include "insertion_reference.h"
#include "list/sort.h"
#include "roster/session.h"

namespace korvelin {
namespace {

TextStream Read(const char* path) {
  FilePtr file(std::fopen(path, "rb"));
  if (!file) {
    std::fprintf(stderr, "cannot read %s\n", path);
    std::exit(2);
  }
  return TextStream::File(std::move(file));
}

}  // namespace
}  // namespace korvelin

int main(int argc, char** argv) {
  using namespace korvelin;  // NOLINT: main stands outside the program's namespace
  if (argc < 2) {
    std::fprintf(stderr, "usage: sort_order_check TABLE [NEWER]\n");
    return 2;
  }
  Session session;
  session.list.weights = kDefaultWeights;  // as a stat-table import sets them
  NullSink quiet;
  NeverStop never;
  TextStream table = Read(argv[1]);
  ImportStatTable(table, session.roster, quiet, never);
  if (argc > 2) {
    TextStream newer = Read(argv[2]);
    UpdateFromStatTable(newer, session.roster, quiet, never);
  }
  int i = 0;
  for (Member& r : session.roster) {
    if (i % 97 == 5) r.oldpower = 0;               // an infinite power gain
    if (i % 89 == 7) r.oldintel = r.newintel = 0;  // a NaN intel gain
    ++i;
  }

  Sorter sorter;
  int failures = 0;
  for (int number = 1; number <= kOptionCount; ++number) {
    const OptionInfo& option = OptionByNumber(number);
    for (SortDirection direction : {SortDirection::kDescending, SortDirection::kAscending}) {
      const bool ascending = direction == SortDirection::kAscending;
      const reference::Order want =
          reference::InsertionOrder(session.roster, session.list.weights, option, ascending);
      const MemberOrder got = sorter.Sort(session.roster, session.list.weights, option, direction);
      std::size_t at = 0;
      while (at < want.size() && at < got.size() && got[at] == want[at]) ++at;
      if (at != want.size() || got.size() != want.size()) {
        std::printf("%s %s: differs at position %zu\n", option.keyword,
                    ascending ? "accending" : "decending", at);
        ++failures;
      }
    }
  }
  std::printf("%zu members, 70 orders checked, %d differ\n", session.roster.size(), failures);
  return failures == 0 ? 0 : 1;
}
