// TextStream: the character stream that every reader of the program (the
// console and the files) consumes, and the word and number grammar read
// from it.
#pragma once

#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "text/line_source.h"

struct FileCloser {
  void operator()(std::FILE* file) const { std::fclose(file); }
};
using FilePtr = std::unique_ptr<std::FILE, FileCloser>;

constexpr int kEnd = -1;  // returned at the end of a stream

// Control characters: codes 0-31 and 127-159 (line feed, carriage return and
// tab among them; the space is not one).
inline bool IsControl(int c) { return (c >= 0 && c <= 31) || (c >= 127 && c <= 159); }
inline bool IsDigit(int c) { return c >= '0' && c <= '9'; }
// White space as word and number reads skip it.
inline bool IsSpace(int c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

// A stream of characters (codes 0-255) with unlimited put-back.
// A file stream reads in large blocks and folds CR LF into one line feed, so
// files written on any system read alike.  A console stream asks its line
// source for one line at a time, and only once the line before is used up, so
// that words typed ahead answer the prompts that follow.
class TextStream {
 public:
  static TextStream File(FilePtr file);
  static TextStream Console(std::unique_ptr<LineSource> lines);

  // The next character, or kEnd.
  int Get() {
    if (pushback_.empty() && pos_ < buffer_.size() && buffer_[pos_] != '\r') {
      return static_cast<unsigned char>(buffer_[pos_++]);
    }
    return GetSlow();
  }
  int Peek();                           // the next character without consuming it
  void Unget(int c);                    // puts a character back (kEnd is ignored)
  void Unget(const std::string& text);  // puts a whole run back
  bool Ended();                         // no character is left

 private:
  TextStream(std::FILE* source, FilePtr owned, std::unique_ptr<LineSource> lines);
  int GetSlow();  // put-back characters, a CR, or a refill
  int Raw();      // next byte from the buffer, refilling it, or kEnd
  bool Refill();

  FilePtr owned_;
  std::FILE* source_;
  std::unique_ptr<LineSource> lines_;  // set for a console stream
  std::string buffer_;
  std::size_t pos_ = 0;
  bool source_done_ = false;
  std::vector<unsigned char> pushback_;  // the top is read next
};

// Skips white space.
void SkipSpace(TextStream& in);
// Reads a word as a "%Ns" conversion would: white space skipped, then at most
// `limit` characters up to the next white space.  False at the end of the
// stream before a word.
bool ReadWord(TextStream& in, std::string& word, std::size_t limit);
// Consumes characters up to the next white space (which stays).
void SkipWordRest(TextStream& in);

// A number as read by a "%d" conversion.
struct IntToken {
  enum Status { kNone, kNumber, kOutOfRange } status;
  int value;         // the number; saturated to the int range when too large
  std::string text;  // every character consumed after the white space
};
IntToken LexInt(TextStream& in);

// A number as read by a "%lf" conversion, decimal forms only.
struct RealToken {
  enum Status { kNone, kNumber, kSpecial } status;  // kSpecial: inf, nan, hex
  double value;      // for kNumber: strtod's value, an infinity on overflow
  std::string text;  // every character consumed after the white space
};
RealToken LexReal(TextStream& in);

// Reads an integer from a file: a field that meets no number keeps its value;
// a number beyond the int range saturates.  False when no number was read.
bool ReadFileInt(TextStream& in, int& field);
// Reads a real from a file: no number leaves the field as it was.
bool ReadFileReal(TextStream& in, double& field);

// Skips to the next number of the line: a digit is put back and the result is
// 0; a control character is consumed and the result is 1; anything else is
// discarded.  At the end of the stream the result is 1 and nothing is read.
int findnum(TextStream& in);
// As findnum; when the character discarded just before the digit was a minus
// sign, it is put back too, so that a signed read keeps it.
int findnum_signed(TextStream& in);
