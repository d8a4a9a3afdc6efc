// The choice of writer by extension, and the walk over a table's rows that
// every writer shares.
#include "list/table_writer.h"

#include <cerrno>
#include <cstddef>
#include <vector>

#include "text/ascii.h"

namespace korvelin {

namespace {

// The formats by the extension of the output file's name (compared without
// regard to case).  Exports are written as bytes; the fixed table, for any
// other name, in text mode, as it always was.
struct OutputFormat {
  const char* extension;
  const char* mode;
  std::unique_ptr<TableWriter> (*make)(std::FILE* stream);
};

// To add one: write its TableWriter in a file of its own (one path over the
// table model, list/table.h), declare its Make function in table_writer.h
// and add its extension here, with mode "wb"; the README and the manual
// name every extension.
const OutputFormat kFormats[] = {
    {".csv", "wb", MakeCsvTable},    {".tsv", "wb", MakeTsvTable},
    {".json", "wb", MakeJsonTables}, {".md", "wb", MakeMarkdownTables},
    {".html", "wb", MakeHtmlReport}, {".htm", "wb", MakeHtmlReport},
};
const OutputFormat kFixedTable = {"", "w", MakeFixedTable};

const OutputFormat& FormatOf(const std::string& name) {
  for (const OutputFormat& format : kFormats) {
    if (EndsWithFolded(name, format.extension)) return format;
  }
  return kFixedTable;
}

}  // namespace

std::unique_ptr<TableFile> TableFile::Open(const std::string& name, int& error) {
  const OutputFormat& format = FormatOf(name);
  errno = 0;
  FilePtr file(std::fopen(name.c_str(), format.mode));
  error = errno;
  if (!file) return nullptr;
  std::unique_ptr<TableFile> table_file(new TableFile);
  table_file->writer_ = format.make(file.get());
  table_file->file_ = std::move(file);
  return table_file;
}

bool TableFile::Flush() {
  errno = 0;
  const bool flushed = std::fflush(file_.get()) == 0 && !std::ferror(file_.get());
  if (!flushed && error_ == 0) error_ = errno;
  return flushed;
}

bool TableFile::Finish() {
  writer_->EndFile();
  return Flush();
}

std::size_t WriteTable(TableWriter& writer, const Table& table, StopRequest& stop) {
  writer.Begin(table);
  std::size_t written = 0;
  try {
    std::vector<Cell> cells(table.columns().size());
    for (std::size_t row = 0; row < table.rows(); ++row) {
      table.Fill(row, cells.data());
      writer.Row(cells.data());
      ++written;
      if (stop.Requested()) break;
    }
  } catch (...) {
    writer.End();
    throw;
  }
  writer.End();
  return written;
}

}  // namespace korvelin
