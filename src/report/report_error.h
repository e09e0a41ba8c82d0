#pragma once

#include <stdexcept>
#include <string>

namespace tavoro {

// An error that stops the drawing of a report where it happens. Its message
// is Japanese and is shown to the user as it is.
class ReportError : public std::runtime_error {
 public:
  explicit ReportError(const std::string& message) : std::runtime_error(message) {}
};

}  // namespace tavoro
