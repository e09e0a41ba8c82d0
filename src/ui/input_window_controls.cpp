#include "ui/input_window_controls.h"

#include "calc/input_fields.h"

namespace tavoro {
namespace {

constexpr ControlKind kB = ControlKind::kButton;
constexpr ControlKind kT = ControlKind::kTextBox;
constexpr ControlKind kL = ControlKind::kLabel;
constexpr ControlKind kF = ControlKind::kFrame;

// The caption, symbol and unit of an input field, as its labels show them.
constexpr const char* C(int field) { return Field(field).caption.data(); }
constexpr const char* S(int field) { return Field(field).symbol.data(); }
constexpr const char* U(int field) { return UnitText(Field(field).unit).data(); }

}  // namespace

// clang-format off
const std::array<ControlSpec, kInputControlCount> kInputControls = {{
    {kB, "reportButton", 0, "計算書", 3600, 3720, 1215, 495, 0, false},
    {kT, "field_0", 0, "", 2160, 240, 900, 300, 1, false},
    {kL, "label_0", 0, C(0), 240, 315, 720, 180, 2, false},
    {kL, "label_1", 1, C(1), 240, 675, 1080, 180, 3, false},
    {kL, "label_2", 2, C(2), 240, 1035, 720, 180, 4, false},
    {kL, "label_3", 3, C(3), 240, 1395, 720, 180, 5, false},
    {kL, "label_4", 4, C(4), 240, 1755, 720, 180, 6, false},
    {kL, "label_5", 5, S(0), 1560, 315, 300, 180, 7, false},
    {kL, "label_6", 6, S(1), 1560, 675, 180, 180, 8, false},
    {kL, "label_7", 7, S(2), 1560, 1035, 180, 180, 9, false},
    {kL, "label_8", 8, S(3), 1560, 1395, 90, 180, 10, false},
    {kL, "label_9", 9, S(4), 1560, 1755, 180, 180, 11, false},
    {kT, "field_1", 1, "", 2160, 585, 900, 300, 12, false},
    {kT, "field_2", 2, "", 2160, 930, 900, 300, 13, false},
    {kT, "field_3", 3, "", 2160, 1290, 900, 300, 14, false},
    {kT, "field_4", 4, "", 2160, 1635, 900, 300, 15, false},
    {kL, "label_10", 10, U(0), 3240, 315, 135, 180, 16, false},
    {kL, "label_11", 11, U(1), 3240, 675, 135, 180, 17, false},
    {kL, "label_12", 12, U(2), 3240, 1035, 135, 180, 18, false},
    {kL, "label_13", 13, U(3), 3240, 1395, 135, 180, 19, false},
    {kL, "label_14", 14, U(4), 3240, 1755, 585, 180, 20, false},
    {kF, "improvementFrame", -1, "地盤改良", 240, 2160, 4455, 1215, 21, false},
    {kT, "field_5", 5, "", 1920, 300, 900, 300, 22, true},
    {kL, "label_15", 15, C(5), 480, 360, 540, 180, 23, true},
    {kL, "label_16", 16, S(5), 1560, 360, 120, 180, 24, true},
    {kL, "label_17", 17, U(5), 3000, 360, 135, 180, 25, true},
    {kT, "field_6", 6, "", 2520, 720, 900, 300, 26, true},
    {kL, "label_18", 18, C(6), 480, 780, 1440, 180, 27, true},
    {kL, "label_19", 19, S(6), 2160, 780, 180, 180, 28, true},
    {kL, "label_20", 20, U(6), 3600, 780, 585, 180, 29, true},
    {kL, "label_21", 21, C(7), 240, 3600, 540, 180, 30, false},
    {kL, "label_22", 22, S(7), 1560, 3600, 90, 180, 31, false},
    {kT, "field_7", 7, "", 2160, 3550, 900, 300, 32, false},
    {kL, "label_23", 23, U(7), 3240, 3600, 135, 180, 33, false},
    {kL, "label_24", 24, "(立坑中心から着目点までの距離)", 840, 3960, 2580, 180, 34, false},
    {kL, "label_25", 25, C(8), 240, 4485, 720, 180, 35, false},
    {kT, "field_8", 8, "", 1200, 4440, 900, 300, 36, false},
    {kL, "label_26", 26, U(8), 2160, 4560, 135, 180, 37, false},
    {kB, "chartButton", 1, "水位降下曲線", 3600, 4320, 1215, 495, 38, false},
}};
// clang-format on

}  // namespace tavoro
