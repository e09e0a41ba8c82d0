// The Qt side of a batch: table encodings.
#include <gtest/gtest.h>

#include "batch/qt/table_decoding.h"

namespace tavoro {
namespace {

// "立坑名,地下水位\r\nNo.1 ①,2\r\n" as Excel in Japan saves it (CP932).
const std::string kCp932Table =
    "\x97\xA7\x8D\x42\x96\xBC,\x92\x6E\x89\xBA\x90\x85\x88\xCA\r\nNo.1 \x87\x40,2\r\n";
const std::string kUtf8Table = "立坑名,地下水位\r\nNo.1 ①,2\r\n";

TEST(TableDecodingTest, FindsUtf8WithOrWithoutBomAndCp932) {
  for (const std::string& bytes : {kUtf8Table, "\xEF\xBB\xBF" + kUtf8Table, kCp932Table}) {
    const DecodedTable table = DecodeTable(bytes, TableEncoding::kAuto);
    EXPECT_EQ(table.status.message(), "");
    EXPECT_EQ(table.utf8, kUtf8Table);
  }
  EXPECT_EQ(DecodeTable(kCp932Table, TableEncoding::kCp932).utf8, kUtf8Table);
  EXPECT_EQ(DecodeTable("a,b\n", TableEncoding::kCp932).utf8, "a,b\n");
}

// Every line is read in the table's one encoding; the message names the line.
TEST(TableDecodingTest, RefusesBytesThatAreNotTheEncodingAskedFor) {
  struct Row {
    std::string bytes;
    TableEncoding encoding;
    std::string error;
  };
  const Row rows[] = {
      {kCp932Table, TableEncoding::kUtf8, "表の 1 行目が UTF-8 として正しくありません"},
      {"\xEF\xBB\xBF" + kCp932Table, TableEncoding::kAuto,
       "表の 1 行目が UTF-8 として正しくありません"},
      // 0x85 0x40 lies in an unassigned CP932 row.
      {"a\nb,\x85\x40\n", TableEncoding::kAuto,
       "表の 2 行目が UTF-8 としても CP932 (Shift_JIS) としても正しくありません"},
      // A lead byte cut off at the end.
      {kCp932Table + "\x81", TableEncoding::kCp932,
       "表の 3 行目が CP932 (Shift_JIS) として正しくありません"},
      {kUtf8Table + "No.2 \x87\x40,3\r\n", TableEncoding::kAuto,
       "表に UTF-8 の行 (1 行目) と CP932 (Shift_JIS) の行 (3 行目) が混じっています。"
       "表を 1 つの文字コードで保存し直してください"},
  };
  for (const Row& row : rows) EXPECT_EQ(DecodeTable(row.bytes, row.encoding).status.message(), row.error);
  EXPECT_EQ(EncodingNamed("UTF-8"), TableEncoding::kUtf8);
  EXPECT_EQ(EncodingNamed("Shift_JIS"), TableEncoding::kCp932);
  EXPECT_EQ(EncodingNamed("cp932"), TableEncoding::kCp932);
  EXPECT_EQ(EncodingNamed("euc-jp"), std::nullopt);
}

}  // namespace
}  // namespace tavoro
