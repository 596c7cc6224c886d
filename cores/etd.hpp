#pragma once
// Pairs of E cores with a round centre leg and outer legs whose inner faces
// follow a circle (ETD, EC, EER).

#include "cores/descriptor.hpp"

namespace ferricalc::etd {

struct Dimensions {
    Real A;   // overall width across both outer legs, mm
    Real B;   // diameter of the circle the inner faces of the outer legs lie on, mm
    Real C;   // diameter of the round centre leg, mm
    Real D;   // depth of the core, mm
    Real E;   // length of the legs, inner face of the back to the leg ends, mm
    Real F;   // overall height of the half-core, outer face of the back to the leg ends, mm
    Real Rd;  // radius in the window corner between back and centre leg, mm (data-sheet only)
    Real Rw;  // radius of the edges along the outer faces of the outer legs, mm
    Real Rn;  // radius in the window corner between back and outer leg, mm (data-sheet only)
    Real R;   // radius of the edges along the outer face of the back, mm
};

// Rd and Rn are read so that a bad entry is noticed, but the loop's sections do
// not depend on them.
CoreConstants constants(const Dimensions& d);

// Amin compares the round centre leg, both outer legs and both halves of the
// back. The window is one side of the centre leg, (B − C)/2 wide on the centre
// line, over the pair's height 2E.
MagneticShape magnetics(const Dimensions& d);

extern const CoreDescriptor descriptor;

}  // namespace ferricalc::etd
