// The system clipboard's text: on Windows through the clipboard calls,
// elsewhere through the first clipboard program that is installed and
// works (Wayland's, X11's two, macOS's), each run under a time limit.
#pragma once

#include <string>
#include <string_view>

#include "base/stop_request.h"

namespace korvelin {

enum class ClipboardResult {
  kDone,
  kUnavailable,  // no clipboard could be read or written
  kStopped,      // the stop request came first
};

// Reads the clipboard's text into `text`, as UTF-8 (line ends as the
// clipboard has them).
ClipboardResult ReadClipboard(std::string& text, StopRequest& stop);

// Puts `text` (UTF-8, lines ending in LF) on the clipboard.
ClipboardResult WriteClipboard(std::string_view text, StopRequest& stop);

}  // namespace korvelin
