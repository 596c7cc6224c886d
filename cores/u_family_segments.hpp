#pragma once
// What the U-shaped cores share: one closed flux path of straight parts joined
// by corners, summed part by part in a fixed order.
//
// A pair of U halves mates at the end faces of its limbs, so going once round
// the path meets every straight part twice (once in each half) and every corner
// twice: a pair's straight term has twice the part's length, and one corner term
// stands for both like corners. A U closed by an I bar has each part once.
//
// A corner's path is a quarter circle through the corner's middle, π/8 times the
// sum of the two widths it joins, and its section is the mean of the two
// straight sections beside it.

#include <array>
#include <span>

#include "cores/descriptor.hpp"

namespace ferricalc::ufamily {

// π as these windows have always used it.
inline constexpr double kPi = 3.14159265;

// Both like corners of a pair, π/4 times the joined widths: the widths are
// multiplied by π first, then divided by 4.
inline Real cornerPairLength(Real joinedWidths) { return (joinedWidths * kPi) / 4.0; }

// One corner, π/8 times the joined widths, in the same order of operations.
inline Real cornerLength(Real joinedWidths) { return (joinedWidths * kPi) / 8.0; }

inline Real meanSection(const PathSegment& before, const PathSegment& after)
{
    return (before.section + after.section) / 2.0;
}

// Sums C1 = Σ l/A and then C2 = Σ l/(A·A) over the parts in their order; both
// sums are complete before either is shown.
inline void showPathSums(CoreConstants& shown, std::span<const PathSegment> path)
{
    Real c1 = 0.0;
    for (const PathSegment& part : path)
        c1 += part.length / part.section;
    Real c2 = 0.0;
    for (const PathSegment& part : path)
        c2 += part.length / (part.section * part.section);
    shown.c1 = c1.value();
    shown.c2 = c2.value();
}

// C1 and C2 over the parts that `path` forms from the dimensions; a part that
// cannot be formed fails before anything is shown.
template <typename Dimensions, typename Path>
CoreConstants constantsOfPath(const Dimensions& d, Path path)
{
    return formConstants([&](CoreConstants& shown) { showPathSums(shown, path(d)); });
}

// The result rows of the UF, UY and UI windows, which share their columns: C1
// and C2 at `constantsTop`, Le, Ae and Ve at `derivedTop`.
constexpr std::array<ResultSpec, QuantityCount> resultRows(int constantsTop, int derivedTop)
{
    return {{
        {4, 360, 495, 5, 960, 1095, constantsTop, kPlain5},
        {6, 2640, 615, 7, 3480, 1215, constantsTop, kPlain5},
        {14, 360, 495, 13, 960, 1095, derivedTop, kLength5},
        {12, 2640, 615, 11, 3480, 1215, derivedTop, kArea5},
        {18, 5520, 495, 17, 6120, 1095, derivedTop, kVolume5},
    }};
}

}  // namespace ferricalc::ufamily
