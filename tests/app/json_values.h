#pragma once

#include <charconv>
#include <optional>
#include <string>
#include <vector>

namespace tavoro::testing {

// The numbers of the JSON array that follows "key": [ in json, flattened;
// enough to read the case JSON back in tests.
inline std::vector<double> JsonNumbers(const std::string& json, const std::string& key) {
  std::vector<double> values;
  std::size_t pos = json.find("\"" + key + "\": ");
  if (pos == std::string::npos) return values;
  pos += key.size() + 4;
  int depth = 0;
  while (pos < json.size()) {
    const char c = json[pos];
    if (c == '[') {
      ++depth;
    } else if (c == ']') {
      if (--depth <= 0) break;
    } else if (c == '-' || (c >= '0' && c <= '9')) {
      double value = 0;
      const auto result = std::from_chars(json.data() + pos, json.data() + json.size(), value);
      values.push_back(value);
      pos = static_cast<std::size_t>(result.ptr - json.data());
      if (depth == 0) break;
      continue;
    }
    ++pos;
  }
  return values;
}

}  // namespace tavoro::testing
