// The working folder's run lock: one run at a time per folder.

#include "workflow/run_lock.h"

#include <gtest/gtest.h>

#include <atomic>
#include <filesystem>
#include <thread>

#include "tests/support/test_folder.h"

namespace lumo {
namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;
using State = RunLock::State;

TEST(RunLock, OneRunAtATimePerFolder) {
  testing::TemporaryFolder folder;
  fs::create_directory(folder / "other");
  auto first = std::make_unique<RunLock>(folder.path().string());
  RunLock second(folder.path().string());
  RunLock elsewhere(folder / "other");
  EXPECT_EQ(first->TryTake(), State::kHeld);
  EXPECT_EQ(first->TryTake(), State::kHeld);  // taking it again is no wait
  EXPECT_EQ(second.TryTake(), State::kBusy);
  EXPECT_FALSE(second.held());
  EXPECT_EQ(elsewhere.TryTake(), State::kHeld);
  EXPECT_EQ(first->path(), folder / "LumoLock.tmp");

  first.reset();
  EXPECT_EQ(second.TryTake(), State::kHeld);
  EXPECT_TRUE(fs::is_regular_file(folder / "LumoLock.tmp"));
}

TEST(RunLock, TakeWaitsAndSaysSoOnlyAfterItsPatience) {
  testing::TemporaryFolder folder;
  int said = 0;
  {
    RunLock free(folder.path().string());
    EXPECT_EQ(free.Take(1000ms, [&said] { ++said; }), State::kHeld);
    EXPECT_EQ(said, 0);
  }

  auto holder = std::make_unique<RunLock>(folder.path().string());
  ASSERT_EQ(holder->TryTake(), State::kHeld);
  std::atomic<bool> released = false;
  std::atomic<bool> taken_before_release = false;
  std::thread waiter([&] {
    RunLock lock(folder.path().string());
    const State state = lock.Take(100ms, [&said] { ++said; });
    taken_before_release = !released;
    EXPECT_EQ(state, State::kHeld);
  });
  std::this_thread::sleep_for(400ms);
  released = true;
  holder.reset();
  waiter.join();
  EXPECT_EQ(said, 1);
  EXPECT_FALSE(taken_before_release);
}

TEST(RunLock, FailsWhereNoPlainLockFileCanBeHad) {
  testing::TemporaryFolder folder;
  EXPECT_EQ(RunLock(folder / "missing").TryTake(), State::kFailed);

  // A link in the lock file's place is not followed.
  folder.Write("victim", "victim");
  fs::create_symlink(folder / "victim", folder / "LumoLock.tmp");
  EXPECT_EQ(RunLock(folder.path().string()).TryTake(), State::kFailed);
  EXPECT_EQ(RunLock(folder.path().string()).Take(0ms, {}), State::kFailed);
  EXPECT_EQ(folder.Read("victim"), "victim");

  fs::remove(folder / "LumoLock.tmp");
  fs::create_directory(folder / "LumoLock.tmp");
  EXPECT_EQ(RunLock(folder.path().string()).TryTake(), State::kFailed);
}

}  // namespace
}  // namespace lumo
