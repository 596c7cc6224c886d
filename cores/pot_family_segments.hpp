#pragma once
// What the pot, RM and EP geometries share: the truncated π of their formulas
// and the shares that one part of the flux path adds to C1 and C2.
//
// A segment with one length and one section adds l/A to C1 and l/A² to C2. A
// back plate that carries radial flux has no such single length and section: it
// enters with its two shares given directly.

#include <initializer_list>

#include "cores/constants.hpp"

namespace ferricalc::potfamily {

// What one part of the path adds to C1 (mm⁻¹) and to C2 (mm⁻³).
struct PathShares {
    Real c1;
    Real c2;
};

inline Real c1Share(const PathSegment& segment) { return segment.length / segment.section; }

inline Real c2Share(const PathSegment& segment) { return segment.length / (segment.section * segment.section); }

inline PathShares shares(const PathSegment& segment) { return {c1Share(segment), c2Share(segment)}; }

// Terms summed left to right in the order the path lists them.
inline Real sumInOrder(std::initializer_list<Real> terms)
{
    Real sum = 0.0;
    for (const Real term : terms)
        sum += term;
    return sum;
}

// For the cores that form every part's shares first: C1 is summed and shown,
// then C2, each left to right in the order of `parts`. A part that adds
// nothing or less to either sum has a length or a section of zero or less.
inline void showSums(std::initializer_list<PathShares> parts, CoreConstants& shown)
{
    for (const PathShares& part : parts)
        if (part.c1 <= 0.0 || part.c2 <= 0.0)
            shown.degeneratePart = true;
    Real c1 = 0.0;
    for (const PathShares& part : parts)
        c1 += part.c1;
    shown.c1 = c1.value();
    Real c2 = 0.0;
    for (const PathShares& part : parts)
        c2 += part.c2;
    shown.c2 = c2.value();
}

}  // namespace ferricalc::potfamily
