// Reading the game's stat tables: the rows, the import and the update.
#include "files/stat_table.h"

#include <cstdint>
#include <vector>

#include "base/large_memory.h"
#include "files/fields.h"
#include "text/characters.h"
#include "text/format.h"
#include "text/numbers.h"
#include "text/web_table.h"

namespace korvelin {

// ---------------------------------------------------------------------------
// Names
// ---------------------------------------------------------------------------

namespace {

bool IsBlank(long code) {
  return code == ' ' || code == '\t' || code == '\n' || code == '\r' || IsUnicodeSpace(code);
}

// Builds a row's name out of its characters: the blanks before the first
// other character are dropped and so, by Finish, are those after the last;
// any other blank is a space; the first kNameLength characters are kept,
// the rest dropped.
class NameBuilder {
 public:
  explicit NameBuilder(std::string& name) : name_(name) { name_.clear(); }
  // Adds a printable ASCII character other than a space: the usual one.
  void AddPlain(char c) {
    if (characters_ < kNameLength) name_ += c;
    ++characters_;
  }
  void Add(long code, std::string_view bytes) {
    if (IsBlank(code)) {
      if (characters_ == 0) return;
      bytes = " ";
    }
    if (characters_ < kNameLength) name_.append(bytes);
    ++characters_;
  }
  // Adds each character of `text`.
  void Add(std::string_view text) {
    for (std::size_t at = 0; at < text.size();) {
      const Character c = DecodeCharacter(text.substr(at));
      Add(static_cast<long>(c.code), text.substr(at, c.length));
      at += c.length;
    }
  }
  bool empty() const { return characters_ == 0; }
  void Finish() {
    while (!name_.empty() && name_.back() == ' ') name_.pop_back();
  }

 private:
  std::string& name_;
  std::size_t characters_ = 0;  // added, blanks at the start aside
};

// ---------------------------------------------------------------------------
// Rows without a header row
// ---------------------------------------------------------------------------

// How a row's name ended.
enum class NameEnd {
  kId,     // at a "(" directly followed by a digit: the ID comes next
  kBlank,  // at the line end, after nothing but spaces
  kNoId,   // at the line end or the end of the stream, without an ID
};

// Reads a row's name: the characters up to the first "(" directly followed
// by a digit, which is consumed (the digit is not).  Any character but a
// blank, control characters included, is part of the name.  A line that
// ends (at LF or a lone CR; the stream folds CR LF) or a stream that ends
// before such a "(" holds no row.  `tabbed` tells whether a tab came.
NameEnd ReadRowName(TextStream& in, NameBuilder& name, bool& tabbed) {
  for (;;) {
    const StreamChar c = in.GetChar();
    if (c.code > ' ' && c.code < 0x7F && c.code != '(') {
      name.AddPlain(c.bytes[0]);
      continue;
    }
    if (c.code == kEnd || c.code == '\n' || c.code == '\r') {
      return name.empty() ? NameEnd::kBlank : NameEnd::kNoId;
    }
    if (c.code == '(' && IsDigit(in.Peek())) return NameEnd::kId;
    if (c.code == '\t') tabbed = true;
    name.Add(c.code, c.Bytes());
  }
}

// After an ID: how many bytes come up to another "(" directly followed by
// a digit, that "(" included, when it comes before any other digit of the
// row's line (the ID read is then part of the name); 0 when none.  Nothing
// is consumed.
std::size_t LaterId(TextStream& in) {
  if (const std::optional<std::string_view> ahead = in.Ahead()) {
    for (std::size_t at = 0; at < ahead->size();) {
      const unsigned char byte = static_cast<unsigned char>((*ahead)[at]);
      if (byte > ' ' && byte < 0x7F && byte != '(' && !IsDigit(byte)) {
        ++at;  // the usual character: ")" or a letter
        continue;
      }
      Character c{byte, 1};
      if (byte >= 0x80) c = DecodeCharacter(ahead->substr(at));
      const long code = static_cast<long>(c.code);
      if (code == '(' && at + 1 < ahead->size() && IsDigit((*ahead)[at + 1])) return at + 1;
      if (IsDigit(static_cast<int>(code)) || (IsControl(code) && code != '\t')) return 0;
      at += c.length;
    }
    return 0;
  }
  // Bytes put back, or a stream read block by block: a character at a time.
  std::string look;
  std::size_t later = 0;
  for (;;) {
    const StreamChar c = in.GetChar();
    if (c.code == '(' && IsDigit(in.Peek())) {
      look += '(';
      later = look.size();
      break;
    }
    if (c.code == kEnd || IsDigit(static_cast<int>(c.code)) ||
        (IsControl(c.code) && c.code != '\t')) {
      in.Unget(c);
      break;
    }
    look.append(c.Bytes());
  }
  in.Unget(look);
  return later;
}

// Reads a cell of a tabbed row into `cell` (its first kCellBytes): up to a
// tab, which is consumed (true), or any other control character, which is
// consumed too, or the end (false: the row ends with it).
bool ReadRowCell(TextStream& in, std::string& cell) {
  cell.clear();
  for (;;) {
    const StreamChar c = in.GetChar();
    if (c.code == '\t') return true;
    if (c.code == kEnd || IsControl(c.code)) return false;
    if (cell.size() < kCellBytes) cell.append(c.Bytes());
  }
}

constexpr int kRowFields = 5;  // the values a row without a header row holds

// Reads a row's values after its ID.  Until a tab they are numbers
// separated by anything but digits, each only from the row's own line: a
// skip that meets the line end (or any control character but a tab) has
// consumed it, and the row ends there.  From a tab on, each cell is one.
void ReadRowValues(TextStream& in, TableRow& row, bool tabbed) {
  Member& r = row.member;
  int* const fields[kRowFields] = {&r.level, &r.oldspeed, &r.oldpower, &r.oldstren, &r.oldhealth};
  int value = 0;
  for (; value < kRowFields; ++value) {
    const Skip skip = SkipToTableNumber(in);
    if (skip == Skip::kAtLineEnd) return;
    if (skip == Skip::kAtTab) break;
    ReadTableInt(in, *fields[value]);
    row.carried |= 1u << value;
  }
  if (value == kRowFields) {
    // What follows the health value on the line is ignored; numbers there
    // are counted when the row has no tab.
    bool numbers = false;
    StreamChar c;
    while ((c = in.GetChar()).code != kEnd && (!IsControl(c.code) || c.code == '\t')) {
      if (c.code == '\t') tabbed = true;
      numbers = numbers || IsDigit(static_cast<int>(c.code));
    }
    row.more_numbers = numbers && !tabbed;
    return;
  }
  std::string cell;
  for (; value < kRowFields; ++value) {
    const bool more = ReadRowCell(in, cell);
    if (ParseCellInt(cell, *fields[value])) row.carried |= 1u << value;
    if (!more) return;
  }
  // The cells after the health are other columns.
  while (ReadRowCell(in, cell)) {
  }
}

// What one try at a row came to.
enum class RowRead { kRow, kBlank, kNoId, kIdZero, kEnd };

// Reads one line, or a row, by ReadTableRow's rules.  `line` is where the
// line began.
RowRead ReadOneRow(TextStream& in, TableRow& row, TextStream::Place& line) {
  // A row starts after any control characters.
  StreamChar c;
  line = in.Here();
  while ((c = in.GetChar()).code != kEnd && IsControl(c.code)) {
    if (c.code == '\n' || c.code == '\r') line = in.Here();
  }
  if (c.code == kEnd) return RowRead::kEnd;
  in.Unget(c);
  NameBuilder name(row.name);
  bool tabbed = false;
  const NameEnd end = ReadRowName(in, name, tabbed);
  if (end != NameEnd::kId) return end == NameEnd::kBlank ? RowRead::kBlank : RowRead::kNoId;
  Member& r = row.member;
  r = Member();
  row.carried = 0;
  row.wanted = kRowValues;
  row.more_numbers = false;
  // The ID, and an ID before it that turns out to be part of the name.
  for (;;) {
    const TextStream::Place at_id = in.Here();
    ReadTableInt(in, r.id);
    const std::size_t later = LaterId(in);
    if (later == 0) break;
    // "(", the ID as written and what follows it up to the later "(".
    const std::string_view id = in.Since(at_id);
    std::string text = "(" + (id.empty() ? std::to_string(r.id) : std::string(id));
    for (std::size_t i = 1; i < later; ++i) text += static_cast<char>(in.Get());
    in.Get();
    tabbed = tabbed || text.find('\t') != std::string::npos;
    name.Add(text);
  }
  name.Finish();
  ReadRowValues(in, row, tabbed);
  return r.id == 0 ? RowRead::kIdZero : RowRead::kRow;
}

// Gives a row the values tables leave out: a row with a stat has both
// snapshots equal and, unless its table gave them, intelligence 1000 and
// begging skill 2.0.
void CompleteRow(TableRow& row) {
  Member& r = row.member;
  if (!row.HasStat()) return;
  r.newspeed = r.oldspeed;
  r.newpower = r.oldpower;
  r.newstren = r.oldstren;
  r.newhealth = r.oldhealth;
  if (!row.Carries(TableValue::kIntel)) r.oldintel = 1000;
  if (!row.Carries(TableValue::kBeg)) r.oldbeg = 2.0;
  r.newintel = r.oldintel;
  r.newbeg = r.oldbeg;
}

}  // namespace

bool ReadTableRow(TextStream& in, TableRow& row, int& skipped) {
  TextStream::Place line;
  for (;;) {
    switch (ReadOneRow(in, row, line)) {
      case RowRead::kRow: CompleteRow(row); return true;
      case RowRead::kEnd: return false;
      case RowRead::kNoId:
      case RowRead::kIdZero: ++skipped; break;
      case RowRead::kBlank: break;
    }
  }
}

// ---------------------------------------------------------------------------
// Tables in any form
// ---------------------------------------------------------------------------

TableReader::TableReader(TextStream& in) : in_(&in) {
  if (in.FirstAfterSpace() != '<') return;
  std::string page = in.TakeRest();
  WebTablesToText(page);
  page_.emplace(TextStream::Memory(std::move(page)));
  in_ = &*page_;
}

bool TableReader::Next(TableRow& row, int& skipped) {
  TextStream::Place line;
  for (;;) {
    if (columns_.separator != 0) return NextByColumns(row, skipped);
    switch (ReadOneRow(*in_, row, line)) {
      case RowRead::kRow: CompleteRow(row); return true;
      case RowRead::kEnd: return false;
      case RowRead::kNoId:
        if (!TakeHeader(in_->Since(line))) ++skipped;
        break;
      case RowRead::kIdZero: ++skipped; break;
      case RowRead::kBlank: break;
    }
  }
}

// Whether `line` (a line without an ID) is a header row, whose columns then
// read the rows below it.  Its cells are separated by tabs, commas or
// semicolons, tried in that order; its first kHeaderBytes are looked at.
bool TableReader::TakeHeader(std::string_view line) {
  constexpr std::size_t kHeaderBytes = 1 << 16;  // enough for any header row, as one for a name
  line = line.substr(0, kHeaderBytes);
  for (const char separator : {'\t', ',', ';'}) {
    if (line.find(separator) == std::string_view::npos) continue;
    TextStream header = TextStream::Memory(std::string(line));
    ReadRecord(header, separator, cells_, count_);
    if (ReadHeadings(cells_, count_, separator, columns_)) return true;
  }
  return false;
}

std::string_view TableReader::Cell(int column) const {
  if (column < 0 || static_cast<std::size_t>(column) >= count_) return std::string_view();
  return cells_[static_cast<std::size_t>(column)];
}

namespace {

// The ID of an ID cell: the number after its last "(" directly followed by
// a digit, else its first number; `before` is what comes before that "(".
bool CellId(std::string_view cell, int& id, std::string_view& before) {
  before = std::string_view();
  for (std::size_t at = cell.size(); at-- > 1;) {
    if (cell[at - 1] == '(' && IsDigit(static_cast<unsigned char>(cell[at]))) {
      before = cell.substr(0, at - 1);
      return ParseCellInt(cell.substr(at), id);
    }
  }
  return ParseCellInt(cell, id);
}

// Whether nothing but blanks and control characters is in the cells.
bool AllBlank(const std::vector<std::string>& cells, std::size_t count) {
  for (std::size_t i = 0; i < count; ++i) {
    for (std::size_t at = 0; at < cells[i].size();) {
      const Character c = DecodeCharacter(std::string_view(cells[i]).substr(at));
      if (!IsBlank(static_cast<long>(c.code)) && !IsControl(static_cast<long>(c.code))) {
        return false;
      }
      at += c.length;
    }
  }
  return true;
}

// A spreadsheet runs a cell beginning with one of these as a formula; the
// exports write such a name after an apostrophe.
bool AfterFormulaApostrophe(std::string_view cell) {
  return cell.size() > 1 && cell[0] == '\'' &&
         std::string_view("=+-@\t\r").find(cell[1]) != std::string_view::npos;
}

}  // namespace

bool TableReader::NextByColumns(TableRow& row, int& skipped) {
  Member& r = row.member;
  std::string_view before;
  for (;;) {
    if (!ReadRecord(*in_, columns_.separator, cells_, count_)) return false;
    if (!CellId(Cell(columns_.id), r.id, before)) {
      // A header row of a table after the first (an export's), or a line
      // without an ID.
      if (!ReadHeadings(cells_, count_, columns_.separator, columns_) &&
          !AllBlank(cells_, count_)) {
        ++skipped;
      }
      continue;
    }
    if (r.id != 0) break;
    ++skipped;
  }
  const int id = r.id;
  r = Member();
  r.id = id;
  NameBuilder name(row.name);
  // Without a name column, the ID cell may be the game's "Name (ID)", or
  // else the first column no heading names is taken for the name.
  if (columns_.name == TableColumns::kNoCell) name.Add(before);
  if (name.empty()) {
    std::string_view cell =
        Cell(columns_.name != TableColumns::kNoCell ? columns_.name : columns_.unnamed);
    if (AfterFormulaApostrophe(cell)) cell.remove_prefix(1);
    name.Add(cell);
  }
  name.Finish();
  row.carried = 0;
  row.wanted = kRowValues;
  row.more_numbers = false;
  // Each value where a row without a header row puts it: the level, and
  // the stats in the old snapshot's fields, which CompleteRow copies.
  int* const fields[] = {&r.level,     &r.oldspeed, &r.oldpower, &r.oldstren,
                         &r.oldhealth, &r.oldintel, nullptr};
  const auto read = [&](int column, std::size_t value) {
    const std::string_view cell = Cell(column);
    return fields[value] != nullptr ? ParseCellInt(cell, *fields[value])
                                    : ParseCellReal(cell, r.oldbeg);
  };
  for (std::size_t v = 0; v < kTableValues; ++v) {
    if (columns_.value[v] == TableColumns::kNoCell) continue;
    row.wanted |= 1u << v;
    if (read(columns_.value[v], v)) row.carried |= 1u << v;
  }
  CompleteRow(row);
  // A stat's old-snapshot column, when its new one is there too, gives the
  // old value alone.
  for (std::size_t v = 0; v < kTableValues; ++v) {
    if (columns_.old_value[v] != TableColumns::kNoCell && (row.carried & (1u << v)) != 0) {
      read(columns_.old_value[v], v);
    }
  }
  return true;
}

void EchoTableRow(TableRow& row, TextSink& echo) {
  // Each value as read; a full row ends in a dot for each of the seven
  // values set.
  static const Format kEcho("%-30.30s : %6d");
  // A full row, the commonest by far, in one go.
  static const Format kFullEcho(
      "%-30.30s : %6d : %3d : %5d : %5d : %5d : %6d . . . . . . .   .done\n");
  static const Format kValueEcho[] = {Format(" : %3d"), Format(" : %5d"), Format(" : %5d"),
                                      Format(" : %5d"), Format(" : %6d")};
  static const char* const kBlankEcho[] = {" :    ", " :      ", " :      ", " :      ",
                                           " :       "};
  const Member& r = row.member;
  row.echo.clear();
  if (row.complete()) {
    kFullEcho.AppendTo(row.echo,
                       {row.name, r.id, r.level, r.oldspeed, r.oldpower, r.oldstren, r.oldhealth});
    echo.Write(row.echo);
    return;
  }
  kEcho.AppendTo(row.echo, {row.name, r.id});
  // Up to the last value carried (the level at least, 0 when missing);
  // one missing before a value carried is blank.
  const int values[] = {r.level, r.oldspeed, r.oldpower, r.oldstren, r.oldhealth};
  int last = 0;
  for (int v = 1; v < kRowFields; ++v) {
    if ((row.carried & (1u << v)) != 0) last = v;
  }
  for (int v = 0; v <= last; ++v) {
    if (last > 0 && (row.carried & (1u << v)) == 0) {
      row.echo += kBlankEcho[v];
    } else {
      kValueEcho[v].AppendTo(row.echo, {values[v]});
    }
  }
  if (row.HasStat()) row.echo += "   [MISSING STATS]";
  row.echo += '\n';
  echo.Write(row.echo);
}

// ---------------------------------------------------------------------------
// The rows taken: LOAD and UPDATE
// ---------------------------------------------------------------------------

namespace {

// Where the member with an ID is: in the roster, or among the members this
// update adds.
struct Place {
  bool added;
  std::uint32_t index;
};

// An open-addressing table keyed by member ID: linear probing from a slot
// picked by the high bits of a multiplicative hash (so that IDs close
// together land apart), doubled when half full.  A `Slot` holds an `id`
// and says whether it is used.
template <typename Slot>
class IdSlots {
 public:
  explicit IdSlots(std::size_t capacity) { Resize(capacity); }
  // The slot holding `id`, or the free one where it would go.
  Slot& operator[](int id) { return slots_[Find(id)]; }
  const Slot& operator[](int id) const { return slots_[Find(id)]; }
  // Hints that `id` will be looked up soon.
  void Prefetch(int id) const { __builtin_prefetch(&slots_[Home(id)]); }
  // Counts a slot just filled; the table grows when half of it is used,
  // which moves every slot.
  void Filled() {
    if (++count_ * 2 > slots_.size()) Grow();
  }

 private:
  std::size_t Home(int id) const {
    return static_cast<std::size_t>(
        (static_cast<std::uint64_t>(static_cast<std::uint32_t>(id)) * 0x9E3779B97F4A7C15u) >>
        shift_);
  }
  std::size_t Find(int id) const {
    const std::size_t mask = slots_.size() - 1;
    std::size_t i = Home(id);
    while (slots_[i].used() && slots_[i].id != id) i = (i + 1) & mask;
    return i;
  }
  void Resize(std::size_t capacity) {
    slots_.assign(capacity, Slot());
    shift_ = 64;
    for (std::size_t c = capacity; c > 1; c /= 2) --shift_;
  }
  void Grow() {
    LargeVector<Slot> old;
    old.swap(slots_);
    Resize(old.size() * 2);
    for (const Slot& slot : old) {
      if (slot.used()) slots_[Find(slot.id)] = slot;
    }
  }
  LargeVector<Slot> slots_;  // a power of two of them
  int shift_ = 64;           // 64 less the bits of a slot number
  std::size_t count_ = 0;
};

// The first member in roster order with each ID, as a walk from the front
// would find it: one probe in the usual case.
class FirstWithId {
 public:
  // Room for `members` and for a table's new members as many again as a
  // quarter of them without growing.
  explicit FirstWithId(std::size_t members) : slots_(Capacity(members)) {}
  // False when no member has the ID.
  bool Find(int id, Place& place) const {
    const Slot& slot = slots_[id];
    if (!slot.used()) return false;
    place = {(slot.place - 1) % 2 != 0, (slot.place - 1) / 2};
    return true;
  }
  // Hints that `id` will be looked up soon.
  void Prefetch(int id) const { slots_.Prefetch(id); }
  // Records `place` for `id` unless an earlier member already has the ID
  // (false then).
  bool Add(int id, Place place) {
    Slot& slot = slots_[id];
    if (slot.used()) return false;
    slot = {id, place.index * 2 + (place.added ? 1u : 0u) + 1};
    slots_.Filled();
    return true;
  }

 private:
  // Eight bytes, so that a million members' table stays small: the place
  // as index * 2 + added + 1, 0 for a free slot.
  struct Slot {
    std::int32_t id = 0;
    std::uint32_t place = 0;
    bool used() const { return place != 0; }
  };
  static std::size_t Capacity(std::size_t members) {
    std::size_t capacity = 16;
    while (capacity < 2 * (members + members / 4)) capacity *= 2;
    return capacity;
  }
  IdSlots<Slot> slots_;
};

// Reads every row of a table and hands it to `taker`, in file order, which
// takes it or, when an earlier row had its ID, refuses it; a row taken is
// echoed.  Every row a table yields passes through the taker's Take.
//
// Rows are read a few ahead of the one handed over, and the memory its
// taker will touch is fetched meanwhile (Prefetch as a row is read,
// PrefetchMore a few rows later): a large table names members all over the
// roster.  The rows read ahead wait in a ring of kAhead + 1 rows, reused.
template <class Taker>
void ReadRows(TableReader& table, TextSink& echo, Taker& taker, StopRequest& stop,
              TableReport& report) {
  constexpr std::size_t kAhead = 16;
  std::vector<TableRow> ring(kAhead + 1);
  std::size_t first = 0, waiting = 0;
  for (;;) {
    if (stop.Requested()) {
      report.interrupted = true;
      return;
    }
    TableRow& row = ring[(first + waiting) % ring.size()];
    if (table.Next(row, report.skipped)) {
      taker.Prefetch(row.member.id);
      ++waiting;
      if (waiting > kAhead / 2) {
        taker.PrefetchMore(ring[(first + waiting - kAhead / 2 - 1) % ring.size()].member.id);
      }
      if (waiting <= kAhead) continue;
    }
    if (waiting == 0) break;
    TableRow& next = ring[first];
    if (taker.Take(next)) {
      ++report.rows;
      if (!next.complete()) ++report.incomplete;
      if (next.more_numbers) ++report.more_numbers;
      EchoTableRow(next, echo);
    } else {
      ++report.repeated;
    }
    first = (first + 1) % ring.size();
    --waiting;
  }
}

// The IDs of a table's rows, which are never 0: the IDs themselves, 0
// marking a free slot, four bytes a slot.
class IdSet {
 public:
  IdSet() : slots_(std::size_t{1} << 12) {}
  // Hints that `id` will be looked up soon.
  void Prefetch(int id) const { slots_.Prefetch(id); }
  // Adds `id`; false when the set holds it already.
  bool Insert(int id) {
    Slot& slot = slots_[id];
    if (slot.used()) return false;
    slot.id = id;
    slots_.Filled();
    return true;
  }

 private:
  struct Slot {
    int id = 0;
    bool used() const { return id != 0; }
  };
  IdSlots<Slot> slots_;
};

// LOAD's taker: each ID's first row joins the roster at the end (and the
// snapshot, when there is one).
class RosterImport {
 public:
  RosterImport(Roster& roster, Snapshot* snapshot) : roster_(roster), snapshot_(snapshot) {}
  void Prefetch(int id) const { taken_.Prefetch(id); }
  void PrefetchMore(int) const {}
  bool Take(const TableRow& row) {
    if (!taken_.Insert(row.member.id)) return false;
    roster_.Append(row.member, row.name);
    if (snapshot_ != nullptr) snapshot_->Add(row.member, row.name);
    return true;
  }

 private:
  Roster& roster_;
  Snapshot* snapshot_;
  IdSet taken_;  // the IDs taken
};

// UPDATE's taker: applies rows to a roster; members of new IDs are gathered
// apart and put in front once every row is read, as if each had gone in
// front in turn.  Each member taken goes to the snapshot, when there is one,
// as its row left it.
class RosterUpdate {
 public:
  RosterUpdate(Roster& roster, Snapshot* snapshot)
      : roster_(roster),
        snapshot_(snapshot),
        index_(roster.size()),
        carried_(roster.size(), false) {
    constexpr std::size_t kAhead = 16;
    for (std::size_t i = 0; i < roster.size(); ++i) {
      if (i + kAhead < roster.size()) index_.Prefetch(roster[i + kAhead].id);
      if (!index_.Add(roster[i].id, {false, static_cast<std::uint32_t>(i)})) twins_.push_back(i);
    }
  }

  // Hints that the row of `id` will be applied soon: its slot now, its
  // member once the slot has arrived.
  void Prefetch(int id) const { index_.Prefetch(id); }
  void PrefetchMore(int id) const {
    Place place;
    if (index_.Find(id, place) && !place.added) __builtin_prefetch(&roster_[place.index], 1);
  }

  bool Take(const TableRow& row) {
    Place place;
    if (!index_.Find(row.member.id, place)) {
      added_.Append(row.member, row.name);
      index_.Add(row.member.id, {true, static_cast<std::uint32_t>(added_.size() - 1)});
      if (snapshot_ != nullptr) snapshot_->Add(row.member, row.name);
      return true;
    }
    // A member this update added, or one a row has already updated, had
    // its row earlier in the table.
    if (place.added || carried_[place.index]) return false;
    carried_[place.index] = true;
    Member& member = roster_[place.index];
    roster_.Rename(member, row.name);
    if (row.Carries(TableValue::kLevel)) member.level = row.member.level;
    // A stat the row lacks keeps its value.
    int Member::*const stats[] = {&Member::newspeed, &Member::newpower, &Member::newstren,
                                  &Member::newhealth, &Member::newintel};
    for (std::size_t v = 1; v < kTableValues - 1; ++v) {
      if ((row.carried & (1u << v)) != 0) member.*stats[v - 1] = row.member.*stats[v - 1];
    }
    if (row.Carries(TableValue::kBeg)) member.newbeg = row.member.newbeg;
    if (snapshot_ != nullptr) snapshot_->Add(member, row.name);
    return true;
  }

  // Puts the new members in front; `absent` receives where the members
  // whose ID no row carried then stand.
  void Finish(std::vector<std::size_t>& absent) {
    // A member that shares its ID with an earlier one was carried when
    // that one was.
    for (std::size_t twin : twins_) {
      Place first{false, 0};
      index_.Find(roster_[twin].id, first);
      carried_[twin] = carried_[first.index];
    }
    for (std::size_t i = 0; i < roster_.size(); ++i) {
      if (!carried_[i]) absent.push_back(added_.size() + i);
    }
    roster_.InsertAllFront(added_);
  }

 private:
  Roster& roster_;
  Snapshot* snapshot_;
  Roster added_;  // the members of new IDs, in file order
  FirstWithId index_;
  std::vector<bool> carried_;       // by roster position: a row had the member's ID
  std::vector<std::size_t> twins_;  // members whose ID an earlier member has
};

}  // namespace

TableReport ImportStatTable(TextStream& in, Roster& roster, TextSink& echo, StopRequest& stop,
                            Snapshot* snapshot) {
  roster.Clear();
  TableReader table(in);
  // Room for a member on every line, and for names as long as the file,
  // made at once: growing by steps would copy a large roster again and
  // again (room never used takes no memory).
  const std::size_t lines = table.text().LinesAhead();
  const std::size_t bytes = table.text().BytesAhead();
  roster.Reserve(lines, bytes);
  if (snapshot != nullptr) snapshot->points.Reserve(lines, bytes);
  RosterImport import(roster, snapshot);
  TableReport report;
  ReadRows(table, echo, import, stop, report);
  return report;
}

UpdateReport UpdateFromStatTable(TextStream& in, Roster& roster, TextSink& echo, StopRequest& stop,
                                 Snapshot* snapshot) {
  RosterUpdate update(roster, snapshot);
  TableReader table(in);
  if (snapshot != nullptr) {
    snapshot->points.Reserve(table.text().LinesAhead(), table.text().BytesAhead());
  }
  UpdateReport report;
  ReadRows(table, echo, update, stop, report);
  if (report.rows > 0 && !report.interrupted) update.Finish(report.absent);
  return report;
}

}  // namespace korvelin
