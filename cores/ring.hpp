#pragma once
// Ring (toroid) cores of rectangular cross-section, with rounded edges and
// tapered faces as corrections to the section's height.

#include "cores/descriptor.hpp"

namespace ferricalc::ring {

struct Dimensions {
    Real A;   // outer diameter, mm
    Real B;   // inner diameter, mm
    Real h;   // height (axial thickness), mm
    Real r3;  // radius of the rounded edges, mm
    Real a;   // angle of one tapered face, radians
    Real b;   // angle of the other tapered face, radians
};

CoreConstants constants(const Dimensions& d);

// Amin is the section (its height less the rounded edges and tapers); the
// window is the hole; a gap is a cut through the ring, with no other leg.
MagneticShape magnetics(const Dimensions& d);

extern const CoreDescriptor descriptor;

}  // namespace ferricalc::ring
