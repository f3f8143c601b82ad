// List::Read: turns the next expression of a stream into cells, with an
// explicit stack so that nesting depth is bounded only by memory.

#include <ios>
#include <string>
#include <vector>

#include "common/read_word.h"
#include "lists/error_message.h"
#include "lists/list.h"
#include "lists/list_word.h"

namespace lumo {

namespace {

constexpr int kEndOfInput = -1;
// A token holds at most 99 bytes.
constexpr std::size_t kMaxToken = 99;
// A damaged expression is shown in its message up to this many bytes.
constexpr std::size_t kEchoLimit = 200;

// Every stream keeps its own one-byte lookahead in an iword slot, so that
// repeated Reads on one stream continue where the last stopped whatever was
// read from other streams in between. The slot holds the byte (or
// kEndOfInput) plus kSlotOffset; 0, what the slot of a new stream holds,
// stands for a blank.
constexpr long kSlotOffset = 2;

long& LookaheadSlot(std::istream& in) {
  static const int index = std::ios_base::xalloc();
  return in.iword(index);
}

enum class Token { kOpen, kClose, kDot, kNil, kLong, kDouble, kString, kEnd };

class Reader {
 public:
  Reader(std::istream& in, CellPool& pool)
      : in_(in),
        pool_(pool),
        slot_(LookaheadSlot(in)),
        lookahead_(slot_ == 0 ? ' ' : static_cast<int>(slot_ - kSlotOffset)) {}
  // Leaves the lookahead with the stream, also when a Read fails.
  ~Reader() { slot_ = lookahead_ + kSlotOffset; }
  Reader(const Reader&) = delete;
  Reader& operator=(const Reader&) = delete;

  int Peek() {
    while (IsWhiteSpace(lookahead_) || (lookahead_ == kEndOfInput && !in_.eof()))
      Advance();
    return lookahead_;
  }

  // What this reader took from the stream, runs of blanks as one blank, cut
  // after kEchoLimit bytes: the faulty text a read error shows.
  const std::string& echo() const { return echo_; }

  // The next token; an atom token leaves its cell in `atom`.
  Token Next(ListCell*& atom) {
    const int c = Peek();
    if (c == kEndOfInput) return Token::kEnd;
    if (c == '(') {
      Advance();
      if (Peek() == ')') {
        Advance();
        return Token::kNil;
      }
      return Token::kOpen;
    }
    if (c == ')') {
      Advance();
      return Token::kClose;
    }
    word_.clear();
    if (c == '"') {
      Advance();
      while (lookahead_ != '"') {
        if (lookahead_ == kEndOfInput) throw ListError("List::Read quote");
        Collect();
      }
      Advance();
      atom = pool_.String(word_);
      return Token::kString;
    }
    while (lookahead_ != kEndOfInput && !IsWhiteSpace(lookahead_) && lookahead_ != '(' &&
           lookahead_ != ')')
      Collect();
    switch (ClassifyWord(word_)) {
      case WordKind::kLong:
        atom = pool_.Long(LongOfWord(word_));
        return Token::kLong;
      case WordKind::kDouble:
        atom = pool_.Double(DoubleOfWord(word_));
        return Token::kDouble;
      case WordKind::kDot:
        return Token::kDot;
      case WordKind::kNil:
        return Token::kNil;
      case WordKind::kString:
        break;
    }
    atom = pool_.String(word_);
    return Token::kString;
  }

 private:
  void Advance() {
    if (lookahead_ == kEndOfInput && in_.eof()) return;
    Echo(lookahead_);
    const int c = NextByte();
    if (c == std::char_traits<char>::eof()) {
      in_.setstate(std::ios::eofbit | std::ios::failbit);
      lookahead_ = kEndOfInput;
    } else {
      lookahead_ = static_cast<unsigned char>(c);
    }
  }

  // The stream's buffer is read directly, so its own failures (a folder
  // opened as a file, a read error of the disk) arrive as exceptions, which
  // become the reader's error.
  int NextByte() {
    std::streambuf* buffer = in_.rdbuf();
    if (buffer == nullptr) return std::char_traits<char>::eof();
    try {
      return buffer->sbumpc();
    } catch (const std::ios_base::failure&) {
      lookahead_ = kEndOfInput;
      in_.setstate(std::ios::eofbit | std::ios::failbit);
      throw ListError("List::Read io");
    }
  }

  void Echo(int c) {
    if (c == kEndOfInput || echo_.size() > kEchoLimit) return;
    if (IsWhiteSpace(c)) {
      blank_pending_ = !echo_.empty();
      return;
    }
    if (blank_pending_) echo_ += ' ';
    blank_pending_ = false;
    echo_ += static_cast<char>(c);
    if (echo_.size() > kEchoLimit) echo_ += " ...";
  }

  void Collect() {
    if (word_.size() == kMaxToken) throw ListError("List::Read size");
    word_.push_back(static_cast<char>(lookahead_));
    Advance();
  }

  std::istream& in_;
  CellPool& pool_;
  long& slot_;  // no other slot of in_ is made while a Reader lives
  int lookahead_;
  std::string word_;
  std::string echo_;
  bool blank_pending_ = false;
};

bool IsAtomToken(Token token) {
  return token == Token::kLong || token == Token::kDouble || token == Token::kString;
}

// One unfinished list: its last cons cell, whether that cell has its element
// yet, and whether the list is a dotted one whose cdr is a list still being
// read (then the list must close right after that one).
struct Frame {
  ListCell* current;
  bool has_car;
  bool closes_after_child;
};

// Reads the rest of a list whose opening parenthesis was taken; `first` is
// its first cons cell, already linked into the structure so that a failure
// frees everything built so far.
void ReadListBody(Reader& reader, CellPool& pool, ListCell* first) {
  std::vector<Frame> frames{{first, false, false}};

  auto add_element = [&frames, &pool](ListCell* element) {
    Frame& frame = frames.back();
    if (!frame.has_car) {
      frame.current->set_car(element);
      frame.has_car = true;
    } else {
      ListCell* cell = pool.Cons(element, NilCell());
      frame.current->set_cdr(cell);
      frame.current = cell;
    }
  };
  auto expect_close = [&reader]() {
    // A stray atom stays in the pool until the List is emptied.
    ListCell* atom = nullptr;
    if (reader.Next(atom) != Token::kClose) throw ListError("List::Read )");
  };
  // Finishes the top list, and with it every dotted list whose cdr it was.
  auto close_frame = [&frames, &expect_close]() {
    frames.pop_back();
    while (!frames.empty() && frames.back().closes_after_child) {
      expect_close();
      frames.pop_back();
    }
  };

  while (!frames.empty()) {
    ListCell* atom = nullptr;
    const Token token = reader.Next(atom);
    if (IsAtomToken(token)) {
      add_element(atom);
    } else if (token == Token::kNil) {
      add_element(NilCell());
    } else if (token == Token::kOpen) {
      ListCell* list = pool.Cons(NilCell(), NilCell());
      add_element(list);
      frames.push_back({list, false, false});
    } else if (token == Token::kClose) {
      close_frame();
    } else if (token == Token::kDot) {
      Frame& frame = frames.back();
      if (!frame.has_car) throw ListError("List::Read ad");
      if (!frame.current->cdr()->IsNil()) throw ListError("List::Read ldld");
      ListCell* tail = nullptr;
      const Token next = reader.Next(tail);
      if (next == Token::kClose) throw ListError("List::Read db");
      if (next == Token::kDot) throw ListError("List::Read dd");
      if (next == Token::kEnd) throw ListError("List::Read f");
      if (next == Token::kOpen) {
        ListCell* list = pool.Cons(NilCell(), NilCell());
        frame.current->set_cdr(list);
        frame.closes_after_child = true;
        frames.push_back({list, false, false});
      } else {
        if (IsAtomToken(next)) frame.current->set_cdr(tail);
        expect_close();
        close_frame();
      }
    } else {
      throw ListError("List::Read f");
    }
  }
}

}  // namespace

void List::Read(std::istream& in) {
  Reader reader(in, pool_);
  if (in.eof()) throw ListError("List::Read f");
  MakeNull();
  try {
    ListCell* atom = nullptr;
    switch (reader.Next(atom)) {
      case Token::kOpen:
        root_ = pool_.Cons(NilCell(), NilCell());
        ReadListBody(reader, pool_, root_);
        break;
      case Token::kClose:
        throw ListError("List::Read b");
      case Token::kDot:
        throw ListError("List::Read d");
      case Token::kEnd:
        throw ListError("List::Read f");
      case Token::kNil:
        break;
      default:
        root_ = atom;
        break;
    }
  } catch (const ListError& error) {
    MakeNull();
    // The reader's own errors carry no detail: they show what was read.
    if (!error.detail().empty() || reader.echo().empty()) throw;
    throw ListError(error.tag(), reader.echo());
  }
}

bool List::HasMore(std::istream& in) {
  if (in.eof()) return false;
  CellPool unused;
  Reader reader(in, unused);
  return reader.Peek() != kEndOfInput;
}

}  // namespace lumo
