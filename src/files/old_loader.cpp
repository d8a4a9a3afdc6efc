// Reading a save file back (the layout is described in save.cpp).
#include "console/console.h"
#include "files/files.h"
#include "roster/options.h"
#include "text/format.h"

namespace {

// Discards characters up to and including the next control character.
void SkipLine(TextStream& in) {
  StreamChar c;
  while ((c = in.GetChar()).code != kEnd && !IsControl(c.code)) {
  }
}

// The next number of the row, keeping a minus sign written before it so
// that negative values come back as they were saved.
void NextInt(TextStream& in, int& field) {
  findnum_signed(in);
  ReadFileInt(in, field);
}

void NextReal(TextStream& in, double& field) {
  findreal_signed(in);
  ReadFileReal(in, field);
}

const Format kEcho(
    "|%-29.29s : %6.0d : %3.0d : %6.0d : %6.0d : %6.0d : %6.0d : %4.0d  : %6.2f : %6.0d : %6.0d : "
    "%6.0d : %6.0d :  %4.0d : %6.2f |\n");

void EchoRow(const PlayerRecord& r) {
  Print(kEcho({r.name, r.id, r.level, r.oldspeed, r.oldpower, r.oldstren, r.oldhealth, r.oldintel,
               r.oldbeg, r.newspeed, r.newpower, r.newstren, r.newhealth, r.newintel, r.newbeg}));
}

}  // namespace

void OldLoader(TextStream& in) {
  EmptyRoster();
  // The line end after the header, the titles, the rule and the empty line.
  for (int i = 0; i < 4; ++i) SkipLine(in);

  PlayerRecord* tail = Start.get();
  for (;;) {
    const int c = in.Get();
    // A damaged file that ends among the rows keeps the settings as they were.
    if (c == kEnd) return;
    if (c == '}') break;
    std::unique_ptr<PlayerRecord> r = MakeRecord();
    // The name is read as its 29 columns, padding included: 29 characters,
    // whatever bytes each takes.
    std::size_t bytes = 0;
    for (std::size_t i = 0; i < kNameLength; ++i) {
      const StreamChar ch = in.GetChar();
      if (ch.code == kEnd) break;
      ch.Bytes().copy(r->name + bytes, ch.length);
      bytes += ch.length;
    }
    NextInt(in, r->id);
    NextInt(in, r->level);
    NextInt(in, r->oldspeed);
    NextInt(in, r->oldpower);
    NextInt(in, r->oldstren);
    NextInt(in, r->oldhealth);
    NextInt(in, r->oldintel);
    NextReal(in, r->oldbeg);
    NextInt(in, r->newspeed);
    NextInt(in, r->newpower);
    NextInt(in, r->newstren);
    NextInt(in, r->newhealth);
    NextInt(in, r->newintel);
    NextReal(in, r->newbeg);
    for (int i = 0; i < 3; ++i) in.Get();  // " |" and the line end
    EchoRow(*r);
    tail = Append(tail, std::move(r));
  }
  in.Get();  // the line end after "}"
  OptionLoad(in);

  // The settings line: the first skip stops at the line end that opens it.
  if (findreal_signed(in) == 1) findreal_signed(in);
  ReadFileReal(in, HealthWeight());
  NextReal(in, SpeedWeight());
  NextReal(in, PowerWeight());
  NextReal(in, StrengthWeight());
  NextInt(in, ListSortOption());
  NextInt(in, ListSortDirection());
}

void OptionLoad(TextStream& in) {
  displayoptions = MakeRecord();
  for (int number = 1; number <= kOptionCount; ++number) {
    findnum(in);
    int flag = 1;  // a flag that cannot be read leaves its column hidden
    ReadFileInt(in, flag);
    if (flag == 0) OptionSelect(*displayoptions, OptionByNumber(number), true);
  }
}
