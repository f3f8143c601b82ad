// The drawing commands live in lumo-draw, which links Qt: lumo starts it in
// its own place so that the simulation commands never load the GUI
// libraries.

#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <iostream>
#include <vector>

#include "common/file_path.h"
#include "common/system_folder.h"
#include "tools/lumo/commands.h"

namespace lumo::cli {

namespace {

std::vector<std::string> Words(const std::string& program, const std::string& command,
                               const Arguments& args) {
  std::vector<std::string> words{program, command};
  words.insert(words.end(), args.begin(), args.end());
  return words;
}

std::vector<char*> Argv(std::vector<std::string>& words) {
  std::vector<char*> argv;
  for (std::string& word : words)
    argv.push_back(word.data());
  argv.push_back(nullptr);
  return argv;
}

}  // namespace

int CallDrawingTool(const std::string& command, const Arguments& args, std::ostream& err) {
  const std::string program = JoinPath(ProgramFolder(), "lumo-draw");
  std::vector<std::string> words = Words(program, command, args);
  std::vector<char*> argv = Argv(words);
  std::cout.flush();
  err.flush();
  pid_t child = 0;
  if (::posix_spawn(&child, program.c_str(), nullptr, nullptr, argv.data(), environ) != 0) {
    err << "lumo: cannot start " << program << "\n";
    return kFailed;
  }
  int status = 0;
  while (::waitpid(child, &status, 0) < 0)
    if (errno != EINTR) return kFailed;
  return WIFEXITED(status) ? WEXITSTATUS(status) : kFailed;
}

int RunDrawingTool(const std::string& command, const Arguments& args, std::ostream& err) {
  const std::string program = JoinPath(ProgramFolder(), "lumo-draw");
  std::vector<std::string> words = Words(program, command, args);
  std::vector<char*> argv = Argv(words);
  std::cout.flush();
  err.flush();
  ::execv(program.c_str(), argv.data());
  err << "lumo: cannot start " << program << "\n";
  return kFailed;
}

}  // namespace lumo::cli
