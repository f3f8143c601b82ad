#pragma once

#include <array>
#include <streambuf>

namespace lumo {

// An output stream buffer over an open file descriptor that remembers
// whether any write failed. A file stream gives no word about a disk that
// fills up after the last check; here every write(2) is checked, partial
// writes are continued, and once one fails the stream goes bad and stays
// bad. The descriptor is the caller's to close.
class FileOutputBuffer : public std::streambuf {
 public:
  explicit FileOutputBuffer(int descriptor) : descriptor_(descriptor) {
    setp(buffer_.data(), buffer_.data() + buffer_.size());
  }
  FileOutputBuffer(const FileOutputBuffer&) = delete;
  FileOutputBuffer& operator=(const FileOutputBuffer&) = delete;

  // True once a write failed; what the stream took after that is lost.
  bool failed() const { return failed_; }

 protected:
  int_type overflow(int_type c) override;
  std::streamsize xsputn(const char* data, std::streamsize size) override;
  int sync() override;

 private:
  bool FlushPending();
  bool WriteAll(const char* data, std::size_t size);

  int descriptor_;
  bool failed_ = false;
  std::array<char, 1 << 16> buffer_{};
};

}  // namespace lumo
