#pragma once
// UF cores: a pair of U halves with rectangular limbs, whose upper and lower
// limbs may differ in thickness.

#include <array>

#include "cores/descriptor.hpp"

namespace ferricalc::uf {

struct Dimensions {
    Real A;  // overall height of a half, across both limbs (not part of the path), mm
    Real B;  // window height, between the inner faces of the limbs, mm
    Real C;  // thickness of the lower limb, mm
    Real D;  // depth of the core, mm
    Real E;  // length of the limbs, inner face of the back to the end faces, mm
    Real F;  // overall length of a half, outer face of the back to the end faces, mm
    Real P;  // thickness of the upper limb, mm
};

// The five parts of the path through both halves, in the order they are summed:
// upper limbs, backs, lower limbs, upper corners, lower corners.
std::array<PathSegment, 5> path(const Dimensions& d);

CoreConstants constants(const Dimensions& d);

// The upper limb is the wound one that a centre gap is cut in; a spacer gaps
// the lower limb as well. Amin compares both limbs and the back.
MagneticShape magnetics(const Dimensions& d);

extern const CoreDescriptor descriptor;

}  // namespace ferricalc::uf
