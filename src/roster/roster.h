// The roster: the members in roster order and the one store that holds
// their names.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "base/large_memory.h"
#include "roster/member.h"

namespace korvelin {

// The members in roster order.  Names are kept together in one store of
// bytes, each member holding where its own lies, so that a million members
// take a few dozen bytes each for their names instead of the longest name's
// room.  A name is at most kNameBytes bytes and ends at its first NUL byte,
// if it has one.
class Roster {
 public:
  static constexpr std::size_t kNotFound = static_cast<std::size_t>(-1);

  std::size_t size() const { return members_.size(); }
  bool empty() const { return members_.empty(); }
  Member& operator[](std::size_t index) { return members_[index]; }
  const Member& operator[](std::size_t index) const { return members_[index]; }
  Member* begin() { return members_.data(); }
  Member* end() { return members_.data() + members_.size(); }
  const Member* begin() const { return members_.data(); }
  const Member* end() const { return members_.data() + members_.size(); }

  // The member's name (valid until the next change of any name).
  std::string_view NameOf(const Member& member) const {
    return std::string_view(names_.data() + member.name.offset, member.name.length);
  }
  // Ask the processor for the member at `position` ahead of reading it, and
  // for its name once the member is at hand: for walks out of roster order.
  void Fetch(std::size_t position) const { __builtin_prefetch(&members_[position]); }
  void FetchName(std::size_t position) const {
    __builtin_prefetch(names_.data() + members_[position].name.offset);
  }
  // The position of the first member in roster order with this ID, or
  // kNotFound.
  std::size_t Find(int id) const;

  // Adds a member at the end, with its stats from `member` and the name
  // `name`.
  Member& Append(const Member& member, std::string_view name);
  // Adds a member at the front.
  Member& InsertFront(const Member& member, std::string_view name);
  // Puts every member of `added` in front, the last of them first, as if
  // each had been inserted at the front in turn.
  void InsertAllFront(const Roster& added);
  // Removes the member at `index`.
  void Erase(std::size_t index);
  // Removes, in one walk, every member whose flag in `gone` (one a member,
  // in roster order) is not 0; the others keep their order.
  void EraseFlagged(const LargeVector<std::uint8_t>& gone);
  // Gives `member` (one of this roster's) the name `name`.
  void Rename(Member& member, std::string_view name);
  // Removes every member and releases the memory they took.
  void Clear();
  // Makes room for `members` members in all without moving them again.
  // Makes room for `members` members and `name_bytes` bytes of names in
  // all without moving them again.
  void Reserve(std::size_t members, std::size_t name_bytes = 0) {
    members_.reserve(members);
    names_.reserve(name_bytes);
  }

  // Equal when they hold the same members in the same order: the same
  // names and every stat alike, bit for bit (a NaN read from a damaged file
  // equals itself, 0 and -0 differ), as a save would write them.
  bool operator==(const Roster& other) const;
  bool operator!=(const Roster& other) const { return !(*this == other); }
  // The bytes a copy of the roster takes.
  std::size_t CopyBytes() const { return members_.size() * sizeof(Member) + names_.size(); }

 private:
  NameRef Store(std::string_view name);
  void Compact();  // rebuilds the name store without the names no member holds
  void CompactWhenMostlyUnused();

  LargeVector<Member> members_;
  std::string names_;       // every member's name, one after another
  std::size_t unused_ = 0;  // bytes of names_ that no member holds
};

}  // namespace korvelin
