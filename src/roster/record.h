// The roster database: the player record, the sentinel that heads the roster
// and carries the list settings, the option masks, the 35 list options, the
// derived stats and the character stream that every reader of the program
// (console and files) consumes.
#pragma once

#include <cstdint>
#include <cstdio>
#include <initializer_list>
#include <memory>
#include <string>
#include <vector>

// ---------------------------------------------------------------------------
// Records
// ---------------------------------------------------------------------------

// One gang member, and also the layout of the sentinel and of an option mask.
// Always created zero-filled (PlayerRecord{} / MakeRecord()).  The derived
// integers are 64-bit so that totals and gains of large stats never wrap.
struct PlayerRecord {
  char name[30];           // up to 29 bytes (codes 0-255) and a terminating 0
  int id;                  // game ID; the key of every lookup
  int level;
  std::int64_t oldtotal;   // derived: oldspeed + oldpower + oldstren
  int oldspeed;            // old snapshot ...
  int oldpower;
  int oldstren;
  int oldhealth;
  int oldintel;
  double oldbeg;           // ... begging skill, fractional
  std::int64_t newtotal;   // derived: newspeed + newpower + newstren
  int newspeed;            // new snapshot ...
  int newpower;
  int newstren;
  int newhealth;
  int newintel;
  double newbeg;
  PlayerRecord* next;      // next member in roster order; null for the last
  PlayerRecord* prev;      // previous member; the sentinel for the first
  std::int64_t totalgain;  // derived gains ...
  std::int64_t speedgain;
  std::int64_t powergain;
  std::int64_t strengain;
  std::int64_t healthgain;
  std::int64_t intelgain;
  double beggain;          // begging gain, counted 15 times
  double totalp;           // percentage gains ...
  double speedp;
  double powerp;
  double strenp;
  double healthp;
  double intelp;
  double begp;
  double wtotal;           // weighted fighting stats (new stats times weights)
  double wspeed;
  double wpower;
  double wstren;
  double whealth;

  // Records come from large blocks kept for reuse (see roster.cpp).
  static void* operator new(std::size_t size);
  static void operator delete(void* record);
};

// A node of a sort list: points at a member, never owns it.
struct Slink {
  PlayerRecord* record;
  Slink* next;
  Slink* prev;
};

// Releases every node of a sort list (records untouched); null does nothing.
// The list must come from NewSlinkList.
void Slink_Clear(Slink* first);

struct SlinkListDeleter {
  void operator()(Slink* first) const { Slink_Clear(first); }
};
// An owned sort list, known by its first node.
using SlinkList = std::unique_ptr<Slink, SlinkListDeleter>;

// A sort list of `count` nodes chained in order, their records not yet set;
// empty for 0.  The nodes are one block, so that a list of a million members
// costs one allocation.
SlinkList NewSlinkList(std::size_t count);

// A fresh zero-filled record.
std::unique_ptr<PlayerRecord> MakeRecord();

// Memory for large arrays (a million members' worth): on Linux, from 2 MiB
// on, backed by huge pages, so that reaching any element of it costs one
// memory access rather than a page-table walk as well.
void* AllocateLarge(std::size_t bytes);
void ReleaseLarge(void* memory, std::size_t bytes);

// An allocator for std::vector that takes its memory from AllocateLarge.
template <typename T>
struct LargeAllocator {
  using value_type = T;
  LargeAllocator() = default;
  template <typename U>
  LargeAllocator(const LargeAllocator<U>&) {}
  T* allocate(std::size_t n) { return static_cast<T*>(AllocateLarge(n * sizeof(T))); }
  void deallocate(T* p, std::size_t n) { ReleaseLarge(p, n * sizeof(T)); }
  template <typename U>
  bool operator==(const LargeAllocator<U>&) const { return true; }
  template <typename U>
  bool operator!=(const LargeAllocator<U>&) const { return false; }
};
template <typename T>
using LargeVector = std::vector<T, LargeAllocator<T>>;

// ---------------------------------------------------------------------------
// The sentinel, its settings and the option masks
// ---------------------------------------------------------------------------

// Heads the roster (Start->next is the first member).  Its id holds the entry
// count; a few spare fields hold the list settings (see the accessors below).
extern std::unique_ptr<PlayerRecord> Start;

// Option masks: a nonzero field (int 1, double 1.0) selects that column.
extern std::unique_ptr<PlayerRecord> displayoptions;  // custom LIST columns
extern std::unique_ptr<PlayerRecord> tempoptions;     // columns of the presets
extern std::unique_ptr<PlayerRecord> main_d_options;  // columns of DEFAULT

// The settings kept in the sentinel's spare fields.
inline int& EntryCount() { return Start->id; }
inline int& ListSortDirection() { return Start->oldspeed; }  // 1 up, 0 down
inline int& ListSortOption() { return Start->oldpower; }     // 1 to 35
inline double& SpeedWeight() { return Start->speedp; }
inline double& PowerWeight() { return Start->powerp; }
inline double& StrengthWeight() { return Start->strenp; }
inline double& HealthWeight() { return Start->healthp; }

// Allocates a new, empty sentinel (releasing any roster held before).
void CreateStart();
// Empties the roster and releases the sentinel and the three masks.
void ReleaseAll();

// ---------------------------------------------------------------------------
// Roster operations (every walk starts at Start->next)
// ---------------------------------------------------------------------------

// First member in roster order with this ID, or null.
PlayerRecord* Search(int id);
// Links a record in directly after the sentinel; the entry count grows by 1.
PlayerRecord* InsertFront(std::unique_ptr<PlayerRecord> record);
// Links a record after `tail` (the last member, or the sentinel of an empty
// roster); the entry count grows by 1.  Returns the record, the new tail.
PlayerRecord* Append(PlayerRecord* tail, std::unique_ptr<PlayerRecord> record);
// Unlinks a member, releases it and takes 1 from the entry count.
void Unlink(PlayerRecord* member);
// Releases every member; the entry count becomes 0.
void EmptyRoster();

// ---------------------------------------------------------------------------
// Derived stats
// ---------------------------------------------------------------------------

// Computes the 23 derived fields of `first` and of every record after it,
// with the weights held in the sentinel.  Records whose oldspeed is 0 are
// left as they are.  Null does nothing.
void ListCalc(PlayerRecord* first);

// ---------------------------------------------------------------------------
// The 35 list options
// ---------------------------------------------------------------------------

enum class OptionKind { kInt, kWide, kReal };  // int, 64-bit derived, double

// One sortable and displayable variable.  This table is the one description
// of the options: the sort engine, the table renderer, the column toggles,
// the sort keywords and the save-file flags all read it.
struct OptionInfo {
  int number;                              // 1-35: sort option and flag order
  const char* keyword;                     // lower-case field name
  OptionKind kind;
  int PlayerRecord::*int_field;            // set when kind is kInt
  std::int64_t PlayerRecord::*wide_field;  // set when kind is kWide
  double PlayerRecord::*real_field;        // set when kind is kReal
  const char* header;                      // printf format of the heading
  const char* cell;                        // printf format of a cell
  int position;                            // 1-35: column order in a table
};

constexpr int kOptionCount = 35;

// The option with this number (1-35); the number must be in range.
const OptionInfo& OptionByNumber(int number);
// The option whose keyword equals `word` exactly, or null.
const OptionInfo* OptionByKeyword(const std::string& word);
// The options in the order their columns are printed.
const std::vector<const OptionInfo*>& OptionsInDisplayOrder();

// Whether the mask's field selects the column (int nonzero, double != 0.0).
bool OptionSelected(const PlayerRecord& mask, const OptionInfo& option);
// Selects or clears the column in a mask (int 1/0, double 1.0/0.0).
void OptionSelect(PlayerRecord& mask, const OptionInfo& option, bool selected);
// The heading as printed ("%%" shown as "%").
std::string OptionHeader(const OptionInfo& option);
// The member's cell as printed.
std::string OptionCell(const OptionInfo& option, const PlayerRecord& member);
// The same, appended to a line.
void OptionAppendCell(std::string& line, const OptionInfo& option, const PlayerRecord& member);

// ---------------------------------------------------------------------------
// Formatted output
// ---------------------------------------------------------------------------

// A printf format built from the conversions this program prints with:
// %[-][width][.precision] followed by d, lld, f, lf or s, and %%.  It is read
// once and then rendered without the C library's parser, giving exactly what
// snprintf gives (a precision-0 integer conversion prints 0 as blanks only),
// except that a real that is not finite prints as "inf", "-inf" or "nan"
// right-aligned in its width, the same on every system.
class Format {
 public:
  // One value for a conversion, in order.
  struct Arg {
    Arg(int v) : kind('d'), integer(v) {}
    Arg(long v) : kind('d'), integer(v) {}
    Arg(long long v) : kind('d'), integer(v) {}
    Arg(double v) : kind('f'), real(v) {}
    Arg(const char* v) : kind('s'), text(v) {}
    char kind;
    long long integer = 0;
    double real = 0.0;
    const char* text = nullptr;
  };

  // Aborts on a conversion outside the set above: a format is a fixed text
  // of the program, so that is a mistake in the program.
  explicit Format(const char* format);

  // The text with `args` put in, one per conversion.
  std::string operator()(std::initializer_list<Arg> args) const;
  // The same, appended to `out`.
  void AppendTo(std::string& out, std::initializer_list<Arg> args) const;

 private:
  struct Piece {
    std::string literal;  // printed before the conversion
    char conversion = 0;  // 'd', 'f', 's', or 0 after the last conversion
    bool left = false;    // '-'
    int width = 0;
    int precision = -1;   // -1: none given
  };
  std::vector<Piece> pieces_;
};

// ---------------------------------------------------------------------------
// Character streams
// ---------------------------------------------------------------------------

struct FileCloser {
  void operator()(std::FILE* file) const { std::fclose(file); }
};
using FilePtr = std::unique_ptr<std::FILE, FileCloser>;

constexpr int kEnd = -1;  // returned at the end of a stream

// Control characters: codes 0-31 and 127-159 (line feed, carriage return and
// tab among them; the space is not one).
inline bool IsControl(int c) { return (c >= 0 && c <= 31) || (c >= 127 && c <= 159); }
inline bool IsDigit(int c) { return c >= '0' && c <= '9'; }
// White space as word and number reads skip it.
inline bool IsSpace(int c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

// A stream of characters (codes 0-255) with unlimited put-back.
// A file stream reads in large blocks and folds CR LF into one line feed, so
// files written on any system read alike.  A console stream fetches one line
// at a time and flushes the given output first, so that every prompt is on
// the screen before the program waits for the user.
class TextStream {
 public:
  static TextStream File(FilePtr file);
  static TextStream Console(std::FILE* input, std::FILE* flush_first);

  // The next character, or kEnd.
  int Get() {
    if (pushback_.empty() && pos_ < buffer_.size() && buffer_[pos_] != '\r') {
      return static_cast<unsigned char>(buffer_[pos_++]);
    }
    return GetSlow();
  }
  int Peek();           // the next character without consuming it
  void Unget(int c);    // puts a character back (kEnd is ignored)
  void Unget(const std::string& text);  // puts a whole run back
  bool Ended();         // no character is left

 private:
  TextStream(std::FILE* source, FilePtr owned, bool console, std::FILE* flush_first);
  int GetSlow();        // put-back characters, a CR, or a refill
  int Raw();            // next byte from the buffer, refilling it, or kEnd
  bool Refill();

  FilePtr owned_;
  std::FILE* source_;
  bool console_;
  std::FILE* flush_first_;
  std::string buffer_;
  std::size_t pos_ = 0;
  bool source_done_ = false;
  std::vector<unsigned char> pushback_;  // the top is read next
};

// Skips white space.
void SkipSpace(TextStream& in);
// Reads a word as a "%Ns" conversion would: white space skipped, then at most
// `limit` characters up to the next white space.  False at the end of the
// stream before a word.
bool ReadWord(TextStream& in, std::string& word, std::size_t limit);
// Consumes characters up to the next white space (which stays).
void SkipWordRest(TextStream& in);

// A number as read by a "%d" conversion.
struct IntToken {
  enum Status { kNone, kNumber, kOutOfRange } status;
  int value;         // the number; saturated to the int range when too large
  std::string text;  // every character consumed after the white space
};
IntToken LexInt(TextStream& in);

// A number as read by a "%lf" conversion, decimal forms only.
struct RealToken {
  enum Status { kNone, kNumber, kSpecial } status;  // kSpecial: inf, nan, hex
  double value;      // for kNumber: strtod's value, an infinity on overflow
  std::string text;  // every character consumed after the white space
};
RealToken LexReal(TextStream& in);

// Reads an integer from a file: a field that meets no number keeps its value;
// a number beyond the int range saturates.  False when no number was read.
bool ReadFileInt(TextStream& in, int& field);
// Reads a real from a file: no number leaves the field as it was.
bool ReadFileReal(TextStream& in, double& field);

// Skips to the next number of the line: a digit is put back and the result is
// 0; a control character is consumed and the result is 1; anything else is
// discarded.  At the end of the stream the result is 1 and nothing is read.
int findnum(TextStream& in);
// As findnum; when the character discarded just before the digit was a minus
// sign, it is put back too, so that a signed read keeps it.
int findnum_signed(TextStream& in);
