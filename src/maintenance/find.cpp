// FIND: the members whose name contains a typed part, so that a member can be
// reached by name as well as by ID.
#include <cstring>

#include "console/console.h"
#include "maintenance/maintenance.h"
#include "text/format.h"

namespace {

char Fold(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

// Whether `name` contains `part`, A-Z and a-z alike, every other byte as it is.
bool Contains(const char* name, const char* part) {
  const std::size_t name_length = std::strlen(name);
  const std::size_t part_length = std::strlen(part);
  for (std::size_t at = 0; at + part_length <= name_length; ++at) {
    std::size_t same = 0;
    while (same < part_length && Fold(name[at + same]) == Fold(part[same])) ++same;
    if (same == part_length) return true;
  }
  return false;
}

}  // namespace

void Find() {
  Print("\n   [NAME OR PART OF A NAME? '\\' TO CANCEL]\n   [KORVELIN-FIND]\n >>> ");
  char part[sizeof PlayerRecord::name] = {};
  if (!ReadName(part) || part[0] == '\\') return;
  static const Format kRow("| %-29.29s : %6d :  %3d  :|\n");
  std::string rows;
  int found = 0;
  for (const PlayerRecord* m = Start->next; m != nullptr; m = m->next) {
    if (!Contains(m->name, part)) continue;
    if (found++ == 0) rows = "| Name                          : ID_NUM : Level :|\n";
    kRow.AppendTo(rows, {m->name, m->id, m->level});
  }
  if (found == 0) {
    PrintLine("   [NO MEMBER FOUND]");
    return;
  }
  Print(rows);
  Printf("   [%d FOUND]\n", found);
}
