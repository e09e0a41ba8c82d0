#pragma once

#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "export/output_formats.h"

namespace tavoro {

// One option of a command, given as "--name VALUE" or "--name=VALUE" (a
// switch without a value), at most once.
struct CommandOption {
  std::string_view name;       // without dashes: "json"
  std::string_view valueName;  // in the help: "FILE"; "" for a switch
  std::string help;            // Japanese; "\n" continues on the next line
  // A file the command writes: its name must end in one of these
  // extensions, or be "-" for standard output when standardOutput is set.
  std::vector<OutputFormat> writes = {};
  bool standardOutput = false;
  bool path = false;   // a file or folder name, which cannot be empty
  char shortName = 0;  // "-o" for --out
};

// Options under one heading of the help.
struct OptionGroup {
  std::string heading;
  std::vector<CommandOption> options;
};

// A command of `tavoro`: its options and the help around them. --help and
// -h belong to every command.
struct CommandTable {
  std::string_view name;      // "export"
  std::string_view synopsis;  // the usage lines after "tavoro "
  std::string summary;        // what the command does
  std::vector<OptionGroup> groups;
  std::string notes;          // reading rules and exit statuses
  bool takesFiles = false;    // plain arguments are input files
};

// The options given, their values byte for byte, and the plain arguments.
class CommandLine {
 public:
  bool Has(std::string_view name) const { return values_.count(std::string(name)) != 0; }
  // The value of an option given; "" for one not given or a switch.
  const std::string& Value(std::string_view name) const;
  const std::vector<std::string>& Files() const { return files_; }
  bool Help() const { return Has("help"); }

 private:
  friend struct CommandLineParser;
  std::map<std::string, std::string, std::less<>> values_;
  std::vector<std::string> files_;
};

// The options, or the Japanese message of a usage error.
struct ParsedCommandLine {
  std::optional<CommandLine> line;
  std::string error;
};

// Reads args against table. Usage errors: an unknown option, a missing
// value, a value given to a switch, any option given twice, a plain
// argument to a command that takes no files, an empty file name, and an
// output name whose extension the option does not write.
ParsedCommandLine ParseCommandLine(const CommandTable& table, const std::vector<std::string>& args);

// The Japanese help of table: usage, summary, every option by group, notes.
std::string HelpText(const CommandTable& table);

// What a command prints for a usage error: the message and where the help is.
std::string UsageErrorText(const CommandTable& table, const std::string& message);

}  // namespace tavoro
