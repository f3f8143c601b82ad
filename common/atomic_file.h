#pragma once

#include <functional>
#include <ostream>
#include <string>

#include "common/file_output_buffer.h"

namespace lumo {

// What a write does with a symbolic link at the path it is given.
enum class LinkHandling {
  // A document the user named: a link is followed and its final target is
  // replaced, the link stays. Anything there but a regular file (a device,
  // a FIFO, a folder, a link leading nowhere) is refused.
  kWriteThrough,
  // A file of the program's own, such as a run's intermediates in the
  // working folder: a regular file or a link at the path is replaced, a
  // link's target is never touched. Anything else there (a device, a FIFO,
  // a folder) is refused.
  kReplaceEntry,
};

// One file written so that its target is never left half-written: the
// bytes go to a temporary file in the target's folder, created new and never
// through a link, and Commit renames it over the target only when every
// write and the close succeeded. Destroyed without a successful Commit, the
// temporary is removed and the target is untouched.
class AtomicFile {
 public:
  AtomicFile(const std::string& path, LinkHandling links);
  ~AtomicFile();
  AtomicFile(const AtomicFile&) = delete;
  AtomicFile& operator=(const AtomicFile&) = delete;

  // False when the target is refused or the temporary could not be made;
  // the stream then takes nothing and Commit fails.
  bool is_open() const { return descriptor_ >= 0; }
  std::ostream& stream() { return stream_; }
  // Flushes, closes and renames; false (the target untouched) when any of
  // it failed or the stream went bad.
  bool Commit();

 private:
  // Opens the temporary for `path`; -1 when refused or not made.
  int Open(const std::string& path, LinkHandling links);
  void Discard();

  // Declared before the descriptor: Open fills them while it is made.
  std::string target_;
  std::string temporary_;
  int descriptor_ = -1;
  FileOutputBuffer buffer_;
  std::ostream stream_;
};

// Writes a whole file through an AtomicFile. Returns false (target
// untouched, the temporary removed) when the file could not be created or
// written, or when `write` returns false.
bool WriteFileAtomically(const std::string& path, const std::function<bool(std::ostream&)>& write,
                         LinkHandling links = LinkHandling::kWriteThrough);

// Copies a regular file to `to` (an entry of the program's own, replaced
// whatever it is); false, `to` untouched, when `from` is not a regular file
// or either side fails.
bool CopyFileAtomically(const std::string& from, const std::string& to);

}  // namespace lumo
