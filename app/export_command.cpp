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
  return R"(使い方:
  tavoro                 入力フォームを開く (画面が必要)
  tavoro FILE.tavoro     案件ファイルを入力フォームで開く
  tavoro export [オプション]
                         窓を開かずに 1 件を計算し、計算書、水位降下曲線、JSON、CSV を書き出す
  tavoro study [オプション]
                         改良幅の検討: 目標の湧水量か水位低下量に届く改良幅と透水係数を求める
  tavoro batch 表.csv --out フォルダー
                         表の立坑をまとめて計算し、書類と集計表を書き出す
  tavoro verify [オプション]
                         組み込みの検証例を解き、公表値と比べる
  tavoro --help          この説明を表示する
  tavoro --version       版を表示する

各コマンドのオプションは tavoro export --help のように --help で表示します。
)";
}

int RunExport(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  const ParsedExportOptions parsed = ParseExportOptions(args);
  if (!parsed.options) {
    err << UsageErrorText(ExportCommand(), parsed.error);
    return kExitUsage;
  }
  const ExportOptions& options = *parsed.options;
  if (options.help) {
    out << HelpText(ExportCommand());
    return kExitOk;
  }

  CaseFile input;
  if (options.casePath) {
    const CaseFileRead read = ReadCaseFile(std::filesystem::path(*options.casePath));
    if (!read.file) {
      err << "tavoro: " << read.status.message() << '\n';
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
  for (std::size_t i = 0; i < kProjectTexts.size(); ++i) {
    const auto text = kProjectTexts[i].text;
    if (options.projectGiven[i]) input.project.*text = options.project.*text;
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
  Status status;
  if (options.reportPath)
    status = StageCaseDocument(CaseDocument::kReport, run.calc, input.project, *options.reportPath,
                               options.dpi, files, nullptr, options.cover);
  std::string note;
  if (status.ok() && options.chartPath) {
    status = StageCaseDocument(CaseDocument::kChart, run.calc, input.project, *options.chartPath,
                               options.dpi, files, &note);
  }
  if (status.ok() && options.csvPath) files.Add(*options.csvPath, CaseToCsv(run.calc));
  if (const Status twice = files.SameFileTwice(); status.ok() && !twice.ok()) {
    err << UsageErrorText(ExportCommand(), twice.message());
    return kExitUsage;
  }
  if (status.ok()) status = files.Commit();
  if (status.ok() && jsonToOutput) {
    out << CaseToJson(run.calc, input.project);
    out.flush();
    if (!out) status = Status::Error("JSON を標準出力に書き込めません。");
  }
  if (!status.ok()) {
    err << "tavoro: " << status.message() << '\n';
    return kExitFailed;
  }
  if (!note.empty()) err << "tavoro: " << note << '\n';
  return kExitOk;
}

}  // namespace tavoro
