// TextStream: the character stream that every reader of the program (the
// console and the files) consumes, and the words read from it.  Numbers are
// read by text/numbers.h.
#pragma once

#include <cstdio>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "base/read_file.h"
#include "text/line_source.h"

namespace korvelin {

constexpr int kEnd = -1;  // returned at the end of a stream

// Control characters: codes 0-31 and 127-159 (line feed, carriage return and
// tab among them; the space is not one).  `c` is a character's code (see
// StreamChar): the bytes 0x80-0x9F inside a longer UTF-8 character are not
// control characters, while U+0080-U+009F (C2 80 - C2 9F) and those bytes
// standing alone are.
inline bool IsControl(long c) { return (c >= 0 && c <= 31) || (c >= 127 && c <= 159); }
inline bool IsDigit(int c) { return c >= '0' && c <= '9'; }
// White space as word and number reads skip it.
inline bool IsSpace(int c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

// One character read from a stream (text/characters.h says what a character
// is): a valid UTF-8 sequence, or any other single byte.
struct StreamChar {
  long code;           // the code point, or the byte's value; kEnd at the end
  std::size_t length;  // its bytes: 1 to 4, 0 at the end
  char bytes[4];
  std::string_view Bytes() const { return std::string_view(bytes, length); }
};

// A stream of bytes (0-255) with unlimited put-back, read byte by byte (Get)
// or character by character (GetChar).
// A file stream reads in large blocks and folds CR LF into one line feed, so
// files written on any system read alike.  A console stream asks its line
// source for one line at a time, and only once the line before is used up, so
// that words typed ahead answer the prompts that follow.
class TextStream {
 public:
  static TextStream File(FilePtr file);
  static TextStream Console(std::unique_ptr<LineSource> lines);
  // A stream over bytes already read, such as a whole file.
  static TextStream Memory(std::string bytes);

  // The next character, or kEnd.
  int Get() {
    if (pushback_.empty() && pos_ < buffer_.size() && buffer_[pos_] != '\r') {
      return static_cast<unsigned char>(buffer_[pos_++]);
    }
    return GetSlow();
  }
  // The next character.  A sequence cut short (by another byte, by the end of
  // a file or of the typed input) is not valid: its first byte comes back as
  // a character of its own, and every byte after it is read again.  Reading
  // never goes past the first byte that cannot continue the sequence, so a
  // console line is never waited for before it is needed.
  StreamChar GetChar() {
    const int c = Get();
    if (c < 0x80) return {c, c == kEnd ? 0u : 1u, {static_cast<char>(c)}};
    return GetMultibyte(c);
  }
  // Appends the characters up to the next line feed to `line` and consumes
  // the line feed (CR LF folded as Get folds it); the bytes of a file's
  // line are copied at once.  False at the end of the stream.
  bool GetLine(std::string& line);
  // Takes what is left in memory of the line being read (put-back bytes
  // first) into `line`, up to its line feed, which is consumed and left
  // out: nothing more is read.  False when nothing is left in memory.
  bool TakeHeldLine(std::string& line);
  // At most how many lines are left in what has been read into memory (a
  // whole file, for a stream over one): a reader's hint of how much room
  // to make.
  std::size_t LinesAhead() const;
  // How many bytes are left in what has been read into memory.
  std::size_t BytesAhead() const { return buffer_.size() - pos_; }
  int Peek();  // the next byte without consuming it
  // Puts a byte back (kEnd is ignored).  When the byte before the read
  // position is the same byte, the position just steps back over it: that
  // is the usual case, a byte put back right after it was read.
  void Unget(int c) {
    if (c == kEnd) return;
    if (pushback_.empty() && pos_ > 0 &&
        static_cast<unsigned char>(buffer_[pos_ - 1]) == static_cast<unsigned char>(c)) {
      --pos_;
      return;
    }
    pushback_.push_back(static_cast<unsigned char>(c));
  }
  void Unget(const std::string& text);  // puts a whole run back
  void Unget(const StreamChar& c);      // puts a character's bytes back
  bool Ended();                         // no byte is left

  // A place in what has been read into memory, so that a reader can look
  // back at the bytes it has just read (a line it turned out to need).
  struct Place {
    std::size_t refills;  // the block it lies in
    std::size_t pos;      // where in it
    bool valid;           // no put-back bytes came first
  };
  // At the end of what is in memory, the place is the start of the next
  // block or line read, where the next byte will lie: a console line read
  // from there is looked back at whole.
  Place Here() const {
    if (pos_ == buffer_.size()) return {refills_ + 1, 0, pushback_.empty()};
    return {refills_, pos_, pushback_.empty()};
  }
  // The bytes read since `place`, as they lie in memory (CR LF unfolded);
  // empty when they no longer lie there whole (a refill or a put-back came
  // between).
  std::string_view Since(const Place& place) const;
  // The bytes left as they lie in memory (CR LF unfolded), when they are
  // all there and none was put back, as in a stream over bytes read whole:
  // a reader's look far ahead.  Nothing otherwise.
  std::optional<std::string_view> Ahead() const {
    if (!pushback_.empty() || !source_done_) return std::nullopt;
    return std::string_view(buffer_).substr(pos_);
  }
  // The first byte after the white space ahead, nothing consumed: what is
  // in memory is looked at, no more (kEnd when it is all white space).
  int FirstAfterSpace() const;
  // Takes every byte left, as it lies (CR LF unfolded); the stream has then
  // ended.
  std::string TakeRest();

 private:
  TextStream(std::FILE* source, FilePtr owned, std::unique_ptr<LineSource> lines);
  int GetSlow();  // put-back characters, a CR, or a refill
  StreamChar GetMultibyte(int lead);
  int Raw();  // next byte from the buffer, refilling it, or kEnd
  bool Refill();

  FilePtr owned_;
  std::FILE* source_;
  std::unique_ptr<LineSource> lines_;  // set for a console stream
  std::string buffer_;
  std::size_t pos_ = 0;
  bool source_done_ = false;
  std::size_t refills_ = 0;              // blocks or lines read so far
  std::vector<unsigned char> pushback_;  // the top is read next
};

// Skips a UTF-8 byte-order mark (EF BB BF) when the stream starts with one.
void SkipByteOrderMark(TextStream& in);

// Skips white space.
void SkipSpace(TextStream& in);
// Reads a word as a "%Ns" conversion would: white space skipped, then at most
// `limit` characters up to the next white space.  False at the end of the
// stream before a word.
bool ReadWord(TextStream& in, std::string& word, std::size_t limit);
// Consumes characters up to the next white space (which stays).
void SkipWordRest(TextStream& in);

}  // namespace korvelin
