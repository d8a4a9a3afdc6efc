// The export formats read back: every value of every export equals the
// fixed table's cell for the same members and columns, names included; the
// extension picks the format; a folder that cannot be written keeps the
// tables on the screen.
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <climits>
#include <cmath>

#include "files/files_support.h"
#include "list/export_readers.h"
#include "list/list.h"
#include "list/table_writer.h"

namespace {

using namespace export_readers;

const char kMarkdownEscaped[] = "\\|*_`~<[]&";

class ExportTest : public FilesTest {
 protected:
  void SetUp() override {
    FilesTest::SetUp();
    // Names with every character a format treats specially, values blank,
    // negative, large, fractional and not finite.
    Add("Comma, \"quoted\"", 677814, 60, 1100, 2200);
    Add("Pipe|<&>\\*_`~[]", 2, 0, 450, 0)->oldintel = 0;
    Add("Tab\tand Latin-1 \xE9", 3, 12, 900, 950)->newbeg = 2.5;
    Add("Ctl\x01 and C1 \x85 byte", 4, 5, 100, 50);
    Add("Line\r\nbreak", 5, 7, 10, 20)->newintel = 0;
    PlayerRecord* big = Add("Abcdefghijklmnopqrstuvwxyz012", INT_MAX, INT_MAX, INT_MAX, INT_MAX);
    big->newstren = INT_MIN;
    big->oldhealth = -5;
    ListCalc(Start->next);
    big->wtotal = -INFINITY;  // as a negative weight times a huge stat could
  }

  PlayerRecord* Add(const char* name, int id, int level, int speed, int power) {
    PlayerRecord* r = Member(name, id);
    r->level = level;
    r->oldspeed = 1000;
    r->oldpower = 2000;
    r->oldstren = 3000;
    r->oldhealth = 4000;
    r->oldintel = 1000;
    r->oldbeg = 2.0;
    r->newspeed = speed;
    r->newpower = power;
    r->newstren = 3300;
    r->newhealth = 0;
    r->newintel = 1200;
    r->newbeg = 2.0;
    return r;
  }

  // Two tables, every column and then the WC columns, written by `make`.
  std::string Export(std::unique_ptr<TableWriter> (*make)(std::FILE*), std::string* screen) {
    std::FILE* file = std::tmpfile();
    std::unique_ptr<TableWriter> writer = make(file);
    PlayerRecord every{};
    for (const OptionInfo* option : OptionsInDisplayOrder()) OptionSelect(every, *option, true);
    WCOptions();
    const SlinkList list = SortMain(OptionNumber("id"), nullptr, kAscending);
    {
      ConsoleCapture console("");
      EXPECT_TRUE(WriteTable(*writer, "list", 99, list.get(), every));
      EXPECT_TRUE(WriteTable(*writer, "wc", 99, list.get(), *tempoptions));
      writer->EndFile();
      if (screen != nullptr) *screen = console.Printed();
    }
    std::string text = Contents(file);
    std::fclose(file);
    return text;
  }

  // The fixed table's cells in the form an export gives them: names as UTF-8
  // without padding (then as `name` maps them), a blank zero as 0, headings
  // as keywords when `keywords`.
  std::vector<Rows> Expected(std::string (*name)(const std::string&), bool keywords) {
    std::vector<Rows> tables = ReadFixed(Export(MakeFixedTable, nullptr));
    for (Rows& rows : tables) {
      for (std::size_t c = 0; keywords && c < rows[0].size(); ++c) {
        rows[0][c] = c == 0 ? "name" : Keyword(rows[0][c]);
      }
      for (std::size_t r = 1; r < rows.size(); ++r) {
        std::string& cell = rows[r][0];
        cell = name(ToUtf8(cell.substr(0, cell.find_last_not_of(' ') + 1)));
        for (std::size_t c = 1; c < rows[r].size(); ++c) {
          if (rows[r][c].empty()) rows[r][c] = "0";
        }
      }
    }
    return tables;
  }

  static std::string Keyword(const std::string& heading) {
    for (const OptionInfo* option : OptionsInDisplayOrder()) {
      if (PlainHeading(option) == heading) return option->keyword;
    }
    return "?";
  }
};

std::string AsIs(const std::string& name) { return name; }

std::string SpacedOut(const std::string& name) {
  std::string out = name;
  for (char& c : out) {
    if (c == '\t' || c == '\r' || c == '\n') c = ' ';
  }
  return out;
}

// HTML shows control characters (C0 but white space, DEL, C1) as U+FFFD.
std::string Replaced(const std::string& name) {
  std::string out;
  for (std::size_t at = 0; at < name.size();) {
    const Character c = DecodeCharacter(std::string_view(name).substr(at));
    const bool control = (c.code < 0x20 && c.code != '\t' && c.code != '\r' && c.code != '\n') ||
                         (c.code >= 0x7F && c.code <= 0x9F);
    out += control ? "\xEF\xBF\xBD" : name.substr(at, c.length);
    at += c.length;
  }
  return out;
}

TEST_F(ExportTest, CsvReadsBackAsTheFixedTable) {
  std::string screen;
  const std::string text = Export(MakeCsvTable, &screen);
  ASSERT_EQ(text.rfind("\xEF\xBB\xBF", 0), 0u);
  EXPECT_EQ(ReadCsv(text.substr(3)), Expected(AsIs, true));
  EXPECT_EQ(text.find('\n'), text.find("\r\n") + 1);  // every line ends in CR LF
  EXPECT_EQ(screen, "\n   [DATA SAVED SUCESSFULLY]\n\n\n   [DATA SAVED SUCESSFULLY]\n\n");
}

TEST_F(ExportTest, TsvReadsBackAsTheFixedTable) {
  const std::string text = Export(MakeTsvTable, nullptr);
  EXPECT_EQ(text.find('\r'), std::string::npos);
  EXPECT_EQ(ReadTsv(text), Expected(SpacedOut, true));
}

TEST_F(ExportTest, MarkdownReadsBackAsTheFixedTable) {
  const std::string text = Export(MakeMarkdownTables, nullptr);
  std::vector<std::string> titles;
  bool aligned = false;
  EXPECT_EQ(ReadMarkdown(text, titles, aligned), Expected(SpacedOut, false));
  EXPECT_TRUE(aligned);
  EXPECT_EQ(titles, (std::vector<std::string>{"LIST", "WC"}));
  // Each special character of the names only ever appears escaped.
  for (const char* c = kMarkdownEscaped; *c != '\0'; ++c) {
    EXPECT_NE(text.find(std::string("\\") + *c), std::string::npos) << *c;
  }
}

TEST_F(ExportTest, HtmlReadsBackAsTheFixedTable) {
  const std::string text = Export(MakeHtmlReport, nullptr);
  std::vector<std::string> captions;
  EXPECT_EQ(ReadHtml(text, captions), Expected(Replaced, false));
  EXPECT_EQ(captions, (std::vector<std::string>{"LIST", "WC"}));
  EXPECT_EQ(text.rfind("<!DOCTYPE html>\n", 0), 0u);
  EXPECT_EQ(text.substr(text.size() - 8), "</html>\n");
  // Nothing is fetched: no source or link to another file.
  for (const char* fetch : {"src=", "href=", "url(", "@import"}) {
    EXPECT_EQ(text.find(fetch), std::string::npos) << fetch;
  }
}

TEST_F(ExportTest, JsonReadsBackAsTheFixedTable) {
  const std::string text = Export(MakeJsonTables, nullptr);
  bool ok = false;
  const Json document = JsonReader(text).Document(ok);
  ASSERT_TRUE(ok) << text;
  ASSERT_EQ(document.kind, 'a');
  const std::vector<Rows> expected = Expected(AsIs, true);
  ASSERT_EQ(document.items.size(), expected.size());
  for (std::size_t t = 0; t < expected.size(); ++t) {
    const Json& table = document.items[t];
    ASSERT_EQ(table.members.size(), 3u);
    EXPECT_EQ(table.members[0].first, "table");
    EXPECT_EQ(table.members[0].second.text, t == 0 ? "list" : "wc");
    std::vector<std::string> columns;
    for (const Json& column : table.members[1].second.items) columns.push_back(column.text);
    EXPECT_EQ(columns, expected[t][0]);
    const std::vector<Json>& rows = table.members[2].second.items;
    ASSERT_EQ(rows.size() + 1, expected[t].size());
    for (std::size_t r = 0; r < rows.size(); ++r) {
      ASSERT_EQ(rows[r].members.size(), columns.size());
      for (std::size_t c = 0; c < columns.size(); ++c) {
        const auto& [key, value] = rows[r].members[c];
        EXPECT_EQ(key, columns[c]);
        const std::string& want = expected[t][r + 1][c];
        const bool finite = want != "inf" && want != "-inf" && want != "nan";
        EXPECT_EQ(value.kind, c == 0 ? 's' : finite ? 'n' : 'z') << key << " " << want;
        if (finite) {
          EXPECT_EQ(value.text, want) << key;
        }
      }
    }
  }
}

// A document without tables is still whole.
TEST_F(ExportTest, AFileWithoutTablesIsAWholeDocument) {
  auto end_only = [](std::unique_ptr<TableWriter> (*make)(std::FILE*)) {
    std::FILE* file = std::tmpfile();
    make(file)->EndFile();
    std::string text = Contents(file);
    std::fclose(file);
    return text;
  };
  EXPECT_EQ(end_only(MakeJsonTables), "[]\n");
  const std::string page = end_only(MakeHtmlReport);
  EXPECT_EQ(page.rfind("<!DOCTYPE html>", 0), 0u);
  EXPECT_EQ(page.substr(page.size() - 8), "</html>\n");
  EXPECT_EQ(end_only(MakeCsvTable), "");
  EXPECT_EQ(end_only(MakeMarkdownTables), "");
}

// The extension, in any case, picks the format; anything else is the fixed
// table.
TEST_F(ExportTest, TheExtensionPicksTheFormat) {
  const std::pair<const char*, const char*> cases[] = {
      {"a.csv", "\xEF\xBB\xBFname,"},
      {"B.CSV", "\xEF\xBB\xBFname,"},
      {"c.Tsv", "name\t"},
      {"d.json", "[\n{\"table\""},
      {"e.MD", "### WC\n"},
      {"f.html", "<!DOCTYPE"},
      {"g.HTM", "<!DOCTYPE"},
      {"h.txt", "| NAME:"},
      {"i.csv.txt", "| NAME:"},
      {"csv", "| NAME:"},
      {"j.jsonl", "| NAME:"},
      {"k.", "| NAME:"},
  };
  WCOptions();
  const SlinkList list = SortMain(OptionNumber("id"), nullptr, kAscending);
  for (const auto& [name, start] : cases) {
    std::unique_ptr<TableFile> file = TableFile::Open(name);
    ASSERT_NE(file, nullptr) << name;
    ConsoleCapture console("");
    EXPECT_TRUE(WriteTable(file->writer(), "wc", 2, list.get(), *tempoptions));
    EXPECT_TRUE(file->Finish());
    file.reset();
    EXPECT_EQ(Read(name).rfind(start, 0), 0u) << name << ": " << Read(name).substr(0, 20);
  }
  EXPECT_EQ(TableFile::Open("no-such-folder/x.csv"), nullptr);
}

// A folder the user may not write to: OUTPUT says it cannot open the file,
// the table goes to the screen and nothing is created.  As root, who may
// write anywhere, the check runs as the unprivileged user "nobody".
TEST_F(ExportTest, AnUnwritableFolderKeepsTheTablesOnTheScreen) {
  fs::create_directory("locked");
  fs::permissions("locked", fs::perms::owner_read | fs::perms::owner_exec | fs::perms::others_read |
                                fs::perms::others_exec);
  fs::permissions(dir_, fs::perms::all);
  auto attempt = [] {
    ConsoleCapture console("output\nlocked/team.json\nwc\ndone\n");
    List();
    const std::string screen = console.Printed();
    return screen.find("   [ERROR OPENING FILE.  OUTPUT SET TO SCREEN]\n") != std::string::npos &&
           screen.find("|Comma, \"quoted\"") != std::string::npos &&
           screen.find("SAVED") == std::string::npos && fs::is_empty("locked");
  };
  if (geteuid() != 0) {
    EXPECT_TRUE(attempt());
  } else {
    const pid_t child = fork();
    if (child == 0) {
      if (setgid(65534) != 0 || setuid(65534) != 0) _exit(3);
      _exit(attempt() ? 0 : 1);
    }
    int status = 0;
    waitpid(child, &status, 0);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0) << "3: could not become nobody";
  }
  fs::permissions("locked", fs::perms::owner_all);
}

}  // namespace
