// Kept work: the recovery files and the list of those already told of.
#include "shell/recovery.h"

#include <algorithm>
#include <cstdlib>
#include <ctime>
#include <fstream>
#include <set>
#include <system_error>
#include <vector>

#include "console/line_history.h"
#include "files/save_file.h"
#include "text/dates.h"
#include "text/format.h"

namespace korvelin {

namespace fs = std::filesystem;

namespace {

const char kPrefix[] = "recovered-";
const char kSuffix[] = ".sav";
const char kAnnounced[] = "announced";  // the names told of, one a line

// Whether a name in the folder is a file of kept work's: the prefix, digits
// and dashes, the suffix.  (Looked at as the system has it: only such a name
// is sure to have a narrow form.)
bool IsKeptWork(const fs::path::string_type& name) {
  const std::size_t prefix = sizeof kPrefix - 1, suffix = sizeof kSuffix - 1;
  if (name.size() <= prefix + suffix) return false;
  for (std::size_t i = 0; i < name.size(); ++i) {
    const auto c = name[i];
    const bool fits = i < prefix                  ? c == kPrefix[i]
                      : i >= name.size() - suffix ? c == kSuffix[i - (name.size() - suffix)]
                                                  : (c >= '0' && c <= '9') || c == '-';
    if (!fits) return false;
  }
  return true;
}

// The name's date and time, and its number when the second was taken.
std::string Stem(const std::string& name) { return name.substr(0, name.size() - 4); }

std::string Now() {
  std::tm local{};
  LocalTime(std::time(nullptr), local);
  char text[32];
  std::strftime(text, sizeof text, "%Y%m%d-%H%M%S", &local);
  return text;
}

}  // namespace

fs::path RecoveryFolder() {
#ifdef _WIN32
  const char* local = std::getenv("LOCALAPPDATA");
  if (local == nullptr || *local == '\0') return fs::path();
  return fs::path(local) / "korvelin";
#else
  // The folder the line editor keeps its history in.
  const std::string line_history =
      LineHistoryPath(std::getenv("XDG_STATE_HOME"), std::getenv("HOME"));
  return line_history.empty() ? fs::path() : fs::path(line_history).parent_path();
#endif
}

fs::path KeepUnsavedWork(const Session& session, const fs::path& folder) {
  if (folder.empty()) return fs::path();
  std::error_code error;
  fs::create_directories(folder, error);
  const std::string stem = kPrefix + Now();
  fs::path file = folder / (stem + kSuffix);
  for (int number = 2; fs::symlink_status(file, error).type() != fs::file_type::not_found;
       ++number) {
    if (number > 100) return fs::path();
    file = folder / (stem + "-" + std::to_string(number) + kSuffix);
  }
  NullSink quiet;
  NeverStop unstopped;  // the program is ending: nothing is left to stop it for
  return WriteSaveFile(file.string(), session, quiet, unstopped).ok() ? file : fs::path();
}

void AnnounceKeptWork(Console& console, const fs::path& folder) {
  if (folder.empty()) return;
  std::set<std::string> told;
  {
    std::ifstream list(folder / kAnnounced, std::ios::binary);
    for (std::string line; std::getline(list, line);) told.insert(line);
  }
  std::set<std::string> kept;  // what the list holds next: the files still there
  std::vector<std::string> untold;
  std::error_code error;
  for (fs::directory_iterator entry(folder, error), end; !error && entry != end;
       entry.increment(error)) {
    if (!IsKeptWork(entry->path().filename().native())) continue;
    const std::string name = entry->path().filename().string();
    if (told.count(name) != 0) {
      kept.insert(name);
    } else {
      untold.push_back(name);
    }
  }
  if (untold.empty()) return;
  std::sort(untold.begin(), untold.end(),
            [](const std::string& a, const std::string& b) { return Stem(a) > Stem(b); });
  if (untold.size() > kMostTold) untold.resize(kMostTold);
  static const Format kTold("   [UNSAVED WORK OF AN EARLIER RUN WAS KEPT IN %s]\n");
  for (const std::string& name : untold) {
    console.Print(kTold({(folder / name).string()}));
    kept.insert(name);
  }
  // Written beside the old list, then put in its place.
  const fs::path list = folder / kAnnounced, fresh = folder / "announced.new";
  {
    std::ofstream out(fresh, std::ios::binary | std::ios::trunc);
    for (const std::string& name : kept) out << name << '\n';
  }
  fs::rename(fresh, list, error);
  if (error) fs::remove(fresh, error);
}

}  // namespace korvelin
