#include "export_options.h"

#include <array>
#include <charconv>
#include <string_view>

namespace tavoro {
namespace {

constexpr std::array<const char*, kInputFieldCount> kFieldOptions = {
    "--groundwater", "--impervious", "--excavation", "--perimeter", "--kn",
    "--width",       "--kg",         "--point",      "--range",
};

int FieldOfOption(std::string_view name) {
  for (int field = 0; field < kInputFieldCount; ++field) {
    if (name == kFieldOptions[static_cast<std::size_t>(field)]) return field;
  }
  return -1;
}

std::optional<int> ParseDpi(std::string_view text) {
  int value = 0;
  const auto result = std::from_chars(text.data(), text.data() + text.size(), value);
  if (result.ec != std::errc() || result.ptr != text.data() + text.size()) return std::nullopt;
  if (value < kMinDpi || value > kMaxDpi) return std::nullopt;
  return value;
}

ParsedExportOptions Failure(std::string message) {
  return {std::nullopt, std::move(message)};
}

// Stores one option's value; returns an error message or "".
std::string Apply(ExportOptions& options, std::array<bool, kInputFieldCount>& fieldSeen,
                  const std::string& name, const std::string& value) {
  const auto setPath = [&](std::optional<std::string>& path) -> std::string {
    if (path) return name + " is given twice";
    if (value.empty()) return name + " needs a file name";
    path = value;
    return "";
  };
  if (const int field = FieldOfOption(name); field >= 0) {
    auto& seen = fieldSeen[static_cast<std::size_t>(field)];
    if (seen) return name + " is given twice";
    seen = true;
    options.texts[static_cast<std::size_t>(field)] = value;
    return "";
  }
  if (name == "--json") return setPath(options.jsonPath);
  if (name == "--report") return setPath(options.reportPath);
  if (name == "--chart") return setPath(options.chartPath);
  if (name == "--dpi") {
    const std::optional<int> dpi = ParseDpi(value);
    if (!dpi) {
      return "--dpi needs a whole number from " + std::to_string(kMinDpi) + " to " +
             std::to_string(kMaxDpi) + ", not \"" + value + "\"";
    }
    options.dpi = *dpi;
    return "";
  }
  return "unknown option " + name;
}

bool TakesValue(std::string_view name) {
  return FieldOfOption(name) >= 0 || name == "--json" || name == "--report" || name == "--chart" ||
         name == "--dpi";
}

}  // namespace

const char* InputFieldOption(int field) {
  if (field < 0 || field >= kInputFieldCount) return "";
  return kFieldOptions[static_cast<std::size_t>(field)];
}

ParsedExportOptions ParseExportOptions(const std::vector<std::string>& args) {
  ExportOptions options;
  std::array<bool, kInputFieldCount> fieldSeen{};
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    if (arg == "--help" || arg == "-h") {
      options.help = true;
      continue;
    }
    if (arg.rfind("--", 0) != 0) return Failure("unexpected argument \"" + arg + "\"");

    std::string name = arg;
    std::string value;
    if (const std::size_t equals = arg.find('='); equals != std::string::npos) {
      name = arg.substr(0, equals);
      value = arg.substr(equals + 1);
      if (!TakesValue(name)) return Failure("unknown option " + name);
    } else {
      if (!TakesValue(name)) return Failure("unknown option " + name);
      if (i + 1 >= args.size()) return Failure(name + " needs a value");
      value = args[++i];
    }
    if (std::string error = Apply(options, fieldSeen, name, value); !error.empty()) {
      return Failure(std::move(error));
    }
  }
  if (!options.help && !options.jsonPath && !options.reportPath && !options.chartPath) {
    return Failure("nothing to write: give --json, --report or --chart");
  }
  return {std::move(options), ""};
}

}  // namespace tavoro
