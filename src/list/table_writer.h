// Table writers: the fixed table and the export formats (CSV, TSV, JSON,
// Markdown, HTML) behind one interface, the file name's extension choosing
// among them, and the walk over the rows that every table shares.
#pragma once

#include <cstdio>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "roster/memory.h"
#include "roster/options.h"
#include "roster/record.h"
#include "text/text_stream.h"

// What a table shows besides its rows.
struct TableShape {
  const char* name;                        // "list", "default", "percent", "wc", ...
  std::vector<const OptionInfo*> columns;  // after the name column, in table order
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
  virtual void Row(const PlayerRecord& member) = 0;
  virtual void EndTable() {}
  virtual void EndFile() {}

  std::FILE* stream() const { return stream_; }

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
  // Completes the document and flushes it: false when anything written to
  // the file did not reach it.  Closing without Finish (after a failed
  // write) adds nothing to the file.
  bool Finish();

 private:
  FilePtr file_;
  std::unique_ptr<TableWriter> writer_;  // released before the file closes
};

// Writes a table of the columns `mask` selects and at most `rows` members of
// `list`, in list order, then a line end on the console.  Without a list,
// only the start of the table is written (DISPLAY's preview) and nothing
// follows.  A table sent to a file is flushed and the console told whether it
// was saved; false when writing to the file failed, and the caller must then
// stop using it.
bool WriteTable(TableWriter& writer, const char* name, int rows, const Slink* list,
                const PlayerRecord& mask);

// ---------------------------------------------------------------------------
// What the export formats share
// ---------------------------------------------------------------------------

// The member's name as UTF-8, without the padding spaces at its end.
std::string PlainName(const PlayerRecord& member);
// The column's heading as the table prints it, without the spaces and the
// colon around it ("Total %"); "NAME" for the name column (null).
std::string PlainHeading(const OptionInfo* option);
// The value as the table shows it, without padding: integers in full (a zero
// the table leaves blank is 0), reals with the table's decimals, and "inf",
// "-inf" or "nan" for a real that is not finite.
void AppendPlainValue(std::string& out, const OptionInfo& option, const OptionValue& value);
