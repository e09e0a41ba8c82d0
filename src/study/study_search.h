#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

#include "study/study.h"

namespace tavoro {

// Widths are searched in whole millimetres, so that every width the study
// names is the one its text ("2.345") reads back as.
double MillimetresToMetres(std::int64_t millimetres);

// The widest whole millimetre B whose ring edge r + B stays short of limit,
// as the input rules compare it; -1 when not even B = 0 does.
std::int64_t WidestInside(double r, double limit);

// The last width of the study in whole millimetres, the first bound reached:
// widthMax rounded down to the millimetre (at most the form's widest ring),
// the edge r + B short of R1, or short of the calculation range. bound tells
// which; on a tie the one asked, then R1. 0 when no ring fits.
std::int64_t WidthEndMillimetres(double widthMax, double r, double R1, double calcRange,
                                 WidthBound& bound);

// The smallest calculation range in whole millimetres (as metres) beyond the
// ring's edge r + width, the rules' "計算範囲 > r + B".
double RangeBeyond(double r, double width);

// The sampled widths from 0 to endMm: kStudySteps equal steps rounded down
// to the millimetre, or every millimetre when the range is narrower.
std::vector<std::int64_t> WidthGrid(std::int64_t endMm);

// A question asked of one width (mm) or one ladder rung: does it meet the
// target?
using MeetsAt = std::function<bool(std::int64_t)>;

// The narrowest width (mm) meeting the target: the first grid width whose
// sampled value meets brackets it with the width before, and bisection to
// the millimetre finds the width that meets where one millimetre less does
// not. meetsOnGrid holds the answers for grid; meetsAt is asked only inside
// brackets. None when no grid width meets.
std::optional<std::int64_t> NarrowestMeetingWidth(const std::vector<std::int64_t>& grid,
                                                  const std::vector<bool>& meetsOnGrid,
                                                  const MeetsAt& meetsAt);

// Permeabilities to three significant digits, as rungs of a ladder: rung n
// stands for m × 10^(e − 2) with m from 100 to 999, each rung the next
// larger value. Decades from 1e-100 up are covered.
double LadderValue(std::int64_t rung);
// The rung of the largest ladder value not above value (> 0, finite).
std::int64_t LadderRungAtMost(double value);
inline constexpr std::int64_t kRungsPerDecade = 900;

// The highest rung from top down to bottom that meets, when tighter rungs
// meet and looser ones do not: one rung a decade is sampled down to bottom
// to bracket it, then bisection finds the rung that meets where the next
// looser one does not. None when no sampled rung meets.
std::optional<std::int64_t> LoosestMeetingRung(std::int64_t top, std::int64_t bottom,
                                               const MeetsAt& meetsAt);

}  // namespace tavoro
