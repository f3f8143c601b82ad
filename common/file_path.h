#pragma once

#include <string>
#include <string_view>

namespace lumo {

// The file name of `path` without its folder, its leading dots and
// everything from the next dot on: "C:\\work\\adder.ldr", "/home/u/adder.x.ldr"
// and "..adder.ldr" all give "adder". Both '/' and '\\' separate folders.
std::string FileTitle(std::string_view path);

// Everything before the last separator; empty when there is none.
std::string FileFolder(std::string_view path);

// Joins a folder and a file name with '/'; an empty folder gives the name.
std::string JoinPath(std::string_view folder, std::string_view name);

}  // namespace lumo
