#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "common/recording_message_host.h"
#include "lists/error_table.h"
#include "pattern/pat.h"
#include "pattern/pattern_errors.h"

namespace lumo {

// A row's events as (time, value) pairs in list order.
using EventPairs = std::vector<std::pair<int, std::string>>;

// A pattern of the schematic "adder" whose messages are recorded.
class PatternTest : public ::testing::Test {
 protected:
  PatternTest() {
    RegisterPatternErrors(errors_);
    pat_.set_schematic_name("adder");
  }

  void Read(const std::string& text) {
    std::istringstream in(text);
    pat_.ReadInputPat(in);
  }
  std::string Written() const {
    std::ostringstream out;
    pat_.WriteInputPat(out);
    return out.str();
  }
  EventPairs Events(int row) const {
    EventPairs events;
    for (const PatEvent& event : pat_.row(row).events)
      events.emplace_back(event.time, event.value);
    return events;
  }
  std::vector<std::string> Names() const {
    std::vector<std::string> names;
    for (int i = 0; i < pat_.count(); ++i)
      names.push_back(pat_.row(i).name);
    return names;
  }
  // The texts of every message shown so far.
  std::vector<std::string> Shown() const {
    std::vector<std::string> texts;
    for (const Message& message : host_.Messages())
      texts.push_back(message.text);
    return texts;
  }

  RecordingMessageHost host_;
  ErrorTable errors_;
  Pat pat_{host_, errors_};
};

// A fresh folder per test, removed afterwards.
class PatternFileTest : public PatternTest {
 protected:
  void SetUp() override {
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    folder_ = std::filesystem::temp_directory_path() /
              (std::string("lumo_pattern_") + info->test_suite_name() + "_" + info->name());
    std::filesystem::remove_all(folder_);
    std::filesystem::create_directories(folder_);
  }
  void TearDown() override { std::filesystem::remove_all(folder_); }

  std::string PathOf(const std::string& name) const { return (folder_ / name).string(); }
  static std::string Contents(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
  }
  static void Put(const std::string& path, const std::string& text) {
    std::ofstream(path, std::ios::binary) << text;
  }

  std::filesystem::path folder_;
};

}  // namespace lumo
