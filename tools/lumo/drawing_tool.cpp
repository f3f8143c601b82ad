// The drawing commands live in lumo-draw, which links Qt: lumo starts it in
// its own place so that the simulation commands never load the GUI
// libraries.

#include <unistd.h>

#include <iostream>
#include <vector>

#include "common/file_path.h"
#include "common/system_folder.h"
#include "tools/lumo/commands.h"

namespace lumo::cli {

int RunDrawingTool(const std::string& command, const Arguments& args, std::ostream& err) {
  const std::string program = JoinPath(ProgramFolder(), "lumo-draw");
  std::vector<std::string> words{program, command};
  words.insert(words.end(), args.begin(), args.end());
  std::vector<char*> argv;
  for (std::string& word : words)
    argv.push_back(word.data());
  argv.push_back(nullptr);
  std::cout.flush();
  err.flush();
  ::execv(program.c_str(), argv.data());
  err << "lumo: cannot start " << program << "\n";
  return kFailed;
}

}  // namespace lumo::cli
