// The header that opens every save file, by which save files are told from
// stat tables and from list output.
#pragma once

#include <cstddef>
#include <string>

#include "text/text_stream.h"

namespace korvelin {

// The first 199 characters of every save file.  Written to disk: must never
// change.
extern const char kSaveHeader[];
constexpr std::size_t kSaveHeaderLength = 199;

// Consumes the save-file header when the stream starts with it; otherwise
// reads nothing and returns false.
bool TakeSaveHeader(TextStream& in);

// Whether `path` names an existing regular file that begins with the
// save-file header (whatever its line ends, after a byte-order mark, and in
// UTF-16 too).
bool IsSaveFile(const std::string& path);

}  // namespace korvelin
