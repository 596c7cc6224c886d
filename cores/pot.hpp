#pragma once
// Pot cores: a round core with a centre post (with or without a hole), an outer
// wall broken by two wire slots, and a back plate that carries the flux radially
// from the post out to the wall.

#include "cores/descriptor.hpp"

namespace ferricalc::pot {

struct Dimensions {
    Real A;  // outer diameter of the core, mm
    Real B;  // inner diameter of the outer wall, mm
    Real C;  // diameter of the centre post, mm
    Real D;  // diameter of the centre hole (0 for a solid post), mm
    Real E;  // depth of the winding space in one half, mm
    Real F;  // height of one half, mm
    Real G;  // width of each of the two slots, mm
    Real H;  // slot-end diameter: the back plate is whole inside it and slotted outside, mm
};

// C1 is shown as soon as it is summed, before any C2 term is formed.
CoreConstants constants(const Dimensions& d);

// Amin compares the post (less its hole), the slotted wall and the back plate
// round the post and where the slots begin. The window is one side of the post,
// over the pair's height 2E; a spacer gaps the two halves of the wall as well.
MagneticShape magnetics(const Dimensions& d);

extern const CoreDescriptor descriptor;

}  // namespace ferricalc::pot
