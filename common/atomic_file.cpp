#include "common/atomic_file.h"

#include <fcntl.h>
#include <unistd.h>
#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>

namespace lumo {

namespace {

namespace fs = std::filesystem;

// The file a write replaces: the path itself, or for a document the final
// target of a link there. None when the place holds anything but a regular
// file or a link: a device or a FIFO is never replaced.
std::optional<std::string> TargetOf(const std::string& path, LinkHandling links) {
  std::error_code error;
  const fs::file_status entry = fs::symlink_status(path, error);
  if (entry.type() == fs::file_type::not_found) return path;
  if (fs::is_regular_file(entry)) return path;
  if (!fs::is_symlink(entry)) return std::nullopt;
  if (links == LinkHandling::kReplaceEntry) return path;
  const fs::path target = fs::canonical(path, error);
  if (error || !fs::is_regular_file(target, error)) return std::nullopt;
  return target.string();
}

// Makes a new temporary beside `target`, named after it and the process
// (two programs saving into one folder stay apart); a name already taken,
// by a link or a file left by a crash, is passed over, never opened.
int CreateTemporary(const std::string& target, std::string& temporary) {
  const std::string stem = target + ".tmp" + std::to_string(::getpid());
  for (int attempt = 0; attempt < 100; ++attempt) {
    temporary = attempt == 0 ? stem : stem + "." + std::to_string(attempt);
    const int descriptor =
        ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
    if (descriptor >= 0 || errno != EEXIST) return descriptor;
  }
  return -1;
}

}  // namespace

AtomicFile::AtomicFile(const std::string& path, LinkHandling links)
    : descriptor_(Open(path, links)), buffer_(descriptor_), stream_(&buffer_) {
  if (descriptor_ < 0) stream_.setstate(std::ios::badbit);
}

int AtomicFile::Open(const std::string& path, LinkHandling links) {
  const std::optional<std::string> target = TargetOf(path, links);
  if (!target) return -1;
  const int descriptor = CreateTemporary(*target, temporary_);
  if (descriptor < 0) temporary_.clear();
  target_ = *target;
  return descriptor;
}

AtomicFile::~AtomicFile() {
  Discard();
}

void AtomicFile::Discard() {
  if (descriptor_ >= 0) ::close(descriptor_);
  descriptor_ = -1;
  if (!temporary_.empty()) ::unlink(temporary_.c_str());
  temporary_.clear();
}

bool AtomicFile::Commit() {
  if (descriptor_ < 0) return false;
  stream_.flush();
  bool written = stream_.good() && !buffer_.failed();
  // The close is checked too: some file systems report a failed write only
  // there.
  written = ::close(descriptor_) == 0 && written;
  descriptor_ = -1;
  if (written) written = std::rename(temporary_.c_str(), target_.c_str()) == 0;
  if (written) temporary_.clear();
  Discard();
  return written;
}

bool WriteFileAtomically(const std::string& path, const std::function<bool(std::ostream&)>& write,
                         LinkHandling links) {
  AtomicFile file(path, links);
  return file.is_open() && write(file.stream()) && file.Commit();
}

bool CopyFileAtomically(const std::string& from, const std::string& to) {
  std::error_code error;
  if (!fs::is_regular_file(from, error)) return false;
  std::ifstream in(from, std::ios::binary);
  const std::string bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  if (!in.is_open() || in.bad()) return false;
  return WriteFileAtomically(
      to,
      [&bytes](std::ostream& out) {
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        return true;
      },
      LinkHandling::kReplaceEntry);
}

}  // namespace lumo
