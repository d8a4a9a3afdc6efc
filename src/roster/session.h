// Session: everything a run of the program works on, created once by main
// and handed to every command that reads or changes it.  Nothing of it lives
// anywhere else.
//
// Who changes what:
//   roster    LOAD and UPDATE (files/), ADD, DELETE, SNAP and EDIT (maintenance/)
//   list      LOAD (both kinds of file); the List protocol's SORT, SET WEIGHTS and SET
//             STALL (list/)
//   columns   LOAD (both kinds of file); the List protocol's SET OPTIONS (list/)
//   season    LOAD (both kinds of file) and UPDATE (files/)
//   saved     LOAD and SAVE (files/), OUTPUT (list/), the main protocol and the
//             keeping of unsaved work (shell/)
//   view      the command line's --plain (shell/) and SET VIEW (list/)
// SAVE writes the first four; the List protocol's tables and FIND only read
// them.  A new part that SAVE writes also joins SessionCopy (shell/undo.h),
// which compares and copies those parts for UNDO and for the unsaved changes.
#pragma once

#include <cstdint>
#include <string>

#include "base/file_stamp.h"
#include "roster/columns.h"
#include "roster/roster.h"
#include "roster/season.h"
#include "roster/settings.h"

namespace korvelin {

// What the session knows of its saves; none of it is saved.
struct SaveState {
  // Something a save writes has changed since the last LOAD or SAVE (or
  // since start-up).  The main protocol sets it after a command that
  // changed the session, and UNDO as its step tells.
  bool unsaved = false;
  std::uint64_t clean_points = 0;  // LOADs and SAVEs so far, each of which clears `unsaved`
  // The last file loaded, saved or written a list to, as it was right after.
  FileStamp file;
  // The full name of the save file the session was last loaded from or
  // saved to; empty after a stat table's LOAD, which starts a new season.
  // A recovery file's note names it (shell/recovery.h).
  std::string save_file;

  // A LOAD or a SAVE has just read or written the whole session.
  void Clean(FileStamp written) {
    unsaved = false;
    ++clean_points;
    file = std::move(written);
  }
};

struct Session {
  Roster roster;      // the members, in roster order
  ListSettings list;  // the custom list's sort, the weights and the stall bar
  ColumnSet columns;  // the custom list's columns; none at start-up
  Season season;      // every stat table read, dated; none at start-up
  SaveState saved;    // not saved: whether it has changed since its last save
  bool view = true;   // not saved: tables too large for the window open in the viewer
};

// Whether the session holds changes that no file has: something changed
// since the last LOAD or SAVE, and there are members to save (SAVE and
// QUIT save no empty roster).
inline bool HasUnsavedChanges(const Session& session) {
  return session.saved.unsaved && !session.roster.empty();
}

static_assert(OptionNumber("healthp") == ListSettings{}.sort_option,
              "a new session sorts by healthp, as the program always has");

}  // namespace korvelin
