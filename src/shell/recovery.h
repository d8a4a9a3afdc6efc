// Unsaved work kept in recovery files: written every minute while the
// session changes and when the program is ended from outside
// (console/hangup.h), so that a hang-up, a kill, a crash or a power cut
// loses at most a minute of it; told of at each start until it is dealt
// with.
#pragma once

#include <chrono>
#include <cstddef>
#include <filesystem>
#include <optional>

#include "console/console.h"
#include "roster/session.h"

namespace korvelin {

// Where the work is kept: $XDG_STATE_HOME/korvelin (~/.local/state/korvelin
// when it is unset; on Windows %LOCALAPPDATA%\korvelin).  Empty when none of
// them gives a place.
std::filesystem::path RecoveryFolder();

// How old the last keeping must be before a command's changes are kept
// again: a minute, or the whole seconds KORVELIN_KEEP_SECONDS gives (a
// test's way to wait less).
std::chrono::seconds KeepingInterval();

// A roster larger than this is kept only when the program is ended from
// outside: writing it every minute would hold up the prompt.
constexpr std::size_t kMostKeptMembers = 100000;

// One run's recovery file, "recovered-YYYYMMDD-HHMMSS-PID-N.sav" in the
// recovery folder (the local time of its first keeping, the number of the
// process, N counting from 0 past names taken), created only where no file
// has that name: copies of the program ended at once keep a file each.  It
// is a save file written as SAVE writes one, without backups, whose line
// after the rule (empty in a save) notes when it was kept and the save file
// its work came from:
//   KEPT 2026-11-24 18:05 FROM "/home/ann/season.sav"
// ("KEPT 2026-11-24 18:05" alone when it came from none; in the name a
// double quote and a backslash are written as \" and \\, a byte 00-1F or
// 7F-9F as \xHH).  Every reader of save files passes that line over.
class WorkKeeper {
 public:
  // Keeps work in `folder` (nothing at all when it is empty): after
  // commands, every `interval`; without one, only when asked.
  WorkKeeper(std::filesystem::path folder, std::optional<std::chrono::seconds> interval);
  WorkKeeper(const WorkKeeper&) = delete;
  WorkKeeper& operator=(const WorkKeeper&) = delete;

  // A command changed what a save writes.
  void Changed() { pending_ = true; }
  // Before the main prompt: keeps the unsaved work when a command has
  // changed it since the last keeping and the last keeping (or the start,
  // or the last save) is `interval` old.  A roster of more than
  // kMostKeptMembers is left to KeepUnsavedWork.
  void KeepIfDue(const Session& session);
  // Writes the session to the run's recovery file now, whole, flushed and
  // renamed into place as saves are (a hang-up; a program that cannot go
  // on).  Returns the file's path; empty when it could not be written.
  std::filesystem::path KeepUnsavedWork(const Session& session);
  // LOAD has read `session` from a file.  From a recovery file, the session
  // is unsaved work again, of the save file the note names; that recovery
  // file stays until the session is saved.
  void Loaded(Session& session);
  // UNDO took a LOAD back: a session restored from a recovery file is gone,
  // and that file stays.
  void LoadTakenBack() { restored_.clear(); }
  // SAVE has written the whole session: the run's recovery file goes, and
  // the one the session was restored from.
  void Saved();
  // The run ends of itself (QUIT, the end of the input): its file goes.
  void Discard();

 private:
  using Clock = std::chrono::steady_clock;
  bool Reserve();  // creates the run's file, empty, under a name of its own

  std::filesystem::path folder_;
  std::optional<std::chrono::seconds> interval_;
  std::filesystem::path file_;      // the run's recovery file; empty until the first keeping
  std::filesystem::path restored_;  // the recovery file the session was loaded from
  Clock::time_point last_;          // the start, the last keeping or the last save
  bool pending_ = false;            // changed since the last keeping
};

// Prints "   [UNSAVED WORK OF AN EARLIER RUN (FILE, TIME) WAS KEPT IN PATH]"
// for each recovery file in `folder`, newest first: FILE the save file its
// work came from ("NO FILE" when none) and TIME when it was kept.  A file
// there that is not a readable save file is passed over and left alone.
void AnnounceKeptWork(Console& console, const std::filesystem::path& folder);

}  // namespace korvelin
