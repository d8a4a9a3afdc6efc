// UPDATE: new stats from a later stat table.
#include <cstring>
#include <unordered_map>

#include "files/files.h"
#include "shell/shell.h"

void Updatemain() {
  Print("   [FILE TO UPDATE FROM? '\\' TO CANCEL]\n   [KORVELIN-UPDATE]\n >>> ");
  std::string name;
  if (!ReadWord(name, kWordLength) || name[0] == '\\') return;
  FilePtr file = OpenForReading(name);
  if (!file) {
    PrintLine("   [ERROR OPENING FILE.  UPDATE ABORTED]");
    return;
  }
  TextStream in = TextStream::File(std::move(file));
  Updater(in);
}

void Updater(TextStream& in) {
  PrintLine("   [LOADING]");
  // Each ID leads to the first member in roster order that carries it, as a
  // walk from the front would find it.  A member this update adds is the only
  // one with its ID, and it goes in front of all others.
  std::unordered_map<int, PlayerRecord*> first_with_id;
  first_with_id.reserve(static_cast<std::size_t>(EntryCount()) * 2);
  for (PlayerRecord* r = Start->next; r != nullptr; r = r->next) first_with_id.emplace(r->id, r);

  for (;;) {
    std::unique_ptr<PlayerRecord> row = MakeRecord();
    if (!ReadTableRow(in, *row)) break;
    const auto found = first_with_id.find(row->id);
    if (found == first_with_id.end()) {
      const int id = row->id;
      first_with_id.emplace(id, InsertFront(std::move(row)));
      continue;
    }
    PlayerRecord* member = found->second;
    // The old snapshot, intelligence and beg stay: gains are measured
    // against them.
    std::memcpy(member->name, row->name, sizeof member->name);
    member->level = row->level;
    member->newspeed = row->newspeed;
    member->newpower = row->newpower;
    member->newstren = row->newstren;
    member->newhealth = row->newhealth;
  }
}
