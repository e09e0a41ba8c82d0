#include "calc/ground_rules.h"

#include <cmath>

#include "calc/number_format.h"

namespace tavoro {
namespace {

constexpr double kMaxRadius = 10000;         // m
constexpr double kMaxConfinedTop = 500;      // m
constexpr double kMinConfinedHead = -100;    // m, above ground
constexpr double kMinUnitWeight = 10;        // kN/m³
constexpr double kMaxUnitWeight = 25;        // kN/m³
constexpr double kMinWaterUnitWeight = 9;    // kN/m³
constexpr double kMaxWaterUnitWeight = 11;   // kN/m³
constexpr double kMinUpliftSafety = 1.0;
constexpr double kMaxUpliftSafety = 3.0;
constexpr double kLayerTolerance = 0.001;    // m, Σt against d

constexpr GroundField kFields[kGroundFieldCount] = {
    {"影響半径の式", "radius-method", "", "M",
     "影響半径の式: sichardt (既定)、kusakin\n(R = 575 S √(H k))、given (--radius の指定値)"},
    {"影響半径", "radius", "m", "R", "影響半径 (m)。given のときだけ: r + B < R <= 10000"},
    {"根拠", "radius-note", "", "TEXT", "根拠。given のときだけ、改行なし 30 文字以内"},
    {"被圧帯水層上面", "confined-top", "m", "Dc", "被圧帯水層上面 GL- (m): 不透水層深度 <= Dc <= 500"},
    {"被圧水頭", "confined-head", "m", "hp",
     "被圧水頭 GL- (m)、地表より上は負: -100 <= hp < Dc\n(この二つを両方指定すると計算書に"
     "「盤ぶくれの検討」\nのページが加わる)"},
    {"土の単位体積重量", "unit-weight", "kN/m³", "G", "土の湿潤単位体積重量 (kN/m3)、10〜25、既定 18"},
    {"土層", "soil-layers", "", "LIST",
     "--unit-weight の代わりに層ごとに \"t1:g1,t2:g2,…\"\n層厚 (m) : 単位体積重量 (kN/m3)、"
     "掘削底から下へ\n12 層まで、層厚の和は Dc − 掘削深度"},
    {"水の単位体積重量", "water-unit-weight", "kN/m³", "G",
     "水の単位体積重量 (kN/m3)、9〜11、既定 9.8"},
    {"盤ぶくれ安全率", "uplift-safety", "", "FS",
     "必要安全率、1.0〜3.0、既定 1.1\n(建築で 1.0、土木で 1.1 がよく使われる)"},
};

// What each field accepts, as the messages say it.
constexpr const char* kAccepted[kGroundFieldCount] = {
    "Sichardt、Kusakin、指定 (sichardt、kusakin、given) のいずれか",
    "円換算半径 r と改良幅 B の和より大きく 10000 以下の半径 (m)",
    "改行を含まない 30 文字以内の文",
    "不透水層深度以上で 500 以下の深さ GL- (m)",
    "-100 以上で被圧帯水層上面より浅い深さ GL- (m)。地表より上は負の値",
    "10 以上 25 以下の値 (kN/m³)",
    "「層厚:単位体積重量」をコンマで区切った 12 層以内の並び (例 3:18,5:19)。層厚 (m) の和は"
    "掘削底から被圧帯水層上面までの厚さ d、単位体積重量は 10 以上 25 以下 (kN/m³)",
    "9 以上 11 以下の値 (kN/m³)。ふつうは 9.8 か 10.0",
    "1.0 以上 3.0 以下の値。建築で 1.0、土木で 1.1 がよく使われる",
};

constexpr std::string_view kNoUnits[] = {""};
constexpr std::string_view kLengthUnits[] = {"m"};
constexpr std::string_view kWeightUnits[] = {"kN/m³", "kN/m3", "kN/m^3"};

std::span<const std::string_view> UnitsOf(int field) {
  const std::string_view unit = GroundFieldOf(field).unit;
  if (unit == "m") return kLengthUnits;
  if (unit.empty()) return kNoUnits;
  return kWeightUnits;
}

std::string Caption(int field) {
  return std::string("「") + GroundFieldOf(field).caption + "」";
}

std::string Accepted(int field) {
  return kAccepted[field - kFirstGroundField];
}

bool IsBlank(std::string_view text) {
  return HalfWidthText(text).find_first_not_of(" \t\r\n") == std::string::npos;
}

std::string Trimmed(std::string_view text) {
  const std::string half = HalfWidthText(text);
  const std::size_t first = half.find_first_not_of(" \t\r\n");
  if (first == std::string::npos) return "";
  return half.substr(first, half.find_last_not_of(" \t\r\n") - first + 1);
}

// Characters of valid UTF-8 without control characters; empty otherwise.
std::optional<std::size_t> OneLineCharacters(std::string_view text) {
  std::size_t count = 0;
  for (std::size_t i = 0; i < text.size(); ++count) {
    const auto lead = static_cast<unsigned char>(text[i]);
    const std::size_t length = lead < 0x80 ? 1 : lead >= 0xF0 && lead < 0xF5 ? 4
                             : lead >= 0xE0 ? 3 : lead >= 0xC2 ? 2 : 0;
    if (length == 0 || i + length > text.size()) return std::nullopt;
    for (std::size_t k = 1; k < length; ++k) {
      if ((static_cast<unsigned char>(text[i + k]) & 0xC0) != 0x80) return std::nullopt;
    }
    if (lead < 0x20 || lead == 0x7F) return std::nullopt;
    i += length;
  }
  return count;
}

class GroundCheck {
 public:
  explicit GroundCheck(const GroundTexts& texts) : texts_(texts) {}

  GroundReading Run() {
    GroundReading out;
    out.rejection = Read(out.conditions);
    return out;
  }

 private:
  const std::string& Text(int field) const { return GroundText(texts_, field); }
  bool Present(int field) const { return !IsBlank(Text(field)); }

  InputRejection Reject(int field, const std::string& why) const {
    return {field, Caption(field) + "の" + QuoteText(Text(field)) + why + Accepted(field) +
                       "を入力してください。"};
  }
  InputRejection Missing(int field, const std::string& why = "") const {
    return {field, Caption(field) + "が空欄です。" + why + Accepted(field) + "を入力してください。"};
  }
  InputRejection NotWith(int field, const std::string& condition) const {
    return {field, Caption(field) + "は" + condition + "ときだけ入力できます。空欄にするか、" +
                       condition + "ようにしてください。"};
  }

  // The number of field, within [low, high]; *value stays untouched when
  // the field is empty.
  std::optional<InputRejection> Number(int field, double low, double high, double* value) const {
    const NumberText read = ReadNumberText(Text(field), UnitsOf(field));
    switch (read.reading) {
      case TextReading::kEmpty:
        return std::nullopt;
      case TextReading::kUnreadable:
        return Reject(field, "は数値として読めません。");
      case TextReading::kTooLarge:
        return Reject(field, "は大きすぎて扱えません。");
      case TextReading::kValue:
        break;
    }
    if (!(read.value >= low && read.value <= high)) return Reject(field, "は受け付けられません。");
    *value = read.value;
    return std::nullopt;
  }

  std::optional<InputRejection> Read(GroundConditions& ground) const {
    const std::optional<RadiusMethod> method = ReadRadiusMethod(Text(kRadiusMethodField));
    if (!method) return Reject(kRadiusMethodField, "は影響半径の式として読めません。");
    ground.radiusMethod = *method;
    const bool given = *method == RadiusMethod::kGiven;
    const std::string givenOnly = "影響半径の式が「指定」の";
    if (given && !Present(kRadiusField)) return Missing(kRadiusField, "影響半径の式が「指定」です。");
    if (!given && Present(kRadiusField)) return NotWith(kRadiusField, givenOnly);
    if (!given && Present(kRadiusNoteField)) return NotWith(kRadiusNoteField, givenOnly);
    if (auto bad = Number(kRadiusField, std::nextafter(0.0, 1.0), kMaxRadius, &ground.givenRadius)) {
      return bad;
    }
    if (given) {
      const std::string note = Trimmed(Text(kRadiusNoteField));
      const auto characters = OneLineCharacters(Text(kRadiusNoteField));
      if (!characters || *characters > kMaxRadiusNoteCharacters) {
        return Reject(kRadiusNoteField, "は受け付けられません。");
      }
      ground.radiusNote = note;
    }
    return ReadUplift(ground);
  }

  std::optional<InputRejection> ReadUplift(GroundConditions& ground) const {
    const bool top = Present(kConfinedTopField);
    const bool head = Present(kConfinedHeadField);
    const std::string both = "被圧帯水層上面と被圧水頭は両方入力するか両方空欄にします。";
    if (top && !head) return Missing(kConfinedHeadField, both);
    if (head && !top) return Missing(kConfinedTopField, both);
    if (!top) {
      for (const int field : {kUnitWeightField, kSoilLayersField, kWaterUnitWeightField,
                              kUpliftSafetyField}) {
        if (Present(field)) return NotWith(field, "被圧帯水層上面と被圧水頭を入力した");
      }
      return std::nullopt;
    }
    UpliftInputs uplift;
    if (auto bad = Number(kConfinedTopField, 0, kMaxConfinedTop, &uplift.confinedTop)) return bad;
    if (auto bad = Number(kConfinedHeadField, kMinConfinedHead, kMaxConfinedTop,
                          &uplift.confinedHead)) {
      return bad;
    }
    if (auto bad = Number(kUnitWeightField, kMinUnitWeight, kMaxUnitWeight, &uplift.unitWeight)) {
      return bad;
    }
    if (Present(kSoilLayersField)) {
      if (Present(kUnitWeightField)) {
        return InputRejection{kSoilLayersField, Caption(kSoilLayersField) + "は" +
                                                    Caption(kUnitWeightField) +
                                                    "と一緒には使えません。どちらか一方を空欄に"
                                                    "してください。"};
      }
      const auto layers = ReadSoilLayers(Text(kSoilLayersField));
      if (!layers) return Reject(kSoilLayersField, "は土層の並びとして読めません。");
      for (const SoilLayer& layer : *layers) {
        if (!(layer.thickness <= kMaxConfinedTop && layer.unitWeight >= kMinUnitWeight &&
              layer.unitWeight <= kMaxUnitWeight)) {
          return Reject(kSoilLayersField, "は受け付けられません。");
        }
      }
      uplift.layers = *layers;
    }
    if (auto bad = Number(kWaterUnitWeightField, kMinWaterUnitWeight, kMaxWaterUnitWeight,
                          &uplift.waterUnitWeight)) {
      return bad;
    }
    if (auto bad = Number(kUpliftSafetyField, kMinUpliftSafety, kMaxUpliftSafety,
                          &uplift.requiredSafety)) {
      return bad;
    }
    ground.uplift = uplift;
    return std::nullopt;
  }

  const GroundTexts& texts_;
};

std::string Metres(double value) {
  return FormatNumber(value, NumberPattern::kThreeDecimals) + " m";
}

}  // namespace

const GroundField& GroundFieldOf(int field) {
  static constexpr GroundField kNone = {"", "", ""};
  if (field < kFirstGroundField || field >= kFirstGroundField + kGroundFieldCount) return kNone;
  return kFields[field - kFirstGroundField];
}

std::optional<RadiusMethod> ReadRadiusMethod(std::string_view text) {
  std::string key = Trimmed(text);
  for (char& c : key) c = static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
  if (key.empty() || key == "sichardt") return RadiusMethod::kSichardt;
  if (key == "kusakin") return RadiusMethod::kKusakin;
  if (key == "given" || key == "指定") return RadiusMethod::kGiven;
  return std::nullopt;
}

std::optional<std::vector<SoilLayer>> ReadSoilLayers(std::string_view text) {
  const std::string half = HalfWidthText(text);
  std::vector<SoilLayer> layers;
  std::size_t start = 0;
  while (start <= half.size()) {
    if (layers.size() == static_cast<std::size_t>(kMaxSoilLayers)) return std::nullopt;
    std::size_t end = half.find(',', start);
    if (end == std::string::npos) end = half.size();
    const std::string_view item = std::string_view(half).substr(start, end - start);
    const std::size_t colon = item.find(':');
    if (colon == std::string_view::npos) return std::nullopt;
    const NumberText thickness = ReadNumberText(item.substr(0, colon), kLengthUnits);
    const NumberText weight = ReadNumberText(item.substr(colon + 1), kWeightUnits);
    if (thickness.reading != TextReading::kValue || weight.reading != TextReading::kValue ||
        !(thickness.value > 0) || !(weight.value > 0)) {
      return std::nullopt;
    }
    layers.push_back({thickness.value, weight.value});
    start = end + 1;
  }
  return layers;
}

GroundReading ReadGround(const GroundTexts& texts) {
  return GroundCheck(texts).Run();
}

std::optional<InputRejection> CheckGroundRelations(const CalculationCase& calc,
                                                   const GroundTexts& texts) {
  const GroundReading read = ReadGround(texts);
  const GroundConditions& ground = read.conditions;
  const auto reject = [&](int field, const std::string& why) {
    return InputRejection{field, Caption(field) + "の" + QuoteText(GroundText(texts, field)) + why +
                                     Accepted(field) + "を入力してください。"};
  };
  if (ground.radiusMethod == RadiusMethod::kGiven) {
    const double edge = calc.r + (calc.B > 0 ? calc.B : 0);
    if (!(ground.givenRadius > edge)) {
      return reject(kRadiusField, std::string("は") + (calc.B > 0 ? "r + B (" : "円換算半径 r (") +
                                      Metres(edge) + ") 以下で、湧水量を計算できません。");
    }
  }
  if (!ground.uplift) return std::nullopt;
  const UpliftInputs& uplift = *ground.uplift;
  if (!(uplift.confinedTop >= calc.ImperviousDepth)) {
    return reject(kConfinedTopField, "は不透水層深度 (" + Metres(calc.ImperviousDepth) +
                                         ") より浅く、被圧帯水層が不透水層の上になります。");
  }
  if (!(uplift.confinedHead < uplift.confinedTop)) {
    return reject(kConfinedHeadField, "は被圧帯水層上面 (" + Metres(uplift.confinedTop) +
                                          ") より浅くなく、被圧水頭になりません。");
  }
  if (!uplift.layers.empty()) {
    const double d = uplift.confinedTop - calc.ExcavationDepth;
    double sum = 0;
    for (const SoilLayer& layer : uplift.layers) sum += layer.thickness;
    if (!(std::abs(sum - d) <= kLayerTolerance + 1e-9)) {
      return reject(kSoilLayersField, "では層厚の和 (" + Metres(sum) + ") が掘削底から被圧帯水層"
                                      "上面までの厚さ d (" + Metres(d) + ") と合いません。");
    }
  }
  return std::nullopt;
}

}  // namespace tavoro
