#include "calc/design.hpp"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace ferricalc {

namespace {

constexpr double kPiFull = std::numbers::pi;

bool finite(std::initializer_list<double> values)
{
    return std::all_of(values.begin(), values.end(), [](double v) { return std::isfinite(v); });
}

bool positive(double value) { return std::isfinite(value) && value > 0.0; }

// The fringe field of a gapped leg, after Mühlethaler, Kolar and Ecklebe, "A
// Novel Approach for 3D Air Gap Reluctance Calculations", 8th Int. Conf. on
// Power Electronics (ICPE 2011-ECCE Asia), Jeju, pp. 446–452. Their basic
// element is the edge of a leg of width w facing a flat at distance l, the leg
// reaching h back from the gap; its permeance per unit depth is
//     μ0·[ w/(2l) + (2/π)·(1 + ln(πh/(4l))) ],
// the face's share and the fringe field round the edge. Two mirror legs face
// each other across a gap lg: the middle plane is the flat, l = lg/2 for each
// leg, and the two halves are in series. A leg facing an I bar sees the flat at
// l = lg. Either way the edge adds a permeance per unit length of edge that
// equals μ0·δ/lg, as if the face were widened by δ beyond every edge:
//     leg to leg:   δ = (lg/π)·(1 + ln(πh/(2·lg)))
//     leg to flat:  δ = (2·lg/π)·(1 + ln(πh/(4·lg)))
// Their three-dimensional reluctance multiplies the fringing factors of the two
// directions across the face, σx·σy, which for a rectangle a × b is the
// reluctance of the face widened by δ on every side, lg/(μ0·(a + 2δ)(b + 2δ)).
// A round post is widened by δ all round the same way, π(d/2 + δ)². Both are
// A + p·δ + k·δ² with the face's perimeter p, k = 4 for the rectangle and π for
// the circle; A is the iron of the face (a centre hole is left as it is: the
// field it holds is neglected).
//
// The logarithm is the high-leg form of their Schwarz–Christoffel solution, for
// a leg much higher than its distance to the flat (h ≫ l). As l grows the
// widening 2l/π·(1 + ln(πh/(4l))) rises to h/2 at l = πh/4 (a gap of πh/2
// between mirror legs, of πh/4 to a flat) and beyond falls, reaching nothing at
// l = e·πh/4: read past its range the form has the fringe field of a long gap
// shrink as the gap grows, where it only spreads further. Beyond l = πh/4 a gap
// keeps the widening it had there: half the room beyond every edge.
double fringeWidening(double gap, double legHeight, GapOpposite opposite)
{
    const double toFlat = opposite == GapOpposite::Leg ? gap / 2.0 : gap;
    const double l = std::min(toFlat, kPiFull * legHeight / 4.0);
    if (!(l > 0.0))
        return 0.0;
    return 2.0 * l / kPiFull * (1.0 + std::log(kPiFull * legHeight / (4.0 * l)));
}

// How far the fringe field reaches from the gap: the leg's height, and no
// further than across the winding window.
double fringeRoom(const MagneticShape& shape)
{
    return shape.windowWidth > 0.0 ? std::min(shape.legHeight, shape.windowWidth) : shape.legHeight;
}

double effectiveArea(const GapFace& face, double widening)
{
    const double corner = face.outline == FaceOutline::Round ? kPiFull : 4.0;
    return face.section + face.perimeter() * widening + corner * widening * widening;
}

bool shapeFormed(const MagneticShape& shape)
{
    if (!positive(shape.amin) || !positive(shape.windowArea) || !positive(shape.legHeight)
        || !positive(shape.post.section) || !positive(shape.post.width))
        return false;
    return std::all_of(shape.outer().begin(), shape.outer().end(),
                       [](const GapFace& face) { return positive(face.section) && positive(face.width); });
}

}  // namespace

CoreSetResult coreSet(const CoreDescriptor& core, std::span<const double> dimensions)
{
    using Stage = CalculationFailure::Stage;
    CoreSetResult result;
    const CoreConstants constants = core.geometry(dimensions);
    if (!constants.complete()) {
        result.error = DesignError::CoreNotCalculated;
        result.failure = {Stage::Geometry, -1, constants.failure};
        return result;
    }
    CoreSet& set = result.set;
    set.c1 = *constants.c1;
    set.c2 = *constants.c2;
    set.shape = core.magnetics(dimensions);
    if (!set.shape.formed()) {
        result.error = DesignError::CoreNotCalculated;
        result.failure = {Stage::Geometry, -1, set.shape.failure};
        return result;
    }
    if (!positive(set.c1) || !positive(set.c2) || !shapeFormed(set.shape)) {
        result.error = DesignError::NoWindow;
        return result;
    }
    set.le = set.c1 * set.c1 / set.c2;
    set.ae = set.c1 / set.c2;
    set.ve = set.c1 * set.c1 * set.c1 / (set.c2 * set.c2);
    set.closerPath = positive(set.shape.pathC1) && positive(set.shape.pathC2);
    set.pathC1 = set.closerPath ? set.shape.pathC1 : set.c1;
    set.pathC2 = set.closerPath ? set.shape.pathC2 : set.c2;
    set.pathLe = set.pathC1 * set.pathC1 / set.pathC2;
    set.pathAe = set.pathC1 / set.pathC2;
    set.pathVe = set.pathLe * set.pathAe;
    if (!finite({set.le, set.ae, set.ve, set.pathLe, set.pathAe, set.pathVe})) {
        result.error = DesignError::Overflow;
        return result;
    }
    return result;
}

CoreSetResult coreSet(const CoreDescriptor& core, std::span<const std::string_view> fieldTexts,
                      std::string_view decimalSeparator)
{
    const FieldValues fields = readFields(core, fieldTexts, decimalSeparator);
    if (!fields.read()) {
        CoreSetResult result;
        result.error = DesignError::CoreNotCalculated;
        result.failure = {CalculationFailure::Stage::Conversion, fields.failedField, ArithmeticError::None,
                          fields.failedFieldEmpty};
        return result;
    }
    return coreSet(core, fields.dimensions());
}

DesignInputs materialInputs(const Material& material)
{
    DesignInputs inputs;
    inputs.muI = material.muI;
    inputs.bsat100 = material.bsat100;
    inputs.density = material.density;
    return inputs;
}

SaturationLevel saturationLevel(double fluxDensity, std::optional<double> bsat100)
{
    if (!bsat100 || !positive(*bsat100))
        return SaturationLevel::Unknown;
    const double share = std::abs(fluxDensity) / *bsat100;
    if (share >= 1.0)
        return SaturationLevel::Warning;
    return share >= 0.8 ? SaturationLevel::Advisory : SaturationLevel::Clear;
}

// A ring is the one shape without outer legs: it is cut once.
bool isRing(const MagneticShape& shape) { return shape.outerLegCount == 0; }

double longestGap(const MagneticShape& shape)
{
    return isRing(shape) ? kPiFull * shape.windowWidth : shape.windowHeight;
}

// In a ring the field strength falls as 1/r across the section, so the flux
// density peaks at the inner radius r1 (Ampère's law round the core). A strip
// at radius r of a ring cut by a radial gap lg sees the reluctance
// (2πr/μi + lg)/(μ0·h·dr), so B(r) ∝ 1/(r + x0) with x0 = lg·μi/(2π); the flux
// over the section (height h, out to r2) is then
//     Φ = B(r1)·h·(r1 + x0)·ln((r2 + x0)/(r1 + x0)),
// and B̂max = Φ/S with S that section: h·r1·ln(r2/r1) without a gap, tending to
// the plain section h·(r2 − r1) as the gap makes the field uniform; taken no
// larger than Ae. Elsewhere the flux density peaks on the narrowest of Ae and Amin.
double peakSection(const CoreSet& set, double muI, double gap)
{
    const MagneticShape& shape = set.shape;
    if (!isRing(shape))
        return std::min(set.designAe(), shape.amin);
    const double inner = shape.windowWidth / 2.0;
    const double outer = inner + shape.post.width;
    const double height = shape.post.section / shape.post.width;
    const double x0 = gap * muI / (2.0 * kPiFull);
    // Never below B̂ on Ae: a long gap evens the field out to Φ over the whole
    // section, which is a little more than Ae, and B̂max is the larger figure.
    return std::min(set.designAe(), height * (inner + x0) * std::log((outer + x0) / (inner + x0)));
}

// A set's faces meet at the gap; a ring has none until it is cut.
bool hasMatingFaces(const MagneticShape& shape, double gap) { return shape.outerLegCount > 0 || gap > 0.0; }

double gapReluctance(const MagneticShape& shape, double gap, GapPlace place, bool fringing, double residualGap)
{
    if (!hasMatingFaces(shape, gap))
        return 0.0;
    const double residual = std::max(0.0, residualGap);
    const auto across = [&](const GapFace& face, double length) {
        const double widening = fringing ? fringeWidening(length, fringeRoom(shape), shape.opposite) : 0.0;
        return effectiveArea(face, widening);
    };
    const double postGap = gap + residual;
    double reluctance = postGap > 0.0 ? postGap / across(shape.post, postGap) : 0.0;
    // The outer legs (or the halves of the wall) carry the flux side by side;
    // they meet with the residual gap, or stand on the spacer.
    const double outerGap = (place == GapPlace::AllLegs ? gap : 0.0) + residual;
    if (shape.outerLegCount > 0 && outerGap > 0.0) {
        double area = 0.0;
        for (const GapFace& face : shape.outer())
            area += across(face, outerGap);
        reluctance += outerGap / area;
    }
    return reluctance;
}

double inductanceFactor(const CoreSet& set, double muI, double gap, GapPlace place, bool fringing,
                        double residualGap)
{
    // The core's reluctance C1/(μ0·μi) in series with the gaps'.
    return kMu0NanohenryPerMm / (set.designC1() / muI + gapReluctance(set.shape, gap, place, fringing, residualGap));
}

GapForAl gapForInductanceFactor(const CoreSet& set, double muI, GapPlace place, double targetAl, double residualGap)
{
    const auto inductanceFactor = [&](const CoreSet& s, double mu, double gap, GapPlace p, bool fringing) {
        return ferricalc::inductanceFactor(s, mu, gap, p, fringing, residualGap);
    };
    const double ungapped = inductanceFactor(set, muI, 0.0, place, true);
    if (targetAl > ungapped * (1.0 + 1e-12))
        return {GapForAl::Outcome::AboveUngapped, 0.0};
    if (targetAl >= ungapped)
        return {GapForAl::Outcome::Found, 0.0};
    const double longest = longestGap(set.shape);
    if (const double shortest = inductanceFactor(set, muI, longest, place, true); shortest > targetAl)
        return {GapForAl::Outcome::BeyondLongestGap, longest, shortest};
    // AL falls as the gap grows: bracket the gap by doubling up to the longest,
    // then halve the bracket on a logarithmic scale until it is as narrow as a
    // double allows.
    double low = 0.0;
    double high = std::min(1e-3, longest);
    for (int i = 0; i < 200 && inductanceFactor(set, muI, high, place, true) > targetAl; ++i) {
        low = high;
        high = std::min(2.0 * high, longest);
    }
    for (int i = 0; i < 200; ++i) {
        const double middle = low > 0.0 ? std::sqrt(low * high) : high / 2.0;
        if (middle <= low || middle >= high)
            break;
        if (inductanceFactor(set, muI, middle, place, true) > targetAl)
            low = middle;
        else
            high = middle;
    }
    return {GapForAl::Outcome::Found, low > 0.0 ? std::sqrt(low * high) : high};
}

double turnsFor(double inductance, double al)
{
    // N² · AL ≥ L, with a part in 10¹² to spare so that an inductance typed as
    // exactly N²·AL gives N, not N + 1.
    const double needed = inductance * 1000.0 / al * (1.0 - 1e-12);
    double turns = std::max(1.0, std::ceil(std::sqrt(needed)));
    while (turns > 1.0 && (turns - 1.0) * (turns - 1.0) >= needed)
        turns -= 1.0;
    while (turns * turns < needed)
        turns += 1.0;
    return turns;
}

Design design(const CoreSet& set, const DesignInputs& inputs)
{
    Design out;
    const auto refuse = [&out](DesignError error) {
        out = Design{};
        out.error = error;
        return out;
    };
    if (!(inputs.muI >= 1.0) || !std::isfinite(inputs.muI))
        return refuse(DesignError::MuBelowOne);
    if (!(inputs.gap >= 0.0) || !std::isfinite(inputs.gap) || !(inputs.residualGap >= 0.0)
        || !std::isfinite(inputs.residualGap))
        return refuse(DesignError::NegativeGap);
    if (inputs.gap > longestGap(set.shape))
        return refuse(DesignError::GapBeyondCore);
    if (inputs.turns && !(*inputs.turns >= 1.0))
        return refuse(DesignError::TurnsBelowOne);
    if (inputs.turns && std::floor(*inputs.turns) != *inputs.turns)
        return refuse(DesignError::TurnsNotWhole);
    if (inputs.current && !(*inputs.current >= 0.0))
        return refuse(DesignError::NegativeCurrent);
    for (const auto& wanted : {inputs.inductance, inputs.targetAl, inputs.bsat100, inputs.density})
        if (wanted && !positive(*wanted))
            return refuse(DesignError::NotPositive);

    out.le = set.designLe();
    out.ae = set.designAe();
    out.ve = set.designVe();
    if (set.closerPath) {
        out.calculatorLe = set.le;
        out.calculatorAe = set.ae;
        out.calculatorVe = set.ve;
    }
    out.amin = set.shape.amin;
    out.windowArea = set.shape.windowArea;
    out.areaProduct = out.ae * set.shape.windowArea;
    if (inputs.density)
        out.mass = out.ve * *inputs.density * 1e-6;  // mm³ · kg/m³ → g

    const double residual = inputs.residualGap;
    out.alIdeal = kMu0NanohenryPerMm * inputs.muI / set.designC1();
    out.residualGap = hasMatingFaces(set.shape, inputs.gap) ? residual : 0.0;
    out.alUngapped = inductanceFactor(set, inputs.muI, 0.0, inputs.gapPlace, true, residual);
    out.alNoFringing = inductanceFactor(set, inputs.muI, inputs.gap, inputs.gapPlace, false, residual);
    out.alFringing = inductanceFactor(set, inputs.muI, inputs.gap, inputs.gapPlace, true, residual);
    // μe refers the set's AL to its own C1: μe = AL·C1/μ0, μi/(1 + μi·lg/le) for
    // a gap of the section Ae in the whole path.
    out.muENoFringing = out.alNoFringing * set.designC1() / kMu0NanohenryPerMm;
    out.muEFringing = out.alFringing * set.designC1() / kMu0NanohenryPerMm;

    if (inputs.turns)
        out.turns = *inputs.turns;
    else if (inputs.inductance)
        out.turns = turnsFor(*inputs.inductance, out.alFringing);
    if (out.turns) {
        const double turns = *out.turns;
        out.inductance = out.alFringing * turns * turns / 1000.0;
        if (inputs.current) {
            // B = L·Î/(N·Ae) = AL·N·Î/Ae: nH · A / mm² is mT.
            out.peakFlux = out.alFringing * turns * *inputs.current / out.ae;
            out.peakFluxAmin = *out.peakFlux * out.ae / set.shape.amin;
            out.peakFluxMax = *out.peakFlux * out.ae / peakSection(set, inputs.muI, inputs.gap);
            out.saturation = saturationLevel(*out.peakFlux, inputs.bsat100);
            out.saturationAmin = saturationLevel(*out.peakFluxAmin, inputs.bsat100);
            out.saturationMax = saturationLevel(*out.peakFluxMax, inputs.bsat100);
            out.energy = 0.5 * *out.inductance * *inputs.current * *inputs.current;  // µH·A² → µJ
            if (inputs.bsat100) {
                out.bsatShareAmin = *out.peakFluxAmin / *inputs.bsat100 * 100.0;
                out.bsatShareMax = *out.peakFluxMax / *inputs.bsat100 * 100.0;
            }
        }
        if (inputs.bsat100) {
            // B̂max = AL·N·Î/S is linear in Î (the permeability taken as constant up to Bsat).
            out.saturationCurrent = *inputs.bsat100 * peakSection(set, inputs.muI, inputs.gap) / (out.alFringing * turns);
        }
        out.inductanceBelowOneTurn = !inputs.turns && inputs.inductance && turns == 1.0
                                     && *out.inductance > *inputs.inductance * 1.1;
    }
    if (inputs.targetAl)
        out.gapForTarget = gapForInductanceFactor(set, inputs.muI, inputs.gapPlace, *inputs.targetAl, residual);

    const auto figure = [](const std::optional<double>& value) { return value.value_or(0.0); };
    if (!finite({out.areaProduct, figure(out.mass), out.alIdeal, out.alUngapped, out.alNoFringing, out.alFringing,
                 out.muENoFringing, out.muEFringing, figure(out.inductance), figure(out.peakFlux),
                 figure(out.peakFluxAmin), figure(out.bsatShareAmin), figure(out.peakFluxMax),
                 figure(out.bsatShareMax), figure(out.saturationCurrent), figure(out.energy)}))
        return refuse(DesignError::Overflow);
    return out;
}

}  // namespace ferricalc
