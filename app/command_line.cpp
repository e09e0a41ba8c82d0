#include "command_line.h"

#include <algorithm>

#include "calc/text_cut.h"

namespace tavoro {
namespace {

const CommandOption kHelp{"help", "", "この説明を表示する", {}, false, false, 'h'};

// Where the help text of an option starts.
constexpr std::size_t kHelpColumn = 25;

std::string Dashed(std::string_view name) {
  return "--" + std::string(name);
}

}  // namespace

const std::string& CommandLine::Value(std::string_view name) const {
  static const std::string kNone;
  const auto found = values_.find(name);
  return found == values_.end() ? kNone : found->second;
}

struct CommandLineParser {
  const CommandTable& table;
  CommandLine line;

  const CommandOption* Find(std::string_view name, char shortName) const {
    const auto matches = [&](const CommandOption& option) {
      return shortName != 0 ? option.shortName == shortName : option.name == name;
    };
    if (matches(kHelp)) return &kHelp;
    for (const OptionGroup& group : table.groups) {
      for (const CommandOption& option : group.options) {
        if (matches(option)) return &option;
      }
    }
    return nullptr;
  }

  std::string Read(const std::vector<std::string>& args) {
    bool optionsEnd = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
      const std::string& arg = args[i];
      if (optionsEnd || arg.size() < 2 || arg[0] != '-') {
        if (!table.takesFiles) return "余分な引数「" + FirstCharacters(arg) + "」があります。";
        line.files_.push_back(arg);
        continue;
      }
      if (arg == "--") {
        optionsEnd = true;
        continue;
      }
      const bool isLong = arg[1] == '-';
      const std::size_t equals = isLong ? arg.find('=') : std::string::npos;
      const std::string name = arg.substr(0, equals);
      const CommandOption* option =
          isLong ? Find(std::string_view(name).substr(2), 0)
                 : (arg.size() == 2 ? Find({}, arg[1]) : nullptr);
      if (option == nullptr) return "不明なオプション " + FirstCharacters(name) + " があります。";
      const std::string dashed = Dashed(option->name);
      std::string value;
      if (option->valueName.empty()) {
        if (equals != std::string::npos) return dashed + " は値を取りません。";
      } else if (equals != std::string::npos) {
        value = arg.substr(equals + 1);
      } else if (i + 1 < args.size()) {
        value = args[++i];
      } else {
        return dashed + " に値がありません。";
      }
      if (line.Has(option->name)) return dashed + " が 2 回以上指定されています。";
      if (std::string error = Check(*option, value); !error.empty()) return error;
      line.values_.emplace(std::string(option->name), std::move(value));
    }
    return {};
  }

  static std::string Check(const CommandOption& option, const std::string& value) {
    const std::string dashed = Dashed(option.name);
    if ((option.path || !option.writes.empty()) && value.empty()) {
      return dashed + " にファイル名がありません。";
    }
    if (option.writes.empty() || (option.standardOutput && value == "-")) return {};
    return CheckOutputName(dashed, option.writes, option.standardOutput, value).message();
  }
};

ParsedCommandLine ParseCommandLine(const CommandTable& table, const std::vector<std::string>& args) {
  CommandLineParser parser{table, {}};
  if (std::string error = parser.Read(args); !error.empty()) return {std::nullopt, error};
  return {std::move(parser.line), {}};
}

std::string HelpText(const CommandTable& table) {
  std::string text = "使い方:\n";
  for (std::string_view rest = table.synopsis; !rest.empty();) {
    const std::size_t end = std::min(rest.find('\n'), rest.size());
    text.append("  tavoro ").append(rest.substr(0, end)).append("\n");
    rest.remove_prefix(std::min(end + 1, rest.size()));
  }
  text.append("\n").append(table.summary);
  const auto add = [&](const CommandOption& option) {
    std::string head = "  ";
    if (option.shortName != 0) head.append("-").append(1, option.shortName).append(", ");
    head += Dashed(option.name);
    if (!option.valueName.empty()) head.append(" ").append(option.valueName);
    head.resize(std::max(head.size() + 1, kHelpColumn), ' ');
    text += head;
    for (std::string_view rest = option.help;;) {
      const std::size_t end = rest.find('\n');
      text.append(rest.substr(0, end)).append("\n");
      if (end == std::string_view::npos) break;
      rest.remove_prefix(end + 1);
      text.append(kHelpColumn, ' ');
    }
  };
  for (const OptionGroup& group : table.groups) {
    text.append("\n").append(group.heading).append(":\n");
    for (const CommandOption& option : group.options) add(option);
  }
  text.append("\nその他:\n");
  add(kHelp);
  text.append("\n各オプションは --オプション=値 の形でも書けます。どのオプションも 1 回だけ指定できます。\n");
  if (!table.notes.empty()) text.append("\n").append(table.notes);
  return text;
}

std::string UsageErrorText(const CommandTable& table, const std::string& message) {
  return "tavoro: " + message + "\n(使い方は tavoro " + std::string(table.name) + " --help)\n";
}

}  // namespace tavoro
