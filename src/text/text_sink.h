// TextSink: where a reader or a writer sends the lines it echoes, so that a
// file's reader never reaches the console itself.  The console is one;
// tests and benchmarks use a string or nothing.
#pragma once

#include <string>
#include <string_view>

namespace korvelin {

class TextSink {
 public:
  virtual ~TextSink() = default;
  // Takes text as it stands (bytes, line ends included).
  virtual void Write(std::string_view text) = 0;
};

// Keeps everything written.
class StringSink : public TextSink {
 public:
  void Write(std::string_view text) override { text_.append(text); }
  const std::string& text() const { return text_; }

 private:
  std::string text_;
};

// Drops everything written.
class NullSink : public TextSink {
 public:
  void Write(std::string_view) override {}
};

}  // namespace korvelin
