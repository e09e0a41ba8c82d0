#include "export_command.h"

#include <filesystem>

#include "calc/run_case.h"
#include "case_json.h"
#include "casefile/case_file.h"
#include "document_export.h"
#include "export/case_csv.h"
#include "export_options.h"
#include "fileio/staged_files.h"

namespace tavoro {

std::string UsageText() {
  return R"(Usage:
  tavoro                 open the input form (needs a display)
  tavoro --help          show this help
  tavoro --version       show the version
  tavoro FILE.tavoro     open a case file in the input form
  tavoro export [options]
                         compute one case without a window and write
                         the documents asked for
  tavoro verify [options]
                         組み込みの検証例を解き、公表値と比べる
                         (tavoro verify --help)

Input fields of `tavoro export`, each taking the text as typed into the form
(an omitted option is an empty field):
  --groundwater TEXT     地下水位 GL- (m)
  --impervious TEXT      不透水層深度 Hf (m)
  --excavation TEXT      掘削深度 Ht (m)
  --perimeter TEXT       立坑周長 L (m)
  --kn TEXT              透水係数 kn (cm/sec)
  --width TEXT           改良幅 B (m)
  --kg TEXT              改良後の透水係数 kg (cm/sec)
  --point TEXT           着目点 x (m), distance from the shaft centre
  --range TEXT           計算範囲 (m)
A field holds one number: optional sign, digits with the full stop as the
decimal point, optional E exponent, blanks around it, and optionally the
field's unit after it (m; cm/sec or cm/s). Full-width forms read as
half-width ones. Anything else (a comma, a second number) is refused.
Every field is required except --width and --kg; an empty or 0 --width means
no ground improvement, and then --kg may stay empty. Accepted values:
  0 <= groundwater < excavation <= impervious <= 500 m
  0.1 <= perimeter <= 500 m, and r = L/2pi below R1 = 3000 S sqrt(kn)
  1e-9 <= kn <= 10 cm/sec, and Q1 at most 1000 m3/min
  0 <= width <= 50 m, with r + width below R1
  1e-9 <= kg <= kn (with a ring)
  0 <= point <= range;  r + width < range <= 10000 m

地盤の条件 (すべて省略可。省略すると影響半径は Sichardt の式、盤ぶくれの検討なし):
  --radius-method M      影響半径の式: sichardt (既定)、kusakin
                         (R = 575 S √(H k))、given (--radius の指定値)
  --radius R             影響半径 (m)。given のときだけ: r + B < R <= 10000
  --radius-note TEXT     根拠。given のときだけ、改行なし 30 文字以内
  --confined-top Dc      被圧帯水層上面 GL- (m): 不透水層深度 <= Dc <= 500
  --confined-head hp     被圧水頭 GL- (m)、地表より上は負: -100 <= hp < Dc
                         (この二つを両方指定すると計算書に「盤ぶくれの検討」
                         のページが加わる)
  --unit-weight G        土の湿潤単位体積重量 (kN/m3)、10〜25、既定 18
  --soil-layers LIST     --unit-weight の代わりに層ごとに "t1:g1,t2:g2,…"
                         層厚 (m) : 単位体積重量 (kN/m3)、掘削底から下へ
                         12 層まで、層厚の和は Dc − 掘削深度
  --water-unit-weight G  水の単位体積重量 (kN/m3)、9〜11、既定 9.8
  --uplift-safety FS     必要安全率、1.0〜3.0、既定 1.1
                         (建築で 1.0、土木で 1.1 がよく使われる)

Case files and project texts:
  --case FILE            the nine fields and the project texts from a case
                         file (*.tavoro); options given as well override
                         single fields
  --project-name TEXT    工事名, on every page's header line
  --shaft-name TEXT      立坑名, on every page's header line
  --author TEXT          作成者
  --date YYYY-MM-DD      日付, at the right of the header line
  --notes TEXT           メモ
  --checker TEXT         照査者
  --cover                計算書の前に表紙（計算条件・結果・算定方法と出典・
                         作成/照査欄）を付ける
Pages carry the header line when 工事名 or 立坑名 is given.

Outputs (at least one):
  --json FILE.json|-     the computed case as JSON ("-" for standard output);
                         kn and kg in m/s, a value not computed as null,
                         with the project texts
  --save-case FILE       the case file of the fields and project texts
  --report FILE          the calculation report: FILE.pdf, FILE.png or
                         FILE.svg (in PNG and SVG a two-page report adds
                         -1 and -2 before the extension)
  --chart FILE           the drawdown chart: FILE.pdf, FILE.png, FILE.svg,
                         or FILE.dxf, a DXF R12 drawing for CAD at 1:1 in
                         paper millimetres, texts in Shift_JIS
  --csv FILE.csv         inputs, results and both curves as CSV (UTF-8 with
                         a byte order mark), the values of --json
  --dpi N                resolution of PNG files, 10 to 600 (default 150)

Every option also takes the form --option=value and may be given once.
Files are written whole or not at all: when one cannot be written, none of
the command's files is replaced.

Exit status:
  0  everything asked for was written
  1  a file could not be written (no file of the command was replaced)
  2  a bad command line (two outputs naming one file included), a case
     file that cannot be read, or a refused input (nothing is written)
)";
}

int RunExport(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  const ParsedExportOptions parsed = ParseExportOptions(args);
  if (!parsed.options) {
    err << "tavoro: " << parsed.error << "\n(使い方は tavoro export --help)\n";
    return kExitUsage;
  }
  const ExportOptions& options = *parsed.options;
  if (options.help) {
    out << UsageText();
    return kExitOk;
  }

  CaseFile input;
  if (options.casePath) {
    const CaseFileRead read = ReadCaseFile(std::filesystem::path(*options.casePath));
    if (!read.file) {
      err << "tavoro: " << read.error << '\n';
      return kExitUsage;
    }
    input = *read.file;
  }
  for (int field = 0; field < kInputFieldCount; ++field) {
    const auto i = static_cast<std::size_t>(field);
    if (options.textGiven[i] || !options.casePath) input.inputs[i] = options.texts[i];
  }
  for (std::size_t i = 0; i < options.ground.size(); ++i) {
    if (options.groundGiven[i] || !options.casePath) input.ground[i] = options.ground[i];
  }
  for (int text = 0; text < kProjectTextCount; ++text) {
    if (options.projectGiven[static_cast<std::size_t>(text)]) {
      ProjectText(input.project, text) = ProjectText(options.project, text);
    }
  }

  const CaseRun run = RunCase(input.inputs, 0, input.ground);
  if (run.rejection) {
    err << "tavoro: " << InputFieldOption(run.rejection->field) << ": " << run.rejection->message
        << '\n';
    return kExitUsage;
  }

  StagedFiles files;
  if (options.saveCasePath) files.Add(*options.saveCasePath, CaseFileText(input));
  const bool jsonToOutput = options.jsonPath && *options.jsonPath == "-";
  if (options.jsonPath && !jsonToOutput)
    files.Add(*options.jsonPath, CaseToJson(run.calc, input.project));
  std::string error;
  if (options.reportPath)
    error = StageReport(run.calc, input.project, *options.reportPath, options.dpi, files,
                        options.cover);
  std::string note;
  if (error.empty() && options.chartPath) {
    error = StageChart(run.calc, input.project, *options.chartPath, options.dpi, files, &note);
  }
  if (error.empty() && options.csvPath) files.Add(*options.csvPath, CaseToCsv(run.calc));
  if (const std::optional<std::string> twice = files.SameFileTwice(); error.empty() && twice) {
    err << "tavoro: " << *twice << "\n(使い方は tavoro export --help)\n";
    return kExitUsage;
  }
  if (error.empty()) error = files.Commit().value_or("");
  if (error.empty() && jsonToOutput) {
    out << CaseToJson(run.calc, input.project);
    out.flush();
    if (!out) error = "JSON を標準出力に書き込めません。";
  }
  if (!error.empty()) {
    err << "tavoro: " << error << '\n';
    return kExitFailed;
  }
  if (!note.empty()) err << "tavoro: " << note << '\n';
  return kExitOk;
}

}  // namespace tavoro
