// UNDO's steps.
#include "shell/undo.h"

namespace korvelin {

SessionCopy::SessionCopy(const Session& session, bool members)
    : list_(session.list), columns_(session.columns) {
  if (members) roster_.emplace(session.roster);
}

SessionCopy SessionCopy::Taking(Session&& replaced) {
  SessionCopy copy(replaced, false);
  copy.roster_.emplace(std::move(replaced.roster));
  copy.season_.emplace(std::move(replaced.season));
  return copy;
}

std::size_t SessionCopy::BytesOf(const Session& session, bool members) {
  return sizeof(SessionCopy) + (members ? session.roster.CopyBytes() : 0);
}

std::size_t SessionCopy::Bytes() const {
  return sizeof(SessionCopy) + (roster_ ? roster_->CopyBytes() : 0) +
         (season_ ? season_->CopyBytes() : 0);
}

bool SessionCopy::SameAs(const Session& session) const {
  return (!roster_ || *roster_ == session.roster) && (!season_ || *season_ == session.season) &&
         list_ == session.list && columns_ == session.columns;
}

void SessionCopy::MoveInto(Session& session) {
  if (roster_) {
    session.roster = std::move(*roster_);
    roster_.reset();
  }
  if (season_) {
    session.season = std::move(*season_);
    season_.reset();
  }
  session.list = list_;
  session.columns = columns_;
}

bool UndoSteps::MakeRoom(std::size_t bytes) {
  if (bytes > most_bytes_) return false;
  while (!steps_.empty() && bytes_ + bytes > most_bytes_) {
    bytes_ -= steps_.front().before.Bytes();
    steps_.pop_front();
  }
  return true;
}

void UndoSteps::Push(UndoStep&& step) {
  MakeRoom(step.before.Bytes());
  if (steps_.size() == kMostSteps) {
    bytes_ -= steps_.front().before.Bytes();
    steps_.pop_front();
  }
  const std::size_t bytes = step.before.Bytes();
  steps_.push_back(std::move(step));  // leaves `step` as it was when it cannot
  bytes_ += bytes;
}

std::optional<UndoStep> UndoSteps::Pop() {
  if (steps_.empty()) return std::nullopt;
  UndoStep step = std::move(steps_.back());
  steps_.pop_back();
  bytes_ -= step.before.Bytes();
  return step;
}

void UndoSteps::Clear() {
  steps_.clear();
  bytes_ = 0;
}

const char* UndoLastStep(UndoSteps& steps, Session& session) {
  std::optional<UndoStep> step = steps.Pop();
  if (!step) return nullptr;
  step->before.MoveInto(session);
  // Since the step, a LOAD or SAVE has put the session into a file, which
  // the state put back differs from.
  SaveState& saved = session.saved;
  saved.unsaved = saved.clean_points != step->saved.clean_points || step->saved.unsaved;
  return step->command;
}

}  // namespace korvelin
