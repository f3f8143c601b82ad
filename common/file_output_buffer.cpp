#include "common/file_output_buffer.h"

#include <unistd.h>
#include <cerrno>
#include <cstring>

namespace lumo {

bool FileOutputBuffer::WriteAll(const char* data, std::size_t size) {
  while (size > 0 && !failed_) {
    const ssize_t written = ::write(descriptor_, data, size);
    if (written < 0 && errno == EINTR) continue;
    if (written <= 0) {
      failed_ = true;
      break;
    }
    data += written;
    size -= static_cast<std::size_t>(written);
  }
  return !failed_;
}

bool FileOutputBuffer::FlushPending() {
  const std::size_t pending = static_cast<std::size_t>(pptr() - pbase());
  setp(buffer_.data(), buffer_.data() + buffer_.size());
  return WriteAll(buffer_.data(), pending);
}

FileOutputBuffer::int_type FileOutputBuffer::overflow(int_type c) {
  if (!FlushPending()) return traits_type::eof();
  if (traits_type::eq_int_type(c, traits_type::eof())) return traits_type::not_eof(c);
  *pptr() = traits_type::to_char_type(c);
  pbump(1);
  return c;
}

std::streamsize FileOutputBuffer::xsputn(const char* data, std::streamsize size) {
  const auto count = static_cast<std::size_t>(size);
  if (count <= static_cast<std::size_t>(epptr() - pptr())) {
    std::memcpy(pptr(), data, count);
    pbump(static_cast<int>(count));
    return size;
  }
  // Larger than the room left: what is pending goes first, then these bytes
  // straight to the file.
  if (!FlushPending() || !WriteAll(data, count)) return 0;
  return size;
}

int FileOutputBuffer::sync() {
  return FlushPending() ? 0 : -1;
}

}  // namespace lumo
