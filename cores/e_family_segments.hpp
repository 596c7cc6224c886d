#pragma once
// What the E-shaped cores share: a flux loop made of straight parts joined by
// corners, summed over one window of the core.
//
// A corner's path is a quarter circle through the corner's middle, so its length
// is π/8 times the sum of the two widths it joins, and its section is the mean
// of the two straight sections beside it. The windows differ in where π/8 is
// rounded (π/8 first, or π times the widths and then /8); both orders are kept
// because they can differ in the last bit.

#include <span>

#include "cores/constants.hpp"

namespace ferricalc::efamily {

inline constexpr double kPi = 3.14159265;

// (π/8)·(w1 + w2): the factor π/8 is formed first.
inline Real cornerLengthEighthOfPi(Real joinedWidths) { return (kPi / 8.0) * joinedWidths; }

// π·(w1 + w2)/8: π multiplies the widths, then the product is divided by 8.
inline Real cornerLengthPiThenEighth(Real joinedWidths) { return (kPi * joinedWidths) / 8.0; }

inline Real meanSection(const PathSegment& before, const PathSegment& after)
{
    return (before.section + after.section) / 2.0;
}

// How one loop's parts weigh in the core's sums: C1 = Σ l/(k1·A), C2 = Σ l/(k2·A²).
struct LoopDivisors {
    double c1;
    double c2;
};

// A pair of E halves: the loop through one window of one half is half of the
// pair's loop, and its mirror image carries flux beside it. Across the pair that
// loop is twice as long over twice the section, so the pair's Σ l/A is Σ l/A over
// the half loop, and its Σ l/A² is Σ l/(2·A²).
inline constexpr LoopDivisors kHalfLoopOfPair{1.0, 2.0};

// An E closed by an I bar: the loop through one window is a whole loop of the
// core beside its mirror image, so the core's section at each part is twice the
// loop's: Σ l/(2·A) and Σ l/(4·A²).
inline constexpr LoopDivisors kWholeLoopBesideItsTwin{2.0, 4.0};

// Sums C1 and then C2 over the loop's parts in their order; both sums are
// complete before either is shown.
inline void showLoopSums(CoreConstants& shown, std::span<const PathSegment> loop, LoopDivisors divisors)
{
    Real c1 = 0.0;
    for (const PathSegment& part : loop)
        c1 += part.length / (divisors.c1 * part.section);
    Real c2 = 0.0;
    for (const PathSegment& part : loop)
        c2 += part.length / (divisors.c2 * (part.section * part.section));
    shown.c1 = c1.value();
    shown.c2 = c2.value();
}

}  // namespace ferricalc::efamily
