#include "study_command.h"

#include "calc/ground_texts.h"
#include "calc/input_rules.h"
#include "calc/project_info.h"
#include "calc/run_case.h"
#include "casefile/case_file.h"
#include "document_export.h"
#include "export_command.h"
#include "export_options.h"
#include "fileio/staged_files.h"
#include "study/study.h"
#include "study/study_files.h"
#include "study/study_input.h"
#include "study/study_page_text.h"
#include "study_options.h"

namespace tavoro {
namespace {


void PrintAnswers(const StudyResult& result, std::ostream& out) {
  out << StudyRangeText(result) << '\n';
  for (const StudySolution& solution : result.solutions) {
    out << SolutionText(solution, result.target.kind) << '\n';
  }
  out << KgForWidthText(result) << '\n';
}

}  // namespace

int RunStudyCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  const ParsedStudyOptions parsed = ParseStudyOptions(args);
  if (!parsed.options) {
    err << UsageErrorText(StudyCommand(), parsed.error);
    return kExitUsage;
  }
  const StudyOptions& options = *parsed.options;
  if (options.help) {
    out << HelpText(StudyCommand());
    return kExitOk;
  }

  InputTexts texts = options.texts;
  GroundTexts ground = options.ground;
  ProjectInfo project;
  if (options.casePath) {
    const CaseFileRead read = ReadCaseFile(std::filesystem::path(*options.casePath));
    if (!read.file) {
      err << "tavoro: " << read.status.message() << '\n';
      return kExitUsage;
    }
    texts = read.file->inputs;
    ground = read.file->ground;
    project = read.file->project;
  }

  const CaseRun run = RunCase(texts, 0, ground);
  if (run.rejection) {
    err << "tavoro: " << InputFieldOption(run.rejection->field) << ": " << run.rejection->message
        << '\n';
    return kExitUsage;
  }
  StudyRequest request;
  request.inputs = run.calc;
  request.knCmPerSec = ReadFieldText(kKnField, texts[kKnField]).value_or(0);
  if (options.kgList) {
    KgListRead read = ReadKgList(*options.kgList, request.knCmPerSec);
    if (!read.list) {
      err << "tavoro: --kg-list：" << read.error << '\n';
      return kExitUsage;
    }
    request.kgList = std::move(*read.list);
  } else {
    const double caseKg = ReadFieldText(kKgField, texts[kKgField]).value_or(0);
    request.kgList =
        DefaultStudyPermeabilities(request.inputs.B, caseKg, request.knCmPerSec);
  }
  request.widthMax = options.widthMax;
  request.target = options.target;
  if (const std::optional<std::string> problem = CheckStudyRequest(request)) {
    err << "tavoro: " << *problem << '\n';
    return kExitUsage;
  }

  const StudyResult result = RunStudy(request);
  StagedFiles files;
  const bool jsonToOutput = options.jsonPath && *options.jsonPath == "-";
  if (options.jsonPath && !jsonToOutput) files.Add(*options.jsonPath, StudyToJson(result));
  if (options.csvPath) files.Add(*options.csvPath, StudyToCsv(result));
  Status status;
  if (options.pdfPath) status = StageStudy(result, project, *options.pdfPath, files);
  if (const Status twice = files.SameFileTwice(); status.ok() && !twice.ok()) {
    err << UsageErrorText(StudyCommand(), twice.message());
    return kExitUsage;
  }
  if (status.ok()) status = files.Commit();
  if (status.ok() && jsonToOutput) {
    out << StudyToJson(result);
    out.flush();
    if (!out) status = Status::Error("JSON を標準出力に書き込めません。");
  }
  if (!jsonToOutput) PrintAnswers(result, out);
  if (!status.ok()) {
    err << "tavoro: " << status.message() << '\n';
    return kExitFailed;
  }
  for (const StudySolution& solution : result.solutions) {
    if (!solution.width) return kExitFailed;
  }
  return kExitOk;
}

}  // namespace tavoro
