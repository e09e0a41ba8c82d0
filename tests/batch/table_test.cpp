// Reading a batch table: CSV text, header names, rows and unusable tables.
#include <gtest/gtest.h>

#include <string_view>
#include <tuple>

#include "batch/batch_table.h"
#include "batch/csv_table.h"
#include "batch/summary_csv.h"

namespace tavoro {
namespace {

using Rows = std::vector<CsvRow>;

TEST(CsvTableTest, ReadsQuotedFieldsAndEveryLineEnd) {
  const CsvTable table = ParseCsv(
      "\xEF\xBB\xBF"
      "a,\"b,c\",\"say \"\"hi\"\"\"\r\n"
      "\"two\nlines\", x ,\r"
      "last,,\"\"");
  EXPECT_EQ(table.status.message(), "");
  EXPECT_EQ(table.rows,
            (Rows{{"a", "b,c", "say \"hi\""}, {"two\nlines", " x ", ""}, {"last", "", ""}}));
  EXPECT_EQ(ParseCsv("a,b\n\n1,2\n").rows, (Rows{{"a", "b"}, {""}, {"1", "2"}}));
}

TEST(CsvTableTest, TakesTabsOnlyWhenTheFirstLineHasNoComma) {
  EXPECT_EQ(ParseCsv("a\tb\n1,5\t2\n").rows, (Rows{{"a", "b"}, {"1,5", "2"}}));
  EXPECT_EQ(ParseCsv("a,b\tc\n").rows, (Rows{{"a", "b\tc"}}));
}

TEST(CsvTableTest, RefusesAnOpenQuoteAndOversizedTables) {
  EXPECT_EQ(ParseCsv("a,\"b\n1,2\n").status.message(), "引用符 (\") が閉じられていません");
  EXPECT_TRUE(ParseCsv("a,\"b\n1,2\n").rows.empty());
  EXPECT_NE(ParseCsv(std::string(kMaxCsvColumns, ',')).status.message(), "");
  EXPECT_EQ(ParseCsv(std::string(kMaxCsvColumns - 1, ',')).status.message(), "");
  EXPECT_NE(ParseCsv(std::string(kMaxCsvCellBytes + 1, 'x')).status.message(), "");
  EXPECT_NE(ParseCsv(std::string(kMaxCsvRows + 1, '\n')).status.message(), "");
}

// A header names a field or a project text by its caption (with symbol and unit, blanks of
// either width) or its option; another field's symbol or a part of a caption names none.
TEST(BatchTableTest, NamesColumnsByCaptionSymbolUnitOrOption) {
  const std::tuple<std::string_view, ColumnRole, int> cases[] = {
      {"地下水位", ColumnRole::kField, 0},  {" 地下水位 GL- (m) ", ColumnRole::kField, 0},
      {"改良後の透水係数 kg（cm/sec）", ColumnRole::kField, 6},
      {"\xE3\x80\x80計算範囲[m]", ColumnRole::kField, 8},  {"--Groundwater", ColumnRole::kField, 0},
      {"width", ColumnRole::kField, 5},     {"kg (cm/sec)", ColumnRole::kField, 6},
      {"立坑名", ColumnRole::kProject, 1},  {"--NAME", ColumnRole::kProject, 0},
      {"checker", ColumnRole::kProject, 3}, {"地下水位 Hf", ColumnRole::kNone, -1},
      {"地下", ColumnRole::kNone, -1},      {"(m)", ColumnRole::kNone, -1},
      {"備考", ColumnRole::kNone, -1}};
  for (const auto& [header, role, index] : cases) {
    const ColumnName name = NameColumn(header);
    EXPECT_EQ(name.role, role) << header;
    EXPECT_EQ(name.index, role == ColumnRole::kNone ? name.index : index) << header;
  }
}

constexpr char kRequired[] = "地下水位,不透水層深度,掘削深度,立坑周長,透水係数,着目点,計算範囲\n";

TEST(BatchTableTest, NumbersRowsByTheirPlaceUnderTheHeaderSkippingBlankOnes) {
  const BatchTable table = ReadBatchTable("\n,,\n" + std::string(kRequired) + "1,5\n , \n2\n");
  ASSERT_EQ(table.status.message(), "");
  ASSERT_EQ(table.rows.size(), 2u);
  EXPECT_EQ(table.rows[0].number, 1);
  EXPECT_EQ(table.rows[1].number, 3);
  EXPECT_EQ(table.rows[1].inputs[0], "2");
  EXPECT_EQ(table.rows[1].inputs[1], "");  // a short row leaves the rest empty
}

TEST(BatchTableTest, ARowWithoutACalendarDateIsListedNotRun) {
  const BatchTable table = ReadBatchTable(
      "groundwater,impervious,excavation,perimeter,kn,point,range,日付\n"
      "2,20,10,20,0.01,10,100,2024/2/29\n2,20,10,20,0.01,10,100,2026-02-30\n"
      "2,20,10,20,0.01,10,100,令和\n");
  ASSERT_EQ(table.rows.size(), 3u) << table.status.message();
  EXPECT_EQ(table.rows[0].unreadable, "");
  EXPECT_EQ(table.rows[0].project.date, "2024-02-29");
  EXPECT_EQ(table.rows[1].unreadable,
            "日付 「2026-02-30」 は日付ではありません (YYYY-MM-DD、YYYY/MM/DD、YYYY年M月D日 のいずれかの形の暦にある日付にしてください)");
  EXPECT_NE(table.rows[2].unreadable, "");
}

TEST(BatchTableTest, TellsWhyATableIsUnusable) {
  EXPECT_EQ(ReadBatchTable("").status.message(), "表が空です");
  EXPECT_EQ(ReadBatchTable(std::string(kRequired) + "\n").status.message(),
            "見出しの下に立坑の行がありません");
  for (const char* text : {"2,20,10\n3,20,10\n", "立坑名\nNo.1\n"}) {
    EXPECT_EQ(ReadBatchTable(text).status.message().rfind("表の見出し行を使えないため", 0), 0u) << text;
  }
  EXPECT_EQ(ReadBatchTable("地下水位,\"x\n1\n").status.message().rfind("表を読めません: ", 0), 0u);
}

// A summary.csv read back as a table gives the rows it was written from.
TEST(BatchTableTest, ReadsItsOwnSummaryBack) {
  ShaftOutcome outcome;
  outcome.row.number = 7;
  outcome.row.inputs = {"2", "20", "10", "20", "0.01", "2", "0.0001", "10", "100"};
  outcome.row.project.shaft = "No.7, 立坑";
  const BatchTable table = ReadBatchTable(SummaryCsv({outcome}));
  ASSERT_EQ(table.status.message(), "");
  ASSERT_EQ(table.rows.size(), 1u);
  EXPECT_EQ(table.rows[0].inputs, outcome.row.inputs);
  EXPECT_EQ(table.rows[0].project.shaft, "No.7, 立坑");
}

}  // namespace
}  // namespace tavoro
