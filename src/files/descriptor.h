#pragma once
// An open file descriptor that closes however the function holding it
// returns; `Close` closes early so that the close's own error is seen.

#include <unistd.h>

#include <system_error>
#include <utility>

#include "files/last_error.h"

namespace verlano {

class Descriptor {
 public:
  explicit Descriptor(int fd = -1) : fd_(fd) {}
  ~Descriptor() {
    if (fd_ >= 0) close(fd_);
  }
  Descriptor(Descriptor&& other) noexcept : fd_(std::exchange(other.fd_, -1)) {}
  Descriptor& operator=(Descriptor&& other) noexcept {
    if (this != &other) {
      if (fd_ >= 0) close(fd_);
      fd_ = std::exchange(other.fd_, -1);
    }
    return *this;
  }
  int get() const { return fd_; }
  [[nodiscard]] std::error_code Close() {
    const int fd = std::exchange(fd_, -1);
    return close(fd) == 0 ? std::error_code() : LastError();
  }

 private:
  int fd_;
};

}  // namespace verlano
