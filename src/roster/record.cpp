// The roster list hanging from the sentinel, and the sentinel's settings.
#include "roster/record.h"

std::unique_ptr<PlayerRecord> Start;
std::unique_ptr<PlayerRecord> displayoptions;
std::unique_ptr<PlayerRecord> tempoptions;
std::unique_ptr<PlayerRecord> main_d_options;

std::unique_ptr<PlayerRecord> MakeRecord() { return std::make_unique<PlayerRecord>(); }

void CreateStart() {
  if (Start) EmptyRoster();
  Start = MakeRecord();
}

void SetDefaultWeights() {
  SpeedWeight() = kDefaultSpeedWeight;
  PowerWeight() = kDefaultPowerWeight;
  StrengthWeight() = kDefaultStrengthWeight;
  HealthWeight() = kDefaultHealthWeight;
}

void ReleaseAll() {
  if (Start) EmptyRoster();
  Start.reset();
  displayoptions.reset();
  tempoptions.reset();
  main_d_options.reset();
}

PlayerRecord* Search(int id) {
  for (PlayerRecord* member = Start->next; member != nullptr; member = member->next) {
    if (member->id == id) return member;
  }
  return nullptr;
}

PlayerRecord* InsertFront(std::unique_ptr<PlayerRecord> record) {
  PlayerRecord* r = record.release();
  r->prev = Start.get();
  r->next = Start->next;
  if (Start->next != nullptr) Start->next->prev = r;
  Start->next = r;
  ++EntryCount();
  return r;
}

PlayerRecord* Append(PlayerRecord* tail, std::unique_ptr<PlayerRecord> record) {
  PlayerRecord* r = record.release();
  tail->next = r;
  r->prev = tail;
  ++EntryCount();
  return r;
}

void Unlink(PlayerRecord* member) {
  if (member->next != nullptr) member->next->prev = member->prev;
  member->prev->next = member->next;
  delete member;
  --EntryCount();
}

void EmptyRoster() {
  PlayerRecord* member = Start->next;
  while (member != nullptr) {
    PlayerRecord* next = member->next;
    delete member;
    member = next;
  }
  Start->next = nullptr;
  EntryCount() = 0;
}
