// A gang member as the roster keeps it: ID, level and the two snapshots of
// six stats.  The name lives in the roster's name store (roster/roster.h);
// the derived stats are worked out when they are shown or sorted by
// (roster/derived.h).  The field names are the column keywords and the save
// file's.
#pragma once

#include <cstddef>
#include <cstdint>

namespace korvelin {

// A name holds at most this many characters (text/characters.h: a UTF-8
// character or a single byte), and so at most four times as many bytes.
// Every read, cut and padding of a name counts by this one constant.
constexpr std::size_t kNameLength = 29;
constexpr std::size_t kNameBytes = 4 * kNameLength;

// Where a member's name lies in its roster's name store.
struct NameRef {
  std::uint64_t offset : 56;
  std::uint64_t length : 8;  // at most kNameBytes
};

struct Member {
  int id = 0;  // game ID; the key of every lookup
  int level = 0;
  int oldspeed = 0;  // old snapshot: the baseline gains are measured from
  int oldpower = 0;
  int oldstren = 0;
  int oldhealth = 0;
  int oldintel = 0;
  int newspeed = 0;  // new snapshot: the latest stat table or edit
  int newpower = 0;
  int newstren = 0;
  int newhealth = 0;
  int newintel = 0;
  double oldbeg = 0.0;  // begging skill, fractional
  double newbeg = 0.0;
  NameRef name{0, 0};
};
static_assert(sizeof(Member) == 72, "a member is 72 bytes: a million take 72 MB");

}  // namespace korvelin
