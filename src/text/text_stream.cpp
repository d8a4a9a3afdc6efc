// Character streams over files and the console, and the words read from
// them.
#include "text/text_stream.h"

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <cstring>
#include <filesystem>
#include <system_error>

#include "text/characters.h"

namespace korvelin {

namespace {

constexpr std::size_t kBlock = 1 << 16;

}  // namespace

TextStream::TextStream(std::FILE* source, FilePtr owned, std::unique_ptr<LineSource> lines)
    : owned_(std::move(owned)), source_(source), lines_(std::move(lines)) {}

TextStream TextStream::File(FilePtr file) {
  std::FILE* source = file.get();
  return TextStream(source, std::move(file), nullptr);
}

TextStream TextStream::Memory(std::string bytes) {
  TextStream stream(nullptr, nullptr, nullptr);
  stream.buffer_ = std::move(bytes);
  stream.source_done_ = true;
  return stream;
}

TextStream TextStream::Console(std::unique_ptr<LineSource> lines) {
  return TextStream(nullptr, nullptr, std::move(lines));
}

bool TextStream::Refill() {
  ++refills_;
  buffer_.clear();
  pos_ = 0;
  if (source_done_) return false;
  if (lines_) {
    if (!lines_->ReadLine(buffer_)) source_done_ = true;
  } else if (source_ == nullptr) {
    return false;
  } else {
    buffer_.resize(kBlock);
    const std::size_t got = std::fread(&buffer_[0], 1, kBlock, source_);
    buffer_.resize(got);
    if (got < kBlock) source_done_ = true;
  }
  return !buffer_.empty();
}

int TextStream::Raw() {
  if (pos_ >= buffer_.size() && !Refill()) return kEnd;
  return static_cast<unsigned char>(buffer_[pos_++]);
}

int TextStream::GetSlow() {
  if (!pushback_.empty()) {
    const int c = pushback_.back();
    pushback_.pop_back();
    return c;
  }
  int c = Raw();
  if (c == '\r' && !lines_) {
    // CR LF is one line end; a lone CR is an ordinary character.
    const int after = Raw();
    if (after == '\n') return '\n';
    if (after != kEnd) --pos_;
  }
  return c;
}

StreamChar TextStream::GetMultibyte(int lead) {
  StreamChar c{lead, 1, {static_cast<char>(lead)}};
  const std::size_t want = SequenceLength(static_cast<unsigned char>(lead));
  // Only continuation bytes (10xxxxxx) are taken; the first other byte ends
  // the look and is put back.
  while (c.length < want) {
    const int next = Get();
    if (next == kEnd) break;
    if ((next & 0xC0) != 0x80) {
      Unget(next);
      break;
    }
    c.bytes[c.length++] = static_cast<char>(next);
  }
  const Character decoded = DecodeCharacter(c.Bytes());
  // An invalid sequence is its first byte alone: the rest is read again.
  while (c.length > decoded.length) Unget(static_cast<unsigned char>(c.bytes[--c.length]));
  c.code = static_cast<long>(decoded.code);
  return c;
}

void TextStream::Unget(const StreamChar& c) {
  for (std::size_t i = c.length; i > 0; --i) Unget(static_cast<unsigned char>(c.bytes[i - 1]));
}

std::size_t TextStream::LinesAhead() const {
  // Lines end in LF, CR LF or (in stat tables) a lone CR.
  const auto count = [this](char end) {
    std::size_t found = 0;
    const char* at = buffer_.data() + pos_;
    const char* const stop = buffer_.data() + buffer_.size();
    while ((at = static_cast<const char*>(
                std::memchr(at, end, static_cast<std::size_t>(stop - at)))) != nullptr) {
      ++found;
      ++at;
    }
    return found;
  };
  return std::max(count('\n'), count('\r')) + 1;
}

int TextStream::Peek() {
  const int c = Get();
  Unget(c);
  return c;
}

void TextStream::Unget(const std::string& text) {
  for (auto it = text.rbegin(); it != text.rend(); ++it) Unget(static_cast<unsigned char>(*it));
}

bool TextStream::Ended() { return Peek() == kEnd; }

std::string_view TextStream::Since(const Place& place) const {
  if (!place.valid || !pushback_.empty() || place.refills != refills_ || place.pos > pos_) {
    return std::string_view();
  }
  return std::string_view(buffer_).substr(place.pos, pos_ - place.pos);
}

int TextStream::FirstAfterSpace() const {
  for (auto it = pushback_.rbegin(); it != pushback_.rend(); ++it) {
    if (!IsSpace(*it)) return *it;
  }
  for (std::size_t at = pos_; at < buffer_.size(); ++at) {
    const unsigned char c = static_cast<unsigned char>(buffer_[at]);
    if (!IsSpace(c)) return c;
  }
  return kEnd;
}

std::string TextStream::TakeRest() {
  std::string rest(pushback_.rbegin(), pushback_.rend());
  pushback_.clear();
  if (rest.empty()) {
    buffer_.erase(0, pos_);  // in place: a large page is not copied
    rest.swap(buffer_);
  } else {
    rest.append(buffer_, pos_, std::string::npos);
  }
  buffer_.clear();
  pos_ = 0;
  while (Refill()) rest += buffer_;
  buffer_.clear();
  return rest;
}

bool TextStream::GetLine(std::string& line) {
  if (Ended()) return false;
  for (;;) {
    if (pushback_.empty() && pos_ < buffer_.size()) {
      // Up to the line feed or a CR, which Get reads (it may begin a CR LF).
      const char* from = buffer_.data() + pos_;
      std::size_t size = buffer_.size() - pos_;
      if (const void* feed = std::memchr(from, '\n', size)) {
        size = static_cast<std::size_t>(static_cast<const char*>(feed) - from);
      }
      if (const void* cr = std::memchr(from, '\r', size)) {
        size = static_cast<std::size_t>(static_cast<const char*>(cr) - from);
      }
      line.append(from, size);
      pos_ += size;
    }
    const int c = Get();
    if (c == kEnd || c == '\n') return true;
    line += static_cast<char>(c);
  }
}

bool TextStream::TakeHeldLine(std::string& line) {
  if (pushback_.empty() && pos_ >= buffer_.size()) return false;
  while (!pushback_.empty() || pos_ < buffer_.size()) {
    const int c = Get();
    if (c == '\n' || c == kEnd) break;
    line += static_cast<char>(c);
  }
  return true;
}

void SkipByteOrderMark(TextStream& in) {
  static const char kMark[] = "\xEF\xBB\xBF";
  std::string taken;
  for (const char* m = kMark; *m != '\0'; ++m) {
    const int c = in.Get();
    if (c == kEnd || c != static_cast<unsigned char>(*m)) {
      in.Unget(c);
      in.Unget(taken);
      return;
    }
    taken += static_cast<char>(c);
  }
}

void SkipSpace(TextStream& in) {
  int c;
  while (IsSpace(c = in.Get())) {
  }
  in.Unget(c);
}

bool ReadWord(TextStream& in, std::string& word, std::size_t limit) {
  SkipSpace(in);
  word.clear();
  int c;
  while (word.size() < limit && (c = in.Get()) != kEnd) {
    if (IsSpace(c)) {
      in.Unget(c);
      break;
    }
    word += static_cast<char>(c);
  }
  return !word.empty();
}

void SkipWordRest(TextStream& in) {
  int c;
  while ((c = in.Get()) != kEnd && !IsSpace(c)) {
  }
  in.Unget(c);
}

}  // namespace korvelin
