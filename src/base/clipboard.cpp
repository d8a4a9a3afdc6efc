// The clipboard: Windows' calls, or the clipboard programs of the other
// systems, tried in order.
#include "base/clipboard.h"

#include <string>
#include <utility>
#include <vector>

#ifdef _WIN32
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>
#else
#include "base/child_program.h"
#endif

namespace korvelin {

#ifdef _WIN32

namespace {

// Another program may hold the clipboard open for a moment.
bool OpenTheClipboard() {
  for (int attempt = 0; attempt < 20; ++attempt) {
    if (OpenClipboard(GetConsoleWindow())) return true;
    Sleep(25);
  }
  return false;
}

}  // namespace

ClipboardResult ReadClipboard(std::string& text, StopRequest&) {
  text.clear();
  if (!IsClipboardFormatAvailable(CF_UNICODETEXT) || !OpenTheClipboard()) {
    return ClipboardResult::kUnavailable;
  }
  bool read = false;
  if (HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
    if (const auto* wide = static_cast<const wchar_t*>(GlobalLock(data))) {
      // The text ends at its first NUL, within the memory it was given.
      const std::size_t most = GlobalSize(data) / sizeof(wchar_t);
      std::size_t length = 0;
      while (length < most && wide[length] != L'\0') ++length;
      if (length == 0) {
        read = true;
      } else if (length <= 0x7FFFFFFF) {
        const int wide_length = static_cast<int>(length);
        const int size =
            WideCharToMultiByte(CP_UTF8, 0, wide, wide_length, nullptr, 0, nullptr, nullptr);
        if (size > 0) {
          text.resize(static_cast<std::size_t>(size));
          read = WideCharToMultiByte(CP_UTF8, 0, wide, wide_length, &text[0], size, nullptr,
                                     nullptr) == size;
        }
      }
      GlobalUnlock(data);
    }
  }
  CloseClipboard();
  if (!read) text.clear();
  return read ? ClipboardResult::kDone : ClipboardResult::kUnavailable;
}

ClipboardResult WriteClipboard(std::string_view text, StopRequest&) {
  // Windows' text has CR LF line ends; a byte that is not UTF-8 becomes
  // U+FFFD.
  std::string lines;
  lines.reserve(text.size() + text.size() / 16);
  for (char c : text) {
    if (c == '\n') lines += '\r';
    lines += c;
  }
  if (lines.size() > 0x7FFFFFFF) return ClipboardResult::kUnavailable;
  const int size = static_cast<int>(lines.size());
  const int wide_size =
      size == 0 ? 0 : MultiByteToWideChar(CP_UTF8, 0, lines.data(), size, nullptr, 0);
  if (size != 0 && wide_size <= 0) return ClipboardResult::kUnavailable;
  HGLOBAL memory =
      GlobalAlloc(GMEM_MOVEABLE, (static_cast<std::size_t>(wide_size) + 1) * sizeof(wchar_t));
  if (memory == nullptr) return ClipboardResult::kUnavailable;
  auto* wide = static_cast<wchar_t*>(GlobalLock(memory));
  if (wide == nullptr) {
    GlobalFree(memory);
    return ClipboardResult::kUnavailable;
  }
  if (wide_size > 0) MultiByteToWideChar(CP_UTF8, 0, lines.data(), size, wide, wide_size);
  wide[wide_size] = L'\0';
  GlobalUnlock(memory);
  if (!OpenTheClipboard()) {
    GlobalFree(memory);
    return ClipboardResult::kUnavailable;
  }
  // Once set, the memory is the clipboard's.
  const bool set = EmptyClipboard() && SetClipboardData(CF_UNICODETEXT, memory) != nullptr;
  CloseClipboard();
  if (!set) GlobalFree(memory);
  return set ? ClipboardResult::kDone : ClipboardResult::kUnavailable;
}

#else

namespace {

// The clipboard programs, in the order they are tried: Wayland's, X11's
// two, macOS's.
const std::vector<std::string> kPasters[] = {
    {"wl-paste", "--no-newline"},
    {"xclip", "-selection", "clipboard", "-o"},
    {"xsel", "--clipboard", "--output"},
    {"pbpaste"},
};
const std::vector<std::string> kCopiers[] = {
    {"wl-copy"},
    {"xclip", "-selection", "clipboard"},
    {"xsel", "--clipboard", "--input"},
    {"pbcopy"},
};

}  // namespace

ClipboardResult ReadClipboard(std::string& text, StopRequest& stop) {
  text.clear();
  for (const std::vector<std::string>& paster : kPasters) {
    ChildRun run;
    run.arguments = paster;
    run.read_output = true;
    ChildResult result = RunChild(run, stop);
    if (result.end == ChildEnd::kStopped) return ClipboardResult::kStopped;
    if (result.end == ChildEnd::kSucceeded) {
      text = std::move(result.output);
      return ClipboardResult::kDone;
    }
  }
  return ClipboardResult::kUnavailable;
}

ClipboardResult WriteClipboard(std::string_view text, StopRequest& stop) {
  for (const std::vector<std::string>& copier : kCopiers) {
    ChildRun run;
    run.arguments = copier;
    run.input = text;
    const ChildEnd end = RunChild(run, stop).end;
    if (end == ChildEnd::kStopped) return ClipboardResult::kStopped;
    if (end == ChildEnd::kSucceeded) return ClipboardResult::kDone;
  }
  return ClipboardResult::kUnavailable;
}

#endif

}  // namespace korvelin
