// Runs one transcript: a typed session and the exact console output it must
// produce, plus the files it must leave behind.
//
//   transcript_runner [--crlf] [--timeout S] [--keep] FILE.t -- PROGRAM [ARGS...]
//
// --crlf: the program is a Windows build, whose console and files may use
// CR LF line ends; they are compared as LF.
//
// A transcript has a header and a body, separated by a line "---".
//
// Header lines (blank lines and lines starting with "#" are ignored):
//   file NAME FROM           copy FROM (relative to the transcript) to NAME
//   file NAME <<TAG [MODE]   NAME holds the lines up to a line "TAG"
//   dir NAME                 make a folder
//   symlink NAME TARGET      make a symbolic link
//   mtime NAME DATE          set NAME's modification time to noon, local
//                            time, of DATE (YYYY-MM-DD)
//   device NAME              make a private full-disk device (as /dev/full:
//                            every write fails); skipped (77) unless root
//   expect-file NAME FROM    after the run NAME holds exactly FROM's bytes
//   expect-file NAME <<TAG [MODE]
//   expect-no-file NAME      after the run NAME does not exist
//   expect-device NAME       after the run NAME is still a character device
//   expect-listing NAME...   after the run the folder holds exactly these
//   expect-exit N            the exit status (0 when not given)
//   expect-stderr FROM       after the run standard error held exactly FROM's
//   expect-stderr <<TAG      bytes (not checked when not given)
//   args WORD...             the program's arguments (none when not given;
//                            words are split at white space)
//   env NAME [VALUE]         the program runs with NAME set to VALUE, or
//                            without NAME (a PATH's relative folders are the
//                            run's folder's)
//   posix-only REASON        skipped (status 77) when run with --crlf, the
//                            Windows build's mode
// MODE is "crlf" (lines end in CR LF) or "cr" (in a lone CR), "noeol" (no
// line end after the last line), "utf16le" or "utf16be" (the UTF-8 text
// written as UTF-16 after a byte-order mark), and "exec" (a file that can be
// run, such as a script standing in for another program).  NAME is relative to the run's own empty
// folder, which is the program's working folder.
//
// The body is the console as the user sees it.  Text between « and » is
// typed: it goes to standard input and is not part of the output; when » is
// directly followed by a line end, that line end is typed too.  {{NAME}} is
// replaced, in the body (typed text included) and in here-documents, by
// include/NAME.txt, which may include others in turn (a line end directly
// after it is dropped: the included text brings its own).  Input is given
// only once all the output
// before it has arrived, so a prompt that is not flushed before the program
// waits fails the run.
#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

struct FileSpec {
  std::string name;
  std::string content;
  bool exec = false;
};

struct Transcript {
  std::vector<FileSpec> files;
  std::vector<std::string> dirs;
  std::vector<std::pair<std::string, std::string>> symlinks;
  std::vector<std::pair<std::string, std::string>> mtimes;  // name, date
  std::vector<FileSpec> expected_files;
  std::vector<std::string> absent_files;
  std::vector<std::string> devices;
  std::vector<std::string> expected_devices;
  std::vector<std::string> listing;  // empty: not checked
  bool check_listing = false;
  int exit_status = 0;
  std::vector<std::string> args;
  std::vector<std::vector<std::string>> env;  // NAME and, when it is set, VALUE
  bool check_stderr = false;
  std::string expected_stderr;
  std::string posix_only;  // why the Windows build skips it
  // Alternating: output[0], input[0], output[1], ..., output[n].
  std::vector<std::string> outputs;
  std::vector<std::string> inputs;
};

[[noreturn]] void Fail(const std::string& why) {
  std::fprintf(stderr, "transcript: %s\n", why.c_str());
  std::exit(2);
}

std::string ReadFile(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) Fail("cannot read " + path.string());
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

std::string ExpandIncludes(const std::string& text, const fs::path& dir) {
  std::string out;
  std::size_t pos = 0;
  for (;;) {
    const std::size_t open = text.find("{{", pos);
    if (open == std::string::npos) break;
    const std::size_t close = text.find("}}", open);
    if (close == std::string::npos) Fail("unclosed {{");
    out += text.substr(pos, open - pos);
    out += ExpandIncludes(
        ReadFile(dir / "include" / (text.substr(open + 2, close - open - 2) + ".txt")), dir);
    pos = close + 2;
    if (pos < text.size() && text[pos] == '\n') ++pos;
  }
  return out + text.substr(pos);
}

std::vector<std::string> Words(const std::string& line) {
  std::istringstream in(line);
  std::vector<std::string> words;
  std::string w;
  while (in >> w) words.push_back(w);
  return words;
}

// The UTF-8 `text` as UTF-16 after a byte-order mark.
std::string Utf16(const std::string& text, bool big) {
  std::string out;
  const auto put = [&](unsigned unit) {
    out += static_cast<char>(big ? unit >> 8 : unit & 0xFF);
    out += static_cast<char>(big ? unit & 0xFF : unit >> 8);
  };
  put(0xFEFF);
  for (std::size_t i = 0; i < text.size();) {
    const unsigned char lead = static_cast<unsigned char>(text[i]);
    const int n = lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
    unsigned code = n == 1 ? lead : lead & (0x7F >> n);
    for (int k = 1; k < n; ++k) code = code << 6 | (static_cast<unsigned char>(text[i + k]) & 0x3F);
    i += n;
    if (code < 0x10000) {
      put(code);
    } else {
      put(0xD800 + ((code - 0x10000) >> 10));
      put(0xDC00 + (code & 0x3FF));
    }
  }
  return out;
}

// Reads a here-document opened by `words` ("<<TAG [MODE...]") from `lines`.
std::string HereDoc(const std::vector<std::string>& words, std::size_t first,
                    const std::vector<std::string>& lines, std::size_t& i) {
  const std::string tag = words[first].substr(2);
  std::string end = "\n", utf16;
  bool noeol = false;
  for (std::size_t w = first + 1; w < words.size(); ++w) {
    if (words[w] == "crlf" || words[w] == "cr")
      end = words[w] == "cr" ? "\r" : "\r\n";
    else if (words[w] == "noeol")
      noeol = true;
    else if (words[w] == "utf16le" || words[w] == "utf16be")
      utf16 = words[w];
    else if (words[w] == "exec")
      continue;  // the caller's
    else
      Fail("unknown mode " + words[w]);
  }
  std::vector<std::string> body;
  for (++i; i < lines.size() && lines[i] != tag; ++i) body.push_back(lines[i]);
  if (i == lines.size()) Fail("here-document without " + tag);
  std::string content;
  for (std::size_t k = 0; k < body.size(); ++k) {
    content += body[k];
    if (k + 1 < body.size() || !noeol) content += end;
  }
  return utf16.empty() ? content : Utf16(content, utf16 == "utf16be");
}

// Splits a body into the outputs and the typed inputs between them, onto
// the output `t` is gathering; an include is split in place, so that it may
// hold typed text too.  A line end after an input is typed only when it
// follows it in the same file.
void SplitBody(const std::string& body, const fs::path& dir, Transcript& t) {
  const std::string open = "\xC2\xAB", close = "\xC2\xBB";
  std::size_t pos = 0;
  for (;;) {
    const std::size_t a = body.find(open, pos);
    const std::size_t include = body.find("{{", pos);
    if (include < a) {
      const std::size_t end = body.find("}}", include);
      if (end == std::string::npos) Fail("unclosed {{");
      t.outputs.back() += body.substr(pos, include - pos);
      SplitBody(ReadFile(dir / "include" / (body.substr(include + 2, end - include - 2) + ".txt")),
                dir, t);
      pos = end + 2;
      if (pos < body.size() && body[pos] == '\n') ++pos;
      continue;
    }
    if (a == std::string::npos) break;
    const std::size_t b = body.find(close, a);
    if (b == std::string::npos) Fail("unclosed input");
    t.outputs.back() += body.substr(pos, a - pos);
    std::string input = body.substr(a + open.size(), b - a - open.size());
    pos = b + close.size();
    if (pos < body.size() && body[pos] == '\n') {
      input += '\n';
      ++pos;
    }
    t.inputs.push_back(input);
    t.outputs.emplace_back();
  }
  t.outputs.back() += body.substr(pos);
}

Transcript Parse(const fs::path& path) {
  const fs::path dir = path.parent_path();
  // A leading line end lets the header be empty.
  const std::string text = "\n" + ReadFile(path);
  const std::size_t split = text.find("\n---\n");
  if (split == std::string::npos) Fail("no --- line");
  std::vector<std::string> lines;
  {
    std::istringstream in(ExpandIncludes(text.substr(0, split + 1), dir));
    std::string line;
    while (std::getline(in, line)) lines.push_back(line);
  }
  Transcript t;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    const std::vector<std::string> w = Words(lines[i]);
    if (w.empty() || w[0][0] == '#') continue;
    const bool here = w.size() >= 3 && w[2].rfind("<<", 0) == 0;
    if (w[0] == "file" && w.size() >= 3) {
      const bool exec = here && std::find(w.begin() + 3, w.end(), "exec") != w.end();
      t.files.push_back({w[1], here ? HereDoc(w, 2, lines, i) : ReadFile(dir / w[2]), exec});
    } else if (w[0] == "expect-file" && w.size() >= 3) {
      t.expected_files.push_back({w[1], here ? HereDoc(w, 2, lines, i) : ReadFile(dir / w[2])});
    } else if (w[0] == "dir" && w.size() == 2) {
      t.dirs.push_back(w[1]);
    } else if (w[0] == "symlink" && w.size() == 3) {
      t.symlinks.push_back({w[1], w[2]});
    } else if (w[0] == "mtime" && w.size() == 3) {
      t.mtimes.push_back({w[1], w[2]});
    } else if (w[0] == "expect-no-file" && w.size() == 2) {
      t.absent_files.push_back(w[1]);
    } else if (w[0] == "device" && w.size() == 2) {
      t.devices.push_back(w[1]);
    } else if (w[0] == "expect-device" && w.size() == 2) {
      t.expected_devices.push_back(w[1]);
    } else if (w[0] == "expect-listing") {
      t.listing.assign(w.begin() + 1, w.end());
      std::sort(t.listing.begin(), t.listing.end());
      t.check_listing = true;
    } else if (w[0] == "posix-only" && w.size() >= 2) {
      t.posix_only = lines[i].substr(lines[i].find(w[1]));
    } else if (w[0] == "expect-stderr" && w.size() >= 2) {
      t.check_stderr = true;
      t.expected_stderr = w[1].rfind("<<", 0) == 0 ? HereDoc(w, 1, lines, i) : ReadFile(dir / w[1]);
    } else if (w[0] == "env" && (w.size() == 2 || w.size() == 3)) {
      t.env.emplace_back(w.begin() + 1, w.end());
    } else if (w[0] == "args") {
      t.args.assign(w.begin() + 1, w.end());
    } else if (w[0] == "expect-exit" && w.size() == 2) {
      t.exit_status = std::atoi(w[1].c_str());
    } else {
      Fail("unknown header line: " + lines[i]);
    }
  }
  t.outputs.emplace_back();
  SplitBody(text.substr(split + 5), dir, t);
  return t;
}

std::string Visible(const std::string& s) {
  std::string out;
  for (unsigned char c : s) {
    if (c == '\n')
      out += "\\n\n";
    else if (c == '\\')
      out += "\\\\";
    else if (c < 32 || c >= 127) {
      char buf[8];
      std::snprintf(buf, sizeof buf, "\\x%02X", c);
      out += buf;
    } else {
      out += static_cast<char>(c);
    }
  }
  return out;
}

// Reports the first difference between what was expected and what came.
[[noreturn]] void Mismatch(const std::string& expected, const std::string& actual,
                           const std::string& when) {
  std::size_t at = 0;
  while (at < expected.size() && at < actual.size() && expected[at] == actual[at]) ++at;
  const std::size_t line = 1 + std::count(expected.begin(), expected.begin() + at, '\n');
  const std::size_t from = at > 300 ? at - 300 : 0;
  std::fprintf(stderr,
               "transcript: output differs %s, at byte %zu (output line %zu)\n"
               "--- agreed so far (tail) ---\n%s\n--- expected next ---\n%s\n"
               "--- actual next ---\n%s\n",
               when.c_str(), at, line, Visible(expected.substr(from, at - from)).c_str(),
               Visible(expected.substr(at, 300)).c_str(), Visible(actual.substr(at, 300)).c_str());
  std::exit(1);
}

std::string NormaliseLineEnds(const std::string& s) {
  std::string out;
  for (std::size_t i = 0; i < s.size(); ++i) {
    if (s[i] == '\r' && i + 1 < s.size() && s[i + 1] == '\n') continue;
    out += s[i];
  }
  return out;
}

}  // namespace

int main(int argc, char** argv) {
  bool crlf = false, keep = false;
  int timeout = 30;
  int a = 1;
  for (; a < argc && argv[a][0] == '-' && argv[a][1] == '-' && argv[a][2] != '\0'; ++a) {
    const std::string opt = argv[a];
    if (opt == "--crlf")
      crlf = true;
    else if (opt == "--keep")
      keep = true;
    else if (opt == "--timeout" && a + 1 < argc)
      timeout = std::atoi(argv[++a]);
    else
      Fail("unknown option " + opt);
  }
  if (a + 2 >= argc || std::string(argv[a + 1]) != "--") Fail("usage: [opts] FILE.t -- PROGRAM");
  const fs::path script = fs::absolute(argv[a]);
  std::vector<std::string> command(argv + a + 2, argv + argc);
  if (command[0].find('/') != std::string::npos) command[0] = fs::absolute(command[0]).string();

  const Transcript t = Parse(script);
  command.insert(command.end(), t.args.begin(), t.args.end());
  if (crlf && !t.posix_only.empty()) {
    std::printf("skipped on Windows: %s\n", t.posix_only.c_str());
    return 77;
  }

  char templ[] = "/tmp/korvelin-transcript-XXXXXX";
  if (mkdtemp(templ) == nullptr) Fail("cannot make a folder");
  const fs::path work = templ;
  for (const std::string& d : t.dirs) fs::create_directories(work / d);
  for (const FileSpec& f : t.files) {
    fs::create_directories((work / f.name).parent_path());
    std::ofstream(work / f.name, std::ios::binary) << f.content;
    if (f.exec) fs::permissions(work / f.name, fs::perms::owner_exec, fs::perm_options::add);
  }
  for (const auto& link : t.symlinks) fs::create_symlink(link.second, work / link.first);
  for (const auto& [name, date] : t.mtimes) {
    std::tm noon{};
    if (std::sscanf(date.c_str(), "%d-%d-%d", &noon.tm_year, &noon.tm_mon, &noon.tm_mday) != 3) {
      Fail("mtime " + name + ": not a date: " + date);
    }
    noon.tm_year -= 1900;
    noon.tm_mon -= 1;
    noon.tm_hour = 12;
    noon.tm_isdst = -1;
    const timespec when[2] = {{std::mktime(&noon), 0}, {std::mktime(&noon), 0}};
    if (utimensat(AT_FDCWD, (work / name).c_str(), when, 0) != 0) Fail("mtime " + name);
  }
  for (const std::string& name : t.devices) {
    // Never /dev/full itself: a program that wrongly replaced its target
    // would replace the machine's device.
    if (geteuid() != 0) {
      std::printf("skipped: making a device needs root\n");
      fs::remove_all(work);
      return 77;
    }
    if (mknod((work / name).c_str(), S_IFCHR | 0666, makedev(1, 7)) != 0) Fail("mknod " + name);
  }

  // Standard error goes to a file outside the working folder, unlinked at
  // once so that no run leaves it behind; it is read back through its
  // descriptor.
  char error_name[] = "/tmp/korvelin-transcript-stderr-XXXXXX";
  const int error_file = mkstemp(error_name);
  if (error_file < 0) Fail("cannot make a file for standard error");
  unlink(error_name);

  int to_child[2], from_child[2];
  if (pipe(to_child) != 0 || pipe(from_child) != 0) Fail("pipe");
  signal(SIGPIPE, SIG_IGN);
  const pid_t pid = fork();
  if (pid == 0) {
    dup2(to_child[0], 0);
    dup2(from_child[1], 1);
    dup2(error_file, 2);
    close(to_child[1]);
    close(from_child[0]);
    if (chdir(work.c_str()) != 0) _exit(127);
    for (const std::vector<std::string>& setting : t.env) {
      if (setting.size() == 2) {
        setenv(setting[0].c_str(), setting[1].c_str(), 1);
      } else {
        unsetenv(setting[0].c_str());
      }
    }
    std::vector<char*> args;
    for (const std::string& s : command) args.push_back(const_cast<char*>(s.c_str()));
    args.push_back(nullptr);
    execvp(args[0], args.data());
    _exit(127);
  }
  close(to_child[0]);
  close(from_child[1]);

  std::string raw, received;
  bool eof = false;
  std::string expected;
  // Reads until `want` bytes of output have come, the output ends, the
  // output departs from the expected text, or time runs out.
  auto receive = [&](std::size_t want) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(timeout);
    while (!eof) {
      received = crlf ? NormaliseLineEnds(raw) : raw;
      if (received.size() >= want && !(crlf && !received.empty() && received.back() == '\r'))
        return true;
      const std::size_t common = std::min(received.size(), expected.size());
      if (received.compare(0, common, expected, 0, common) != 0) return true;
      const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
          deadline - std::chrono::steady_clock::now());
      if (left.count() <= 0) return false;
      pollfd p{from_child[0], POLLIN, 0};
      if (poll(&p, 1, static_cast<int>(left.count())) <= 0) continue;
      char buf[65536];
      const ssize_t n = read(from_child[0], buf, sizeof buf);
      if (n <= 0)
        eof = true;
      else
        raw.append(buf, static_cast<std::size_t>(n));
    }
    received = crlf ? NormaliseLineEnds(raw) : raw;
    return true;
  };

  for (std::size_t i = 0; i < t.inputs.size(); ++i) {
    expected += t.outputs[i];
    if (!receive(expected.size())) {
      kill(pid, SIGKILL);
      Mismatch(expected, received,
               "(timed out: the program waited without showing all of this output)");
    }
    if (received.compare(0, expected.size(), expected) != 0) {
      kill(pid, SIGKILL);
      Mismatch(expected, received, "before input " + std::to_string(i + 1));
    }
    const std::string& input = t.inputs[i];
    if (input.rfind("!", 0) == 0) {
      const std::string command = "cd '" + work.string() + "' && " + input.substr(1);
      if (std::system(command.c_str()) != 0) Fail("failed: " + input);
      continue;
    }
    if (!input.empty() && write(to_child[1], input.data(), input.size()) < 0 && !eof) {
      // The program left before reading this input; the output check says more.
    }
  }
  close(to_child[1]);
  expected += t.outputs.back();
  if (!receive(static_cast<std::size_t>(-1))) {
    kill(pid, SIGKILL);
    Mismatch(expected, received, "(timed out: the program did not end)");
  }
  int status = 0;
  waitpid(pid, &status, 0);
  if (received != expected) Mismatch(expected, received, "at the end");
  std::string errors;
  lseek(error_file, 0, SEEK_SET);
  for (char buf[4096];;) {
    const ssize_t n = read(error_file, buf, sizeof buf);
    if (n <= 0) break;
    errors.append(buf, static_cast<std::size_t>(n));
  }
  close(error_file);
  if (t.check_stderr) {
    if (crlf) errors = NormaliseLineEnds(errors);
    if (errors != t.expected_stderr) Mismatch(t.expected_stderr, errors, "on standard error");
  } else if (!errors.empty()) {
    std::fputs(errors.c_str(), stderr);  // shown in the test's log
  }
  if (!WIFEXITED(status) || WEXITSTATUS(status) != t.exit_status) {
    std::fprintf(stderr, "transcript: exit status %d, expected %d\n",
                 WIFEXITED(status) ? WEXITSTATUS(status) : -WTERMSIG(status), t.exit_status);
    return 1;
  }
  for (const FileSpec& f : t.expected_files) {
    if (!fs::exists(work / f.name)) Fail("expected file missing: " + f.name);
    std::string content = ReadFile(work / f.name);
    if (crlf) content = NormaliseLineEnds(content);
    const std::string want = crlf ? NormaliseLineEnds(f.content) : f.content;
    if (content != want) Mismatch(want, content, "in file " + f.name);
  }
  for (const std::string& name : t.absent_files) {
    if (fs::exists(fs::symlink_status(work / name))) Fail("file should not exist: " + name);
  }
  for (const std::string& name : t.expected_devices) {
    struct stat st {};
    if (lstat((work / name).c_str(), &st) != 0 || !S_ISCHR(st.st_mode)) {
      Fail("no longer a device: " + name);
    }
  }
  if (t.check_listing) {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(work)) {
      names.push_back(entry.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    if (names != t.listing) {
      std::string found;
      for (const std::string& n : names) found += " " + n;
      Fail("the folder holds:" + found);
    }
  }
  if (!keep) fs::remove_all(work);
  return 0;
}
