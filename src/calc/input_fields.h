#pragma once

#include <array>
#include <string>
#include <string_view>

#include "calc/calculation_case.h"
#include "calc/project_info.h"

namespace tavoro {

enum class FieldUnit { kMetre, kCentimetrePerSecond };

// "m" or "cm/sec", as the form labels the unit.
constexpr std::string_view UnitText(FieldUnit unit) {
  return unit == FieldUnit::kMetre ? "m" : "cm/sec";
}

// One input field of the form. The form, the input rules, the command line,
// case files, batch tables and summaries all read the fields from here, in
// this order.
struct InputField {
  std::string_view caption;   // the form's label: "地下水位"
  std::string_view symbol;    // "GL-"; "" for a field without one
  FieldUnit unit;             // as typed; the case keeps cm/sec as m/s
  std::string_view key;       // option (without dashes), case-file key: "groundwater"
  std::string_view accepted;  // what a refusal says is accepted
  double CalculationCase::*value;
};

// clang-format off
inline constexpr std::array kInputFields = {
    InputField{"地下水位", "GL-", FieldUnit::kMetre, "groundwater",
               "0 以上 500 以下の深さ (m)", &CalculationCase::GroundwaterDepth},
    InputField{"不透水層深度", "Hf", FieldUnit::kMetre, "impervious",
               "掘削深度以上で 500 以下の深さ (m)", &CalculationCase::ImperviousDepth},
    InputField{"掘削深度", "Ht", FieldUnit::kMetre, "excavation",
               "地下水位より深く 500 以下の深さ (m)", &CalculationCase::ExcavationDepth},
    InputField{"立坑周長", "L", FieldUnit::kMetre, "perimeter",
               "0.1 以上 500 以下の長さ (m)", &CalculationCase::L},
    InputField{"透水係数", "kn", FieldUnit::kCentimetrePerSecond, "kn",
               "1e-9 以上 10 以下の値 (cm/sec)", &CalculationCase::kn},
    InputField{"改良幅", "B", FieldUnit::kMetre, "width",
               "0 以上 50 以下の幅 (m)。改良しないときは空欄か 0", &CalculationCase::B},
    InputField{"改良後の透水係数", "kg", FieldUnit::kCentimetrePerSecond, "kg",
               "1e-9 以上で透水係数以下の値 (cm/sec)", &CalculationCase::kg},
    InputField{"着目点", "x", FieldUnit::kMetre, "point",
               "0 以上で計算範囲以下の距離 (m)", &CalculationCase::PointDistance},
    InputField{"計算範囲", "", FieldUnit::kMetre, "range",
               "円換算半径 r と改良幅 B の和より大きく 10000 以下の距離 (m)",
               &CalculationCase::CalcRange},
};
// clang-format on

inline constexpr int kInputFieldCount = static_cast<int>(kInputFields.size());

// Form fields by index, in form order.
inline constexpr int kGroundwaterField = 0;
inline constexpr int kImperviousField = 1;
inline constexpr int kExcavationField = 2;
inline constexpr int kPerimeterField = 3;
inline constexpr int kKnField = 4;
inline constexpr int kWidthField = 5;
inline constexpr int kKgField = 6;
inline constexpr int kPointField = 7;
inline constexpr int kRangeField = 8;

constexpr const InputField& Field(int field) {
  return kInputFields[static_cast<std::size_t>(field)];
}

// The field's value in the form's unit (cm/sec for kn and kg).
double FormUnitValue(const CalculationCase& calc, int field);

// "地下水位 GL- (m)", "計算範囲 (m)": caption, symbol and unit, as summaries
// head a column and a batch table header accepts it again.
std::string FieldHeading(int field);

// One text that names a piece of work. Case files, the command line, batch
// tables, the project dialog and the page header read them from here.
struct ProjectText {
  std::string_view caption;  // "工事名"
  std::string_view key;      // case-file key and batch header: "name"
  std::string_view option;   // command-line option without dashes: "project-name"
  char accessKey;            // the dialog's mnemonic
  std::string ProjectInfo::*text;
};

inline constexpr std::array kProjectTexts = {
    ProjectText{"工事名", "name", "project-name", 'N', &ProjectInfo::name},
    ProjectText{"立坑名", "shaft", "shaft-name", 'S', &ProjectInfo::shaft},
    ProjectText{"作成者", "author", "author", 'A', &ProjectInfo::author},
    ProjectText{"照査者", "checker", "checker", 'C', &ProjectInfo::checker},
    ProjectText{"日付", "date", "date", 'D', &ProjectInfo::date},
    ProjectText{"メモ", "notes", "notes", 'M', &ProjectInfo::notes},
};

}  // namespace tavoro
