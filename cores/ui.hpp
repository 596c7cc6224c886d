#pragma once
// UI cores: one U with rectangular limbs, whose upper and lower limbs may differ
// in thickness, closed by a straight I bar across the limbs' end faces.

#include <array>

#include "cores/descriptor.hpp"

namespace ferricalc::ui {

struct Dimensions {
    Real A;  // overall height of the U across both limbs, also the bar's length (not part of the path), mm
    Real B;  // window height, between the inner faces of the limbs, mm
    Real C;  // thickness of the lower limb, mm
    Real D;  // depth of the core, mm
    Real E;  // length of the limbs, inner face of the back to the end faces, mm
    Real F;  // overall length of the U, outer face of the back to the end faces, mm
    Real G;  // thickness of the I bar, mm
    Real P;  // thickness of the upper limb, mm
};

// The eight parts of the path, in the order they are summed: upper limb, back,
// lower limb, bar, then the corners back–upper limb, back–lower limb,
// bar–upper limb and bar–lower limb.
std::array<PathSegment, 8> path(const Dimensions& d);

CoreConstants constants(const Dimensions& d);

// The gaps lie between the limbs' end faces and the I bar: the upper limb is
// the wound one that a centre gap is cut in; a spacer gaps the lower limb as
// well. Amin compares the limbs, the back and the bar.
MagneticShape magnetics(const Dimensions& d);

extern const CoreDescriptor descriptor;

}  // namespace ferricalc::ui
