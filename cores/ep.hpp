#pragma once
// EP cores: a block with a solid round centre post; the winding space is a half
// disc around the post, continued by a straight channel of the same width out to
// one open side of the block.

#include "cores/descriptor.hpp"

namespace ferricalc::ep {

struct Dimensions {
    Real A;  // overall width, across the winding space, mm
    Real B;  // width of the winding space (diameter of its half disc), mm
    Real C;  // diameter of the centre post, mm
    Real D;  // overall depth, from the open side to the far side, mm
    Real E;  // depth of the winding space in one half, mm
    Real F;  // height of one half, mm
    Real G;  // from the open side to the post's axis (no result depends on it), mm
};

// Every part's shares of C1 and C2 are formed before C1 is shown.
CoreConstants constants(const Dimensions& d);

// Amin compares the post, the wall round the winding space and the back plate
// round the post. The window is one side of the post, over the pair's height
// 2E; a spacer gaps the wall as well.
MagneticShape magnetics(const Dimensions& d);

extern const CoreDescriptor descriptor;

}  // namespace ferricalc::ep
