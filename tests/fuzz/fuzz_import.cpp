// Fuzzes the stat-table import: any bytes as a table.
#include "fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace korvelin;  // NOLINT: the entry point libFuzzer calls stands outside it
  const std::string table = fuzz::Bytes(data, size);
  Roster roster;
  Member old;
  old.id = 1;
  roster.Append(old, "replaced by the import");
  NullSink quiet;
  NeverStop never;
  // As LOAD reads a file: UTF-16 as UTF-8, a byte-order mark skipped.
  std::string text = table;
  DecodeUtf16(text);
  TextStream in = TextStream::Memory(text);
  SkipByteOrderMark(in);
  const TableReport report = ImportStatTable(in, roster, quiet, never);
  fuzz::CheckRoster(roster);
  // The roster holds the first row of each ID, in file order, and nothing
  // else.
  int skipped = 0, repeated = 0, incomplete = 0;
  const std::vector<TableRow> rows = fuzz::RowsOf(table, skipped, repeated);
  if (static_cast<std::size_t>(report.rows) != roster.size()) std::abort();
  if (rows.size() != roster.size() || report.skipped != skipped) std::abort();
  if (report.repeated != repeated) std::abort();
  for (std::size_t i = 0; i < rows.size(); ++i) {
    if (!rows[i].complete()) ++incomplete;
    if (!fuzz::SameStats(roster[i], rows[i].member)) std::abort();
    if (roster.NameOf(roster[i]) != fuzz::Kept(rows[i].name)) std::abort();
  }
  if (report.incomplete != incomplete) std::abort();
  return 0;
}
