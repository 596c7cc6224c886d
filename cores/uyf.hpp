#pragma once
// UYF cores: a pair of U halves, each with one round leg, cut flat on its side,
// and one rectangular leg; a trapezoidal groove runs along the outside of the
// back and of the rectangular leg.

#include <array>

#include "cores/descriptor.hpp"

namespace ferricalc::uyf {

struct Dimensions {
    Real A;   // overall width of a half, across both legs (not part of the path), mm
    Real B;   // window width, between the inner faces of the legs, mm
    Real C;   // diameter of the round leg, also the depth of the core, mm
    Real D;   // width of the rectangular leg, mm
    Real E;   // length of the legs, inner face of the back to the end faces, mm
    Real F;   // overall height of a half, outer face of the back to the end faces, mm
    Real G;   // chamfer on the edges of the rectangular leg (not part of the path), mm
    Real Gd;  // radius at the bottom edges of the back, mm
    Real H;   // depth of the flat on the round leg, from the full circle inwards, mm
    Real X;   // width of the groove at its bottom, mm
    Real Y;   // width of the groove at its mouth, mm
    Real Z;   // depth of the groove, mm
};

// Section of a round leg of `diameter` whose side is cut flat `flatDepth` deep:
// the disc less the circular segment beyond the flat. Zero depth is the whole
// disc, half the diameter the half disc, the whole diameter nothing; a depth
// outside 0 … diameter fails at the square root.
Real roundLegSection(Real diameter, Real flatDepth);

// The five parts of the path through both halves, in the order they are summed:
// round legs, backs, rectangular legs, corners at the round legs, corners at
// the rectangular legs.
std::array<PathSegment, 5> path(const Dimensions& d);

CoreConstants constants(const Dimensions& d);

// The round leg (its flat taken off) is the wound one that a centre gap is cut
// in; a spacer gaps the rectangular leg as well.
MagneticShape magnetics(const Dimensions& d);

extern const CoreDescriptor descriptor;

}  // namespace ferricalc::uyf
