// The option tables, LIST, the presets and DISPLAY's preview: a row per
// member, in the name column and then the chosen options' columns, each
// filled by its option's own read (roster/options.h) and printed by its
// printf cell.
#include <algorithm>
#include <string_view>

#include "list/table_writer.h"

namespace korvelin {

namespace {

// What an option table's row reads: the member and its name.
struct MemberRow {
  const Member* member;
  std::string_view name;
};

// The name column: keyword "name", heading "NAME", 29 columns.
Column MemberNameColumn() {
  Column column = NameColumn();
  column.key = "name";
  column.heading = PlainHeading(nullptr);
  return column;
}

// An option's column: its keyword, its heading, its cell format and
// decimals.  The HTML report draws bars for the stats: every option but the
// ID and the level.
Column OptionColumn(const OptionInfo& option) {
  Column column;
  column.key = option.keyword;
  column.heading = PlainHeading(&option);
  column.kind = option.kind == OptionKind::kReal ? CellKind::kReal : CellKind::kInteger;
  column.fixed = OptionHeader(option);
  column.format = &OptionCellFormat(option);
  column.decimals = OptionDecimals(option);
  column.bars = option.number != OptionNumber("id") && option.number != OptionNumber("level");
  return column;
}

// How a column of an option table reads its cell: the name, or an
// option's value through the option's own read under the table's weights.
// The row loop calls it directly, a call of the option's read per cell.
struct MemberRead {
  const OptionInfo* option;  // null for the name column
  Weights weights;
  Cell operator()(const MemberRow& row) const {
    if (option == nullptr) return Cell::Text(row.name);
    if (option->kind == OptionKind::kReal) return Cell::Real(option->real(*row.member, weights));
    return Cell::Integer(option->integer(*row.member, weights));
  }
};

// An option table's rows: the members in their order.  A sorted list
// visits the members and their names all over memory: the member a few
// rows ahead is fetched while this row is written, and its name once the
// member is at hand, half way there.
struct MemberRows {
  const Roster* roster;
  MemberOrder order;
  MemberRow operator()(std::size_t row) const {
    constexpr std::size_t kAhead = 16;
    if (row + kAhead < order.size()) roster->Fetch(order[row + kAhead]);
    if (row + kAhead / 2 < order.size()) roster->FetchName(order[row + kAhead / 2]);
    const Member& member = (*roster)[order[row]];
    return MemberRow{&member, roster->NameOf(member)};
  }
};

}  // namespace

std::unique_ptr<Table> OptionTable(const TableContent& content) {
  const Roster& roster = content.roster;
  MemberOrder order;
  if (content.order != nullptr) {
    const std::size_t rows =
        std::min(content.order->size(), static_cast<std::size_t>(std::max(content.rows, 0)));
    order.assign(content.order->begin(), content.order->begin() + rows);
  }
  const std::size_t rows = order.size();
  auto table = std::make_unique<TableOf<MemberRow, MemberRead, MemberRows>>(
      content.name, rows, MemberRows{&roster, std::move(order)});
  table->Add(MemberNameColumn(), MemberRead{nullptr, {}});
  for (const OptionInfo* option : OptionsInDisplayOrder()) {
    if (content.columns.Shows(*option)) {
      table->Add(OptionColumn(*option), MemberRead{option, content.weights});
    }
  }
  return table;
}

std::string PlainHeading(const OptionInfo* option) {
  if (option == nullptr) return "NAME";
  const std::string heading = OptionHeader(*option);
  const std::size_t first = heading.find_first_not_of(' ');
  const std::size_t last = heading.find_last_not_of(" :");
  return heading.substr(first, last + 1 - first);
}

}  // namespace korvelin
