// Telling a save file by its header, as OUTPUT must before it empties a file.
#include "text/save_header.h"

#include <string>

#include "files/files_support.h"

namespace korvelin {

namespace {

class SaveHeaderTest : public FilesTest {};

TEST_F(SaveHeaderTest, SaveFilesAreKnownWhateverTheirLineEndsOrMark) {
  const std::string header = kSaveHeader;
  std::string crlf;
  std::string utf16 = "\xFF\xFE";
  for (char c : header) crlf += c == '\n' ? std::string("\r\n") : std::string(1, c);
  for (char c : crlf) utf16 += {c, '\0'};
  const std::pair<std::string, bool> files[] = {{header + "\nrest", true},
                                                {crlf + "\r\nrest", true},
                                                {"\xEF\xBB\xBF" + header, true},
                                                {utf16, true},
                                                {header.substr(0, header.size() - 1), false},
                                                {"Ann (1) 1 2 3 4 5\n", false}};
  for (const auto& [bytes, save] : files) {
    Write("file", bytes);
    EXPECT_EQ(IsSaveFile("file"), save) << bytes;
  }
  EXPECT_FALSE(IsSaveFile("missing.sav"));
  EXPECT_FALSE(IsSaveFile("."));
}

}  // namespace

}  // namespace korvelin
