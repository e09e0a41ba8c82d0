#pragma once

#include <string_view>

#include "page/page_surface.h"

namespace tavoro {

// Pitch of the report's line grid, in twips.
inline constexpr double kRowPitch = 297.6;
// Pen of fraction bars and radical signs, in twips.
inline constexpr double kFormulaPenWidth = 7;

// Space above a text line centred in one grid row: (297.6 − charHeight)
// rounded to a whole number (halves to even), halved toward zero. May be
// negative. Throws ReportError when charHeight is not a usable number.
int RowMargin(double charHeight);

// The same for a text line centred in two grid rows (595.2 twips).
int PairMargin(double charHeight);

// Placement heights of one formula line, from its base (the top of the
// line's first grid row).
struct FormulaLine {
  double base = 0;
  double numTop = 0;  // numerator, and text standing on the first row
  double barY = 0;    // fraction bar
  double denTop = 0;  // denominator
  double midTop = 0;  // text centred on the bar: symbol, equals sign, result
};

FormulaLine FormulaLineAt(double base, double charHeight);

// Heights of a radical sign over a radicand whose text top is referenceTop:
// the overbar, the foot (bottom of the text) and the opening tick.
struct RadicalHeights {
  double top = 0;
  double foot = 0;
  double tick = 0;
};

RadicalHeights RadicalHeightsAt(double referenceTop, double charHeight);

// Block start: the position at (x1, y) and the formula pen.
void StartFormulaBlock(PageSurface& page, double x1, double y);

// Line placement: the heights of the line that begins at the surface's
// CurrentY.
FormulaLine PlaceFormulaLine(const PageSurface& page, double charHeight);

// Line advance: CurrentY (the top of the last text printed) moves down by
// extraDrop and then one row pitch; CurrentX returns to x1.
void AdvanceFormulaLine(PageSurface& page, double x1, double extraDrop = 0);

// A fraction bar from xs to xe at height barY, in the current pen.
void DrawFractionBar(PageSurface& page, double xs, double xe, double barY);

// Left edge that centres a piece of the given width over xs..xe: the
// difference of the widths rounded to a whole number (halves to even) and
// halved toward zero. A wider piece starts left of xs.
double CentredLeft(double xs, double xe, double width);

// Prints text centred over xs..xe by its own width, its top at top.
void PrintCentred(PageSurface& page, double xs, double xe, double top, std::string_view text);

// Radical sign over the radicand xs..xe: a 50-twip tick ending 100 before
// xs, a stroke down to the foot 80 before xs, a stroke up to the overbar at
// xs, and the overbar to xe.
void DrawRadicalSign(PageSurface& page, double xs, double xe, const RadicalHeights& heights);

}  // namespace tavoro
