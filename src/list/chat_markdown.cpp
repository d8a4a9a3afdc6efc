// REPORT as Markdown for a chat: bold headings and list lines, which chat
// programs show as they are meant, cut into messages that a chat takes.
#include <string_view>
#include <vector>

#include "list/report.h"
#include "text/characters.h"

namespace korvelin {

namespace {

// Text with the characters that chat Markdown gives a meaning within a
// line (emphasis, code, strike-through, spoilers, links, mentions by tag)
// escaped with a backslash, and "@", so that a name never mentions anyone
// where the report is pasted; a tab or a line end, which would end the
// line, is a space.  No text starts a line, so "#", ">" and "-" keep
// their look.
std::string Escaped(std::string_view text) {
  std::string out;
  for (char c : text) {
    switch (c) {
      case '\\':
      case '*':
      case '_':
      case '~':
      case '`':
      case '|':
      case '<':
      case '[':
      case ']':
      case '@':
        out += '\\';
        out += c;
        break;
      case '\t':
      case '\n':
      case '\r': out += ' '; break;
      default: out += c;
    }
  }
  return out;
}

// The messages, filled one after another: a text goes into the message
// being filled when its characters fit there.
class Messages {
 public:
  bool Fits(const std::string& text) const {
    return characters_ + CountCharacters(text) <= kChatMessageCharacters;
  }
  bool Empty() const { return current_.empty(); }
  void Add(const std::string& text) {
    current_ += text;
    characters_ += CountCharacters(text);
  }
  // The message being filled is complete; the next begins.
  void Next() {
    done_.push_back(std::move(current_));
    current_.clear();
    characters_ = 0;
  }
  std::string Joined() {
    if (!Empty()) Next();
    std::string out;
    for (const std::string& message : done_) {
      if (!out.empty()) out += "\n---\n\n";
      out += message;
    }
    return out;
  }

 private:
  std::vector<std::string> done_;
  std::string current_;
  std::size_t characters_ = 0;  // of current_
};

}  // namespace

std::string ChatMarkdown(const Report& report) {
  Messages messages;
  messages.Add("**" + Escaped(report.title) + "**\n");
  for (const ReportSection& section : report.sections) {
    const std::string heading = "**" + Escaped(section.heading) + "**\n";
    std::vector<std::string> lines;
    std::string whole = "\n" + heading;
    for (const ReportLine& line : section.lines) {
      lines.push_back("- " + Escaped(line.name) +
                      (line.value.empty() ? "" : ": " + Escaped(line.value)) + "\n");
      whole += lines.back();
    }
    // A section that does not fit where the message stands begins the next.
    if (!messages.Empty() && !messages.Fits(whole)) messages.Next();
    messages.Add(messages.Empty() ? heading : "\n" + heading);
    for (const std::string& line : lines) {
      if (!messages.Fits(line)) {
        messages.Next();
        messages.Add(heading);
      }
      messages.Add(line);
    }
  }
  return messages.Joined();
}

}  // namespace korvelin
