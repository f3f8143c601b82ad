#pragma once

#include <string>
#include <string_view>
#include <unordered_map>

namespace lumo {

// Where the circuit file of each function lies, in the parts folder first,
// else in the working folder; looked up once per function. File names match
// ignoring letter case, as they do where the circuit files were first made;
// an exact match is taken first.
class SubCircuitFiles {
 public:
  SubCircuitFiles(std::string parts_folder, std::string work_folder)
      : folders_{Folder{std::move(parts_folder)}, Folder{std::move(work_folder)}} {}

  // The circuit file of the function; empty when there is none (a primitive,
  // or a circuit whose file is missing).
  const std::string& PathOf(const std::string& function);

 private:
  class Folder {
   public:
    explicit Folder(std::string path) : path_(std::move(path)) {}
    std::string Find(const std::string& file_name);

   private:
    // Every file name of the folder by its lower-case key; of names that
    // differ only in case, the smallest.
    void List();

    std::string path_;
    bool listed_ = false;
    std::unordered_map<std::string, std::string> by_key_;
  };

  // A function name with a folder separator names no file of the folder.
  static bool CanNameFile(std::string_view function);

  Folder folders_[2];
  std::unordered_map<std::string, std::string> paths_;
};

}  // namespace lumo
