// Start-up and the main protocol.
#include "shell/shell.h"

#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <new>
#include <optional>

#include "console/hangup.h"
#include "console/protocol.h"
#include "files/files.h"
#include "list/list.h"
#include "maintenance/maintenance.h"
#include "shell/recovery.h"
#include "shell/undo.h"
#include "text/format.h"

namespace korvelin {

namespace {

// What the main protocol's commands work on.
struct Main {
  Console& console;
  Session& session;
  WorkKeeper& keeper;  // the unsaved work, kept in the run's recovery file
  UndoSteps undo;
};

// Runs a command that leaves the main prompt where it is, as a step that
// UNDO can take back (named by `Word`).  `Members`: it may change the
// members (only the List protocol does not).
template <void (*Run)(Console&, Session&), const char* Word, bool Members = true>
Next Stay(Main& main) {
  if (RunAsStep(main.undo, main.session, Word, Members,
                [&main] { Run(main.console, main.session); })) {
    main.keeper.Changed();
  }
  return Next::kStay;
}
template <void (*Run)(Console&, Roster&), const char* Word>
Next OnRoster(Main& main) {
  if (RunAsStep(main.undo, main.session, Word, true,
                [&main] { Run(main.console, main.session.roster); })) {
    main.keeper.Changed();
  }
  return Next::kStay;
}

// LOAD and UPDATE, which replace the members and the season with ones read
// aside: the step keeps the replaced ones, handed over, rather than a copy.
template <bool (*Run)(Console&, Session&, Session*), const char* Word>
Next Replacing(Main& main) {
  const std::uint64_t reads = main.session.saved.clean_points;
  const bool changed = RunAsReplacingStep(main.undo, main.session, Word, [&main](Session* before) {
    return Run(main.console, main.session, before);
  });
  if (changed) main.keeper.Changed();
  if (main.session.saved.clean_points == reads) return Next::kStay;
  try {
    main.keeper.Loaded(main.session);
  } catch (const std::bad_alloc&) {
    // The command is abandoned all the same: its step is taken back, and
    // with it what the session knew of its saves.
    std::optional<UndoStep> step = changed ? main.undo.Pop() : std::nullopt;
    if (step) {
      step->before.MoveInto(main.session);
      main.session.saved = std::move(step->saved);
    }
    throw;
  }
  return Next::kStay;
}

// SAVE, and QUIT, which may save: a save leaves no unsaved work to keep.
// True when QUIT ends the program.
template <bool Quitting>
bool Saving(Main& m) {
  const std::uint64_t saves = m.session.saved.clean_points;
  bool leave = false;
  if (Quitting) {
    leave = Quit(m.console, m.session);
  } else {
    Save(m.console, m.session);
  }
  if (m.session.saved.clean_points != saves) m.keeper.Saved();
  return leave;
}

// The words UNDO names its steps by.
constexpr char kList[] = "LIST", kEdit[] = "EDIT", kDelete[] = "DELETE", kAdd[] = "ADD",
               kLoad[] = "LOAD", kSnap[] = "SNAP", kUpdate[] = "UPDATE";

Next Undo(Main& m) {
  if (const char* command = UndoLastStep(m.undo, m.session)) {
    m.keeper.Changed();
    if (command == kLoad) m.keeper.LoadTakenBack();
    static const Format kUndone("   [UNDONE: %s]\n");
    m.console.Print(kUndone({command}));
  } else {
    m.console.PrintLine("   [NOTHING TO UNDO]");
  }
  return Next::kStay;
}

// The main help, beside the commands it describes.
const char kMainHelp[] =
    "\n   KORVELIN HELP\n   Main Protocol Help:\n   The 'Main Protocol' is the central part of "
    "the program from which the whole program is based.  It is the lowest level of program "
    "that can be accessed, and is where the program starts.  The following commands are "
    "available:\n"
    "HELP   : Gives this help display.\n"
    "ABOUT  : Gives an introduction KORVELIN and its features, as well as advice on its "
    "usage.\n"
    "LOAD   : Load a database from a file (or a table: 'paste' to paste it in, 'clipboard' to "
    "read the clipboard).\n"
    "SAVE   : Save the current database to a file.\n"
    "LIST   : Goto the list protocol to read or display the database.\n"
    "EDIT   : Manually edit database entries.\n"
    "UPDATE : Update the new stat entries from a more recent table file (or 'paste' or "
    "'clipboard').\n"
    "SNAP   : Take a 'Snapshot' by reset the old stat values to match the new stat values.\n"
    "ADD    : Manually add a new entry to the database.\n"
    "DELETE : Delete an entry from the database.\n"
    "QUIT   : Quit KORVELIN (includes the option to save before closing).\n"
    "FIND   : Find members by a part of their name.\n"
    "UNDO   : Take back the last change (up to 20 steps).\n"
    "\n   WARNING, ATTEMPTING TO LOAD FILES INCORRECTLY WILL CAUSE SERIOUS ERRORS!!!  Only "
    "update from files containing nothing but a stat table without header row, and only load "
    "from such a file or from an unedited file saved by KORVELIN\n";

// The main protocol's commands, in the order they are compared, with what
// Tab offers after each on a line typed ahead.  To add one: an entry of its
// word in lower case (typed in any case, at most 19 characters), its
// handler and what follows it; a command that may change what a save
// writes runs through Stay, OnRoster or Replacing, so that UNDO can take it
// back and the work is kept.  Its line goes into kMainHelp above, the
// README's command reference and the manual.
const Command<Handler<Main>> kMainCommands[] = {
    {"help",
     [](Main& m) {
       m.console.PrintLine(kMainHelp);
       return Next::kStay;
     }},
    {"list", Stay<List, kList, false>, ListPrompt},
    {"about",
     [](Main& m) {
       ShowAbout(m.console);
       if (!m.console.Ended()) PrintBanner(m.console);
       return Next::kStay;
     }},
    {"edit", OnRoster<Edit, kEdit>, AnyWordThen<EditKeywords>},
    {"delete", Stay<Delete, kDelete>, DeleteWords},
    {"add", OnRoster<Add, kAdd>},
    {"load", Replacing<Load, kLoad>, TablePrompt},
    {"save",
     [](Main& m) {
       Saving<false>(m);
       return Next::kStay;
     },
     FileNames},
    {"snap", OnRoster<Snap, kSnap>},
    {"update", Replacing<Update, kUpdate>, TablePrompt},
    // QUIT's confirmation, then the file to save to.
    {"quit", [](Main& m) { return Saving<true>(m) ? Next::kLeave : Next::kStay; },
     AnyWordThen<FileNames>},
    {"find",
     [](Main& m) {
       Find(m.console, m.session.roster);
       return Next::kStay;
     }},
    {"undo", Undo},
};

}  // namespace

namespace {

// The main protocol from the banner on to the farewell.
void RunSession(Console& console, Session& session, WorkKeeper& keeper,
                const std::optional<std::string>& file, bool terminal) {
  if (terminal) {
    AnnounceKeptWork(console, RecoveryFolder());
    console.AskBeforeEnd([&session] { return HasUnsavedChanges(session); });
  }
  if (file) {
    RunCommand(console, [&] {
      LoadFile(console, session, *file);
      if (session.saved.clean_points != 0) keeper.Loaded(session);
    });
  }
  Main main{console, session, keeper, UndoSteps()};
  RunProtocol(
      console, main,
      [](Main& m) {
        m.keeper.KeepIfDue(m.session);
        m.console.Print("\n   [KORVELIN-MAIN]\n >>> ");
      },
      kMainCommands, WordRule{kCommandLength, true});
  if (HungUp()) {
    if (HasUnsavedChanges(session)) keeper.KeepUnsavedWork(session);
    console.Flush();
    EndAfterHangUp();
  }
  keeper.Discard();
  console.Farewell();
  console.Flush();
}

// The program cannot go on for want of memory: what the abandoned command
// had changed is back, the unsaved work is kept as on a hang-up, and the
// program ends, saying why with what needs no memory.
int EndWithoutMemory(Console& console, const Session& session, std::optional<WorkKeeper>& keeper) {
  try {
    if (keeper && HasUnsavedChanges(session)) keeper->KeepUnsavedWork(session);
  } catch (const std::bad_alloc&) {
    // Not even that could be done.
  }
  std::FILE* out = console.Out();
  std::fputs(kOutOfMemoryMessage, out);
  std::fputs("\n", out);
  std::fflush(out);
  return EXIT_FAILURE;
}

}  // namespace

int RunProgram(Console& console, Session& session, const std::optional<std::string>& file,
               bool terminal) {
  std::optional<WorkKeeper> keeper;
  try {
    PrintBanner(console);
    // At a terminal the work is kept every minute too; input from a file or
    // a pipe can be given again.
    keeper.emplace(RecoveryFolder(), terminal
                                         ? std::optional<std::chrono::seconds>(KeepingInterval())
                                         : std::nullopt);
    RunSession(console, session, *keeper, file, terminal);
  } catch (const OutOfMemory&) {
    return EndWithoutMemory(console, session, keeper);
  } catch (const std::bad_alloc&) {
    return EndWithoutMemory(console, session, keeper);  // outside any command
  }
  return 0;
}

void PrintBanner(Console& console) {
  console.PrintLine("\n\n\n\n                       ****************************************");
  console.PrintLine("                       =/\\=***The Scrapton Rankulatorium***=/\\=");
  console.PrintLine("                       ****************************************");
  console.PrintLine("                       V6.14                       RELEASE V1.2");
  console.PrintLine("By Threllingworth");
  console.PrintLine("-Brackenhollowindustrie");
  console.PrintLine("Type 'help' at any time for a list of available commands");
}

}  // namespace korvelin
