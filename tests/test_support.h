// Helpers shared by the unit tests: a session of the test's own, members,
// in-memory streams and whole console sessions run in-process.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <string>

#include "base/large_memory.h"
#include "console/console.h"
#include "roster/columns.h"
#include "roster/derived.h"
#include "roster/options.h"
#include "roster/session.h"
#include "shell/shell.h"
#include "text/format.h"
#include "text/numbers.h"
#include "text/text_stream.h"

namespace korvelin {

// A text stream reading exactly `bytes`.
inline TextStream StreamOf(const std::string& bytes) {
  std::FILE* f = std::tmpfile();
  std::fwrite(bytes.data(), 1, bytes.size(), f);
  std::rewind(f);
  return TextStream::File(FilePtr(f));
}

// Everything written to `f` so far.
inline std::string Contents(std::FILE* f) {
  std::fflush(f);
  std::rewind(f);
  std::string text;
  char buf[4096];
  std::size_t n;
  while ((n = std::fread(buf, 1, sizeof buf, f)) > 0) text.append(buf, n);
  return text;
}

// The two files a captured console reads and writes.
struct CaptureFiles {
  std::FILE* in = std::tmpfile();
  std::FILE* out = std::tmpfile();
  explicit CaptureFiles(const std::string& input) {
    std::fwrite(input.data(), 1, input.size(), in);
    std::rewind(in);
  }
  ~CaptureFiles() {
    std::fclose(in);
    std::fclose(out);
  }
  CaptureFiles(const CaptureFiles&) = delete;
  CaptureFiles& operator=(const CaptureFiles&) = delete;
};

// A console that reads `input` as typed and keeps what it prints.
class ConsoleCapture : public CaptureFiles, public Console {
 public:
  explicit ConsoleCapture(const std::string& input)
      : CaptureFiles(input), Console(CaptureFiles::in, CaptureFiles::out) {}
  std::string Printed() {
    Flush();
    return Contents(CaptureFiles::out);
  }
};

// Runs a whole program session, in a session of its own, with `input`
// typed at the console, and returns what it printed.
inline std::string RunSession(const std::string& input) {
  ConsoleCapture console(input);
  Session session;
  RunProgram(console, session);
  return console.Printed();
}

// A test with a fresh session of its own, as the program starts.
class RosterTest : public ::testing::Test {
 protected:
  // Appends a member at the end of the roster.
  Member& AddMember(const char* name, int id) {
    Member member;
    member.id = id;
    return session.roster.Append(member, name);
  }
  std::string NameOf(const Member& member) const {
    return std::string(session.roster.NameOf(member));
  }

  Session session;
  Roster& roster = session.roster;
};

}  // namespace korvelin
