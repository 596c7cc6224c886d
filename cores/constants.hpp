#pragma once
// The outcome of one core geometry: the core constants C1 = Σ l/A (mm⁻¹) and
// C2 = Σ l/A² (mm⁻³), or the arithmetic failure that stopped the calculation
// together with how far it got. A geometry publishes C1 at the moment its
// window writes C1 (some cores before any C2 term is formed, others only after
// every term is known), so a failure in a later term still leaves C1 shown.

#include <optional>
#include <span>

#include "cores/arithmetic.hpp"

namespace ferricalc {

struct CoreConstants {
    std::optional<double> c1;  // present once C1 is complete and shown
    std::optional<double> c2;  // present once C2 is complete and shown
    ArithmeticError failure = ArithmeticError::None;
    // Some part of the path was formed with a length or a section of zero or
    // less: whatever the sums give, no real core has such a part.
    bool degeneratePart = false;

    bool complete() const { return c1 && c2; }
};

// Runs a geometry body that stores C1 and then C2 into `shown` as it completes
// them; the first failed operation ends the body, keeping what was stored.
template <typename Body>
CoreConstants formConstants(Body&& body)
{
    CoreConstants shown;
    shown.failure = runChecked([&] { body(shown); });
    return shown;
}

// π as every core formula has always used it: the decimal 3.14159265, not the
// full-precision value (π·π is the square of this same number).
inline constexpr double kPi = 3.14159265;

// One part of the magnetic path with a single length and cross-section.
struct PathSegment {
    Real length;   // l, mm
    Real section;  // A, mm²
};

// A corner's section is the mean of the straight sections on either side.
inline Real meanSection(const PathSegment& before, const PathSegment& after)
{
    return (before.section + after.section) / 2.0;
}

// Notes a part whose length or section is zero or less. Called before the sums
// are formed, so that a zero section that stops them has been noted.
inline void notePathParts(CoreConstants& shown, std::span<const PathSegment> parts)
{
    for (const PathSegment& part : parts)
        if (part.length <= 0.0 || part.section <= 0.0)
            shown.degeneratePart = true;
}

// How the parts of one modelled loop weigh in the core's sums:
// C1 = Σ l/(k1·A), C2 = Σ l/(k2·A²). A loop that is the core's whole path has
// k1 = k2 = 1.
struct LoopDivisors {
    double c1 = 1.0;
    double c2 = 1.0;
};

// Sums C1 and then C2 over the parts in their order, and shows both: the sums
// are complete before either is shown.
inline void showPathSums(CoreConstants& shown, std::span<const PathSegment> parts, LoopDivisors divisors = {})
{
    notePathParts(shown, parts);
    Real c1 = 0.0;
    for (const PathSegment& part : parts)
        c1 += part.length / (divisors.c1 * part.section);
    Real c2 = 0.0;
    for (const PathSegment& part : parts)
        c2 += part.length / (divisors.c2 * (part.section * part.section));
    shown.c1 = c1.value();
    shown.c2 = c2.value();
}

// A core geometry: the window's dimensions in the order of its fields, in mm
// (angles as the field gives them), to C1 and C2.
using CoreGeometry = CoreConstants (*)(std::span<const double> dimensions);

}  // namespace ferricalc
