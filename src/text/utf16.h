// Files written as UTF-16 (Windows Notepad's "Unicode"), which every reader
// of a file takes as UTF-8 once they are converted.
#pragma once

#include <string>

namespace korvelin {

// When `bytes` begins with a UTF-16 byte-order mark (FF FE: little-endian;
// FE FF: big-endian), replaces them by their UTF-8 encoding, the mark
// included (EF BB BF, which the readers skip).  An unpaired surrogate, and a
// last byte without its pair, become U+FFFD.  False, with `bytes` left as
// they are, when they hold no such mark.
bool DecodeUtf16(std::string& bytes);

}  // namespace korvelin
