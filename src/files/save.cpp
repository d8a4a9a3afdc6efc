// SAVE, QUIT and the save-file writer.
//
// The save file, which OldLoader reads back by position.  It is written to
// disk and read by earlier runs of the program: its layout must not change.
//   1. kSaveHeader (199 characters in six lines), then an empty line;
//   2. the column titles, a rule of 199 "_" closed by "|", an empty line;
//   3. one row per member, in roster order:
//      "|" name (29 columns) " : " id " : " level " : " the old speed, power,
//      strength, health, intelligence, beg (six decimals), then the same six
//      new values, each separated by " : ", and " |";
//   4. "}";
//   5. the 35 column flags of the custom display, "  F  :  " each, in option
//      order (1 = hidden, 0 = shown), with no line end of their own;
//   6. ": health : speed : power : strength weight (six decimals each) :
//      sort option : sort direction " on a line of its own;
//   7. "}".
#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cmath>
#include <filesystem>
#include <system_error>

#include "console/console.h"
#include "files/files.h"
#include "roster/options.h"
#include "text/format.h"

namespace fs = std::filesystem;

namespace {

const char kTitles[] =
    "| NAME:                        : ID_NUM : Level : Init_Speed : Init_Power : Init_Stren: "
    "Init_Health : Init_Intel : Init_Beg :  New_Speed :  New_Power :  New_Stren :  New_Health :  "
    "New_Intel : New_Beg |\n";

void Write(std::FILE* out, const std::string& text) {
  std::fwrite(text.data(), 1, text.size(), out);
}

// The file's row of one member.
const Format kRow(
    "|%-29s : %d : %d : %d : %d : %d : %d : %d : %lf : %d : %d : %d : %d : %d : %lf |\n");
// The console's echo of a saved member (both health values left out).
const Format kEcho(
    "|%-29s : %6.0d :  %3.0d  :   %6.0d   :   %6.0d   :   %6.0d  :    %4.0d    :  %6.2f  :   "
    "%6.0d   :   %6.0d   :   %6.0d   :    %4.0d    :  %6.2f  |\n");
const Format kSettings("\n: %lf : %lf : %lf : %lf : %d : %d \n");

// Writes the whole file, echoing every row and the closing "}".
void WriteContents(std::FILE* out) {
  std::fputs(kSaveHeader, out);
  std::fputs("\n", out);
  std::fputs(kTitles, out);
  std::fputs(std::string(199, '_').c_str(), out);
  std::fputs("|\n\n", out);
  std::string row, echo;
  for (const PlayerRecord* r = Start->next; r != nullptr; r = r->next) {
    row.clear();
    kRow.AppendTo(row, {r->name, r->id, r->level, r->oldspeed, r->oldpower, r->oldstren,
                        r->oldhealth, r->oldintel, r->oldbeg, r->newspeed, r->newpower, r->newstren,
                        r->newhealth, r->newintel, r->newbeg});
    Write(out, row);
    echo.clear();
    kEcho.AppendTo(echo,
                   {r->name, r->id, r->level, r->oldspeed, r->oldpower, r->oldstren, r->oldintel,
                    r->oldbeg, r->newspeed, r->newpower, r->newstren, r->newintel, r->newbeg});
    Print(echo);
  }
  std::fputs("}\n", out);
  OptionSave(out);
  Write(out, kSettings({HealthWeight(), SpeedWeight(), PowerWeight(), StrengthWeight(),
                        ListSortOption(), ListSortDirection()}));
  std::fputs("}\n", out);
  Print("}\n");
}

// Flushes and closes `out`; false when anything written did not reach it.
bool Finish(std::FILE* out) {
  bool ok = std::fflush(out) == 0 && !std::ferror(out);
  return std::fclose(out) == 0 && ok;
}

void SaveFailed() { PrintLine("   [ERROR SAVING FILE.  SAVE ABORTED]"); }

// The file a name stands for once symbolic links are followed; the links
// themselves are left as they are.
fs::path FollowLinks(fs::path path) {
  std::error_code error;
  for (int hops = 0; hops < 40 && fs::is_symlink(fs::symlink_status(path, error)); ++hops) {
    const fs::path target = fs::read_symlink(path, error);
    if (error) break;
    path = target.is_absolute() ? target : path.parent_path() / target;
  }
  return path;
}

// A new, empty file beside `target`, opened for writing; null when the
// folder takes no new file.
std::FILE* CreateBeside(const fs::path& target, fs::path& created) {
  const fs::path folder = target.has_parent_path() ? target.parent_path() : fs::path(".");
  for (int attempt = 0; attempt < 100; ++attempt) {
    created = folder / ("." + target.filename().string() + ".saving-" + std::to_string(getpid()) +
                        "-" + std::to_string(attempt));
    const int fd = open(created.string().c_str(), O_WRONLY | O_CREAT | O_EXCL, 0666);
    if (fd >= 0) {
      std::FILE* out = fdopen(fd, "w");
      if (out == nullptr) {
        close(fd);
        fs::remove(created);
      }
      return out;
    }
    if (errno != EEXIST) return nullptr;
  }
  return nullptr;
}

// Writes a new file beside the target and moves it over the target only
// once every write has reached it, so an earlier save survives any failure.
bool ReplaceRegularFile(const fs::path& target, bool exists) {
  if (exists) {
    // A file that may not be written (read-only) is not replaced either.
    FilePtr probe(std::fopen(target.string().c_str(), "r+"));
    if (!probe) {
      SaveFailed();
      return false;
    }
  }
  fs::path temporary;
  std::FILE* out = CreateBeside(target, temporary);
  if (out == nullptr) {
    SaveFailed();
    return false;
  }
  WriteContents(out);
  std::error_code error;
  bool ok = Finish(out);
  if (ok && exists) fs::permissions(temporary, fs::status(target).permissions(), error);
  if (ok) fs::rename(temporary, target, error);
  if (!ok || error) {
    fs::remove(temporary, error);
    SaveFailed();
    return false;
  }
  return true;
}

// A device or a pipe is written where it stands and never replaced.
bool WriteInPlace(const fs::path& target) {
  std::FILE* out = std::fopen(target.string().c_str(), "w");
  if (out == nullptr) {
    SaveFailed();
    return false;
  }
  WriteContents(out);
  if (!Finish(out)) {
    SaveFailed();
    return false;
  }
  return true;
}

}  // namespace

bool WriteSaveFile(const std::string& name) {
  const fs::path target = FollowLinks(name);
  std::error_code error;
  const fs::file_status status = fs::status(target, error);
  if (status.type() == fs::file_type::not_found) {
    return ReplaceRegularFile(target, false);
  }
  if (error || status.type() == fs::file_type::directory) {
    SaveFailed();
    return false;
  }
  if (status.type() == fs::file_type::regular) return ReplaceRegularFile(target, true);
  return WriteInPlace(target);
}

void OptionSave(std::FILE* out) {
  for (int number = 1; number <= kOptionCount; ++number) {
    const OptionInfo& option = OptionByNumber(number);
    // A real field counts as shown when its value truncated toward zero is
    // not zero.
    const bool shown = option.kind == OptionKind::kReal
                           ? std::trunc(displayoptions.get()->*option.real_field) != 0.0
                           : OptionSelected(*displayoptions, option);
    std::fprintf(out, "  %d  :  ", shown ? 0 : 1);
  }
}

namespace {

// Asks for the file to save to and saves.  False when the save failed.
bool AskAndSave(const char* prompt) {
  std::string name;
  switch (AskFileName(prompt, name)) {
    case FileAnswer::kCancelled: return true;
    case FileAnswer::kRefused: SaveFailed(); return false;
    case FileAnswer::kName: break;
  }
  return WriteSaveFile(name);
}

}  // namespace

void Save() {
  if (Start->next == nullptr) return;
  AskAndSave("   [FILE TO SAVE TO? '\\' TO CANCEL]\n   [KORVELIN-SAVE]\n >>> ");
}

int Quit() {
  Print("   [ARE YOU SURE? 'Y' TO CONFIRM]\n   [KORVELIN-QUIT-CONFIRM]\n >>> ");
  bool yes = false;
  if (!ReadYes(yes)) return 0;
  if (!yes) {
    PrintLine("   [QUIT ABORTED]\n");
    return -1;
  }
  if (Start->next == nullptr) return 0;
  // A failed save keeps the program running, so nothing is lost.
  return AskAndSave(
             "   [FILE TO SAVE TO? '\\' TO QUIT WITHOUT SAVING]\n   [KORVELIN-QUIT-SAVE]\n >>> ")
             ? 0
             : -1;
}
