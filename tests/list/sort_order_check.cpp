// Checks the sort engine against the straightforward insertion order on a
// real roster: the members of a stat table, updated from a newer one, with a
// few members given zero old stats so that infinite and NaN percentages
// occur.  Every option in both directions must agree member for member.
//
//   sort_order_check TABLE [NEWER]
#include <cstdio>
#include <string>

#include "console/console.h"
#include "files/files.h"
#include "insertion_reference.h"
#include "list/list.h"
#include "roster/derived.h"
#include "roster/masks.h"
#include "shell/shell.h"

namespace {

void Read(const char* path, void (*reader)(TextStream&)) {
  FilePtr file = OpenForReading(path);
  if (!file) {
    std::fprintf(stderr, "cannot read %s\n", path);
    std::exit(2);
  }
  TextStream in = TextStream::File(std::move(file));
  reader(in);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: sort_order_check TABLE [NEWER]\n");
    return 2;
  }
  std::FILE* quiet = std::fopen("/dev/null", "w");
  AttachConsole(stdin, quiet);
  CreateStart();
  displayoptions = MakeRecord();
  Read(argv[1], Initialise);
  if (argc > 2) Read(argv[2], Updater);
  int i = 0;
  for (PlayerRecord* r = Start->next; r != nullptr; r = r->next, ++i) {
    if (i % 97 == 5) r->oldpower = 0;                // an infinite power gain
    if (i % 89 == 7) r->oldintel = r->newintel = 0;  // a NaN intel gain
  }
  ListCalc(Start->next);

  int failures = 0;
  for (int number = 1; number <= kOptionCount; ++number) {
    const OptionInfo& option = OptionByNumber(number);
    for (int direction : {0, 1}) {
      const std::vector<const PlayerRecord*> want = reference::InsertionOrder(option, direction);
      const SlinkList got = SortMain(number, nullptr, direction);
      std::size_t at = 0;
      const Slink* node = got.get();
      for (; node != nullptr && at < want.size(); node = node->next, ++at) {
        if (node->record != want[at]) break;
      }
      if (node != nullptr || at != want.size()) {
        std::printf("%s %s: differs at position %zu\n", option.keyword,
                    direction == 0 ? "decending" : "accending", at);
        ++failures;
      }
    }
  }
  std::printf("%d members, 70 orders checked, %d differ\n", EntryCount(), failures);
  ReleaseAll();
  std::fclose(quiet);
  return failures == 0 ? 0 : 1;
}
