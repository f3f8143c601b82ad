// Reads every expression of the input, and checks that each one prints in
// file form, reads back to the same text, copies and frees.

#include <cstdint>
#include <cstdlib>
#include <sstream>
#include <string>

#include "lists/error_message.h"
#include "lists/list.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::istringstream in(std::string(reinterpret_cast<const char*>(data), size));
  lumo::List list;
  try {
    for (int count = 0; count < 1000 && lumo::List::HasMore(in); ++count) {
      list.Read(in);
      list.Top().Check();
      std::ostringstream printed;
      list.Print(printed);
      (void)list.Top().Text();
      lumo::List copy;
      copy = list;
      // What the printer writes must read back to the same structure, unless
      // an atom is longer than a token may be.
      std::istringstream again(printed.str());
      lumo::List back;
      try {
        back.Read(again);
      } catch (const lumo::ListError& error) {
        if (error.tag() != "List::Read size") std::abort();
        continue;
      }
      std::ostringstream reprinted;
      back.Print(reprinted);
      if (reprinted.str() != printed.str()) std::abort();
    }
  } catch (const lumo::ListError&) {
  }
  return 0;
}
