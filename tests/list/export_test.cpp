// The exports read back: every value and name of every format equals the
// fixed table's for the same members and columns.  A folder that cannot be
// written keeps the tables on the screen.
#include <climits>
#include <cmath>

#include "files/files_support.h"
#include "list/export_readers.h"
#include "list/list.h"
#include "list/table_writer.h"

namespace korvelin {

namespace {

using namespace export_readers;

class ExportTest : public FilesTest {
 public:
  // Two tables into one file by `make`: every column, then the WC columns.
  std::string Export(std::unique_ptr<TableWriter> (*make)(std::FILE*)) const {
    std::FILE* file = std::tmpfile();
    std::unique_ptr<TableWriter> writer = make(file);
    ColumnSet every;
    for (const OptionInfo* option : OptionsInDisplayOrder()) every.Show(*option, true);
    const Weights& weights = session.list.weights;
    const MemberOrder order = Sorter().Sort(roster, weights, OptionByNumber(OptionNumber("id")),
                                            SortDirection::kAscending);
    NeverStop never;
    WriteTable(*writer, *OptionTable({"list", roster, weights, every, &order, 99}), never);
    WriteTable(*writer, *OptionTable({"wc", roster, weights, kWCColumns, &order, 99}), never);
    writer->EndFile();
    std::string text = Contents(file);
    std::fclose(file);
    return text;
  }
  // The name of the member `id` as stored, without its padding.
  std::string StoredName(const std::string& id) const {
    const std::string name(roster.NameOf(roster[roster.Find(std::stoi(id))]));
    return name.substr(0, name.find_last_not_of(' ') + 1);
  }

 protected:
  void SetUp() override {
    FilesTest::SetUp();
    // Names with every character a format treats specially, values blank,
    // negative, large, fractional and not finite.
    Add("Comma, \"quoted\"   ", 677814, 60, 1100);  // padded as in a save
    Add("Pipe | <&>\\*_`~[]", 2, 0, 0).oldintel = 0;
    Add("Tab\tand Latin-1 \xE9", 3, 12, 900).newbeg = 2.5;
    Add("\xD0\x96\xC3\xA9\xE2\x82\xAC UTF-8 \xF0\x9F\x94\xA7", 6, 1, 1);
    Add("Ctl\x01 and C1 \x85 byte", 4, 5, 100);
    Add("Line\r\nbreak", 5, 7, 10).newintel = 0;
    Add("Abcdefghijklmnopqrstuvwxyz012", INT_MAX, INT_MAX, INT_MAX).newstren = INT_MIN;
    // Weighted strength and total: 0 for all but the last, whose are -inf.
    session.list.weights.strength = 1e308;
  }

  Member& Add(const char* name, int id, int level, int speed) {
    Member& r = AddMember(name, id);
    r.level = level;
    r.oldspeed = r.oldintel = 1000;
    r.oldpower = r.oldstren = r.oldhealth = 2000;
    r.oldbeg = r.newbeg = 2.0;
    r.newspeed = speed;
    r.newintel = 1200;
    return r;
  }
};

// How a format shows what the fixed table shows.
struct Shown {
  bool keywords;     // column keywords rather than the table's headings
  bool json;         // null for a value that is not finite
  const char* gone;  // characters of a name that become spaces
  bool replaced;     // control characters of a name become U+FFFD
};

// The fixed table's cells as a format gives them: names as stored (the
// screen shows their controls as U+FFFD), in UTF-8 without their padding,
// a blank zero as 0.
std::vector<Rows> Expected(const ExportTest& test, const Shown& shown) {
  std::vector<Rows> tables = ReadFixed(test.Export(MakeFixedTable));
  for (Rows& rows : tables) {
    for (std::size_t c = 0; shown.keywords && c < rows[0].size(); ++c) {
      for (const OptionInfo* option : OptionsInDisplayOrder()) {
        if (PlainHeading(option) == rows[0][c]) rows[0][c] = option->keyword;
      }
      if (c == 0) rows[0][c] = "name";
    }
    for (std::size_t r = 1; r < rows.size(); ++r) {
      std::string& padded = rows[r][0];
      const std::string name = ToUtf8(test.StoredName(rows[r][1]));
      padded.clear();
      for (std::size_t at = 0; at < name.size();) {
        const Character c = DecodeCharacter(std::string_view(name).substr(at));
        const bool control =
            (c.code < 0x20 && std::string("\t\r\n").find(char(c.code)) == std::string::npos) ||
            (c.code >= 0x7F && c.code <= 0x9F);
        if (shown.replaced && control) {
          padded += "\xEF\xBF\xBD";
        } else if (c.length == 1 && std::string(shown.gone).find(name[at]) != std::string::npos) {
          padded += ' ';
        } else {
          padded += name.substr(at, c.length);
        }
        at += c.length;
      }
      for (std::size_t c = 1; c < rows[r].size(); ++c) {
        std::string& cell = rows[r][c];
        if (cell.empty()) cell = "0";
        if (shown.json && (cell == "inf" || cell == "-inf" || cell == "nan")) cell = "null";
      }
    }
  }
  return tables;
}

TEST_F(ExportTest, EveryFormatReadsBackAsTheFixedTable) {
  const std::string csv = Export(MakeCsvTable);
  ASSERT_EQ(csv.rfind("\xEF\xBB\xBF", 0), 0u);
  EXPECT_EQ(ReadCsv(csv.substr(3)), Expected(*this, {true, false, "", false}));

  const std::string tsv = Export(MakeTsvTable);
  EXPECT_EQ(tsv.find('\r'), std::string::npos);
  EXPECT_EQ(ReadLines(tsv, "\t"), Expected(*this, {true, false, "\t\r\n", false}));

  bool aligned = false;
  EXPECT_EQ(ReadMarkdown(Export(MakeMarkdownTables), aligned),
            Expected(*this, {false, false, "\t\r\n", false}));
  EXPECT_TRUE(aligned);

  const std::string html = Export(MakeHtmlReport);
  EXPECT_EQ(ReadHtml(html), Expected(*this, {false, false, "", true}));
  for (const char* fetch : {"src=", "href=", "url(", "@import"}) {
    EXPECT_EQ(html.find(fetch), std::string::npos) << fetch;  // nothing is fetched
  }

  const std::string json = Export(MakeJsonTables);
  Json document;
  std::size_t end = 0;
  EXPECT_TRUE(ReadJson(json, end, document)) << json;
  EXPECT_EQ(json.find_first_not_of(" \n", end), std::string::npos) << json;
  std::vector<Rows> tables;
  for (const auto& [unused, table] : document.items) {
    ASSERT_EQ(table.items.size(), 3u);
    EXPECT_EQ(table.items[0].first + "=" + table.items[0].second.text,
              tables.empty() ? "table=list" : "table=wc");
    EXPECT_EQ(table.items[1].first + table.items[2].first, "columnsrows");
    tables.emplace_back(1);
    for (const auto& column : table.items[1].second.items)
      tables.back()[0].push_back(column.second.text);
    for (const auto& row : table.items[2].second.items) {
      tables.back().emplace_back();
      for (const auto& [key, value] : row.second.items) {
        EXPECT_EQ(key, tables.back()[0].at(tables.back().back().size()));
        tables.back().back().push_back(value.text);
      }
    }
  }
  EXPECT_EQ(tables, Expected(*this, {true, true, "", false}));
}

// Names a spreadsheet would run as formulas read back from CSV and TSV as
// text after an apostrophe; negative numbers stay numbers.  Markdown
// escapes a leading "@" alone.
TEST_F(ExportTest, NamesNeverRunAsSpreadsheetFormulas) {
  roster.Clear();
  int id = 0;
  for (const char* name : {"=1+1", "-Dash", "@all", "+x", "\tT", "\rR", "A=@"}) {
    Add(name, ++id, 1, -5);
  }
  const Rows csv = ReadCsv(Export(MakeCsvTable).substr(3))[0];
  const Rows tsv = ReadLines(Export(MakeTsvTable), "\t")[0];
  const std::vector<std::string> names = {"'=1+1", "'-Dash", "'@all", "'+x", "'\tT", "'\rR", "A=@"};
  const std::size_t speed = std::find(csv[0].begin(), csv[0].end(), "newspeed") - csv[0].begin();
  for (std::size_t r = 1; r < csv.size(); ++r) {
    EXPECT_EQ(csv[r][0], names[r - 1]);
    EXPECT_EQ(tsv[r][0], r == 5 ? "' T" : r == 6 ? "' R" : names[r - 1]);
    EXPECT_EQ(csv[r][speed] + tsv[r][speed], "-5-5");
  }
  EXPECT_EQ(csv.size(), 8u);
  const std::string markdown = Export(MakeMarkdownTables);
  EXPECT_NE(markdown.find("| \\@all |"), std::string::npos);
  EXPECT_NE(markdown.find("| A=@ |"), std::string::npos);
}

// A table stopped after three of its seven rows ends whole: the JSON
// document reads back, holding those three.
TEST_F(ExportTest, AStoppedTableEndsWholeAfterTheRowsWritten) {
  class StopAfterThree final : public StopRequest {
   public:
    bool Requested() override { return ++asked_ == 3; }

   private:
    int asked_ = 0;
  } stop;
  std::FILE* file = std::tmpfile();
  const std::unique_ptr<TableWriter> writer = MakeJsonTables(file);
  const MemberOrder order = Sorter().Sort(
      roster, session.list.weights, OptionByNumber(OptionNumber("id")), SortDirection::kAscending);
  EXPECT_EQ(
      WriteTable(*writer,
                 *OptionTable({"wc", roster, session.list.weights, kWCColumns, &order, 99}), stop),
      3u);
  writer->EndFile();
  Json document;
  std::size_t end = 0;
  ASSERT_TRUE(ReadJson(Contents(file), end, document));
  std::fclose(file);
  ASSERT_EQ(document.items.size(), 1u);
  EXPECT_EQ(document.items[0].second.items.at(2).second.items.size(), 3u);
}

// A table's chart stands in its caption, under the table's name and over
// its headings, its value axis labelled at the highest, middle and lowest
// value; a chart of one value only at the middle.
TEST(HtmlReportTest, AChartStandsUnderItsTablesNameWithThreeValuesOnItsAxis) {
  for (const std::vector<double>& values : {std::vector<double>{100, 300, 250}, {70}}) {
    TableOf<int> table("history gang", values.size(), [](std::size_t i) { return int(i); });
    table.Add(ViewColumn("Total", 9, CellKind::kInteger), [](int) { return Cell::Integer(1); });
    table.SetChart(
        {"Total of the gang by date", std::vector<std::string>(values.size(), "day"), values});
    std::FILE* file = std::tmpfile();
    const std::unique_ptr<TableWriter> writer = MakeHtmlReport(file);
    NeverStop never;
    WriteTable(*writer, table, never);
    const std::string page = Contents(file);
    std::fclose(file);
    std::vector<std::size_t> at;
    for (const char* part : {"<caption>HISTORY GANG\n<svg ", "</svg>\n</caption>\n<thead>"}) {
      at.push_back(page.find(part));
    }
    const char* axis = values.size() > 1 ? "end\">300</text><text x=\"74\" y=\"93\" text-anchor="
                                           "\"end\">200</text><text x=\"74\" y=\"166\" "
                                           "text-anchor=\"end\">100</text>"
                                         : "fill=\"#5a6275\"><text x=\"74\" y=\"93\" "
                                           "text-anchor=\"end\">70</text><text x=";
    at.push_back(page.find(axis));
    EXPECT_LT(at[0], at[2]) << page;
    EXPECT_LT(at[2], at[1]) << page;
    EXPECT_NE(at[1], std::string::npos) << page;
  }
}

// A folder the user may not write to: OUTPUT cannot open the file, the
// table goes to the screen and nothing is created.
TEST_F(ExportTest, AnUnwritableFolderKeepsTheTablesOnTheScreen) {
  auto attempt = [this] {
    ConsoleCapture console("output locked/team.json wc done\n");
    List(console, session);
    const std::string screen = console.Printed();
    return screen.find("   [ERROR OPENING FILE.  OUTPUT SET TO SCREEN]\n") != std::string::npos &&
           screen.find("|Comma, \"quoted\"") != std::string::npos &&
           screen.find("SAVED") == std::string::npos && fs::is_empty("locked");
  };
  EXPECT_EQ(InLockedFolder(attempt), 0) << "3: could not become nobody";
}

}  // namespace

}  // namespace korvelin
