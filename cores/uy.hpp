#pragma once
// UY cores: a pair of U halves with round limbs. A half-round groove along the
// outside of each limb (radii r1 and r2) and one along the back (radius r3)
// take their half discs out of the sections.

#include <array>

#include "cores/descriptor.hpp"

namespace ferricalc::uy {

struct Dimensions {
    Real A;   // overall height of a half, across both limbs (not part of the path), mm
    Real B;   // window height, between the inner faces of the limbs, mm
    Real C;   // diameter of the round limbs, also the depth of the back, mm
    Real E;   // length of the limbs, inner face of the back to the end faces, mm
    Real F;   // overall length of a half, outer face of the back to the end faces, mm
    Real r1;  // radius of the groove along the upper limb, mm
    Real r2;  // radius of the groove along the lower limb, mm
    Real r3;  // radius of the groove along the back, mm; held in single precision
};

// The five parts of the path through both halves, in the order they are summed:
// upper limbs, backs, lower limbs, upper corners, lower corners.
std::array<PathSegment, 5> path(const Dimensions& d);

CoreConstants constants(const Dimensions& d);

// The upper limb is the wound one that a centre gap is cut in (its groove r1
// taken off the round face); a spacer gaps the lower limb as well.
MagneticShape magnetics(const Dimensions& d);

extern const CoreDescriptor descriptor;

}  // namespace ferricalc::uy
