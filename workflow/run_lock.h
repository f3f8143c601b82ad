#pragma once

#include <chrono>
#include <functional>
#include <string>

namespace lumo {

// An advisory lock on a working folder for the length of a run. The stages
// of a run hand their results on through files there (<circuit>.lcr,
// LumoExp.tmp, LumoOut.tmp), so two runs on one folder, two `lumo run`s or
// the window and `lumo run`, would read each other's. Every run takes this
// lock first and keeps it until its results are read back.
//
// It is flock(2) on LumoLock.tmp in the folder: held by one open file, so
// two locks in one process exclude each other too, and let go by the system
// when the process ends however it ends. The file stays behind, empty.
class RunLock {
 public:
  enum class State { kHeld, kBusy, kFailed };

  explicit RunLock(std::string work_folder);
  ~RunLock();
  RunLock(const RunLock&) = delete;
  RunLock& operator=(const RunLock&) = delete;

  // Takes the lock when no other run holds it: kBusy when one does,
  // kFailed when the lock file cannot be made or opened.
  State TryTake();
  // Waits for the lock. When it is not free within `patience`, `waiting` is
  // called once, then the wait goes on.
  State Take(std::chrono::milliseconds patience, const std::function<void()>& waiting);
  bool held() const { return held_; }
  // The lock file, for messages.
  const std::string& path() const { return path_; }

 private:
  bool Open();

  std::string path_;
  int descriptor_ = -1;
  bool held_ = false;
};

// Shown when a run is refused because another run holds the folder.
inline constexpr const char* kRunFolderBusyText =
    "作業フォルダーを他のシミュレーションが使っています。\n終わってからやり直してください。";

}  // namespace lumo
