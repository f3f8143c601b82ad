#include "lists/list_printer.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "lists/list_word.h"

namespace lumo {

namespace {

enum class Form { kFile, kMessage };

// printf's real formats follow the C locale's decimal point; the notation
// always uses '.'.
std::string FormatDouble(const char* format, double value) {
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, format, value);
  std::string text(buffer);
  for (char& c : text)
    if (c == ',') c = '.';
  return text;
}

void AppendAtom(const ListCell* cell, Form form, std::string& out) {
  if (cell->IsNil()) {
    out += "nil";
    return;
  }
  switch (cell->kind()) {
    case ListCell::kLong:
      out += std::to_string(cell->long_value());
      break;
    case ListCell::kDouble:
      out += form == Form::kFile ? FileFormOfDouble(cell->double_value())
                                 : FormatDouble("%g", cell->double_value());
      break;
    case ListCell::kString: {
      const std::string_view text = cell->text();
      const bool quote = form == Form::kFile ? !IsBareWord(text) : NeedsQuotesInMessage(text);
      if (quote) out += '"';
      out += text;
      if (quote) out += '"';
      break;
    }
    default:
      break;
  }
}

// The walk of the printers. Elements are separated by one blank, except that
// nothing follows a closing parenthesis: (a (b) c) prints as "(a (b)c)", and
// a dotted atom after a sub-list is followed by a blank: "((a) . b )".
// `flush` is called whenever the text grows large, so files of any size
// print in bounded memory.
template <class Flush>
void Walk(const ListCell* root, Form form, std::string& out, Flush flush) {
  if (root->IsNil()) {
    out += "()";
    return;
  }
  if (!root->IsCons()) {
    AppendAtom(root, form, out);
    return;
  }
  enum class Step { kList, kClose, kDottedTail };
  struct Work {
    Step step;
    const ListCell* cell;
  };
  std::vector<Work> pending{{Step::kList, root}};
  out += '(';
  while (!pending.empty()) {
    const Work work = pending.back();
    pending.pop_back();
    if (work.step == Step::kClose) {
      out += ')';
    } else if (work.step == Step::kDottedTail) {
      out += " . ";
      AppendAtom(work.cell, form, out);
      out += " )";
    } else {
      const ListCell* car = work.cell->car();
      const ListCell* cdr = work.cell->cdr();
      if (car->IsCons()) {
        out += '(';
        if (cdr->IsNil())
          pending.push_back({Step::kClose, nullptr});
        else if (cdr->IsCons())
          pending.push_back({Step::kList, cdr});
        else
          pending.push_back({Step::kDottedTail, cdr});
        pending.push_back({Step::kList, car});
      } else {
        AppendAtom(car, form, out);
        if (cdr->IsNil()) {
          out += ')';
        } else if (cdr->IsCons()) {
          out += ' ';
          pending.push_back({Step::kList, cdr});
        } else {
          out += " . ";
          AppendAtom(cdr, form, out);
          out += ')';
        }
      }
    }
    if (out.size() >= 1 << 16) flush(out);
  }
}

}  // namespace

// What "%#g" gives, worked out from the exponent after rounding: some C
// libraries drop the zeros when rounding carries into the exponent that
// switches to the e style (999999.9 as "1.e+06", while 1000000.0 gives
// "1.00000e+06"), and such a form does not print back the same.
std::string FileFormOfDouble(double value) {
  if (!std::isfinite(value)) return FormatDouble("%#g", value);
  const std::string scientific = FormatDouble("%.5e", value);
  const int exponent = std::atoi(scientific.c_str() + scientific.find('e') + 1);
  if (exponent < -4 || exponent >= 6) return scientific;
  char format[16];
  std::snprintf(format, sizeof format, "%%#.%df", 5 - exponent);
  return FormatDouble(format, value);
}

void PrintFileForm(const ListCell* cell, std::ostream& out) {
  std::string text;
  auto flush = [&out](std::string& chunk) {
    out.write(chunk.data(), static_cast<std::streamsize>(chunk.size()));
    chunk.clear();
  };
  Walk(cell, Form::kFile, text, flush);
  flush(text);
}

std::string MessageForm(const ListCell* cell) {
  std::string text;
  Walk(cell, Form::kMessage, text, [](std::string&) {});
  return text;
}

std::string QuotedIfNeeded(const std::string& text) {
  return IsBareWord(text) ? text : '"' + text + '"';
}

}  // namespace lumo
