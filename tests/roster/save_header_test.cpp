// Telling a save file by its header, as OUTPUT must before it empties a file.
#include <string>

#include "files/files_support.h"

namespace {

class SaveHeaderTest : public FilesTest {};

TEST_F(SaveHeaderTest, SaveFilesAreKnownWhateverTheirLineEndsOrMark) {
  const std::string header = kSaveHeader;
  std::string crlf;
  for (char c : header) crlf += c == '\n' ? std::string("\r\n") : std::string(1, c);
  Write("lf.sav", header + "\nrest");
  Write("crlf.sav", crlf + "\r\nrest");
  Write("marked.sav", "\xEF\xBB\xBF" + header);
  Write("short.sav", header.substr(0, header.size() - 1));
  Write("table.txt", "Ann (1) 1 2 3 4 5\n");
  EXPECT_TRUE(IsSaveFile("lf.sav"));
  EXPECT_TRUE(IsSaveFile("crlf.sav"));
  EXPECT_TRUE(IsSaveFile("marked.sav"));
  EXPECT_FALSE(IsSaveFile("short.sav"));
  EXPECT_FALSE(IsSaveFile("table.txt"));
  EXPECT_FALSE(IsSaveFile("missing.sav"));
  EXPECT_FALSE(IsSaveFile("."));
}

}  // namespace
