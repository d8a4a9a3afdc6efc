// Unsaved work kept when the program is ended from outside (console/hangup.h),
// and told of at the next start.
#pragma once

#include <filesystem>
#include <string>

#include "console/console.h"
#include "roster/session.h"

namespace korvelin {

// Where the work is kept: $XDG_STATE_HOME/korvelin (~/.local/state/korvelin
// when it is unset; on Windows %LOCALAPPDATA%\korvelin).  Empty when none of
// them gives a place.
std::filesystem::path RecoveryFolder();

// Writes the session, as SAVE would, to a new file
// "recovered-YYYYMMDD-HHMMSS.sav" (local time; "-2", "-3" ... added to a
// name already taken) in `folder`, which is created when missing.  Returns
// the file's path; empty when it could not be written.
std::filesystem::path KeepUnsavedWork(const Session& session, const std::filesystem::path& folder);

// Prints "   [UNSAVED WORK OF AN EARLIER RUN WAS KEPT IN PATH]" for each
// file of kept work in `folder` not told of before, newest first, at most
// kMostTold of them, and notes them in the folder's "announced" list so
// that no later start tells of them again.  The files stay.
constexpr int kMostTold = 3;
void AnnounceKeptWork(Console& console, const std::filesystem::path& folder);

}  // namespace korvelin
