#include "terminal.h"

#ifdef _WIN32
#include <io.h>
#else
#include <unistd.h>
#endif

namespace tavoro {

bool IsTerminal(std::FILE* stream) {
#ifdef _WIN32
  return _isatty(_fileno(stream)) != 0;
#else
  return isatty(fileno(stream)) != 0;
#endif
}

ControlEscapingBuffer::~ControlEscapingBuffer() { sync(); }

bool ControlEscapingBuffer::Put(const char* text, std::streamsize size) {
  return target_->sputn(text, size) == size;
}

bool ControlEscapingBuffer::Escape(unsigned char byte) {
  static constexpr char kHex[] = "0123456789abcdef";
  const char text[] = {'\\', 'x', kHex[byte >> 4], kHex[byte & 15]};
  return Put(text, 4);
}

ControlEscapingBuffer::int_type ControlEscapingBuffer::overflow(int_type c) {
  if (traits_type::eq_int_type(c, traits_type::eof())) return traits_type::not_eof(c);
  const auto byte = static_cast<unsigned char>(traits_type::to_char_type(c));
  bool ok = true;
  if (pendingC2_) {
    pendingC2_ = false;
    if (byte >= 0x80 && byte <= 0x9F) {
      ok = Put("\\xc2", 4) && Escape(byte);
      return ok ? c : traits_type::eof();
    }
    ok = Put("\xC2", 1);
  }
  if (byte == 0xC2) {
    pendingC2_ = true;
  } else if ((byte < 0x20 && byte != '\n') || byte == 0x7F) {
    ok = ok && Escape(byte);
  } else {
    const char plain = static_cast<char>(byte);
    ok = ok && Put(&plain, 1);
  }
  return ok ? c : traits_type::eof();
}

int ControlEscapingBuffer::sync() {
  if (pendingC2_) {
    pendingC2_ = false;
    if (!Put("\xC2", 1)) return -1;
  }
  return target_->pubsync();
}

}  // namespace tavoro
