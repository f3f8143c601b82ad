#include "symbol/symbol.h"

#include <utility>

#include "lists/list_word.h"

namespace lumo {

namespace {

// A token of the list notation holds at most this many bytes.
constexpr std::size_t kMaxToken = 99;

char FirstLetter(ListPosition position) {
  const std::string_view text = position.String();
  return text.empty() ? '\0' : text.front();
}

// Element `index` (1-based) of the list at `position`.
ListPosition Element(ListPosition position, int index) {
  for (int i = 1; i < index; ++i)
    position = position.Cdr();
  return position.Car();
}

void ParseGraphics(ListPosition items, SymbolGraphics& graphics) {
  for (ListPosition item = items; !item.Nil(); item = item.Cdr()) {
    const ListPosition fields = item.Car();
    switch (FirstLetter(fields.Car())) {
      case 'l': {
        ListPosition rest = fields.Cdr();
        int x = rest.Car().Long();
        rest = rest.Cdr();
        int y = rest.Car().Long();
        for (rest = rest.Cdr(); !rest.Nil(); rest = rest.Cdr().Cdr()) {
          auto line = std::make_unique<SymbolLine>();
          line->x0 = x;
          line->y0 = y;
          line->x1 = x = rest.Car().Long();
          line->y1 = y = rest.Cdr().Car().Long();
          graphics.lines.PushFront(std::move(line));
        }
        break;
      }
      case 'a': {
        auto arc = std::make_unique<SymbolArc>();
        arc->cx = Element(fields, 2).Long();
        arc->cy = Element(fields, 3).Long();
        arc->r = Element(fields, 4).Long();
        arc->start = Element(fields, 5).Long();
        arc->end = Element(fields, 6).Long();
        graphics.arcs.PushFront(std::move(arc));
        break;
      }
      case 's': {
        auto text = std::make_unique<SymbolText>();
        text->text = Element(fields, 2).String();
        text->visible = FirstLetter(Element(fields, 3));
        text->kind = FirstLetter(Element(fields, 4));
        text->x = Element(fields, 5).Long();
        text->y = Element(fields, 6).Long();
        text->anchor = FirstLetter(Element(fields, 7));
        text->rotation = Element(fields, 8).Long();
        graphics.texts.PushFront(std::move(text));
        break;
      }
      default:
        break;  // unknown items are skipped
    }
  }
}

// A string that reads back as itself between double quotes.
bool QuotableText(const std::string& text) {
  return text.size() <= kMaxToken && text.find('"') == std::string::npos;
}

// A one-letter field is written bare; control bytes would make the file
// unreadable to people even where the reader takes them.
bool BareLetter(char letter) {
  const auto byte = static_cast<unsigned char>(letter);
  return byte > 0x20 && byte != 0x7F && IsBareWord(std::string_view(&letter, 1));
}

bool WritableGraphics(const SymbolGraphics* graphics) {
  if (graphics == nullptr) return true;
  for (const SymbolText& text : graphics->texts)
    if (!QuotableText(text.text) || !BareLetter(text.visible) || !BareLetter(text.kind) ||
        !BareLetter(text.anchor))
      return false;
  return true;
}

void WriteGraphics(const SymbolGraphics* graphics, std::ostream& out) {
  if (graphics == nullptr) {
    out << "  ()\n";
    return;
  }
  out << "  (\n";
  for (const SymbolLine& line : graphics->lines)
    out << "  (l " << line.x0 << ' ' << line.y0 << ' ' << line.x1 << ' ' << line.y1 << ")\n";
  for (const SymbolArc& arc : graphics->arcs)
    out << "  (a " << arc.cx << ' ' << arc.cy << ' ' << arc.r << ' ' << arc.start << ' ' << arc.end
        << ")\n";
  for (const SymbolText& text : graphics->texts)
    out << "  (s \"" << text.text << "\" " << text.visible << ' ' << text.kind << ' ' << text.x
        << ' ' << text.y << ' ' << text.anchor << ' ' << text.rotation << ")\n";
  out << "  )\n";
}

}  // namespace

void Symbol::Parse(ListPosition expression) {
  // Everything is read into a fresh symbol first, so a malformed expression
  // changes nothing.
  Symbol parsed(std::string(expression.Car().String()));
  parsed.positive = std::make_unique<SymbolGraphics>();
  ParseGraphics(expression.Cxr("da"), *parsed.positive);
  const ListPosition negative_items = expression.Cxr("dda");
  if (!negative_items.Nil()) {
    parsed.negative = std::make_unique<SymbolGraphics>();
    ParseGraphics(negative_items, *parsed.negative);
  }
  for (ListPosition item = expression.Cxr("ddda"); !item.Nil(); item = item.Cdr()) {
    const ListPosition fields = item.Car();
    auto terminal = std::make_unique<SymbolTerminal>();
    terminal->name = Element(fields, 1).String();
    terminal->x = Element(fields, 2).Long();
    terminal->y = Element(fields, 3).Long();
    terminal->direction = Element(fields, 4).Long();
    terminal->polarity = FirstLetter(Element(fields, 5));
    parsed.terminals.PushFront(std::move(terminal));
  }
  const char kind_letter = FirstLetter(expression.Cxr("ddddaa"));

  name = std::move(parsed.name);
  kind = kind_letter;
  positive = std::move(parsed.positive);
  negative = std::move(parsed.negative);
  terminals = std::move(parsed.terminals);
}

bool Symbol::Writable() const {
  if (!QuotableText(name) || !BareLetter(kind)) return false;
  if (!WritableGraphics(positive.get()) || !WritableGraphics(negative.get())) return false;
  for (const SymbolTerminal& terminal : terminals)
    if (!QuotableText(terminal.name) || !BareLetter(terminal.polarity)) return false;
  return true;
}

bool Symbol::Write(std::ostream& out) const {
  if (!Writable()) return false;
  out << "(\"" << name << "\"\n";
  WriteGraphics(positive.get(), out);
  WriteGraphics(negative.get(), out);
  if (terminals.empty()) {
    out << "  ()\n";
  } else {
    out << "  (\n";
    for (const SymbolTerminal& terminal : terminals)
      out << "  (\"" << terminal.name << "\" " << terminal.x << ' ' << terminal.y << ' '
          << terminal.direction << ' ' << terminal.polarity << ")\n";
    out << "  )\n";
  }
  out << "  (" << kind << ")\n";
  out << ")\n";
  return out.good();
}

const SymbolGraphics* Symbol::GraphicsFor(char logic_code) const {
  if (logic_code != 'p' && negative != nullptr) return negative.get();
  return positive.get();
}

}  // namespace lumo
