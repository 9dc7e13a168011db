// An open file descriptor, closed on every way out of the scope that owns it.
#pragma once

#include <unistd.h>

#include <utility>

namespace kovrin {

class Descriptor {
 public:
  Descriptor() = default;
  explicit Descriptor(int fd) : m_fd(fd) {}
  ~Descriptor() {
    if (m_fd >= 0) ::close(m_fd);
  }
  Descriptor(Descriptor&& other) noexcept : m_fd(std::exchange(other.m_fd, -1)) {}
  Descriptor& operator=(Descriptor&& other) noexcept {
    std::swap(m_fd, other.m_fd);
    return *this;
  }
  int get() const { return m_fd; }
  // Closes now and reports the result, which for a written file is the last
  // chance to hear of a failed write.
  int close() { return ::close(std::exchange(m_fd, -1)); }

 private:
  int m_fd = -1;
};

}  // namespace kovrin
