#include "installer/install_list.h"

#include <filesystem>
#include <fstream>

namespace install {

namespace {

// Whether a word of the list stays inside the folder it is relative to.
bool StaysInside(const std::string& word) {
  const std::filesystem::path path(word);
  if (path.is_absolute()) return false;
  for (const auto& step : path)
    if (step == "..") return false;
  return true;
}

}  // namespace

InstallList ReadInstallList(const std::string& path) {
  InstallList list;
  std::ifstream in(path, std::ios::binary);
  if (!in) return list;
  std::vector<InstallEntry> entries;
  std::string folder;
  std::string file;
  while (in >> folder) {
    if (folder == "#") {
      list.status = ListStatus::kOk;
      list.entries = std::move(entries);
      return list;
    }
    if (!(in >> file)) break;
    if (static_cast<int>(entries.size()) == kMaxEntries) {
      list.status = ListStatus::kTooMany;
      return list;
    }
    if (!StaysInside(folder) || !StaysInside(file)) {
      list.status = ListStatus::kOutside;
      return list;
    }
    entries.push_back({folder, file});
  }
  list.status = ListStatus::kNoEnd;
  return list;
}

std::string ListRefusal(ListStatus status) {
  switch (status) {
    case ListStatus::kOk:
      return "";
    case ListStatus::kMissing:
      return "インストールリスト Install.dat が見つかりません。\n"
             "インストール用のフォルダーで Install を起動してください。";
    case ListStatus::kNoEnd:
      return "インストールリスト Install.dat が # で終わっていません。\n"
             "インストール用のファイルが壊れています。";
    case ListStatus::kTooMany:
      return "インストールリスト Install.dat の項目が 1000 を超えています。\n"
             "インストール用のファイルが壊れています。";
    case ListStatus::kOutside:
      return "インストールリスト Install.dat にインストール先の外を指す項目があります。\n"
             "インストール用のファイルが壊れています。";
  }
  return "";
}

}  // namespace install
