// Table writers: the fixed table and the export formats (CSV, TSV, JSON,
// Markdown, HTML) behind one interface, the file name's extension choosing
// among them, and the walk over the rows that every table shares.  Writers
// write only to their stream; the List protocol tells the console.
#pragma once

#include <cstdio>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "list/sort.h"
#include "roster/columns.h"
#include "roster/options.h"
#include "roster/roster.h"
#include "roster/settings.h"
#include "text/text_stream.h"

// What a table shows besides its rows.
struct TableShape {
  const char* name;                        // "list", "default", "percent", "wc", ...
  std::vector<const OptionInfo*> columns;  // after the name column, in table order
};

// One member as a table shows it: its name and, through the weights, the
// value of every column.  Valid while the roster and the weights are.
struct ListedMember {
  std::string_view name;
  const Member* member;
  const Weights* weights;
  OptionValue Value(const OptionInfo& option) const {
    return OptionRead(option, *member, *weights);
  }
};

// Writes tables, one after another, to one stream.  For each table
// BeginTable, then Row for each member, then EndTable; once the stream stops
// being the list output, EndFile completes the document.
class TableWriter {
 public:
  explicit TableWriter(std::FILE* stream) : stream_(stream) {}
  virtual ~TableWriter() = default;
  TableWriter(const TableWriter&) = delete;
  TableWriter& operator=(const TableWriter&) = delete;

  virtual void BeginTable(const TableShape& table) = 0;
  virtual void Row(const ListedMember& member) = 0;
  virtual void EndTable() {}
  virtual void EndFile() {}

 protected:
  void Write(std::string_view text) { std::fwrite(text.data(), 1, text.size(), stream_); }

 private:
  std::FILE* stream_;
};

// The writers, each over a stream it does not own.
std::unique_ptr<TableWriter> MakeFixedTable(std::FILE* stream);
std::unique_ptr<TableWriter> MakeCsvTable(std::FILE* stream);
std::unique_ptr<TableWriter> MakeTsvTable(std::FILE* stream);
std::unique_ptr<TableWriter> MakeJsonTables(std::FILE* stream);
std::unique_ptr<TableWriter> MakeMarkdownTables(std::FILE* stream);
std::unique_ptr<TableWriter> MakeHtmlReport(std::FILE* stream);

// A file that is the list output, with the writer its name's extension
// picks.
class TableFile {
 public:
  // Opens `name` for writing, emptying it; null when it cannot be opened.
  static std::unique_ptr<TableFile> Open(const std::string& name);

  TableWriter& writer() { return *writer_; }
  // Sends what was written to the file: false when any of it did not
  // reach it.
  bool Flush();
  // Completes the document and flushes it: false when anything written to
  // the file did not reach it.  Closing without Finish (after a failed
  // write) adds nothing to the file.
  bool Finish();

 private:
  FilePtr file_;
  std::unique_ptr<TableWriter> writer_;  // released before the file closes
};

// What a table holds: the roster's members under the weights, in `order`
// (at most `rows` of them), in the columns `columns` selects.  Without an
// order only the start of the table is written (DISPLAY's preview).  Ctrl-C
// stops the rows after the one being written (console/interrupt.h); the
// table is ended all the same, so that the document stays whole.
struct TableContent {
  const char* name;
  const Roster& roster;
  const Weights& weights;
  const ColumnSet& columns;
  const MemberOrder* order;
  int rows;
};
void WriteTable(TableWriter& writer, const TableContent& content);

// ---------------------------------------------------------------------------
// What the export formats share
// ---------------------------------------------------------------------------

// The member's name as UTF-8, without the padding spaces at its end.
std::string PlainName(std::string_view name);
// The column's heading as the table prints it, without the spaces and the
// colon around it ("Total %"); "NAME" for the name column (null).
std::string PlainHeading(const OptionInfo* option);
// The value as the table shows it, without padding: integers in full (a zero
// the table leaves blank is 0), reals with the table's decimals, and "inf",
// "-inf" or "nan" for a real that is not finite.
void AppendPlainValue(std::string& out, const OptionInfo& option, const OptionValue& value);
