// Kept work: the run's recovery file, its note, and the notice at start.
#include "shell/recovery.h"

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <ctime>
#include <fstream>
#include <string>
#include <string_view>
#include <system_error>
#include <vector>

#include "console/line_history.h"
#include "files/atomic_file.h"
#include "files/save_file.h"
#include "text/dates.h"
#include "text/format.h"
#include "text/save_header.h"

namespace korvelin {

namespace fs = std::filesystem;

namespace {

const char kPrefix[] = "recovered-";
const char kSuffix[] = ".sav";
const char kKept[] = "KEPT ";
const char kFrom[] = " FROM ";

// Whether a name in the folder is a recovery file's: the prefix, digits
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

// `time` in local time, as `format` (strftime's) writes it.
std::string LocalText(std::time_t time, const char* format) {
  std::tm local{};
  if (!LocalTime(time, local)) return std::string();
  char text[32];
  return std::string(text, std::strftime(text, sizeof text, format, &local));
}

// The note's name: quoted, and free of control characters, which would end
// the line for a reader that passes it over.
void AppendQuoted(std::string& out, const std::string& name) {
  static const char kHex[] = "0123456789abcdef";
  out += '"';
  for (const char c : name) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte == '"' || byte == '\\') {
      out += '\\';
      out += c;
    } else if (byte < 0x20 || (byte >= 0x7F && byte <= 0x9F)) {
      out += "\\x";
      out += kHex[byte >> 4];
      out += kHex[byte & 15];
    } else {
      out += c;
    }
  }
  out += '"';
}

int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  return -1;
}

// What a recovery file's note says; false when the line is no note.
bool ReadNote(std::string_view line, std::string& time, std::string& from) {
  const std::size_t kTime = 16;  // YYYY-MM-DD HH:MM
  const std::size_t kept = sizeof kKept - 1, after = sizeof kFrom - 1;
  if (line.compare(0, kept, kKept) != 0 || line.size() < kept + kTime) return false;
  time = std::string(line.substr(kept, kTime));
  from.clear();
  line.remove_prefix(kept + kTime);
  if (line.empty()) return true;
  if (line.compare(0, after + 1, std::string(kFrom) + '"') != 0) return false;
  for (std::size_t i = after + 1; i < line.size(); ++i) {
    if (line[i] == '"') return i + 1 == line.size();
    if (line[i] != '\\') {
      from += line[i];
    } else if (i + 1 < line.size() && line[i + 1] != 'x') {
      from += line[++i];
    } else if (i + 3 < line.size() && HexDigit(line[i + 2]) >= 0 && HexDigit(line[i + 3]) >= 0) {
      from += static_cast<char>(HexDigit(line[i + 2]) * 16 + HexDigit(line[i + 3]));
      i += 3;
    } else {
      return false;
    }
  }
  return false;  // no closing quote
}

// The first part of `file`: enough for the header, the lines after it and
// any note.
std::string Head(const fs::path& file) {
  std::string head(1 << 16, '\0');
  std::ifstream in(file, std::ios::binary);
  in.read(&head[0], static_cast<std::streamsize>(head.size()));
  head.resize(static_cast<std::size_t>(in.gcount()));
  return head;
}

// Reads the note of the recovery file `file`: false when the file is not a
// save file.
bool NoteOf(const fs::path& file, std::string& time, std::string& from) {
  TextStream in = TextStream::Memory(Head(file));
  if (!TakeSaveHeader(in)) return false;
  time.clear();
  from.clear();
  ReadNote(ReadSaveFileNote(in), time, from);
  return true;
}

// When the file was last written, in local time (for a recovery file
// without a note: an earlier version's).
std::string WrittenAt(const fs::path& file) {
  std::error_code error;
  const fs::file_time_type written = fs::last_write_time(file, error);
  if (error) return std::string();
  const auto now = std::chrono::system_clock::now() + (written - fs::file_time_type::clock::now());
  return LocalText(std::chrono::system_clock::to_time_t(
                       std::chrono::time_point_cast<std::chrono::system_clock::duration>(now)),
                   "%Y-%m-%d %H:%M");
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

std::chrono::seconds KeepingInterval() {
  const char* text = std::getenv("KORVELIN_KEEP_SECONDS");
  if (text != nullptr && *text >= '0' && *text <= '9') {
    char* end = nullptr;
    const long seconds = std::strtol(text, &end, 10);
    if (*end == '\0') return std::chrono::seconds(seconds);
  }
  return std::chrono::minutes(1);
}

WorkKeeper::WorkKeeper(fs::path folder, std::optional<std::chrono::seconds> interval)
    : folder_(std::move(folder)), interval_(interval), last_(Clock::now()) {}

bool WorkKeeper::Reserve() {
  std::error_code error;
  fs::create_directories(folder_, error);
  const std::string stem = kPrefix + LocalText(std::time(nullptr), "%Y%m%d-%H%M%S") + "-" +
                           std::to_string(ThisProcess()) + "-";
  for (int number = 0; number < 100; ++number) {
    const fs::path file = folder_ / (stem + std::to_string(number) + kSuffix);
    const FileStatus made = CreateNewFile(file.string());
    if (made.ok()) {
      file_ = file;
      return true;
    }
    if (made.error != EEXIST) return false;
  }
  return false;
}

void WorkKeeper::KeepIfDue(const Session& session) {
  if (!interval_ || !pending_ || !HasUnsavedChanges(session)) return;
  if (session.roster.size() > kMostKeptMembers || Clock::now() - last_ < *interval_) return;
  KeepUnsavedWork(session);
}

fs::path WorkKeeper::KeepUnsavedWork(const Session& session) {
  if (folder_.empty()) return fs::path();
  // A keeping that fails is tried again a minute later, not at every prompt.
  last_ = Clock::now();
  if (file_.empty() && !Reserve()) return fs::path();
  std::string note = kKept + LocalText(std::time(nullptr), "%Y-%m-%d %H:%M");
  if (!session.saved.save_file.empty()) {
    note += kFrom;
    AppendQuoted(note, session.saved.save_file);
  }
  NullSink quiet;
  NeverStop unstopped;  // a keeping is short, or the program is ending
  SaveFileWriting how;
  how.note = note;
  how.backups = false;
  if (!WriteSaveFile(file_.string(), session, quiet, unstopped, how).ok()) return fs::path();
  pending_ = false;
  return file_;
}

void WorkKeeper::Loaded(Session& session) {
  restored_.clear();
  if (folder_.empty() || session.saved.file.path.empty()) return;
  const fs::path loaded = fs::u8path(session.saved.file.path);
  std::error_code error;
  if (!IsKeptWork(loaded.filename().native()) ||
      loaded.parent_path() != fs::weakly_canonical(folder_, error)) {
    return;
  }
  std::string time, from;
  NoteOf(loaded, time, from);
  restored_ = loaded;
  session.saved.unsaved = true;
  session.saved.save_file = from;
  pending_ = false;  // the work is in that file already
}

void WorkKeeper::Saved() {
  Discard();
  std::error_code error;
  if (!restored_.empty()) fs::remove(restored_, error);
  restored_.clear();
}

void WorkKeeper::Discard() {
  std::error_code error;
  if (!file_.empty()) fs::remove(file_, error);
  file_.clear();
  pending_ = false;
  last_ = Clock::now();
}

void AnnounceKeptWork(Console& console, const fs::path& folder) {
  if (folder.empty()) return;
  struct Kept {
    std::string name, time, from;
  };
  std::vector<Kept> kept;
  std::error_code error, unreadable;
  for (fs::directory_iterator entry(folder, error), end; !error && entry != end;
       entry.increment(error)) {
    if (!IsKeptWork(entry->path().filename().native()) || !entry->is_regular_file(unreadable)) {
      continue;
    }
    Kept file{entry->path().filename().string(), "", ""};
    if (!NoteOf(entry->path(), file.time, file.from)) continue;
    if (file.time.empty()) file.time = WrittenAt(entry->path());
    kept.push_back(std::move(file));
  }
  // The names begin with the time of the first keeping.
  std::sort(kept.begin(), kept.end(), [](const Kept& a, const Kept& b) { return a.name > b.name; });
  static const Format kTold("   [UNSAVED WORK OF AN EARLIER RUN (%s, %s) WAS KEPT IN %s]\n");
  for (const Kept& file : kept) {
    const std::string from = file.from.empty() ? "NO FILE" : file.from;
    console.Print(kTold({from, file.time, (folder / file.name).string()}));
  }
}

}  // namespace korvelin
