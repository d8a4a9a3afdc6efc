// The system's words for a failed file's error.
#include "base/file_status.h"

#include <cstring>

namespace korvelin {

std::string SystemReason(int error) {
  if (error == 0) return std::string();
  const char* text = std::strerror(error);
  return text != nullptr ? std::string(text) : std::string();
}

}  // namespace korvelin
