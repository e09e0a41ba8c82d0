#include "study/study_input.h"

#include "calc/input_rules.h"
#include "calc/text_cut.h"
#include "calc/trim_blanks.h"
#include "study/study_text.h"

namespace tavoro {
namespace {

// The text in 「」, cut after 40 characters.
std::string Quoted(std::string_view text) {
  return "「" + FirstCharacters(TrimBlanks(text)) + "」";
}

}  // namespace

StudyValueRead ReadStudyTarget(StudyTargetKind kind, std::string_view text) {
  const bool inflow = kind == StudyTargetKind::kInflow;
  const std::string what = "目標の" + StudyTargetLabel(kind);
  const std::string accepted =
      inflow ? "0 より大きい値（m³/min）を、数値だけか単位 m3/min を付けて"
             : "0 より大きい値（m）を、数値だけか単位 m を付けて";
  const std::optional<double> value =
      inflow ? ReadQuantityText(text, {"m3/min", "m³/min"}) : ReadQuantityText(text, {"m"});
  if (!value) {
    if (TrimBlanks(text).empty()) return {std::nullopt, what + "が空欄です。" + accepted + "入力してください"};
    return {std::nullopt,
            what + "の" + Quoted(text) + "は数値として読めません。" + accepted + "入力してください"};
  }
  if (!(*value > 0)) {
    return {std::nullopt, what + "の" + Quoted(text) + "は使えません。" + accepted + "入力してください"};
  }
  return {value, ""};
}

StudyValueRead ReadStudyWidthMax(std::string_view text) {
  const std::string accepted = "0 より大きく " + ShortNumberText(kMaxStudyWidth) + " 以下の値（m）";
  const std::optional<double> value = ReadFieldText(kWidthField, text);
  if (!value) {
    if (TrimBlanks(text).empty()) return {std::nullopt, "改良幅の上限が空欄です。" + accepted + "を入力してください"};
    return {std::nullopt, "改良幅の上限の" + Quoted(text) + "は数値として読めません。" + accepted +
                              "を入力してください"};
  }
  if (!(*value > 0 && *value <= kMaxStudyWidth)) {
    return {std::nullopt,
            "改良幅の上限の" + Quoted(text) + "は使えません。" + accepted + "を入力してください"};
  }
  return {value, ""};
}

KgListRead ReadKgList(std::string_view text, double knCmPerSec) {
  const std::string accepted = "1e-9 以上で改良前の透水係数 kn（" +
                               ShortNumberText(knCmPerSec) +
                               " cm/sec）以下の値を、1e-4,1e-5 のようにコンマで区切って入力してください";
  const auto fail = [](std::string message) { return KgListRead{std::nullopt, std::move(message)}; };
  std::vector<double> list;
  // Bounded by the text: one entry per comma, and no more than the study takes.
  while (true) {
    const std::size_t comma = text.find(',');
    const std::string_view item = text.substr(0, comma);
    const std::string place = "改良後の透水係数の一覧の " + std::to_string(list.size() + 1) + " 番目";
    const std::optional<double> value = ReadFieldText(kKgField, item);
    if (!value) {
      if (TrimBlanks(item).empty()) return fail(place + "が空欄です。" + accepted);
      return fail(place + "の" + Quoted(item) + "は数値として読めません。" + accepted);
    }
    if (!(*value >= kMinPermeability && *value <= knCmPerSec)) {
      return fail(place + "の" + Quoted(item) + "は使えません。" + accepted);
    }
    list.push_back(*value);
    if (list.size() > kMaxStudyPermeabilities) {
      return fail("改良後の透水係数の一覧は 6 個までです");
    }
    if (comma == std::string_view::npos) break;
    text.remove_prefix(comma + 1);
  }
  return {std::move(list), ""};
}

std::string KgListText(const std::vector<double>& list) {
  std::string text;
  for (const double kg : list) {
    if (!text.empty()) text += ",";
    text += ShortNumberText(kg);
  }
  return text;
}

}  // namespace tavoro
