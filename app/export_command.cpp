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
  tavoro --help          この説明を表示する
  tavoro --version       版を表示する
  tavoro FILE.tavoro     案件ファイルを入力フォームで開く
  tavoro export [オプション]
                         窓を開かずに 1 件を計算し、指定の書類を書き出す
  tavoro study [オプション]
                         改良幅の検討 (tavoro study --help)
  tavoro batch 表.csv --out フォルダー
                         表の立坑をまとめて計算する (tavoro batch --help)
  tavoro verify [オプション]
                         組み込みの検証例を解き、公表値と比べる
                         (tavoro verify --help)

tavoro export の入力項目 (フォームに入力するとおりの文字列。省略した
オプションは空欄):
  --groundwater 値       地下水位 GL- (m)
  --impervious 値        不透水層深度 Hf (m)
  --excavation 値        掘削深度 Ht (m)
  --perimeter 値         立坑周長 L (m)
  --kn 値                透水係数 kn (cm/sec)
  --width 値             改良幅 B (m)
  --kg 値                改良後の透水係数 kg (cm/sec)
  --point 値             着目点 x (m)、立坑中心からの距離
  --range 値             計算範囲 (m)
各項目は数値 1 つ: 符号、小数点は「.」、指数 (1e-3) が使え、前後の空白と
項目の単位 (m、cm/sec または cm/s) を付けてもよい。全角の数字・記号は半角と
して読む。それ以外 (カンマ、2 つ目の数値など) は受け付けない。
--width と --kg 以外は必須。--width が空欄か 0 なら地盤改良なしで、--kg は
空欄でよい。受け付ける値:
  0 <= 地下水位 < 掘削深度 <= 不透水層深度 <= 500 m
  0.1 <= 立坑周長 <= 500 m、かつ r = L/2π が R1 より小さい
  1e-9 <= kn <= 10 cm/sec、かつ Q1 は 1000 m3/min 以下
  0 <= 改良幅 <= 50 m、かつ r + B が R1 より小さい
  1e-9 <= kg <= kn (改良ありのとき)
  0 <= 着目点 <= 計算範囲、r + B < 計算範囲 <= 10000 m

地盤の条件 (すべて省略可。省略すると影響半径は Sichardt の式、盤ぶくれの検討なし):
  --radius-method M      影響半径の式: sichardt (既定)、kusakin
                         (R = 575 S √(H k))、given (--radius の指定値)
  --radius R             影響半径 (m)。given のときだけ: r + B < R <= 10000
  --radius-note 文字列   根拠。given のときだけ、改行なし 30 文字以内
  --confined-top Dc      被圧帯水層上面 GL- (m): 不透水層深度 <= Dc <= 500
  --confined-head hp     被圧水頭 GL- (m)、地表より上は負: -100 <= hp < Dc
                         (この二つを両方指定すると計算書に「盤ぶくれの検討」
                         のページが加わる)
  --unit-weight G        土の湿潤単位体積重量 (kN/m3)、10〜25、既定 18
  --soil-layers 一覧     --unit-weight の代わりに層ごとに "t1:g1,t2:g2,…"
                         層厚 (m) : 単位体積重量 (kN/m3)、掘削底から下へ
                         12 層まで、層厚の和は Dc − 掘削深度
  --water-unit-weight G  水の単位体積重量 (kN/m3)、9〜11、既定 9.8
  --uplift-safety FS     必要安全率、1.0〜3.0、既定 1.1
                         (建築で 1.0、土木で 1.1 がよく使われる)

案件ファイルと案件情報:
  --case ファイル        案件ファイル (*.tavoro) の入力項目と案件情報を使う。
                         あわせて指定したオプションはその項目だけを置き換える
  --project-name 文字列  工事名 (各ページのヘッダー行)
  --shaft-name 文字列    立坑名 (各ページのヘッダー行)
  --author 文字列        作成者
  --checker 文字列       照査者
  --date 日付            日付 (YYYY-MM-DD、YYYY/MM/DD、YYYY年M月D日)、ヘッダー行の右
  --notes 文字列         メモ
  --cover                計算書の前に表紙（計算条件・結果・算定方法と出典・
                         作成/照査欄）を付ける
工事名か立坑名があるとき、各ページにヘッダー行とページ番号が付く。

出力 (1 つ以上):
  --json ファイル.json|- 計算結果の JSON ("-" は標準出力)。kn と kg は m/s、
                         算定できない値は null、案件情報を含む
  --save-case ファイル   入力項目と案件情報の案件ファイル
  --report ファイル      計算書: .pdf、.png、.svg (PNG と SVG では 2 ページ
                         目以降は拡張子の前に -1、-2 を付けたファイル)
  --chart ファイル       水位降下曲線: .pdf、.png、.svg、または .dxf (CAD 用の
                         DXF R12、用紙の mm で 1:1、文字は Shift_JIS)
  --csv ファイル.csv     入力、結果、両方の曲線の CSV (UTF-8、BOM 付き)、
                         値は --json と同じ
  --dpi N                PNG の解像度、10〜600 (既定 150)

どのオプションも --オプション=値 の形でも書け、指定は 1 回だけ。
ファイルはすべて書けたときだけ置き換わる: 1 つでも書けなければ、どの
ファイルも元のまま。

終了コード:
  0  指定のものをすべて書いた
  1  ファイルを書けなかった (どのファイルも置き換えていない)
  2  コマンドラインの誤り (同じファイルを指す 2 つの出力を含む)、読めない
     案件ファイル、または受け付けない入力 (何も書かない)
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
