// Helpers for the database-file tests: a private folder for files and
// console input for the commands that ask for a file name.
#pragma once

#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <sstream>
#include <string>

#include "files/files.h"
#include "files/save_file.h"
#include "files/stat_table.h"
#include "list/list.h"
#include "test_support.h"
#include "text/save_header.h"

namespace korvelin {

namespace fs = std::filesystem;

// A save file's flag line, settings line and closing "}", after its rows.
inline std::string SaveTrailer() {
  std::string trailer;
  WriteColumnFlags(ColumnSet(), trailer);
  return trailer + "\n: 1 : 1 : 1 : 1 : 17 : 1 \n}\n";
}

// A roster test with a private folder that is removed afterwards.
class FilesTest : public RosterTest {
 protected:
  void SetUp() override {
    RosterTest::SetUp();
    std::string pattern = (fs::temp_directory_path() / "korvelin-files-XXXXXX").string();
    dir_ = mkdtemp(&pattern[0]);
    // Typed file names hold at most 29 characters: work inside the folder.
    home_ = fs::current_path();
    fs::current_path(dir_);
  }
  void TearDown() override {
    fs::current_path(home_);
    std::error_code error;
    fs::permissions(dir_, fs::perms::owner_all, fs::perm_options::add, error);
    fs::remove_all(dir_, error);
    RosterTest::TearDown();
  }

  std::string Path(const std::string& name) const { return (dir_ / name).string(); }

  void Write(const std::string& name, const std::string& bytes) const {
    std::ofstream(dir_ / name, std::ios::binary) << bytes;
  }

  std::string Read(const std::string& name) const {
    std::ifstream in(dir_ / name, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
  }

  // Runs LOAD with the given file name (in the folder) typed, returning what it printed.
  std::string LoadFile(const std::string& name) {
    ConsoleCapture console(name + "\n");
    Load(console, session);
    return console.Printed();
  }

  // Runs UPDATE with the given file name typed.
  std::string UpdateFrom(const std::string& name) {
    ConsoleCapture console(name + "\n");
    Update(console, session);
    return console.Printed();
  }

  // Writes a save file as SAVE does, returning the echo.
  std::string SaveTo(const std::string& path, FileStatus* status = nullptr) {
    StringSink echo;
    NeverStop never;
    const FileStatus saved = WriteSaveFile(path, session, echo, never);
    if (status != nullptr) *status = saved;
    return echo.text();
  }

  // Runs SAVE with the given file name typed, returning what it printed
  // after its prompt: the echo and any failure.
  std::string SaveCommand(const std::string& path) {
    ConsoleCapture console(path + "\n");
    Save(console, session);
    const std::string prompt = "   [FILE TO SAVE TO? '\\' TO CANCEL]\n   [KORVELIN-SAVE]\n >>> ";
    std::string printed = console.Printed();
    EXPECT_EQ(printed.rfind(prompt, 0), 0u) << printed;
    return printed.erase(0, prompt.size());
  }

  // The names of every file in the folder.
  std::vector<std::string> Listing() const {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(dir_)) {
      names.push_back(entry.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    return names;
  }

  // Runs `attempt` with the folder "locked" open to its owner for reading
  // only; as root, who may write anywhere, in a child process of the
  // unprivileged user "nobody".  0 when `attempt` returned true; 3 when the
  // child could not become nobody.
  int InLockedFolder(const std::function<bool()>& attempt) {
    fs::create_directories("locked");
    fs::permissions("locked", fs::perms::owner_read | fs::perms::owner_exec |
                                  fs::perms::others_read | fs::perms::others_exec);
    fs::permissions(dir_, fs::perms::all);
    int status = 0;
    if (geteuid() != 0) {
      status = attempt() ? 0 : 1;
    } else {
      const pid_t child = fork();
      if (child == 0) {
        if (setgid(65534) != 0 || setuid(65534) != 0) _exit(3);
        _exit(attempt() ? 0 : 1);
      }
      waitpid(child, &status, 0);
      status = WIFEXITED(status) ? WEXITSTATUS(status) : 1;
    }
    fs::permissions("locked", fs::perms::owner_all);
    return status;
  }

  fs::path dir_;
  fs::path home_;
};

}  // namespace korvelin
