// Table writers: the fixed table and the export formats (CSV, TSV, JSON,
// Markdown, HTML), each one path over the table model (list/table.h) and
// some a way to write REPORT's text (list/report.h), the
// file name's extension choosing among them, and the walk over a table's
// rows that they share.  Writers write only to their stream; the List
// protocol tells the console.
#pragma once

#include <cstdio>
#include <memory>
#include <string>
#include <string_view>

#include "base/read_file.h"
#include "base/stop_request.h"
#include "list/report.h"
#include "list/sort.h"
#include "list/table.h"
#include "roster/columns.h"
#include "roster/options.h"
#include "roster/roster.h"
#include "roster/settings.h"

namespace korvelin {

// Writes tables, one after another, to one stream: for each table Begin,
// then Row for each of its rows, then End (WriteTable below does that).
// Once the stream stops being the list output, EndFile completes the
// document.
class TableWriter {
 public:
  explicit TableWriter(std::FILE* stream) : stream_(stream) {}
  // A writer that appends what it writes to `*text`.
  explicit TableWriter(std::string* text) : text_(text) {}
  virtual ~TableWriter() = default;
  TableWriter(const TableWriter&) = delete;
  TableWriter& operator=(const TableWriter&) = delete;

  // Heads `table`, which outlives its rows and its End.  Begin and Row
  // build what they write whole first: when that runs out of memory,
  // nothing of it is written and the document stays as it was.
  virtual void Begin(const Table& table) = 0;
  // Writes a row of the table begun: `cells`, one per column.
  virtual void Row(const Cell* cells) = 0;
  // Closes the table.  It asks for no memory, so that a table whose rows
  // ran out of it still ends whole.
  virtual void End() {}
  virtual void EndFile() {}
  // Writes a report (list/report.h) as the format writes one, between
  // tables; false, with nothing written, for a format that takes none.
  virtual bool WriteReport(const Report&) { return false; }

 protected:
  void Write(std::string_view text) {
    if (text_ != nullptr) {
      text_->append(text);
    } else {
      std::fwrite(text.data(), 1, text.size(), stream_);
    }
  }

 private:
  std::FILE* stream_ = nullptr;
  std::string* text_ = nullptr;  // set: what is written goes here instead
};

// The writers, each over a stream it does not own.
std::unique_ptr<TableWriter> MakeFixedTable(std::FILE* stream);
std::unique_ptr<TableWriter> MakeCsvTable(std::FILE* stream);
std::unique_ptr<TableWriter> MakeTsvTable(std::FILE* stream);
std::unique_ptr<TableWriter> MakeJsonTables(std::FILE* stream);
std::unique_ptr<TableWriter> MakeMarkdownTables(std::FILE* stream);
std::unique_ptr<TableWriter> MakeHtmlReport(std::FILE* stream);
// TSV appended to `text`, as COPY puts a table on the clipboard.
std::unique_ptr<TableWriter> MakeTsvText(std::string& text);

// A file that is the list output, with the writer its name's extension
// picks.
class TableFile {
 public:
  // Opens `name` for writing, emptying it; null when it cannot be opened,
  // `error` then the system's error (errno; 0 when it gave none).
  static std::unique_ptr<TableFile> Open(const std::string& name, int& error);

  TableWriter& writer() { return *writer_; }
  // Sends what was written to the file: false when any of it did not
  // reach it.
  bool Flush();
  // Completes the document and flushes it: false when anything written to
  // the file did not reach it.  Closing without Finish (after a failed
  // write) adds nothing to the file.
  bool Finish();
  // The system's error of the Flush or Finish that failed (0: none given).
  int error() const { return error_; }

 private:
  FilePtr file_;
  int error_ = 0;
  std::unique_ptr<TableWriter> writer_;  // released before the file closes
};

// Writes `table` through `writer`: its heading, its rows in order and its
// end.  `stop` is asked after each row; once it is requested the rows after
// are left out, and the table is ended all the same, so that the document
// stays whole.  So it is when a row runs out of memory: the table is ended,
// and std::bad_alloc goes on to the command loop.  Returns the rows written.
std::size_t WriteTable(TableWriter& writer, const Table& table, StopRequest& stop);

// An option table (LIST, a preset, DISPLAY's preview): the roster's members
// under the weights, in `order` (at most `rows` of them; none without an
// order), in the name column and the columns `columns` selects, in display
// order.  The table keeps its part of the order and the weights; the roster
// must outlive it.
struct TableContent {
  const char* name;  // "list", "default", "percent", "wc", ...
  const Roster& roster;
  const Weights& weights;
  const ColumnSet& columns;
  const MemberOrder* order;
  int rows;
};
std::unique_ptr<Table> OptionTable(const TableContent& content);

// The option's heading as the fixed table prints it, without the spaces and
// the colon around it ("Total %"); "NAME" for the name column (null).
std::string PlainHeading(const OptionInfo* option);

}  // namespace korvelin
