// The line editor over libedit, chosen once at start-up; without libedit (or
// without a terminal) the console keeps its plain reads.
#include "console/line_editor.h"

#ifndef KORVELIN_LINE_EDITOR

namespace korvelin {

bool StartLineEditor(Console&) { return false; }

}  // namespace korvelin

#else

#include <histedit.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <clocale>
#include <cstdio>
#include <cstdlib>
#include <cwchar>
#include <memory>
#include <string>
#include <vector>

#include "console/completion.h"
#include "console/hangup.h"
#include "console/interrupt.h"
#include "console/line_history.h"

namespace korvelin {

namespace {

// Terminal width assumed for a list of completions.
constexpr std::size_t kListWidth = 78;

class EditedLines : public LineReader {
 public:
  EditedLines();
  ~EditedLines() override;
  EditedLines(const EditedLines&) = delete;
  EditedLines& operator=(const EditedLines&) = delete;

  // The console's held prompt line becomes the editor's prompt, so that the
  // editor draws it and redraws it after a list of completions.
  bool ReadLine(std::string& line, const std::string& prompt, const Completion& offered) override;
  bool ReadPastedLine(std::string& line, const std::string& prompt, bool& pasted) override;
  void BracketPaste(bool on) override;

 private:
  static EditedLines& Of(EditLine* editor);
  static char* Prompt(EditLine* editor);
  static unsigned char Interrupt(EditLine* editor, wint_t key);
  static unsigned char CompleteWord(EditLine* editor, wint_t key);
  static unsigned char PasteBegins(EditLine* editor, wint_t key);
  static unsigned char PasteEnds(EditLine* editor, wint_t key);
  // One line through the editor: false at the end of the input; `typed`
  // gets it, line end included, empty after Ctrl-C.
  bool Edit(std::string& typed);
  void Recall(const std::string& line);

  EditLine* editor_;
  ::History* recall_;  // libedit's history, for Up and Down
  LineHistory kept_;   // the history file
  std::string prompt_;
  const Completion* offered_ = nullptr;  // while a line is read
  bool interrupted_ = false;
  bool pasting_ = false;   // a pasted text's line is read
  bool in_paste_ = false;  // between the terminal's marks around a paste
};

EditedLines::EditedLines()
    : editor_(el_init("korvelin", stdin, stdout, stderr)),
      recall_(history_init()),
      kept_(LineHistoryPath(std::getenv("XDG_STATE_HOME"), std::getenv("HOME"))) {
  HistEvent event;
  history(recall_, &event, H_SETSIZE, static_cast<int>(LineHistory::kMostLines));
  for (const std::string& line : kept_.Lines()) Recall(line);
  el_set(editor_, EL_CLIENTDATA, this);
  el_set(editor_, EL_EDITOR, "emacs");
  // The editor's own signal handling would pass a SIGTERM or a hang-up on
  // to the whole process group, the shell that started the program
  // included: console/hangup.h restores the terminal instead.
  el_set(editor_, EL_SIGNAL, 0);
  el_set(editor_, EL_HIST, history, recall_);
  el_set(editor_, EL_PROMPT, &EditedLines::Prompt);
  // Ctrl-C comes to the editor as a key rather than as a signal.
  el_set(editor_, EL_SETTY, "-d", "-isig", nullptr);
  // Given wide, the names are kept as they are; given narrow, the library
  // copies them and never frees the copies.
  el_wset(editor_, EL_ADDFN, L"korvelin-interrupt", L"Discard the line", &EditedLines::Interrupt);
  el_wset(editor_, EL_ADDFN, L"korvelin-complete", L"Complete the word",
          &EditedLines::CompleteWord);
  el_wset(editor_, EL_ADDFN, L"korvelin-paste-begins", L"A paste begins",
          &EditedLines::PasteBegins);
  el_wset(editor_, EL_ADDFN, L"korvelin-paste-ends", L"A paste ends", &EditedLines::PasteEnds);
  el_set(editor_, EL_BIND, "^C", "korvelin-interrupt", nullptr);
  el_set(editor_, EL_BIND, "^I", "korvelin-complete", nullptr);
  // The marks a terminal puts around a paste while bracketed paste is on.
  el_set(editor_, EL_BIND, "\\e[200~", "korvelin-paste-begins", nullptr);
  el_set(editor_, EL_BIND, "\\e[201~", "korvelin-paste-ends", nullptr);
}

EditedLines::~EditedLines() {
  el_end(editor_);
  history_end(recall_);
}

void EditedLines::Recall(const std::string& line) {
  HistEvent event;
  history(recall_, &event, H_ENTER, line.c_str());
}

bool EditedLines::Edit(std::string& typed) {
  for (;;) {
    interrupted_ = false;
    int count = 0;
    el_resize(editor_);  // the window may have changed size since the last line
    const char* text = el_gets(editor_, &count);
    if (text == nullptr) {
      // A signal that broke off the read is not the end of the input,
      // unless it was a hang-up (console/hangup.h).
      if (count < 0 && errno == EINTR && !HungUp()) continue;
      return false;
    }
    typed.assign(interrupted_ ? "" : std::string(text, static_cast<std::size_t>(count)));
    return true;
  }
}

bool EditedLines::ReadLine(std::string& line, const std::string& prompt,
                           const Completion& offered) {
  prompt_ = prompt;
  offered_ = &offered;
  std::string text;
  do {
    if (!Edit(text)) return false;
  } while (interrupted_);  // the prompt again, on a fresh line
  line += text;
  if (kept_.Add(text)) Recall(kept_.Lines().back());
  return true;
}

bool EditedLines::ReadPastedLine(std::string& line, const std::string& prompt, bool& pasted) {
  prompt_ = prompt;
  pasting_ = true;
  std::string text;
  const bool read = Edit(text);
  pasting_ = false;
  pasted = in_paste_;
  line += text;
  return read;
}

void EditedLines::BracketPaste(bool on) {
  in_paste_ = false;
  // A long paste goes on arriving while the terminal is between two lines
  // in its own line mode: it must not show those bytes itself, the editor
  // shows them as it reads them.
  el_set(editor_, EL_SETTY, "-x", on ? "-echo" : "+echo", nullptr);
  // Then the terminal's own setting again (echo is on in any terminal
  // that a line editor is started in).
  if (!on) el_set(editor_, EL_SETTY, "-x", "echo", nullptr);
  std::fputs(on ? "\x1b[?2004h" : "\x1b[?2004l", stdout);
  std::fflush(stdout);
}

unsigned char EditedLines::PasteBegins(EditLine* editor, wint_t) {
  Of(editor).in_paste_ = true;
  return CC_NORM;
}

unsigned char EditedLines::PasteEnds(EditLine* editor, wint_t) {
  Of(editor).in_paste_ = false;
  return CC_NORM;
}

EditedLines& EditedLines::Of(EditLine* editor) {
  void* self = nullptr;
  el_get(editor, EL_CLIENTDATA, &self);
  return *static_cast<EditedLines*>(self);
}

char* EditedLines::Prompt(EditLine* editor) { return &Of(editor).prompt_[0]; }

// Ctrl-C: "^C" is shown at the end of the line, which ends there and is
// dropped; in a pasted text it stops the command that reads it.
unsigned char EditedLines::Interrupt(EditLine* editor, wint_t) {
  Of(editor).interrupted_ = true;
  if (Of(editor).pasting_) RequestInterrupt();
  const LineInfoW* line = el_wline(editor);
  el_cursor(editor, static_cast<int>(line->lastchar - line->cursor));
  el_insertstr(editor, "^C");
  el_push(editor, "\n");
  return CC_REFRESH;
}

// The bytes of a run of wide characters, as the terminal's encoding has them.
std::string Narrow(const wchar_t* from, const wchar_t* to) {
  std::string text;
  std::mbstate_t state{};
  char bytes[MB_LEN_MAX];
  for (; from != to; ++from) {
    const std::size_t size = std::wcrtomb(bytes, *from, &state);
    if (size != static_cast<std::size_t>(-1)) text.append(bytes, size);
  }
  return text;
}

// Tab (in a pasted text, a tab): the line up to the cursor is followed to the prompt its last word
// will answer (completion.h).  One completion replaces that word (a word
// that is not a folder is followed by a space); several are listed under
// the line, the word growing by what they share.  File names that need
// them come in quotes.
unsigned char EditedLines::CompleteWord(EditLine* editor, wint_t) {
  if (Of(editor).pasting_) {
    el_insertstr(editor, "\t");  // a pasted table's cells stay apart
    return CC_REFRESH;
  }
  const LineInfoW* line = el_wline(editor);
  const std::string before = Narrow(line->buffer, line->cursor);
  const WordAtCursor at = FollowLine(*Of(editor).offered_, before);
  if (at.offered == nullptr) return CC_REFRESH_BEEP;
  const std::vector<std::string> matches = Complete(*at.offered, at.prefix);
  if (matches.empty()) return CC_REFRESH_BEEP;
  const std::string word = CompletionText(*at.offered, matches, at.quoted);
  const std::string typed = before.substr(at.start);
  if (word != typed) {
    // The typed word's characters, counted as the editor counts them.
    int typed_length = 0;
    std::size_t bytes = 0;
    for (const wchar_t* c = line->buffer; c != line->cursor; ++c) {
      if (bytes >= at.start) ++typed_length;
      bytes += Narrow(c, c + 1).size();
    }
    el_deletestr(editor, typed_length);
    el_insertstr(editor, word.c_str());
  }
  if (matches.size() == 1) return CC_REFRESH;
  std::string list = "\n";
  std::size_t column = 0;
  for (const std::string& match : matches) {
    if (column > 0 && column + 2 + match.size() > kListWidth) {
      list += '\n';
      column = 0;
    }
    if (column > 0) {
      list += "  ";
      column += 2;
    }
    list += match;
    column += match.size();
  }
  list += '\n';
  std::fwrite(list.data(), 1, list.size(), stdout);
  std::fflush(stdout);
  return CC_REDISPLAY;
}

}  // namespace

bool StartLineEditor(Console& console) {
  if (!isatty(STDIN_FILENO) || !isatty(STDOUT_FILENO)) return false;
  // Characters beyond ASCII are typed and shown in the terminal's encoding.
  std::setlocale(LC_CTYPE, "");
  // At a prompt Ctrl-C is the editor's key; while a command runs it asks
  // the command to stop (console/interrupt.h).
  CatchInterrupts();
  RestoreTerminalOnHangUp();
  console.UseLineReader(std::make_unique<EditedLines>());
  return true;
}

}  // namespace korvelin

#endif
