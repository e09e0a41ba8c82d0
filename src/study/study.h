#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "calc/calculation_case.h"
#include "calc/input_rules.h"

namespace tavoro {

// What the ring must bring down: the inflow Q2 (m³/min) or the drawdown S2 at
// the ring's edge (m). A value meets the target when it is at most target.
enum class StudyTargetKind { kInflow, kDrawdown };

struct StudyTarget {
  StudyTargetKind kind = StudyTargetKind::kInflow;
  double value = 0;
};

// The target's quantity as Tavoro names it: "湧水量 Q2", "改良外円の水位低下量 S2";
// as a column or axis heading with its unit: "湧水量 Q2 (m³/min)".
std::string StudyTargetLabel(StudyTargetKind kind);
std::string StudyTargetHeading(StudyTargetKind kind);

// The largest list of permeabilities one study takes, and the widest ring:
// the widest the form accepts, so that every width found can be typed in.
inline constexpr std::size_t kMaxStudyPermeabilities = 6;
inline constexpr double kMaxStudyWidth = kMaxRingWidth;  // m
inline constexpr double kDefaultStudyWidth = 10;         // m
// Steps of the sampled curves over the whole width range.
inline constexpr int kStudySteps = 100;

// A design study of the ring around one case: the case's nine inputs as the
// form stores them (kn and kg in m/s) with kn as typed (cm/sec), the
// permeabilities to try in cm/sec as the form takes them (1e-9 up to kn), the
// widest ring to try in metres, and the target.
struct StudyRequest {
  CalculationCase inputs;
  double knCmPerSec = 0;
  std::vector<double> kgList;
  double widthMax = kDefaultStudyWidth;
  StudyTarget target;
};

// The improved case at one width and permeability. At width 0 these are the
// case without a ring: Q1, S1, the water height h in the shaft and R1. A
// value the computation could not produce is NaN.
struct RingValues {
  double Q2 = 0;
  double S2 = 0;
  double h2 = 0;
  double R2 = 0;
};

// The sampled curves of one permeability kg (cm/sec), one value per width of
// the study's grid.
struct StudyCurve {
  double kg = 0;
  std::vector<RingValues> values;
};

// The narrowest ring of one permeability that meets the target, to the
// millimetre, with the Q2 or S2 it gives; or none in range, and then only
// the best value reached. best is the smallest Q2 or S2 over the grid and
// the solution, reached at bestWidth. When the calculation range ended the
// widths short of the target, widthBeyondRange is the narrowest wider ring
// that meets it (within the other bounds) and rangeNeeded the smallest
// calculation range, in whole millimetres, that admits that ring.
struct StudySolution {
  double kg = 0;
  std::optional<double> width;
  double value = 0;
  double best = 0;
  double bestWidth = 0;
  std::optional<double> widthBeyondRange;
  double rangeNeeded = 0;
};

// What ended the widths studied: the widest ring asked for (at most the
// form's widest), the ring's edge reaching R1, or reaching the case's
// calculation range, which must lie beyond r + B.
enum class WidthBound { kAsked, kR1, kRange };

struct StudyResult {
  StudyTarget target;
  double widthMax = 0;  // as asked, m
  // The last width of the grid, in whole millimetres, and what ended it.
  // Every width up to it passes the case's input rules.
  double widthEnd = 0;
  WidthBound bound = WidthBound::kAsked;
  double calcRange = 0;   // the case's, m
  double knCmPerSec = 0;  // the case's, as typed
  // The sampled widths, m, from 0 to widthEnd.
  std::vector<double> widths;
  std::vector<StudyCurve> curves;  // in the order of the request's list
  std::vector<StudySolution> solutions;
  // The case's own ring width, and the largest kg (cm/sec, three significant
  // digits, no looser than kn as typed) that meets the target with it; none
  // when the case has no ring or no kg the form accepts, down to ten decades
  // below kn, meets it.
  double caseWidth = 0;
  std::optional<double> kgForWidth;
  // The case without a ring.
  RingValues withoutRing;
  // When the widths found are narrow beside the range, the graph's B axis
  // ends short of widthEnd (WidthScale) and its curves are sampled afresh
  // over that axis; empty when the graph spans the whole range.
  std::vector<double> graphWidths;
  std::vector<StudyCurve> graphCurves;
  double r = 0;
};

// The Japanese message of a request the study cannot run, naming what is
// wrong and what is accepted; none for a request that runs.
std::optional<std::string> CheckStudyRequest(const StudyRequest& request);

// Runs a checked request. Every value comes from ComputeCase on a fresh
// record of the request's inputs with only B and kg changed, so a width or a
// permeability found here, typed into the form, gives the report's figures.
StudyResult RunStudy(const StudyRequest& request);

// The default permeabilities (cm/sec) of a case, each one the form accepts
// (1e-9 <= kg <= kn, kn and kg as typed): with a ring, its kg, ten times
// tighter and ten times looser; without one, kn/10, kn/100 and kn/1000; kn
// itself when none of these is accepted.
std::vector<double> DefaultStudyPermeabilities(double caseWidth, double caseKg,
                                               double knCmPerSec);

}  // namespace tavoro
