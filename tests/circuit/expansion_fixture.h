#pragma once

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

#include "circuit/bus_signal_counter.h"
#include "circuit/circuit_errors.h"
#include "circuit/circuit_store.h"
#include "circuit/hierarchy_expander.h"
#include "common/recording_message_host.h"
#include "lists/list_errors.h"

namespace lumo {

// A parts folder and a work folder of their own, and an expander whose clock
// reads 100 at the start and 103 at the end.
class Expansion : public ::testing::Test {
 protected:
  Expansion() {
    std::filesystem::remove_all(root_);
    std::filesystem::create_directories(parts_);
    std::filesystem::create_directories(work_);
    RegisterListErrors(errors_);
    RegisterCircuitErrors(errors_);
    expander_.set_clock([this] { return times_[std::min<std::size_t>(ticks_++, 1)]; });
  }
  ~Expansion() override { std::filesystem::remove_all(root_); }

  static void Put(const std::filesystem::path& path, const std::string& text) {
    std::ofstream(path, std::ios::binary) << text;
  }
  void Part(const std::string& name, const std::string& text) {
    Put(parts_ / (name + ".lcr"), text);
  }
  void Work(const std::string& name, const std::string& text) {
    Put(work_ / (name + ".lcr"), text);
  }

  std::string OutputPath() const { return (work_ / "LumoExp.tmp").string(); }

  // Expands work/<name>.lcr into work/LumoExp.tmp.
  bool Expand(const std::string& name, const std::string& text) {
    Work(name, text);
    return expander_.Expand((work_ / (name + ".lcr")).string(), OutputPath(), parts_.string(),
                            work_.string());
  }

  std::string Output() const {
    std::ifstream in(OutputPath(), std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
  }

  std::vector<std::string> Shown() const {
    std::vector<std::string> texts;
    for (const Message& message : host_.Messages())
      texts.push_back(message.text);
    return texts;
  }

  static std::filesystem::path TestFolder() {
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    return std::filesystem::temp_directory_path() /
           ("lumo_expansion_" + std::to_string(::getpid()) + "_" + info->test_suite_name() + "_" +
            info->name());
  }

  std::filesystem::path root_ = TestFolder();
  std::filesystem::path parts_ = root_ / "Parts";
  std::filesystem::path work_ = root_ / "work";
  std::int64_t times_[2] = {100, 103};
  std::size_t ticks_ = 0;
  CircuitStore store_;
  RecordingMessageHost host_;
  ErrorTable errors_;
  std::ostringstream statistics_;
  BusSignalCounter bus_signals_;
  HierarchyExpander expander_{store_, host_, errors_, statistics_, bus_signals_};
};

}  // namespace lumo
