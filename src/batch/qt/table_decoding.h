#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "status/status.h"

namespace tavoro {

enum class TableEncoding { kAuto, kUtf8, kCp932 };

// "utf-8"/"utf8" and "cp932"/"shift_jis"/"sjis"/"windows-31j" (any case);
// empty for any other name.
std::optional<TableEncoding> EncodingNamed(std::string_view name);

struct DecodedTable {
  std::string utf8;
  Status status;
};

// The table's bytes as UTF-8, without a byte-order mark. kAuto takes
// UTF-8 when the bytes are valid UTF-8 (or start with its byte-order mark),
// else CP932, the Shift_JIS of Excel in Japan. Bytes that are not valid in
// the encoding used make it an error.
DecodedTable DecodeTable(std::string_view bytes, TableEncoding encoding);

}  // namespace tavoro
