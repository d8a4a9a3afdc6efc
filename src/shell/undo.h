// UNDO: the copies of the session taken before the commands that changed it,
// newest last, and how a command's changes are told apart from no change.
#pragma once

#include <cstddef>
#include <cstdint>
#include <deque>
#include <optional>

#include "roster/session.h"

namespace korvelin {

// What a save writes, copied before a command so that it can be compared
// with the session after it and put back by UNDO.  The members are copied
// only for a command that may change them (the List protocol changes only
// the settings and columns).  The season is never copied here: only LOAD
// and UPDATE change it, and they hand over the one they replace (Taking),
// so a season does not make every ADD or EDIT cost its size.
// A part that SAVE writes is one more field here, compared and put back
// with the others.
class SessionCopy {
 public:
  SessionCopy(const Session& session, bool members);
  // The parts a command replaced and handed over, taken as they are.
  static SessionCopy Taking(Session&& replaced);

  // The bytes a copy of `session` takes (its members' when `members`).
  static std::size_t BytesOf(const Session& session, bool members);
  std::size_t Bytes() const;
  // Whether a save of `session` would write what a save of the copy would.
  bool SameAs(const Session& session) const;
  // Puts the copied parts back into `session`; the copy is left empty.
  void MoveInto(Session& session);

 private:
  std::optional<Roster> roster_;
  std::optional<Season> season_;  // the one LOAD or UPDATE replaced
  ListSettings list_;
  ColumnSet columns_;
};

// One command UNDO can take back.
struct UndoStep {
  const char* command;  // its word in capitals, as UNDO names it
  SessionCopy before;   // what a save would have written before it
  SaveState saved;      // what the session knew of its saves before it
};

// The steps, up to kMostSteps and, together, at most a budget of bytes
// (kMostBytes): older steps are dropped first.
class UndoSteps {
 public:
  static constexpr std::size_t kMostSteps = 20;
  static constexpr std::size_t kMostBytes = std::size_t{256} << 20;

  explicit UndoSteps(std::size_t most_bytes = kMostBytes) : most_bytes_(most_bytes) {}

  // Drops the oldest steps until a copy of `bytes` fits beside the others.
  // False, with nothing dropped, when it could never fit.
  bool MakeRoom(std::size_t bytes);
  // Adds the newest step, dropping the oldest beyond kMostSteps or the budget.
  // When that runs out of memory, `step` is left as it was.
  void Push(UndoStep&& step);
  // Takes the newest step out; nothing when there is none.
  std::optional<UndoStep> Pop();
  void Clear();
  std::size_t size() const { return steps_.size(); }

 private:
  std::size_t most_bytes_;
  std::size_t bytes_ = 0;  // of every step's copy together
  std::deque<UndoStep> steps_;
};

// Runs `command` on the session as one step UNDO can take back: when it
// changed what a save writes, the session is marked unsaved (unless the
// command loaded or saved it itself) and the copy taken before becomes the
// newest step.  `members`: the command may change the members.  A session
// too large to copy runs the command all the same and, as it may have
// changed, is marked unsaved; the earlier steps go, since putting one back
// would silently undo this command too.  True when the command changed (or,
// too large to tell, may have changed) what a save writes.  A command
// abandoned for want of memory (console/protocol.h) leaves the session as
// the copy was: it is put back on the way out.
template <typename Run>
bool RunAsStep(UndoSteps& steps, Session& session, const char* word, bool members, Run command) {
  const std::size_t bytes = SessionCopy::BytesOf(session, members);
  if (!steps.MakeRoom(bytes)) {
    session.saved.unsaved = true;
    steps.Clear();
    command();
    return true;
  }
  UndoStep step{word, SessionCopy(session, members), session.saved};
  try {
    command();
    if (step.before.SameAs(session)) return false;
    if (session.saved.clean_points == step.saved.clean_points) session.saved.unsaved = true;
    steps.Push(std::move(step));
    return true;
  } catch (...) {
    step.before.MoveInto(session);
    session.saved = std::move(step.saved);
    throw;
  }
}

// Runs `command(&before)` on the session as one step UNDO can take back, for
// a command that replaces the members and season wholesale (LOAD, UPDATE)
// and hands the replaced parts over in `before` instead of their being
// copied first: it returns whether it replaced them, and leaves the session
// as it was when it is abandoned.  When they fit the budget they become the
// newest step; otherwise the earlier steps go too.  True when the session
// changed.
template <typename Run>
bool RunAsReplacingStep(UndoSteps& steps, Session& session, const char* word, Run command) {
  SaveState saved = session.saved;
  Session before;
  if (!command(&before)) return false;
  // Nothing from here on asks for memory but the step's place among the
  // others; without it the command is taken back.
  UndoStep step{word, SessionCopy::Taking(std::move(before)), std::move(saved)};
  if (step.before.SameAs(session)) return false;
  if (session.saved.clean_points == step.saved.clean_points) session.saved.unsaved = true;
  if (!steps.MakeRoom(step.before.Bytes())) {
    steps.Clear();
    return true;
  }
  try {
    steps.Push(std::move(step));
  } catch (...) {
    step.before.MoveInto(session);
    session.saved = std::move(step.saved);
    throw;
  }
  return true;
}

// UNDO: puts the newest step's copy back.  The session is unsaved unless it
// is back where the last LOAD or SAVE left it.  Names the command taken
// back; null when there was none.
const char* UndoLastStep(UndoSteps& steps, Session& session);

}  // namespace korvelin
