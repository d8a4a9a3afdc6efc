// Helpers shared by the unit tests: a fresh roster, members, in-memory
// streams and whole console sessions run in-process.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <string>

#include "console/console.h"
#include "roster/derived.h"
#include "roster/masks.h"
#include "roster/memory.h"
#include "roster/options.h"
#include "roster/record.h"
#include "shell/shell.h"
#include "text/format.h"
#include "text/text_stream.h"

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

// Runs a whole program session with `input` typed at the console and returns
// what it printed.
inline std::string RunSession(const std::string& input) {
  std::FILE* in = std::tmpfile();
  std::FILE* out = std::tmpfile();
  std::fwrite(input.data(), 1, input.size(), in);
  std::rewind(in);
  AttachConsole(in, out);
  RunProgram();
  std::string printed = Contents(out);
  AttachConsole(stdin, stdout);
  std::fclose(in);
  std::fclose(out);
  return printed;
}

// Attaches `input` as the console and collects the output, for tests of
// single commands.
struct ConsoleCapture {
  std::FILE* in = std::tmpfile();
  std::FILE* out = std::tmpfile();
  explicit ConsoleCapture(const std::string& input) {
    std::fwrite(input.data(), 1, input.size(), in);
    std::rewind(in);
    AttachConsole(in, out);
  }
  std::string Printed() { return Contents(out); }
  ~ConsoleCapture() {
    AttachConsole(stdin, stdout);
    std::fclose(in);
    std::fclose(out);
  }
};

// A fresh, empty roster with the start-up masks and settings.
class RosterTest : public ::testing::Test {
 protected:
  void SetUp() override {
    CreateStart();
    displayoptions = MakeRecord();
    tempoptions = MakeRecord();
    main_d_options = MakeRecord();
  }
  void TearDown() override { ReleaseAll(); }

  // Appends a member at the end of the roster.
  PlayerRecord* Member(const char* name, int id) {
    PlayerRecord* tail = Start.get();
    while (tail->next != nullptr) tail = tail->next;
    std::unique_ptr<PlayerRecord> r = MakeRecord();
    std::memcpy(r->name, name, std::min<std::size_t>(std::strlen(name), 29));
    r->id = id;
    return Append(tail, std::move(r));
  }
};
