// The history file: read at start-up, written again after every line kept.
#include "console/line_history.h"

#include <filesystem>
#include <fstream>
#include <system_error>

namespace korvelin {

namespace fs = std::filesystem;

std::string LineHistoryPath(const char* xdg_state_home, const char* home) {
  const auto absolute = [](const char* path) { return path != nullptr && path[0] == '/'; };
  if (absolute(xdg_state_home)) return std::string(xdg_state_home) + "/korvelin/history";
  if (absolute(home)) return std::string(home) + "/.local/state/korvelin/history";
  return std::string();
}

LineHistory::LineHistory(std::string path) : path_(std::move(path)) {
  if (path_.empty()) return;
  std::ifstream file(path_, std::ios::binary);
  std::string line;
  while (std::getline(file, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    Remember(line);
  }
}

bool LineHistory::Remember(std::string line) {
  // White space at the end (a completed word's space) is not kept, so that
  // "help" and "help " are one line.
  line.erase(line.find_last_not_of(" \t\r\n\v\f") + 1);
  if (line.empty()) return false;
  if (!lines_.empty() && lines_.back() == line) return false;
  lines_.push_back(std::move(line));
  if (lines_.size() > kMostLines) lines_.pop_front();
  return true;
}

bool LineHistory::Add(const std::string& line) {
  if (!Remember(line)) return false;
  Write();
  return true;
}

void LineHistory::Write() const {
  if (path_.empty()) return;
  // The new file is written beside the old one and then takes its place, so
  // that a run ended half-way through never leaves half a history.
  std::error_code error;
  fs::create_directories(fs::path(path_).parent_path(), error);
  const std::string fresh = path_ + ".new";
  {
    std::ofstream file(fresh, std::ios::binary | std::ios::trunc);
    if (!file) return;
    fs::permissions(fresh, fs::perms::owner_read | fs::perms::owner_write, error);
    for (const std::string& line : lines_) file << line << '\n';
    file.flush();
    if (!file) {
      fs::remove(fresh, error);
      return;
    }
  }
  fs::rename(fresh, path_, error);
  if (error) fs::remove(fresh, error);
}

}  // namespace korvelin
