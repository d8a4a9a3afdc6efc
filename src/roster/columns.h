// ColumnSet: which of the 35 columns a table shows, by option number.  The
// custom list's set is the session's (and the save file's); the presets'
// sets are constants built from the option table.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <string_view>

#include "roster/options.h"

namespace korvelin {

class ColumnSet {
 public:
  constexpr ColumnSet() = default;
  // The set of the columns of these keywords; an unknown keyword does not
  // compile where the set is a constant.
  static constexpr ColumnSet Of(std::initializer_list<std::string_view> keywords) {
    ColumnSet set;
    for (std::string_view keyword : keywords) {
      const int number = OptionNumber(keyword);
      if (number == 0) throw "not an option keyword";
      set.bits_ |= Bit(number);
    }
    return set;
  }

  constexpr bool Shows(const OptionInfo& option) const { return (bits_ & Bit(option.number)) != 0; }
  constexpr bool Empty() const { return bits_ == 0; }
  void Show(const OptionInfo& option, bool shown) {
    bits_ = shown ? bits_ | Bit(option.number) : bits_ & ~Bit(option.number);
  }
  void Toggle(const OptionInfo& option) { bits_ ^= Bit(option.number); }

  constexpr bool operator==(const ColumnSet& other) const { return bits_ == other.bits_; }
  constexpr bool operator!=(const ColumnSet& other) const { return bits_ != other.bits_; }

 private:
  static constexpr std::uint64_t Bit(int number) { return std::uint64_t{1} << (number - 1); }

  std::uint64_t bits_ = 0;  // bit n-1 set: option n's column is shown
};

// The default columns: DEFAULT's, and the custom list's after an import or
// the option-set DEFAULT.
constexpr ColumnSet kDefaultColumns = ColumnSet::Of(
    {"id", "level", "oldspeed", "oldpower", "oldstren", "oldhealth", "oldintel", "oldbeg"});
// WC's, and SPEED's, POWER's and STRENGTH's.
constexpr ColumnSet kWCColumns =
    ColumnSet::Of({"id", "level", "newspeed", "newpower", "newstren", "newhealth", "wtotal"});
// PERCENT's.
constexpr ColumnSet kPercentColumns =
    ColumnSet::Of({"id", "totalgain", "speedgain", "powergain", "strengain", "intelgain", "beggain",
                   "totalp", "speedp", "powerp", "strenp", "intelp", "begp"});

}  // namespace korvelin
