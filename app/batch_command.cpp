#include "batch_command.h"

#include <QGuiApplication>
#include <algorithm>
#include <charconv>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <mutex>
#include <optional>
#include <sstream>

#include "batch/batch_run.h"
#include "batch/batch_table.h"
#include "calc/ground_rules.h"
#include "batch/job_runner.h"
#include "batch/qt/batch_inputs.h"
#include "batch/qt/qt_batch_devices.h"
#include "batch/qt/table_decoding.h"
#include "command_line.h"
#include "export_command.h"
#include "page/qt/qt_page.h"

namespace tavoro {
namespace {

constexpr int kMaxJobs = kMaxBatchJobs;

struct BatchOptions {
  std::vector<std::string> inputs;
  std::string outDir;
  int jobs = 0;
  TableEncoding encoding = TableEncoding::kAuto;
  bool help = false;
};

struct ParsedBatchOptions {
  std::optional<BatchOptions> options;
  std::string error;
};

// Measuring and painting with real fonts needs a QGuiApplication; a batch
// never shows a window, so it runs on the offscreen platform.
void EnsureGuiApplication() {
  if (QGuiApplication::instance() != nullptr) return;
  qputenv("QT_QPA_PLATFORM", "offscreen");
  static int argc = 1;
  static char name[] = "tavoro";
  static char* argv[] = {name, nullptr};
  static QGuiApplication app(argc, argv);
  InstallFaceSubstitutions();
}

ParsedBatchOptions Failure(std::string message) {
  return {std::nullopt, std::move(message)};
}

CommandTable MakeBatchCommand() {
  CommandTable table;
  table.name = "batch";
  table.synopsis =
      "batch 表.csv --out フォルダー [--jobs N] [--encoding utf-8|cp932]\n"
      "batch 案件.tavoro... --out フォルダー [--jobs N]";
  table.takesFiles = true;
  table.summary =
      "表.csv の見出し行の下の 1 行を 1 本の立坑として、すべての立坑を計算し、フォルダーに\n"
      "書き出します:\n"
      "  NNN-<立坑名>-report.pdf  NNN 行目の計算書\n"
      "  NNN-<立坑名>-chart.pdf   その水位降下曲線\n"
      "  summary.csv              全立坑の入力値と結果 (BOM 付き UTF-8)\n"
      "  summary.pdf              全立坑の集計表 (A4)\n"
      "列の見出しは入力欄の名前かオプション名 (groundwater など) です:\n  ";
  std::string& summary = table.summary;
  for (std::size_t i = 0; i < kInputFields.size(); ++i) {
    summary.append(i == 0 ? "" : "、").append(kInputFields[i].caption);
  }
  summary += "\nほかに案件情報の列も読みます:\n  ";
  for (std::size_t i = 0; i < kProjectTexts.size(); ++i) {
    summary.append(i == 0 ? "" : "、")
        .append(kProjectTexts[i].caption)
        .append("/")
        .append(kProjectTexts[i].key);
  }
  summary += "\n地盤の条件の列 (radius-method などのオプション名でも可) を加えると、summary.csv に\n"
             "盤ぶくれ F と盤ぶくれ判定 (OK/NG) が付きます:\n  ";
  for (int field = kFirstGroundField; field < kFirstGroundField + kGroundFieldCount; ++field) {
    summary.append(field == kFirstGroundField ? "" : "、").append(GroundFieldOf(field).caption);
  }
  summary +=
      "\nどの列もこのどれか (または summary.csv の列) でなければならず、改良幅と改良後の\n"
      "透水係数のほかの入力は必須です。セルは入力フォームと同じ規則で読みます。表の代わりに\n"
      "案件ファイル (.tavoro) を並べると、1 ファイルを 1 本の立坑として、指定した順に番号を\n"
      "付けます。\n";
  table.groups.push_back({"オプション", {}});
  auto& options = table.groups.back().options;
  options.push_back({"out", "DIR", "出力先のフォルダー (なければ作る)", {}, false, true, 'o'});
  options.push_back({"jobs", "N",
                     "同時に計算する立坑の数、" + std::to_string(kMaxJobs) +
                         " まで (既定: CPU のコア数)",
                     {}, false, false, 'j'});
  options.push_back({"encoding", "NAME", "表の文字コード utf-8 か cp932 (Shift_JIS)。省略すると判別する"});
  table.notes =
      "終了ステータス:\n"
      "  0  すべての立坑を計算して書き出した\n"
      "  1  計算できなかった立坑がある (summary.csv にそれぞれの理由を載せる)\n"
      "  2  コマンドラインの誤りか、使えない表\n";
  return table;
}

const CommandTable& BatchCommand() {
  static const CommandTable table = MakeBatchCommand();
  return table;
}

ParsedBatchOptions ParseBatchOptions(const std::vector<std::string>& args) {
  ParsedCommandLine parsed = ParseCommandLine(BatchCommand(), args);
  if (!parsed.line) return Failure(parsed.error);
  const CommandLine& line = *parsed.line;

  BatchOptions options;
  options.help = line.Help();
  if (options.help) return {std::move(options), ""};
  options.inputs = line.Files();
  if (options.inputs.empty()) {
    return Failure("表の CSV ファイル (または案件ファイル) を指定してください。");
  }
  if (!line.Has("out")) return Failure("出力先のフォルダーを --out で指定してください。");
  options.outDir = line.Value("out");
  options.jobs = std::min(DefaultJobCount(), kMaxJobs);
  if (line.Has("jobs")) {
    const std::string& text = line.Value("jobs");
    const auto [end, failure] = std::from_chars(text.data(), text.data() + text.size(), options.jobs);
    if (failure != std::errc() || end != text.data() + text.size() || options.jobs < 1 ||
        options.jobs > kMaxJobs) {
      return Failure("--jobs には 1 から " + std::to_string(kMaxJobs) +
                     " までの整数を指定してください。");
    }
  }
  if (line.Has("encoding")) {
    const std::optional<TableEncoding> named = EncodingNamed(line.Value("encoding"));
    if (!named) return Failure("--encoding には utf-8 か cp932 を指定してください。");
    options.encoding = *named;
  }
  return {std::move(options), ""};
}

std::string MinutesAndSeconds(double seconds) {
  const long whole = static_cast<long>(seconds + 0.5);
  std::ostringstream text;
  if (whole >= 60) text << whole / 60 << " 分 ";
  text << whole % 60 << " 秒";
  return text.str();
}

// "12 / 200 本　残り 約 1 分 5 秒" on one terminal line, rewritten in place.
class ProgressLine {
 public:
  explicit ProgressLine(std::ostream* terminal) : terminal_(terminal) {}

  void Update(int done, int total) {
    if (terminal_ == nullptr) return;
    const std::lock_guard lock(mutex_);
    const double elapsed =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start_).count();
    std::string line = "\r計算中 " + std::to_string(done) + " / " + std::to_string(total) + " 本";
    if (done > 0 && done < total) {
      line += "　残り 約 " + MinutesAndSeconds(elapsed / done * (total - done));
    }
    *terminal_ << line << "\x1b[K" << std::flush;
  }
  void Finish() {
    if (terminal_ != nullptr) *terminal_ << '\n';
  }

 private:
  std::ostream* terminal_;
  std::mutex mutex_;
  std::chrono::steady_clock::time_point start_ = std::chrono::steady_clock::now();
};

}  // namespace

int RunBatchCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
                    std::ostream* progressStream) {
  const ParsedBatchOptions parsed = ParseBatchOptions(args);
  if (!parsed.options) {
    err << UsageErrorText(BatchCommand(), parsed.error);
    return kExitUsage;
  }
  const BatchOptions& options = *parsed.options;
  if (options.help) {
    out << HelpText(BatchCommand());
    return kExitOk;
  }

  const BatchTable table = ReadBatchInputs(options.inputs, options.encoding);
  if (!table.status.ok()) {
    err << "tavoro batch: " << table.status.message() << '\n';
    return kExitUsage;
  }
  const std::filesystem::path outDir(options.outDir);
  if (const Status made = MakeOutputFolder(outDir); !made.ok()) {
    err << "tavoro batch: " << made.message() << '\n';
    return kExitFailed;
  }

  EnsureGuiApplication();
  const QtBatchDevices devices;
  ProgressLine progress(progressStream);
  BatchProgress callbacks;
  callbacks.shaftDone = [&](int done, int total) { progress.Update(done, total); };
  const BatchResult result = RunBatch(table.rows, outDir, options.jobs, devices, callbacks);
  progress.Finish();

  for (const ShaftOutcome& outcome : result.outcomes) {
    if (!outcome.Failed()) continue;
    err << "tavoro batch: No." << outcome.row.number;
    if (!outcome.row.project.shaft.empty()) err << " " << outcome.row.project.shaft;
    err << ": " << outcome.failure << '\n';
  }
  if (!result.status.ok()) err << "tavoro batch: " << result.status.message() << '\n';
  const int total = result.ShaftCount();
  const int failed = result.FailedCount();
  err << "立坑 " << total << " 本のうち " << total - failed << " 本を計算しました";
  if (failed > 0) err << " (計算できなかった立坑 " << failed << " 本)";
  err << '\n';
  if (result.RemovedCount() > 0) {
    err << "今回作成しなかった前回の書類 " << result.RemovedCount()
        << " 件を削除しました (summary.csv の「書類」の列)\n";
  }
  return failed > 0 || !result.status.ok() ? kExitFailed : kExitOk;
}

}  // namespace tavoro
