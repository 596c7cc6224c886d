#pragma once
// Pairs of E cores with rectangular outer legs and a round centre leg (ED).

#include "cores/descriptor.hpp"

namespace ferricalc::ed {

struct Dimensions {
    Real A;  // overall width across both outer legs, mm
    Real B;  // distance between the inner faces of the outer legs, mm
    Real C;  // diameter of the round centre leg, mm
    Real D;  // depth of the core, mm
    Real E;  // length of the legs, inner face of the back to the leg ends, mm
    Real F;  // overall height of the half-core, outer face of the back to the leg ends, mm
};

CoreConstants constants(const Dimensions& d);

// Amin compares the round centre leg, both outer legs and both halves of the
// back. The window is one side of the centre leg, over the pair's height 2E.
MagneticShape magnetics(const Dimensions& d);

extern const CoreDescriptor descriptor;

}  // namespace ferricalc::ed
