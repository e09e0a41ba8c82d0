#pragma once

#include <string>
#include <utility>

namespace tavoro {

// The outcome of an operation that can fail: OK, or the Japanese message
// that tells the user what failed and why. Files, case files, exports and
// batch runs all report through it.
class [[nodiscard]] Status {
 public:
  Status() = default;  // OK
  static Status Ok() { return {}; }
  static Status Error(std::string message) { return Status(std::move(message)); }

  bool ok() const { return !failed_; }
  // The message of a failure; empty when OK.
  const std::string& message() const { return message_; }

 private:
  explicit Status(std::string message) : failed_(true), message_(std::move(message)) {}

  bool failed_ = false;
  std::string message_;
};

}  // namespace tavoro
