#pragma once
// RM cores: a solid round centre post, a round winding space, and two outer legs
// whose inner faces are arcs of that space and whose outer corners are chamfered
// at 45°; the winding space opens at two opposite sides between the legs' ends.

#include "cores/descriptor.hpp"

namespace ferricalc::rm {

struct Dimensions {
    Real A;  // distance across the chamfered corners, mm
    Real B;  // diameter of the winding space (inner diameter of the legs), mm
    Real C;  // diameter of the centre post, mm
    Real E;  // depth of the winding space in one half, mm
    Real F;  // height of one half, mm
    Real G;  // overall length, across both legs, mm
    Real H;  // width of the back plate across the open sides (the vendors' c): only the design's path uses it, mm
    Real I;  // width of each open side, between the ends of the two legs, mm
};

// Every part's shares of C1 and C2 are formed before C1 is shown.
CoreConstants constants(const Dimensions& d);

// Amin compares the post, both legs and the back plate round the post. The
// window is one side of the post, over the pair's height 2E; a spacer gaps
// both legs as well.
MagneticShape magnetics(const Dimensions& d);

// The design's closer path (MagneticShape::pathC1, pathC2): the window's parts
// with the back plate taken as radial flux across its width H.
CoreConstants pathConstants(const Dimensions& d);

// The two halves' back plates in that path: radial flux from the post out past
// the winding space, a whole ring out to H/2 and beyond it the arcs between the
// plate's straight edges at ±H/2.
CoreConstants radialBackPlate(const Dimensions& d);

extern const CoreDescriptor descriptor;

}  // namespace ferricalc::rm
