// UPDATE: new stats from a later stat table.
#include <cstring>

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
  for (;;) {
    std::unique_ptr<PlayerRecord> row = MakeRecord();
    if (!ReadTableRow(in, *row)) break;
    PlayerRecord* member = Search(row->id);
    if (member == nullptr) {
      InsertFront(std::move(row));
      continue;
    }
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
