#pragma once
// What a magnetic design needs of a core set beyond C1 and C2: the narrowest
// section that the flux passes, the winding window, and the faces across which
// an air gap is cut, as a fringing model needs them.
//
// Every family derives them from its window's own dimensions, by its own
// conventions (written beside each family's function). The shared rules:
// - Amin is the smallest section that carries the whole flux of the set (IEC
//   60205): the centre post, the outer legs (or wall) together, the backs
//   together; a back plate that carries the flux radially counts with its
//   section round the post. A single loop (ring, U pairs, UI) compares each part.
// - The winding window is one window of the set: in E, pot, RM and EP cores the
//   space on one side of the post, from the post to the outer leg (width) and
//   from back to back of the pair (height); in U cores the space between the
//   limbs; in a ring the hole.
// - The gap's "post" is the leg a gap in the centre post is ground into: the
//   centre post, or in the U family the wound limb (upper limb; UYF's round
//   leg). A spacer gaps every leg: the post and the outer legs or wall as well.

#include <array>
#include <initializer_list>
#include <span>

#include "cores/constants.hpp"

namespace ferricalc {

// The outline of a face that an air gap is cut across.
enum class FaceOutline {
    Rectangle,  // width × depth, square corners
    Round,      // diameter `width` (a centre hole is taken off `section`, not the outline)
};

struct GapFace {
    FaceOutline outline = FaceOutline::Rectangle;
    double width = 0.0;    // mm: the side across the window, or the diameter
    double depth = 0.0;    // mm: the other side (the diameter again for a round face)
    double section = 0.0;  // mm²: the iron of the face, a hole, flat or rounded edge taken off

    // The edge from which the fringe field leaves the face, mm.
    double perimeter() const { return outline == FaceOutline::Round ? kPi * width : 2.0 * (width + depth); }
};

// What faces a leg across its gap: the mirror leg of the other half of a pair,
// or the flat of an I bar (EI, UI).
enum class GapOpposite { Leg, Plate };

struct MagneticShape {
    double amin = 0.0;          // mm², the narrowest section the whole flux passes
    double windowWidth = 0.0;   // mm
    double windowHeight = 0.0;  // mm
    double windowArea = 0.0;    // Aw, mm²
    double meanTurnLength = 0.0;  // MLT, mm: a turn of the winding that fills the window (meanTurnLength())
    GapFace post;               // the leg a centre gap is cut in
    std::array<GapFace, 2> outerLegs{};  // the other legs or wall segments, gapped only by a spacer
    int outerLegCount = 0;               // 0 for a ring, 1 for the other limb of a U, 2 otherwise
    double legHeight = 0.0;  // mm: how far a gapped leg reaches from the gap to the back; the fringe field's room
    GapOpposite opposite = GapOpposite::Leg;
    // C1 (mm⁻¹) and C2 (mm⁻³) of a closer model of the flux path than the
    // calculator window's, for the design's figures; 0 where the family has none
    // (the design then takes the window's).
    double pathC1 = 0.0;
    double pathC2 = 0.0;
    ArithmeticError failure = ArithmeticError::None;  // a dimension that gives no core (as in the geometry)

    bool formed() const { return failure == ArithmeticError::None; }
    std::span<const GapFace> outer() const { return std::span(outerLegs).first(static_cast<std::size_t>(outerLegCount)); }
};

// The magnetic figures of a family: the window's dimensions in the order of its
// fields, in mm (angles as the field gives them).
using CoreMagnetics = MagneticShape (*)(std::span<const double> dimensions);

// Runs a family's body with checked arithmetic; the first failed operation ends
// it and is kept as the shape's failure.
template <typename Body>
MagneticShape formMagnetics(Body&& body)
{
    MagneticShape shape;
    if (const ArithmeticError failure = runChecked([&] { body(shape); }); failure != ArithmeticError::None) {
        shape = MagneticShape{};
        shape.failure = failure;
    }
    return shape;
}

// The smallest of the sections that carry the whole flux.
inline Real smallestSection(std::initializer_list<Real> sections)
{
    Real smallest = *sections.begin();
    for (const Real section : sections)
        if (section < smallest)
            smallest = section;
    return smallest;
}

inline GapFace rectangleFace(Real width, Real depth, Real section)
{
    return {FaceOutline::Rectangle, width.value(), depth.value(), section.value()};
}

inline GapFace roundFace(Real diameter, Real section)
{
    return {FaceOutline::Round, diameter.value(), diameter.value(), section.value()};
}

// MLT, the mean length of a turn of a winding that fills the window around the
// post: the turn halfway through the winding's build runs round the post's
// outline at half the build from it. Round a rectangular post w × d that is
// 2(w + d) + π·build (its corners become quarter circles of radius build/2);
// round a round post of diameter D, π(D + build). The build is the window's
// width from the post to the outer leg or wall; a U core's winding sits on its
// wound limb and takes the whole space between the limbs; a ring's fills the
// hole to its centre, a build of half the hole's diameter.
inline double meanTurnLength(const GapFace& post, double build) { return post.perimeter() + kPi * build; }

// A rectangular window of the given width and height.
inline void setWindow(MagneticShape& shape, Real width, Real height)
{
    shape.windowWidth = width.value();
    shape.windowHeight = height.value();
    shape.windowArea = (width * height).value();
}

}  // namespace ferricalc
