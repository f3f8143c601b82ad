// Reads every expression of the input, and checks that each one prints in
// file form, reads back to the same text, copies and frees; and that those
// reads back, from a second stream between the input's own Reads, change
// nothing the input gives.

#include <cstdint>
#include <cstdlib>
#include <sstream>
#include <string>
#include <vector>

#include "lists/error_message.h"
#include "lists/list.h"
#include "lists/list_word.h"

namespace {

constexpr int kMaxExpressions = 1000;

// The printed form of every expression of `text`, read with no other stream
// in between, then the tag of the error that stopped the reading, if any.
std::vector<std::string> ReadAlone(const std::string& text) {
  std::istringstream in(text);
  std::vector<std::string> forms;
  lumo::List list;
  try {
    for (int count = 0; count < kMaxExpressions && lumo::List::HasMore(in); ++count) {
      list.Read(in);
      std::ostringstream printed;
      list.Print(printed);
      forms.push_back(printed.str());
    }
  } catch (const lumo::ListError& error) {
    forms.push_back("error " + error.tag());
  }
  return forms;
}

// True when some string atom has no written form that reads back: longer
// than a token, or holding a double quote while it needs quotes.
bool HasUnwritableString(const lumo::ListCell* root) {
  std::vector<const lumo::ListCell*> pending{root};
  while (!pending.empty()) {
    const lumo::ListCell* cell = pending.back();
    pending.pop_back();
    if (cell->IsNil()) continue;
    if (cell->IsCons()) {
      pending.push_back(cell->car());
      pending.push_back(cell->cdr());
    } else if (cell->kind() == lumo::ListCell::kString) {
      const std::string_view text = cell->text();
      if (text.size() > 99) return true;
      if (text.find('"') != std::string::npos && !lumo::IsBareWord(text)) return true;
    }
  }
  return false;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  std::istringstream in(text);
  std::vector<std::string> forms;
  lumo::List list;
  try {
    for (int count = 0; count < kMaxExpressions && lumo::List::HasMore(in); ++count) {
      list.Read(in);
      list.Top().Check();
      std::ostringstream printed;
      list.Print(printed);
      forms.push_back(printed.str());
      (void)list.Top().Text();
      lumo::List copy;
      copy = list;
      if (HasUnwritableString(list.Top().cell())) continue;
      // Everything else the printer writes must read back to the same text.
      std::istringstream again(printed.str());
      lumo::List back;
      try {
        back.Read(again);
      } catch (const lumo::ListError&) {
        std::abort();
      }
      std::ostringstream reprinted;
      back.Print(reprinted);
      if (reprinted.str() != printed.str()) std::abort();
    }
  } catch (const lumo::ListError& error) {
    forms.push_back("error " + error.tag());
  }
  if (forms != ReadAlone(text)) std::abort();
  return 0;
}
