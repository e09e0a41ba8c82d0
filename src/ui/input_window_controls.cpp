#include "ui/input_window_controls.h"

namespace tavoro {
namespace {

constexpr ControlKind kB = ControlKind::kButton;
constexpr ControlKind kT = ControlKind::kTextBox;
constexpr ControlKind kL = ControlKind::kLabel;
constexpr ControlKind kF = ControlKind::kFrame;

}  // namespace

// clang-format off
const std::array<ControlSpec, kInputControlCount> kInputControls = {{
    {kB, "reportButton", 0, "計算書", 3600, 3720, 1215, 495, 0, false},
    {kT, "field_0", 0, "", 2160, 240, 900, 300, 1, false},
    {kL, "label_0", 0, "地下水位", 240, 315, 720, 180, 2, false},
    {kL, "label_1", 1, "不透水層深度", 240, 675, 1080, 180, 3, false},
    {kL, "label_2", 2, "掘削深度", 240, 1035, 720, 180, 4, false},
    {kL, "label_3", 3, "立坑周長", 240, 1395, 720, 180, 5, false},
    {kL, "label_4", 4, "透水係数", 240, 1755, 720, 180, 6, false},
    {kL, "label_5", 5, "GL-", 1560, 315, 300, 180, 7, false},
    {kL, "label_6", 6, "Hf", 1560, 675, 180, 180, 8, false},
    {kL, "label_7", 7, "Ht", 1560, 1035, 180, 180, 9, false},
    {kL, "label_8", 8, "L", 1560, 1395, 90, 180, 10, false},
    {kL, "label_9", 9, "kn", 1560, 1755, 180, 180, 11, false},
    {kT, "field_1", 1, "", 2160, 585, 900, 300, 12, false},
    {kT, "field_2", 2, "", 2160, 930, 900, 300, 13, false},
    {kT, "field_3", 3, "", 2160, 1290, 900, 300, 14, false},
    {kT, "field_4", 4, "", 2160, 1635, 900, 300, 15, false},
    {kL, "label_10", 10, "m", 3240, 315, 135, 180, 16, false},
    {kL, "label_11", 11, "m", 3240, 675, 135, 180, 17, false},
    {kL, "label_12", 12, "m", 3240, 1035, 135, 180, 18, false},
    {kL, "label_13", 13, "m", 3240, 1395, 135, 180, 19, false},
    {kL, "label_14", 14, "cm/sec", 3240, 1755, 585, 180, 20, false},
    {kF, "improvementFrame", -1, "地盤改良", 240, 2160, 4455, 1215, 21, false},
    {kT, "field_5", 5, "", 1920, 300, 900, 300, 22, true},
    {kL, "label_15", 15, "改良幅", 480, 360, 540, 180, 23, true},
    {kL, "label_16", 16, "B", 1560, 360, 120, 180, 24, true},
    {kL, "label_17", 17, "m", 3000, 360, 135, 180, 25, true},
    {kT, "field_6", 6, "", 2520, 720, 900, 300, 26, true},
    {kL, "label_18", 18, "改良後の透水係数", 480, 780, 1440, 180, 27, true},
    {kL, "label_19", 19, "kg", 2160, 780, 180, 180, 28, true},
    {kL, "label_20", 20, "cm/sec", 3600, 780, 585, 180, 29, true},
    {kL, "label_21", 21, "着目点", 240, 3600, 540, 180, 30, false},
    {kL, "label_22", 22, "x", 1560, 3600, 90, 180, 31, false},
    {kT, "field_7", 7, "", 2160, 3550, 900, 300, 32, false},
    {kL, "label_23", 23, "m", 3240, 3600, 135, 180, 33, false},
    {kL, "label_24", 24, "(立坑中心から着目点までの距離)", 840, 3960, 2580, 180, 34, false},
    {kL, "label_25", 25, "計算範囲", 240, 4485, 720, 180, 35, false},
    {kT, "field_8", 8, "", 1200, 4440, 900, 300, 36, false},
    {kL, "label_26", 26, "m", 2160, 4560, 135, 180, 37, false},
    {kB, "chartButton", 1, "水位降下曲線", 3600, 4320, 1215, 495, 38, false},
}};
// clang-format on

}  // namespace tavoro
