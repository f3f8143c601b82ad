#include "workflow/run_lock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#include <cerrno>
#include <thread>

#include "common/file_path.h"
#include "workflow/run_files.h"

namespace lumo {

namespace {

// flock, with a retry when a signal breaks a wait.
bool Lock(int descriptor, int operation) {
  int result = 0;
  do {
    result = ::flock(descriptor, operation);
  } while (result != 0 && errno == EINTR);
  return result == 0;
}

}  // namespace

RunLock::RunLock(std::string work_folder)
    : path_(RunFolders{{}, std::move(work_folder)}.LockFile()) {}

RunLock::~RunLock() {
  // Closing the file lets go of the lock.
  if (descriptor_ >= 0) ::close(descriptor_);
}

bool RunLock::Open() {
  if (descriptor_ >= 0) return true;
  // Never through a link, and only a regular file: the lock is taken on
  // whatever is opened.
  descriptor_ = ::open(path_.c_str(), O_RDWR | O_CREAT | O_NOFOLLOW | O_CLOEXEC, 0666);
  struct stat status {};
  if (descriptor_ >= 0 && (::fstat(descriptor_, &status) != 0 || !S_ISREG(status.st_mode))) {
    ::close(descriptor_);
    descriptor_ = -1;
  }
  return descriptor_ >= 0;
}

RunLock::State RunLock::TryTake() {
  if (held_) return State::kHeld;
  if (!Open()) return State::kFailed;
  if (Lock(descriptor_, LOCK_EX | LOCK_NB)) {
    held_ = true;
    return State::kHeld;
  }
  return errno == EWOULDBLOCK ? State::kBusy : State::kFailed;
}

RunLock::State RunLock::Take(std::chrono::milliseconds patience,
                             const std::function<void()>& waiting) {
  // Asked again and again until patience runs out, so that a short wait
  // says nothing; then one blocking wait.
  const auto until = std::chrono::steady_clock::now() + patience;
  for (;;) {
    const State state = TryTake();
    if (state != State::kBusy) return state;
    if (std::chrono::steady_clock::now() >= until) break;
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
  }
  if (waiting) waiting();
  if (!Lock(descriptor_, LOCK_EX)) return State::kFailed;
  held_ = true;
  return State::kHeld;
}

}  // namespace lumo
