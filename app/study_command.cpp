#include "study_command.h"

#include <fstream>

#include "calc/project_info.h"
#include "calc/run_case.h"
#include "casefile/case_file.h"
#include "document_export.h"
#include "export_command.h"
#include "export_options.h"
#include "study/study.h"
#include "study/study_files.h"
#include "study/study_page_text.h"
#include "study_options.h"

namespace tavoro {
namespace {

std::string WriteText(const std::string& path, const std::string& text, std::ostream& out) {
  if (path == "-") {
    out << text;
    out.flush();
    return out ? "" : "標準出力に書き込めません";
  }
  std::ofstream file(path, std::ios::binary | std::ios::trunc);
  file << text;
  file.close();
  return file ? "" : "ファイル「" + path + "」に書き込めません";
}

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
    err << "tavoro: " << parsed.error << "\n（tavoro study --help を参照してください）\n";
    return kExitUsage;
  }
  const StudyOptions& options = *parsed.options;
  if (options.help) {
    out << StudyUsageText();
    return kExitOk;
  }

  InputTexts texts = options.texts;
  ProjectInfo project;
  if (options.casePath) {
    const CaseFileRead read = ReadCaseFile(std::filesystem::path(*options.casePath));
    if (!read.file) {
      err << "tavoro: " << read.error << '\n';
      return kExitUsage;
    }
    texts = read.file->inputs;
    project = read.file->project;
  }

  StudyRequest request;
  const CaseRun run = RunCase(texts, 0);
  if (run.rejection) {
    err << "tavoro: " << InputFieldOption(run.rejection->field) << ": " << run.rejection->message
        << '\n';
    return kExitUsage;
  }
  request.inputs = run.calc;
  const double caseKg = ReadFieldText(kKgField, texts[kKgField]).value_or(0);
  request.kgList =
      options.kgList ? *options.kgList : DefaultStudyPermeabilities(caseKg, request.inputs.kn);
  request.widthMax = options.widthMax;
  request.target = options.target;
  if (const std::optional<std::string> problem = CheckStudyRequest(request)) {
    err << "tavoro: " << *problem << '\n';
    return kExitUsage;
  }

  const StudyResult result = RunStudy(request);
  std::string error;
  if (options.jsonPath) error = WriteText(*options.jsonPath, StudyToJson(result), out);
  if (error.empty() && options.csvPath)
    error = WriteText(*options.csvPath, StudyToCsv(result), out);
  if (error.empty() && options.pdfPath) error = ExportStudy(result, project, *options.pdfPath);
  if (options.jsonPath != "-") PrintAnswers(result, out);
  if (!error.empty()) {
    err << "tavoro: " << error << '\n';
    return kExitFailed;
  }
  for (const StudySolution& solution : result.solutions) {
    if (!solution.width) return kExitFailed;
  }
  return kExitOk;
}

}  // namespace tavoro
