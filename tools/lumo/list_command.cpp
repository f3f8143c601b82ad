// lumo list FILE: reads every top-level expression of FILE and prints each in
// file form on its own line.

#include <fstream>

#include "common/input_file.h"
#include "lists/error_message.h"
#include "lists/list.h"
#include "lists/list_errors.h"
#include "tools/lumo/commands.h"

namespace lumo::cli {

int ListCommand(const Arguments& args, std::ostream& out, std::ostream& err) {
  if (args.size() != 1) {
    err << "usage: lumo list FILE\n";
    return kUsage;
  }
  std::ifstream in = OpenInputFile(args[0]);
  if (!in) {
    err << "lumo list: cannot open " << args[0] << "\n";
    return kFailed;
  }
  List list;
  try {
    while (List::HasMore(in)) {
      list.Read(in);
      list.Print(out);
      out << '\n';
    }
  } catch (const ListError& error) {
    ErrorTable table;
    RegisterListErrors(table);
    const ListError named = InFile(error, args[0]);
    err << ErrorText(table, named.tag(), named.detail());
    return kFailed;
  }
  return kOk;
}

}  // namespace lumo::cli
