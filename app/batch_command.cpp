#include "batch_command.h"

#include <QCommandLineParser>
#include <QGuiApplication>
#include <QStringList>
#include <algorithm>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <mutex>
#include <optional>
#include <sstream>

#include "batch/batch_run.h"
#include "batch/batch_table.h"
#include "batch/job_runner.h"
#include "batch/qt/batch_inputs.h"
#include "batch/qt/qt_batch_devices.h"
#include "batch/qt/table_decoding.h"
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

ParsedBatchOptions ParseBatchOptions(const std::vector<std::string>& args) {
  QCommandLineParser parser;
  parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
  const QCommandLineOption out(QStringList{"o", "out"}, {}, "DIR");
  const QCommandLineOption jobs(QStringList{"j", "jobs"}, {}, "N");
  const QCommandLineOption encoding("encoding", {}, "NAME");
  const QCommandLineOption help(QStringList{"h", "help"});
  parser.addOptions({out, jobs, encoding, help});

  QStringList arguments{QStringLiteral("tavoro-batch")};
  for (const std::string& arg : args) arguments << QString::fromLatin1(arg.data(), static_cast<qsizetype>(arg.size()));
  if (!parser.parse(arguments)) {
    const QStringList unknown = parser.unknownOptionNames();
    if (!unknown.isEmpty()) {
      return Failure("不明なオプションです: " + unknown.join(QStringLiteral(", ")).toLatin1().toStdString());
    }
    return Failure("オプションに値がありません (--out DIR, --jobs N, --encoding NAME)");
  }
  for (const QCommandLineOption* option : {&out, &jobs, &encoding}) {
    if (parser.values(*option).size() > 1) {
      return Failure("--" + option->names().last().toLatin1().toStdString() + " が 2 回以上指定されています");
    }
  }

  BatchOptions options;
  options.help = parser.isSet(help);
  if (options.help) return {std::move(options), ""};
  for (const QString& input : parser.positionalArguments())
    options.inputs.push_back(input.toLatin1().toStdString());
  if (options.inputs.empty())
    return Failure("表の CSV ファイル (または案件ファイル) を指定してください");
  if (!parser.isSet(out) || parser.value(out).isEmpty()) {
    return Failure("出力先のフォルダーを --out で指定してください");
  }
  options.outDir = parser.value(out).toLatin1().toStdString();
  options.jobs = std::min(DefaultJobCount(), kMaxJobs);
  if (parser.isSet(jobs)) {
    bool ok = false;
    options.jobs = parser.value(jobs).toInt(&ok);
    if (!ok || options.jobs < 1 || options.jobs > kMaxJobs) {
      return Failure("--jobs には 1 から " + std::to_string(kMaxJobs) +
                     " までの整数を指定してください");
    }
  }
  if (parser.isSet(encoding)) {
    const std::optional<TableEncoding> named = EncodingNamed(parser.value(encoding).toLatin1().toStdString());
    if (!named) return Failure("--encoding には utf-8 か cp932 を指定してください");
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

std::string BatchUsageText() {
  return R"(使い方:
  tavoro batch 表.csv --out フォルダー [--jobs N] [--encoding utf-8|cp932]
  tavoro batch 案件.tavoro... --out フォルダー [--jobs N]

表.csv の立坑 (見出し行の下に 1 行 1 立坑) をすべて計算し、フォルダーに
書き出す:
  NNN-<立坑名>-report.pdf  NNN 行目の計算書
  NNN-<立坑名>-chart.pdf   その水位降下曲線
  summary.csv              全立坑の入力と結果 (UTF-8、BOM 付き)
  summary.pdf              全立坑の一覧表 (A4)
列名はフォームの項目名 (地下水位, 不透水層深度, 掘削深度, 立坑周長, 透水係数,
改良幅, 改良後の透水係数, 着目点, 計算範囲) または export のオプション名
(groundwater, impervious, ...)。任意で 立坑名/shaft, 工事名/name,
作成者/author, 照査者/checker, 日付/date, メモ/notes。どの列もこのどれか
(または summary.csv の列) でなければならず、改良幅と改良後の透水係数以外の
入力は必須。セルはフォームと同じ規則で読む。地盤の条件の列
(影響半径の式 Sichardt/Kusakin/指定, 影響半径, 根拠, 被圧帯水層上面, 被圧水頭,
土の単位体積重量, 土層, 水の単位体積重量, 盤ぶくれ安全率, または radius-method
など) を加えると、summary.csv に盤ぶくれ F と盤ぶくれ判定 (OK/NG) が付く。
表の代わりに案件ファイル (.tavoro) を 1 ファイル 1 立坑で、指定の順に番号を
付けて渡してもよい。

オプション:
  --out フォルダー       出力先のフォルダー (なければ作る)
  --jobs N               同時に計算する立坑の数、16 まで (既定: コア数、
                         16 まで)
  --encoding 名前        utf-8 または cp932 (Shift_JIS)。省略時は自動判別

終了コード:
  0  すべての立坑を計算して書き出した
  1  できなかった立坑がある (summary.csv にその理由)
  2  コマンドラインの誤り、または使えない表
)";
}

int RunBatchCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
                    std::ostream* progressStream) {
  const ParsedBatchOptions parsed = ParseBatchOptions(args);
  if (!parsed.options) {
    err << "tavoro batch: " << parsed.error << "\n(tavoro batch --help を参照)\n";
    return kExitUsage;
  }
  const BatchOptions& options = *parsed.options;
  if (options.help) {
    out << BatchUsageText();
    return kExitOk;
  }

  const BatchTable table = ReadBatchInputs(options.inputs, options.encoding);
  if (!table.error.empty()) {
    err << "tavoro batch: " << table.error << '\n';
    return kExitUsage;
  }
  const std::filesystem::path outDir(options.outDir);
  if (const std::optional<std::string> error = MakeOutputFolder(outDir)) {
    err << "tavoro batch: " << *error << '\n';
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
  if (!result.error.empty()) err << "tavoro batch: " << result.error << '\n';
  const int total = result.ShaftCount();
  const int failed = result.FailedCount();
  err << "立坑 " << total << " 本のうち " << total - failed << " 本を計算しました";
  if (failed > 0) err << " (計算できなかった立坑 " << failed << " 本)";
  err << '\n';
  if (result.RemovedCount() > 0) {
    err << "今回作成しなかった前回の書類 " << result.RemovedCount()
        << " 件を削除しました (summary.csv の「書類」の列)\n";
  }
  return failed > 0 || !result.error.empty() ? kExitFailed : kExitOk;
}

}  // namespace tavoro
