#pragma once
// EI cores: one E closed by a straight I bar, with square edges.

#include "cores/descriptor.hpp"

namespace ferricalc::ei {

struct Dimensions {
    Real A;  // overall width across both outer legs, mm
    Real B;  // distance between the inner faces of the outer legs, mm
    Real C;  // width of the centre leg, mm
    Real D;  // depth of the stack, mm
    Real E;  // length of the windows, face of the I bar to the inner face of the back, mm
    Real F;  // length of the E, face of the I bar to the outer face of the back, mm
    Real G;  // thickness of the I bar, mm
};

CoreConstants constants(const Dimensions& d);

// Amin compares the centre leg, both outer legs, both halves of the back and of
// the I bar. The window is one side of the centre leg, E long; the gaps lie
// between the legs' end faces and the bar.
MagneticShape magnetics(const Dimensions& d);

extern const CoreDescriptor descriptor;

}  // namespace ferricalc::ei
