// The skip between the fields of a file's line.
#include "files/fields.h"

#include <string>

namespace korvelin {

namespace {

// Whether the stream goes on with `word` (nothing is consumed).
bool Ahead(TextStream& in, const char* word) {
  std::string seen;
  bool match = true;
  for (const char* w = word; *w != '\0' && match; ++w) {
    const int c = in.Get();
    if (c != kEnd) seen += static_cast<char>(c);
    match = c == *w;
  }
  in.Unget(seen);
  return match;
}

// The skip shared by every form; `minus` tells whether the
// character discarded just before the digit was a minus sign.  Characters,
// not bytes, are discarded: a byte 0x80-0x9F inside a longer character does
// not end the skip.  With `tab_stops`, a tab ends it as kAtTab; with
// `words`, "inf" and "nan" stop it as a digit does.
Skip FindNumber(TextStream& in, bool& minus, bool tab_stops, bool words) {
  minus = false;
  for (;;) {
    const StreamChar c = in.GetChar();
    if (c.code == kEnd) return Skip::kAtLineEnd;
    if (IsDigit(static_cast<int>(c.code))) {
      in.Unget(c);
      return Skip::kAtNumber;
    }
    if (words && (c.code == 'i' || c.code == 'n')) {
      in.Unget(c);
      if (Ahead(in, c.code == 'i' ? "inf" : "nan")) return Skip::kAtNumber;
      in.Get();
    }
    if (IsControl(c.code)) return tab_stops && c.code == '\t' ? Skip::kAtTab : Skip::kAtLineEnd;
    minus = c.code == '-';
  }
}

}  // namespace

Skip SkipToNumber(TextStream& in) {
  bool minus;
  return FindNumber(in, minus, false, false);
}

Skip SkipToSignedNumber(TextStream& in) {
  bool minus;
  const Skip skip = FindNumber(in, minus, false, false);
  if (skip == Skip::kAtNumber && minus) in.Unget('-');
  return skip;
}

Skip SkipToTableNumber(TextStream& in) {
  bool minus;
  return FindNumber(in, minus, true, false);
}

Skip SkipToReal(TextStream& in) {
  bool minus;
  const Skip skip = FindNumber(in, minus, false, true);
  if (skip == Skip::kAtNumber && minus) in.Unget('-');
  return skip;
}

}  // namespace korvelin
