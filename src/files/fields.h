// The skip between the fields of a file's line: what the stat-table import,
// UPDATE and the save-file reader do between one number and the next.
#pragma once

#include "text/text_stream.h"

namespace korvelin {

// Where a skip stopped.
enum class Skip {
  kAtNumber,   // before a number, which is left to be read
  kAtLineEnd,  // a control character (a line end) was consumed, or the stream ended
  kAtTab,      // (SkipToTableNumber) a tab was consumed: a new cell begins
};

// Skips to the next number of the line: a digit is put back (kAtNumber); a
// control character is consumed (kAtLineEnd); anything else is discarded.
// At the end of the stream nothing is read (kAtLineEnd).
Skip SkipToNumber(TextStream& in);
// As SkipToNumber; when the character discarded just before the digit was a
// minus sign, it is put back too, so that a signed read keeps it.
Skip SkipToSignedNumber(TextStream& in);
// As SkipToNumber, for a stat table's fields: a tab is consumed and ends
// the skip (kAtTab) instead of the row.
Skip SkipToTableNumber(TextStream& in);
// As SkipToSignedNumber, also stopping before the words "inf" and "nan",
// which stand for reals too: a real field written as a word is then read in
// its place instead of taking the next field's number.
Skip SkipToReal(TextStream& in);

}  // namespace korvelin
