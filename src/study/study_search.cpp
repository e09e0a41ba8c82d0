#include "study/study_search.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <string>

#include "study/study.h"

namespace tavoro {
namespace {

constexpr double kMillimetresPerMetre = 1000.0;
constexpr int kLowestExponent = -100;
// Rounding guards: how far a first estimate may sit from its true rung or
// millimetre.
constexpr int kMaxNudges = 4;

}  // namespace

double MillimetresToMetres(std::int64_t millimetres) {
  return static_cast<double>(millimetres) / kMillimetresPerMetre;
}

std::int64_t WidestInside(double r, double limit) {
  const double room = std::min(limit - r, kMaxStudyWidth * 2);
  if (!(room > 0)) return -1;
  std::int64_t fits = static_cast<std::int64_t>(std::ceil(room * kMillimetresPerMetre)) - 1;
  for (int i = 0; i < kMaxNudges && fits > 0 && !(r + MillimetresToMetres(fits) < limit); ++i) {
    --fits;
  }
  for (int i = 0; i < kMaxNudges && r + MillimetresToMetres(fits + 1) < limit; ++i) ++fits;
  return std::max<std::int64_t>(fits, 0);
}

std::int64_t WidthEndMillimetres(double widthMax, double r, double R1, double calcRange,
                                 WidthBound& bound) {
  bound = WidthBound::kAsked;
  if (!(widthMax > 0) || !std::isfinite(widthMax)) return 0;
  std::int64_t end =
      static_cast<std::int64_t>(std::floor(std::min(widthMax, kMaxStudyWidth) * 1000 + 1e-6));
  const std::int64_t r1 = WidestInside(r, R1);
  if (r1 < end) {
    end = r1;
    bound = WidthBound::kR1;
  }
  const std::int64_t range = WidestInside(r, calcRange);
  if (range < end) {
    end = range;
    bound = WidthBound::kRange;
  }
  return std::max<std::int64_t>(end, 0);
}

double RangeBeyond(double r, double width) {
  const double edge = r + width;
  auto mm = static_cast<std::int64_t>(std::floor(edge * kMillimetresPerMetre)) + 1;
  for (int i = 0; i < kMaxNudges && !(MillimetresToMetres(mm) > edge); ++i) ++mm;
  for (int i = 0; i < kMaxNudges && MillimetresToMetres(mm - 1) > edge; ++i) --mm;
  return MillimetresToMetres(mm);
}

std::vector<std::int64_t> WidthGrid(std::int64_t endMm) {
  std::vector<std::int64_t> grid;
  if (endMm <= 0) {
    grid.push_back(0);
    return grid;
  }
  const std::int64_t steps = std::min<std::int64_t>(endMm, kStudySteps);
  grid.reserve(static_cast<std::size_t>(steps) + 1);
  for (std::int64_t i = 0; i <= steps; ++i) grid.push_back(i * endMm / steps);
  return grid;
}

std::optional<std::int64_t> NarrowestMeetingWidth(const std::vector<std::int64_t>& grid,
                                                  const std::vector<bool>& meetsOnGrid,
                                                  const MeetsAt& meetsAt) {
  const std::size_t count = std::min(grid.size(), meetsOnGrid.size());
  for (std::size_t i = 0; i < count; ++i) {
    if (!meetsOnGrid[i]) continue;
    if (i == 0) return grid[0];
    std::int64_t lo = grid[i - 1];  // does not meet
    std::int64_t hi = grid[i];      // meets
    while (hi - lo > 1) {
      const std::int64_t mid = lo + (hi - lo) / 2;
      (meetsAt(mid) ? hi : lo) = mid;
    }
    return hi;
  }
  return std::nullopt;
}

double LadderValue(std::int64_t rung) {
  const std::int64_t exponent = rung / kRungsPerDecade + kLowestExponent;
  const std::int64_t mantissa = rung % kRungsPerDecade + 100;
  // Read back from its text, so the value is the one the form reads.
  const std::string text = std::to_string(mantissa) + "e" + std::to_string(exponent - 2);
  double value = 0;
  std::from_chars(text.data(), text.data() + text.size(), value);
  return value;
}

std::int64_t LadderRungAtMost(double value) {
  int exponent = static_cast<int>(std::floor(std::log10(value)));
  exponent = std::clamp(exponent, kLowestExponent, 300);
  const double scaled = value / std::pow(10.0, exponent - 2);
  const std::int64_t mantissa =
      std::clamp<std::int64_t>(static_cast<std::int64_t>(scaled), 100, 999);
  std::int64_t rung = (exponent - kLowestExponent) * kRungsPerDecade + (mantissa - 100);
  for (int i = 0; i < kMaxNudges && rung > 0 && LadderValue(rung) > value; ++i) --rung;
  for (int i = 0; i < kMaxNudges && LadderValue(rung + 1) <= value; ++i) ++rung;
  return rung;
}

std::optional<std::int64_t> LoosestMeetingRung(std::int64_t top, std::int64_t bottom,
                                               const MeetsAt& meetsAt) {
  if (bottom > top) return std::nullopt;
  if (meetsAt(top)) return top;
  std::int64_t looser = top;  // does not meet
  // One sample a decade, the last on bottom itself.
  while (looser > bottom) {
    const std::int64_t rung = std::max(looser - kRungsPerDecade, bottom);
    if (!meetsAt(rung)) {
      looser = rung;
      continue;
    }
    std::int64_t lo = rung;  // meets
    std::int64_t hi = looser;
    while (hi - lo > 1) {
      const std::int64_t mid = lo + (hi - lo) / 2;
      (meetsAt(mid) ? lo : hi) = mid;
    }
    return lo;
  }
  return std::nullopt;
}

}  // namespace tavoro
