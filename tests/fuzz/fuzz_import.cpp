// Fuzzes the stat-table import: any bytes as a table.
#include "fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string table = fuzz::Bytes(data, size);
  Roster roster;
  Member old;
  old.id = 1;
  roster.Append(old, "replaced by the import");
  NullSink quiet;
  TextStream in = TextStream::Memory(table);
  SkipByteOrderMark(in);
  const TableReport report = ImportStatTable(in, roster, quiet);
  fuzz::CheckRoster(roster);
  // The roster holds every row read, in file order, and nothing else.
  int skipped = 0;
  const std::vector<TableRow> rows = fuzz::RowsOf(table, skipped);
  if (static_cast<std::size_t>(report.rows) != roster.size()) std::abort();
  if (rows.size() != roster.size() || report.skipped != skipped) std::abort();
  for (std::size_t i = 0; i < rows.size(); ++i) {
    if (!fuzz::SameStats(roster[i], rows[i].member)) std::abort();
    if (roster.NameOf(roster[i]) != fuzz::Kept(rows[i].name)) std::abort();
  }
  return 0;
}
