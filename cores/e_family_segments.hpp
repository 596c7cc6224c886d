#pragma once
// What the E-shaped cores share: a flux loop made of straight parts joined by
// corners, summed over one window of the core.
//
// A corner's path is a quarter circle through the corner's middle, so its length
// is π/8 times the sum of the two widths it joins, and its section is the mean
// of the two straight sections beside it. The windows differ in where π/8 is
// rounded (π/8 first, or π times the widths and then /8); both orders are kept
// because they can differ in the last bit.

#include "cores/constants.hpp"

namespace ferricalc::efamily {

// (π/8)·(w1 + w2): the factor π/8 is formed first.
inline Real cornerLengthEighthOfPi(Real joinedWidths) { return (kPi / 8.0) * joinedWidths; }

// π·(w1 + w2)/8: π multiplies the widths, then the product is divided by 8.
inline Real cornerLengthPiThenEighth(Real joinedWidths) { return (kPi * joinedWidths) / 8.0; }

// A pair of E halves: the loop through one window of one half is half of the
// pair's loop, and its mirror image carries flux beside it. Across the pair that
// loop is twice as long over twice the section, so the pair's Σ l/A is Σ l/A over
// the half loop, and its Σ l/A² is Σ l/(2·A²).
inline constexpr LoopDivisors kHalfLoopOfPair{1.0, 2.0};

// An E closed by an I bar: the loop through one window is a whole loop of the
// core beside its mirror image, so the core's section at each part is twice the
// loop's: Σ l/(2·A) and Σ l/(4·A²).
inline constexpr LoopDivisors kWholeLoopBesideItsTwin{2.0, 4.0};

}  // namespace ferricalc::efamily
