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

// Both like corners of a pair, π/4 times the joined widths: the widths are
// multiplied by π first, then divided by 4.
inline Real cornerPairLength(Real joinedWidths) { return (joinedWidths * kPi) / 4.0; }

// One corner, π/8 times the joined widths, in the same order of operations.
inline Real cornerLength(Real joinedWidths) { return (joinedWidths * kPi) / 8.0; }

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
