// Draw::Read and Draw::Save: the schematic file.
//
//   (circuit-name)
//   (x y element-name symbol-name orientation polarity
//     (
//     (x y terminal-name direction polarity [extra])
//     )[extra])
//   ()
//   (x1 y1 x2 y2 start-kind end-kind line-name [extra])
//   ()
//   ()
//
// A kind is t for an end attached to a terminal, c otherwise.

#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

#include "circuit/circuit_file.h"
#include "common/atomic_file.h"
#include "common/file_path.h"
#include "lists/list_printer.h"
#include "lists/list_text_writer.h"
#include "lists/list_word.h"
#include "schematic/draw.h"
#include "schematic/draw_errors.h"
#include "schematic/list_strings.h"

namespace lumo {

namespace {

constexpr const char* kNameSentence =
    "このエラーは回路図ファイルの中の回路名の入力中に起こりました。";
constexpr const char* kElementSentence =
    "このエラーは回路図ファイルの中の素子データの入力中に起こりました。";
constexpr const char* kLineSentence =
    "このエラーは回路図ファイルの中の信号線データの入力中に起こりました。";

char FirstLetter(ListPosition position) {
  const std::string text(position.String());
  return text.empty() ? '\0' : text.front();
}

// Takes the item at `item` and moves on to the next.
ListPosition Next(ListPosition& item) {
  const ListPosition value = item.Car();
  item = item.Cdr();
  return value;
}

// One-letter fields are written as one-letter strings; a double quote could
// not be read back.
bool WritableLetter(char letter) {
  return letter != '"';
}

// True when every string of the extra list reads back as itself; `bad`
// gets the first that would not.
bool ExtraWritable(const List& extra, std::string* bad) {
  const auto unwritable = FirstUnwritableString(extra.Top().cell());
  if (unwritable && bad != nullptr) *bad = std::string(*unwritable);
  return !unwritable;
}

std::string LetterText(char letter) {
  return QuotedIfNeeded(std::string(1, letter));
}

// A circuit name that reads back as one: "?" and the empty name read back
// as a schematic without a name.
bool IsCircuitName(const std::string& name) {
  return !name.empty() && name != "?" && IsWritableName(name);
}

// Puts a schematic's path, folder and circuit name back as they were unless
// the save they were changed for went through.
class NamingRollback {
 public:
  NamingRollback(std::string& path, std::string& folder, std::string& name)
      : path_(path), folder_(folder), name_(name), old_{path, folder, name} {}
  NamingRollback(const NamingRollback&) = delete;
  NamingRollback& operator=(const NamingRollback&) = delete;
  ~NamingRollback() {
    if (kept_) return;
    path_ = std::move(old_[0]);
    folder_ = std::move(old_[1]);
    name_ = std::move(old_[2]);
  }
  void Keep() { kept_ = true; }

 private:
  std::string& path_;
  std::string& folder_;
  std::string& name_;
  std::string old_[3];
  bool kept_ = false;
};

}  // namespace

void Draw::ReadUserSymbolsFor(const std::string& folder) {
  environment_.user_symbols.ReadFolder(
      folder,
      SymbolMessages{environment_.host, environment_.symbol_errors, environment_.list_errors});
  // The records of the old user symbols are gone.
  RebindSymbols();
}

// A read error leaves no expression; its detail holds the text read. The
// file is named when the schematic has one.
void Draw::ReportListError(const ListError& error, const List& expression, const char* sentence) {
  std::string detail = error.detail() + "\n\n";
  if (!expression.IsNil()) detail += expression.Top().Text() + "\n\n";
  detail += sentence;
  if (!path_.empty() && path_ != "?") detail += "\n" + path_;
  ShowError(environment_.host, environment_.list_errors, error.tag(), detail);
}

DrawReadResult Draw::Read(const std::string& path) {
  // Whatever the read leaves is what the window starts from: unchanged.
  const DrawReadResult result = ReadFile(path);
  listed_as_read_ = true;
  MarkSaved();
  return result;
}

DrawReadResult Draw::ReadFile(const std::string& path) {
  namespace fs = std::filesystem;
  const std::string folder = FileFolder(path);
  if (folder != environment_.user_symbols.folder()) ReadUserSymbolsFor(folder);
  SetPath(path);

  std::error_code error;
  const bool exists = fs::exists(path, error);
  std::ifstream in;
  if (fs::is_regular_file(path, error)) in.open(path, std::ios::binary);
  DrawReadResult result = DrawReadResult::kRead;
  if (!in.is_open()) {
    // A file that is there but cannot be read is never replaced; a title
    // that would not read back never makes a file.
    const bool made = !exists && IsCircuitName(circuit_name_) &&
                      WriteFileAtomically(path, [this](std::ostream& out) {
                        out << '(' << QuotedIfNeeded(circuit_name_) << ")()()()\n";
                        return true;
                      });
    if (made) in.open(path, std::ios::binary);
    if (!in.is_open()) {
      ShowError(environment_.host, environment_.draw_errors, kDrawRead, path);
      SetPath("?");  // unnamed: no save replaces what could not be read
      return DrawReadResult::kNotCreated;
    }
    result = DrawReadResult::kCreated;
  }
  // The reader asks its stream for the position of every expression, which
  // costs a system call on a file but nothing on text in memory.
  std::istringstream text(
      std::string{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()});
  const DrawReadResult sections = ReadSections(text);
  if (sections != DrawReadResult::kRead) {
    // Unnamed, so the next save asks for a name instead of replacing the
    // damaged file with what little was read.
    SetPath("?");
    return sections;
  }
  return result;
}

DrawReadResult Draw::ReadSections(std::istream& in) {
  ++reloads_;
  Changed();
  List expression;
  try {
    expression.Read(in);
    const ListPosition top = expression.Top();
    // An empty name was once written as the empty list.
    circuit_name_ = top.Nil() ? std::string() : top.Car().String();
  } catch (const ListError& error) {
    ReportListError(error, expression, kNameSentence);
    return DrawReadResult::kDamaged;
  }

  DrawSymbolFinder symbols(environment_.system_symbols, environment_.user_symbols);
  try {
    for (;;) {
      expression.Read(in);
      if (expression.IsNil()) break;
      ReadElement(expression.Top(), symbols);
    }
  } catch (const ListError& error) {
    ReportListError(error, expression, kElementSentence);
    Clear();
    return DrawReadResult::kDamaged;
  }

  try {
    for (;;) {
      expression.Read(in);
      if (expression.IsNil()) break;
      ReadLine(expression.Top());
    }
  } catch (const ListError& error) {
    ReportListError(error, expression, kLineSentence);
    Clear();
    return DrawReadResult::kDamaged;
  }
  return DrawReadResult::kRead;
}

void Draw::ReadElement(ListPosition expression, DrawSymbolFinder& symbols) {
  ListPosition item = expression;
  const std::int32_t x = Next(item).Long();
  const std::int32_t y = Next(item).Long();
  std::string name(Next(item).String());
  std::string symbol_name(Next(item).String());
  const std::int32_t orientation = Next(item).Long();
  const char polarity = FirstLetter(Next(item));
  const ListPosition terminals = Next(item);
  const ListPosition extra = item.Car();
  const Symbol* symbol = symbols.Find(symbol_name);
  DrawElement& element =
      NewElement(std::move(name), std::move(symbol_name), x, y, orientation, polarity, symbol);
  element.extra_.Assign(extra);
  for (ListPosition at = terminals; !at.Nil(); at = at.Cdr()) {
    ListPosition field = at.Car();
    const std::int32_t tx = Next(field).Long();
    const std::int32_t ty = Next(field).Long();
    std::string terminal_name(Next(field).String());
    const std::int32_t direction = Next(field).Long();
    const char terminal_polarity = FirstLetter(Next(field));
    DrawTerminal& terminal =
        NewTerminal(element, std::move(terminal_name), tx, ty, direction, terminal_polarity);
    terminal.extra_.Assign(field.Car());
  }
}

void Draw::ReadLine(ListPosition expression) {
  ListPosition item = expression;
  const std::int32_t x1 = Next(item).Long();
  const std::int32_t y1 = Next(item).Long();
  const std::int32_t x2 = Next(item).Long();
  const std::int32_t y2 = Next(item).Long();
  const std::string start_kind(Next(item).String());
  const std::string end_kind(Next(item).String());
  const std::string name(Next(item).String());
  const ListPosition extra = item.Car();
  if (x1 == x2 && y1 == y2) return;

  DrawLine& line = NewLine(x1, y1, x2, y2);
  line.name_ = name;
  line.extra_.Assign(extra);
  const bool start_on_terminal = start_kind == "t";
  const bool end_on_terminal = end_kind == "t";
  if ((!start_on_terminal && start_kind != "c") || (!end_on_terminal && end_kind != "c")) return;
  DrawTerminal* start = start_on_terminal ? FindTerminalAt(x1, y1) : nullptr;
  DrawTerminal* end = end_on_terminal ? FindTerminalAt(x2, y2) : nullptr;
  // A line whose terminal is missing stays unattached at both ends.
  if ((start_on_terminal && start == nullptr) || (end_on_terminal && end == nullptr)) return;
  if (start != nullptr)
    AttachEnd(line, LineEnd::kStart, *start);
  else
    AttachEndToJunctionAt(line, LineEnd::kStart);
  if (end != nullptr)
    AttachEnd(line, LineEnd::kEnd, *end);
  else
    AttachEndToJunctionAt(line, LineEnd::kEnd);
}

bool Draw::CheckNames(std::string* unwritable) const {
  std::vector<const std::string*> names{&circuit_name_};
  bool letters = true;
  for (const DrawElement& element : elements_.Items()) {
    names.push_back(&element.name_);
    names.push_back(&element.symbol_name_);
    letters = letters && WritableLetter(element.polarity_);
    if (!ExtraWritable(element.extra_, unwritable)) return false;
    for (const DrawTerminal& terminal : element.terminals()) {
      names.push_back(&terminal.name_);
      letters = letters && WritableLetter(terminal.polarity_);
      if (!ExtraWritable(terminal.extra_, unwritable)) return false;
    }
  }
  for (const DrawLine& line : lines_.Items()) {
    names.push_back(&line.name_);
    if (!ExtraWritable(line.extra_, unwritable)) return false;
  }
  for (const std::string* name : names) {
    if (!IsWritableName(*name)) {
      if (unwritable != nullptr) *unwritable = *name;
      return false;
    }
  }
  if (!letters && unwritable != nullptr) *unwritable = "\"";
  return letters;
}

bool Draw::Write(std::ostream& stream, std::string* unwritable) const {
  if (!CheckNames(unwritable)) return false;
  ListTextWriter out(stream);
  out << "(";
  out.Name(circuit_name_) << ")\n";
  for (const DrawElement& element : elements_.Items()) {
    out << "(" << element.x_ << " " << element.y_ << " ";
    out.Name(element.name_) << " ";
    out.Name(element.symbol_name_) << " " << element.orientation_ << " ";
    out << LetterText(element.polarity_) << " \n  (\n";
    for (const DrawTerminal& terminal : element.terminals()) {
      out << "  (" << terminal.x_ << " " << terminal.y_ << " ";
      out.Name(terminal.name_) << " " << terminal.direction_ << " ";
      out << LetterText(terminal.polarity_) << " ";
      out.Expression(terminal.extra_) << ")\n";
    }
    out << "  )";
    out.Expression(element.extra_) << ")\n";
    out.EndRecord();
  }
  out << "()\n";
  for (const DrawLine& line : lines_.Items()) {
    out << "(" << line.x1() << " " << line.y1() << " " << line.x2() << " " << line.y2() << " ";
    out << (line.start_terminal() != nullptr ? "t" : "c") << " ";
    out << (line.end_terminal() != nullptr ? "t" : "c") << " ";
    out.Name(line.name_) << " ";
    out.Expression(line.extra_) << ")\n";
    out.EndRecord();
  }
  out << "()\n()\n";
  return true;
}

DrawSaveResult Draw::Save(const std::string& path) {
  // The schematic moves to `path` only once it is written there.
  NamingRollback rollback(path_, folder_, circuit_name_);
  SetPath(path);
  if (!IsCircuitName(circuit_name_)) {
    ShowError(environment_.host, environment_.draw_errors, kDrawSaveTitle, path);
    return DrawSaveResult::kUnwritableName;
  }
  std::string unwritable;
  if (!CheckNames(&unwritable)) {
    ShowError(environment_.host, environment_.draw_errors, kDrawSaveName, unwritable);
    return DrawSaveResult::kUnwritableName;
  }
  const bool written = WriteFileAtomically(path, [this](std::ostream& out) { return Write(out); });
  if (!written) {
    ShowError(environment_.host, environment_.draw_errors, kDrawSave, path);
    return DrawSaveResult::kNotWritten;
  }
  rollback.Keep();
  listed_as_read_ = false;
  MarkSaved();
  return DrawSaveResult::kSaved;
}

}  // namespace lumo
