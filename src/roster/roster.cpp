// The roster and its name store.
#include "roster/roster.h"

#include <algorithm>
#include <cstddef>
#include <cstring>

namespace korvelin {

namespace {

// A name as the roster keeps it: up to its first NUL byte, and at most
// kNameBytes bytes.
std::string_view Kept(std::string_view name) {
  name = name.substr(0, std::min(name.find('\0'), kNameBytes));
  return name;
}

}  // namespace

bool Roster::operator==(const Roster& other) const {
  // Everything of a member before its name is stats, with no padding.
  static_assert(offsetof(Member, name) == 12 * sizeof(int) + 2 * sizeof(double),
                "a member's stats are compared as bytes");
  if (size() != other.size()) return false;
  for (std::size_t i = 0; i < size(); ++i) {
    const Member& a = members_[i];
    const Member& b = other.members_[i];
    if (std::memcmp(&a, &b, offsetof(Member, name)) != 0 || NameOf(a) != other.NameOf(b)) {
      return false;
    }
  }
  return true;
}

std::size_t Roster::Find(int id) const {
  for (std::size_t i = 0; i < members_.size(); ++i) {
    if (members_[i].id == id) return i;
  }
  return kNotFound;
}

NameRef Roster::Store(std::string_view name) {
  name = Kept(name);
  NameRef where;
  where.offset = names_.size();
  where.length = name.size();
  names_.append(name);
  return where;
}

Member& Roster::Append(const Member& member, std::string_view name) {
  members_.push_back(member);
  members_.back().name = Store(name);
  return members_.back();
}

Member& Roster::InsertFront(const Member& member, std::string_view name) {
  Member front = member;
  front.name = Store(name);
  members_.insert(members_.begin(), front);
  return members_.front();
}

void Roster::InsertAllFront(const Roster& added) {
  const std::size_t base = names_.size();
  names_.append(added.names_);
  unused_ += added.unused_;
  members_.insert(members_.begin(), added.members_.rbegin(), added.members_.rend());
  for (std::size_t i = 0; i < added.size(); ++i) members_[i].name.offset += base;
}

void Roster::Erase(std::size_t index) {
  unused_ += members_[index].name.length;
  members_.erase(members_.begin() + static_cast<std::ptrdiff_t>(index));
  if (members_.empty()) {
    Clear();
  } else {
    CompactWhenMostlyUnused();
  }
}

void Roster::EraseFlagged(const LargeVector<std::uint8_t>& gone) {
  std::size_t kept = 0;
  for (std::size_t i = 0; i < members_.size(); ++i) {
    if (gone[i]) {
      unused_ += members_[i].name.length;
    } else {
      members_[kept++] = members_[i];
    }
  }
  members_.resize(kept);
  if (members_.empty()) {
    Clear();
  } else {
    CompactWhenMostlyUnused();
  }
}

void Roster::Rename(Member& member, std::string_view name) {
  name = Kept(name);
  if (name == NameOf(member)) return;
  if (name.size() <= member.name.length) {
    // The new name fits where the old one was.
    unused_ += member.name.length - name.size();
    name.copy(&names_[member.name.offset], name.size());
    member.name.length = name.size();
    return;
  }
  unused_ += member.name.length;
  member.name = Store(name);
  CompactWhenMostlyUnused();
}

void Roster::CompactWhenMostlyUnused() {
  // Halving the store at most every few thousand bytes keeps renames and
  // removals cheap and the store within twice the names it holds.
  if (unused_ > names_.size() / 2 && unused_ > 4096) Compact();
}

void Roster::Compact() {
  std::string kept;
  kept.reserve(names_.size() - unused_);
  for (Member& member : members_) {
    const std::string_view name = NameOf(member);
    member.name.offset = kept.size();
    kept.append(name);
  }
  names_.swap(kept);
  unused_ = 0;
}

void Roster::Clear() {
  LargeVector<Member>().swap(members_);
  std::string().swap(names_);
  unused_ = 0;
}

}  // namespace korvelin
