#include "export_command.h"

#include <fstream>

#include "calc/calculation_case.h"
#include "calc/run_dispatch.h"
#include "case_json.h"
#include "document_export.h"
#include "export_options.h"

namespace tavoro {
namespace {

constexpr int kExcavationField = 2;
constexpr int kGroundwaterField = 0;

std::string Quoted(const std::string& text) {
  return "\"" + text + "\"";
}

// Writes text to path, or to out for "-"; returns an error message or "".
std::string WriteText(const std::string& path, const std::string& text, std::ostream& out) {
  if (path == "-") {
    out << text;
    out.flush();
    return out ? "" : "cannot write the JSON to standard output";
  }
  std::ofstream file(path, std::ios::binary | std::ios::trunc);
  file << text;
  file.close();
  return file ? "" : "cannot write " + path;
}

std::string RejectionMessage(const ExportOptions& options, int field) {
  return std::string(InputFieldOption(field)) + " (" + InputFieldCaption(field) +
         "): " + Quoted(options.texts[static_cast<std::size_t>(field)]) +
         " lies beyond the range of a double";
}

std::string GuardMessage(const ExportOptions& options) {
  const auto text = [&](int field) {
    const std::string& value = options.texts[static_cast<std::size_t>(field)];
    return value.empty() ? std::string("empty") : Quoted(value);
  };
  return std::string("nothing computed: the excavation depth ") +
         InputFieldOption(kExcavationField) + " (" + InputFieldCaption(kExcavationField) + ", " +
         text(kExcavationField) + ") must be greater than the groundwater depth " +
         InputFieldOption(kGroundwaterField) + " (" + InputFieldCaption(kGroundwaterField) + ", " +
         text(kGroundwaterField) + ")";
}

}  // namespace

std::string UsageText() {
  return R"(Usage:
  tavoro                 open the input form (needs a display)
  tavoro --help          show this help
  tavoro --version       show the version
  tavoro export [options]
                         compute one case without a window and write
                         the documents asked for

Input fields of `tavoro export`, each taking the text as typed into the form
(an omitted option is an empty field, which reads as 0):
  --groundwater TEXT     地下水位 GL- (m)
  --impervious TEXT      不透水層深度 Hf (m)
  --excavation TEXT      掘削深度 Ht (m)
  --perimeter TEXT       立坑周長 L (m)
  --kn TEXT              透水係数 kn (cm/sec)
  --width TEXT           改良幅 B (m)
  --kg TEXT              改良後の透水係数 kg (cm/sec)
  --point TEXT           着目点 x (m), distance from the shaft centre
  --range TEXT           計算範囲 (m)
A field reads its longest leading number: full stop as the decimal point,
blanks skipped, optional sign and E exponent ("12.5m" reads 12.5).

Outputs (at least one):
  --json FILE|-          the computed case as JSON ("-" for standard output);
                         kn and kg in m/s, 17 significant digits, non-finite
                         values as "inf", "-inf" or "nan"
  --report FILE          the calculation report: PDF when FILE ends in .pdf,
                         else PNG (a two-page report adds -1 and -2)
  --chart FILE           the drawdown chart: PDF or PNG as above
  --dpi N                resolution of PNG files, 10 to 600 (default 150)

Every option also takes the form --option=value.

Exit status:
  0  everything asked for was written
  1  a document could not be written
  2  a bad command line, a number beyond the range of a double, or an
     excavation depth not greater than the groundwater depth (nothing is
     computed or written then)
)";
}

int RunExport(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  const ParsedExportOptions parsed = ParseExportOptions(args);
  if (!parsed.options) {
    err << "tavoro: " << parsed.error << "\n(see tavoro export --help)\n";
    return kExitUsage;
  }
  const ExportOptions& options = *parsed.options;
  if (options.help) {
    out << UsageText();
    return kExitOk;
  }

  CalculationCase calc;
  const RunResult run = RunDispatch(calc, options.texts, 0);
  if (run.status == RunStatus::kRejected) {
    err << "tavoro: " << RejectionMessage(options, run.rejectedField) << '\n';
    return kExitUsage;
  }
  if (run.status == RunStatus::kGuardStopped) {
    err << "tavoro: " << GuardMessage(options) << '\n';
    return kExitUsage;
  }

  std::string error;
  if (options.jsonPath) error = WriteText(*options.jsonPath, CaseToJson(calc), out);
  if (error.empty() && options.reportPath) {
    error = ExportReport(calc, options.project, *options.reportPath, options.dpi);
  }
  if (error.empty() && options.chartPath) {
    error = ExportChart(calc, options.project, *options.chartPath, options.dpi);
  }
  if (!error.empty()) {
    err << "tavoro: " << error << '\n';
    return kExitFailed;
  }
  return kExitOk;
}

}  // namespace tavoro
