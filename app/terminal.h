#pragma once

#include <cstdio>
#include <streambuf>

namespace tavoro {

// True when stream is an interactive terminal (a console on Windows).
bool IsTerminal(std::FILE* stream);

// Passes text on to another buffer with its control characters shown as
// \xHH (ESC as \x1b, also the C1 controls U+0080..U+009F), line ends kept:
// names, cells and file names reach a terminal as text, never as commands.
class ControlEscapingBuffer : public std::streambuf {
 public:
  explicit ControlEscapingBuffer(std::streambuf* target) : target_(target) {}
  ~ControlEscapingBuffer() override;

 protected:
  int_type overflow(int_type c) override;
  int sync() override;

 private:
  bool Put(const char* text, std::streamsize size);
  bool Escape(unsigned char byte);

  std::streambuf* target_;
  bool pendingC2_ = false;  // a 0xC2 byte waiting for the next one
};

}  // namespace tavoro
