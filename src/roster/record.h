// The member record, the sentinel that heads the roster and carries the list
// settings, the option masks, and the operations on the roster list.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>

// A name holds at most this many characters (text/characters.h: a UTF-8
// character or a single byte), and so at most four times as many bytes.
// Every read, cut and padding of a name counts by this one constant.
constexpr std::size_t kNameLength = 29;
constexpr std::size_t kNameBytes = 4 * kNameLength;

// One gang member, and also the layout of the sentinel and of an option mask.
// Always created zero-filled (PlayerRecord{} / MakeRecord()).  The derived
// integers are 64-bit so that totals and gains of large stats never wrap.
struct PlayerRecord {
  int id;  // game ID; the key of every lookup
  int level;
  std::int64_t oldtotal;  // derived: oldspeed + oldpower + oldstren
  int oldspeed;           // old snapshot ...
  int oldpower;
  int oldstren;
  int oldhealth;
  int oldintel;
  double oldbeg;          // ... begging skill, fractional
  std::int64_t newtotal;  // derived: newspeed + newpower + newstren
  int newspeed;           // new snapshot ...
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
  double beggain;  // begging gain, counted 15 times
  double totalp;   // percentage gains ...
  double speedp;
  double powerp;
  double strenp;
  double healthp;
  double intelp;
  double begp;
  double wtotal;  // weighted fighting stats (new stats times weights)
  double wspeed;
  double wpower;
  double wstren;
  double whealth;
  // Last, so that the stats that sorting, UPDATE and the tables read share
  // the record's first cache lines.
  char name[kNameBytes + 1];  // up to 29 characters' bytes and a terminating 0

  // Records come from large blocks kept for reuse (roster/memory.cpp).
  static void* operator new(std::size_t size);
  static void operator delete(void* record);
};

// A fresh zero-filled record.
std::unique_ptr<PlayerRecord> MakeRecord();

// ---------------------------------------------------------------------------
// The sentinel and its settings
// ---------------------------------------------------------------------------

// Heads the roster (Start->next is the first member).  Its id holds the entry
// count; a few spare fields hold the list settings (see the accessors below).
extern std::unique_ptr<PlayerRecord> Start;

// The settings kept in the sentinel's spare fields.
inline int& EntryCount() { return Start->id; }
inline int& ListSortDirection() { return Start->oldspeed; }  // 0 down, any other up
inline int& ListSortOption() { return Start->oldpower; }     // 1 to 35
inline double& SpeedWeight() { return Start->speedp; }
inline double& PowerWeight() { return Start->powerp; }
inline double& StrengthWeight() { return Start->strenp; }
inline double& HealthWeight() { return Start->healthp; }

// The sort directions as the sentinel holds them.
constexpr int kDescending = 0;
constexpr int kAscending = 1;

// The weights a stat-table import starts from, and the most each may be set to.
constexpr double kDefaultSpeedWeight = 2.12;
constexpr double kDefaultPowerWeight = 1.24;
constexpr double kDefaultStrengthWeight = 1.434;
constexpr double kDefaultHealthWeight = 0.667;
constexpr double kMostFightingWeight = 15.0;  // speed, power and strength
constexpr double kMostHealthWeight = 10.0;

// Puts the four default weights in the sentinel.
void SetDefaultWeights();

// ---------------------------------------------------------------------------
// Option masks: a nonzero field (int 1, double 1.0) selects that column.
// roster/masks.h makes them.
// ---------------------------------------------------------------------------

extern std::unique_ptr<PlayerRecord> displayoptions;  // custom LIST columns
extern std::unique_ptr<PlayerRecord> tempoptions;     // columns of the presets
extern std::unique_ptr<PlayerRecord> main_d_options;  // columns of DEFAULT

// ---------------------------------------------------------------------------
// The roster (every walk starts at Start->next)
// ---------------------------------------------------------------------------

// Allocates a new, empty sentinel (releasing any roster held before).
void CreateStart();
// Empties the roster and releases the sentinel and the three masks.
void ReleaseAll();

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
