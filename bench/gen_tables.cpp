// Writes stat tables for the benchmarks: a table of N members and a newer
// table a week later: every member with higher stats, in nearly the same
// order (members move a few places, as they do in the game's tables from one
// week to the next), and 10% new members among them.  The same N always
// gives the same files.
//
//   gen_tables N TABLE NEWER
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <unordered_set>
#include <vector>

namespace {

struct Row {
  int id, level, speed, power, strength, health;
};

const char* const kFirst[] = {"Rust", "Cinder", "Bolt", "Marla", "Tom",  "Spanner", "Nell",
                              "Duke", "Ivy",    "Jax",  "Pip",   "Soot", "Kate",    "Sid"};
const char* const kLast[] = {"Mcgee",  "Vale", "Thrower", "Ricket",  "Slagheap", "Grubb",
                             "Wrench", "Coil", "Burrows", "Gearbox", "Tinker",   "of Dross"};

void Write(std::FILE* out, const Row& r) {
  std::fprintf(out, "%s %s %d (%d) %d %d %d %d %d\n", kFirst[r.id % 14], kLast[(r.id / 14) % 12],
               r.id % 1000, r.id, r.level, r.speed, r.power, r.strength, r.health);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 4) {
    std::fprintf(stderr, "usage: gen_tables N TABLE NEWER\n");
    return 2;
  }
  const int n = std::atoi(argv[1]);
  std::mt19937 random(static_cast<unsigned>(n));
  std::unordered_set<int> used;
  auto fresh_id = [&] {
    for (;;) {
      const int id = 100000 + static_cast<int>(random() % 900000000);
      if (used.insert(id).second) return id;
    }
  };
  auto member = [&] {
    Row r;
    r.id = fresh_id();
    r.level = 1 + static_cast<int>(random() % 99);
    r.speed = r.level * (100 + static_cast<int>(random() % 300));
    r.power = r.level * (100 + static_cast<int>(random() % 300));
    r.strength = r.level * (100 + static_cast<int>(random() % 300));
    r.health = r.level * (150 + static_cast<int>(random() % 300));
    return r;
  };
  std::vector<Row> rows;
  rows.reserve(static_cast<std::size_t>(n));
  for (int i = 0; i < n; ++i) rows.push_back(member());

  std::FILE* table = std::fopen(argv[2], "w");
  std::FILE* newer = std::fopen(argv[3], "w");
  if (table == nullptr || newer == nullptr) return 1;
  for (const Row& r : rows) Write(table, r);

  std::vector<Row> later = rows;
  for (Row& r : later) {
    r.level += static_cast<int>(random() % 3);
    r.speed += static_cast<int>(random() % (r.speed / 10 + 1));
    r.power += static_cast<int>(random() % (r.power / 10 + 1));
    r.strength += static_cast<int>(random() % (r.strength / 10 + 1));
    r.health += static_cast<int>(random() % (r.health / 20 + 1));
  }
  for (std::size_t i = 0; i + 1 < later.size(); ++i) {
    const std::size_t j = std::min(later.size() - 1, i + random() % 6);
    std::swap(later[i], later[j]);
  }
  // A new member before one in ten of the others.
  for (std::size_t i = 0; i < later.size(); ++i) {
    if (i % 10 == 5) Write(newer, member());
    Write(newer, later[i]);
  }
  return std::fclose(table) == 0 && std::fclose(newer) == 0 ? 0 : 1;
}
