#pragma once
// Pairs of E cores with a rectangular centre leg (EE, EF), with rounded edges
// taken off the sections as the squares of their radii.

#include "cores/descriptor.hpp"

namespace ferricalc::ee {

struct Dimensions {
    Real A;   // overall width across both outer legs, mm
    Real B;   // distance between the inner faces of the outer legs, mm
    Real C;   // width of the centre leg, mm
    Real D;   // depth of the core, mm
    Real E;   // length of the legs, inner face of the back to the leg ends, mm
    Real F;   // overall height of the half-core, outer face of the back to the leg ends, mm
    Real Rd;  // radius of the edges along the outer face of the back, mm
    Real Rw;  // radius of the edges along the outer faces of the outer legs, mm
    Real Rn;  // radius of the edges along the window faces, mm
};

CoreConstants constants(const Dimensions& d);

// Amin compares the centre leg, both outer legs and both halves of the back,
// each less its rounded edges. The window is one side of the centre leg, over
// the pair's height 2E.
MagneticShape magnetics(const Dimensions& d);

extern const CoreDescriptor descriptor;

}  // namespace ferricalc::ee
