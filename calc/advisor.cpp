#include "calc/advisor.hpp"

#include <algorithm>
#include <cmath>
#include <tuple>

#include "calc/number_text.hpp"

namespace ferricalc {

namespace {

constexpr std::string_view kPoint = ".";

// The whole turns at which B̂max = L·Î/(N·S) stays within the allowed flux
// density: µH·A/mm² is T, so 1000·L·Î/(N·S) mT.
double turnsForFlux(const Requirement& r, double section, double allowedFlux)
{
    const double needed = 1000.0 * r.inductance * r.peakCurrent / (section * allowedFlux);
    return std::max(1.0, std::ceil(needed * (1.0 - 1e-12)));
}

// The largest standard wire whose turns fit the window at the allowed fill; 0 when none does.
double largestFittingWire(double turns, const CoreSet& set, const Requirement& r)
{
    const std::vector<double> diameters = standardWireDiameters();
    for (auto it = diameters.rbegin(); it != diameters.rend(); ++it)
        if (windowFill(turns, r.strands, insulatedDiameter(*it), set.shape.windowArea) <= r.maxFill)
            return *it;
    return 0.0;
}

double rankKey(const Advice& a, Ranking ranking)
{
    switch (ranking) {
    case Ranking::Loss:
        return a.totalLoss();
    case Ranking::Mass:
        return a.design.mass.value_or(a.design.ve);
    case Ranking::Volume:
        break;
    }
    return a.design.ve;
}

}  // namespace

DesignInputs adviceDesignInputs(const Advice& advice, const Requirement& requirement)
{
    DesignInputs in = materialInputs(*advice.material);
    in.gap = advice.gap;
    in.turns = advice.turns;
    in.current = requirement.peakCurrent;
    return in;
}

LossInputs adviceLossInputs(const Advice& advice, const Requirement& requirement)
{
    LossInputs in;
    in.frequency = requirement.frequency;
    in.waveform = LossWaveform::Triangle;
    in.duty = requirement.duty;
    in.ripple = requirement.ripple;
    in.temperature = requirement.temperature;
    if (advice.wire > 0.0)
        in.wireDiameter = advice.wire;
    in.strands = requirement.strands;
    return in;
}

Advice adviseCore(const CoreDescriptor& family, const StandardCore& core, const Material& material,
                  const Requirement& requirement)
{
    Advice a;
    a.family = &family;
    a.core = &core;
    a.material = &material;
    const CoreSetResult result = coreSet(family, core.texts, kPoint);
    if (!result.formed())
        return a;
    const CoreSet& set = result.set;
    const double bsat = material.bsat100.value_or(0.0);
    if (!(bsat > 0.0)) {
        a.verdict = Verdict::Saturates;  // nothing to hold the flux density to
        return a;
    }

    // 1. Turns for the flux density; 2. the gap for the AL they need. The gap
    // ground to the micrometre moves B̂max a little: a turn more where that
    // takes it past the allowed share.
    const double allowed = bsat * requirement.maxFluxShare / 100.0;
    a.turns = turnsForFlux(requirement, peakSection(set, material.muI, 0.0), allowed);
    for (int attempt = 0;; ++attempt) {
        const double wantedAl = requirement.inductance * 1000.0 / (a.turns * a.turns);
        const GapForAl gap = gapForInductanceFactor(set, material.muI, GapPlace::CentrePost, wantedAl);
        if (gap.outcome == GapForAl::Outcome::BeyondLongestGap) {
            a.verdict = Verdict::NoGap;
            return a;
        }
        a.gap = 0.0;
        if (gap.outcome == GapForAl::Outcome::AboveUngapped)
            a.turns = turnsFor(requirement.inductance,
                               inductanceFactor(set, material.muI, 0.0, GapPlace::CentrePost, true));
        else
            a.gap = std::round(gap.gap * 1000.0) / 1000.0;  // as it is ground and written: to the micrometre
        a.design = design(set, adviceDesignInputs(a, requirement));
        if (a.design.error != DesignError::None)
            return a;
        if (a.design.bsatShareMax.value_or(0.0) <= requirement.maxFluxShare || attempt == 2)
            break;
        a.turns += 1.0;
    }

    // 3. The wire; 4. the losses.
    a.wire = largestFittingWire(a.turns, set, requirement);
    a.losses = designLosses(set, &material, a.design, requirement.peakCurrent, adviceLossInputs(a, requirement));
    if (a.wire == 0.0)
        a.verdict = Verdict::WindowTooSmall;
    else if (!material.hasLossFit())
        a.verdict = Verdict::NoLossData;  // (without a ripple there is no core loss to know: ΔT is the copper's)
    else if (a.design.bsatShareMax.value_or(0.0) > requirement.maxFluxShare * (1.0 + 1e-9))
        a.verdict = Verdict::Saturates;
    else if (a.losses.temperatureRise.value_or(0.0) > requirement.maxTemperatureRise)
        a.verdict = Verdict::TooHot;
    else
        a.verdict = Verdict::Feasible;
    return a;
}

std::vector<Advice> advise(std::span<const CoreDescriptor* const> families, std::span<const Material* const> materials,
                           const Requirement& requirement, Ranking ranking)
{
    std::vector<Advice> all;
    for (const CoreDescriptor* family : families)
        for (const StandardCore& core : standardCores(*family))
            for (const Material* material : materials)
                all.push_back(adviseCore(*family, core, *material, requirement));
    // The feasible by the ranking; the rest after them, the nearest misses (coolest) first.
    std::stable_sort(all.begin(), all.end(), [ranking](const Advice& x, const Advice& y) {
        const bool xFits = x.verdict == Verdict::Feasible;
        const bool yFits = y.verdict == Verdict::Feasible;
        if (xFits != yFits)
            return xFits;
        if (xFits)
            return rankKey(x, ranking) < rankKey(y, ranking);
        const double inf = INFINITY;
        return std::tuple(x.losses.temperatureRise.value_or(inf), x.design.ve)
               < std::tuple(y.losses.temperatureRise.value_or(inf), y.design.ve);
    });
    return all;
}

namespace {

std::optional<double> some(double value) { return value; }

constexpr AdviceColumn kAdviceColumns[] = {
    {"core", "磁芯", -1, nullptr, true},
    {"family", "类型", -1, nullptr, true},
    {"material", "材料", -1, nullptr, true},
    {"gap_mm", "气隙 mm", 3, [](const Advice& a) { return some(a.gap); }, true},
    {"N", "N", 0, [](const Advice& a) { return some(a.turns); }, true},
    {"wire_mm", "线径 mm", 3, [](const Advice& a) { return a.wire > 0.0 ? some(a.wire) : std::nullopt; }, true},
    {"B_mT", "B̂max mT", 1, [](const Advice& a) { return a.design.peakFluxMax; }, true},
    {"B_share_pct", "Bsat %", 1, [](const Advice& a) { return a.design.bsatShareMax; }, true},
    {"P_core_W", "磁芯损耗 W", 3, [](const Advice& a) { return a.losses.coreLoss; }, true},
    {"P_cu_W", "铜损 W", 3, [](const Advice& a) { return a.losses.copperLoss; }, true},
    {"dT_K", "ΔT K", 1, [](const Advice& a) { return a.losses.temperatureRise; }, true},
    {"Ve_mm3", "Ve mm³", 0, [](const Advice& a) { return some(a.design.ve); }, true},
    {"mass_g", "质量 g", 1, [](const Advice& a) { return a.design.mass; }, false},
};

}  // namespace

std::span<const AdviceColumn> adviceColumns() { return kAdviceColumns; }

std::string adviceCell(const Advice& advice, const AdviceColumn& column)
{
    if (column.figure == nullptr) {
        const std::string_view name = column.name == "core"     ? advice.core->name
                                      : column.name == "family" ? advice.family->name
                                                                : advice.material->name;
        return std::string(name);
    }
    const std::optional<double> value = column.figure(advice);
    if (!value || !std::isfinite(*value))
        return "-";
    return std::string(formatNumber(*value, DisplayFormat{column.decimals, true, ""}, kPoint).view());
}

std::string verdictText(const Advice& advice, const Requirement& requirement, Language language)
{
    const bool zh = language == Language::Chinese;
    const auto number = [](double value, int decimals) {
        return std::string(formatNumber(value, DisplayFormat{decimals, true, ""}, kPoint).view());
    };
    switch (advice.verdict) {
    case Verdict::Feasible:
        return {};
    case Verdict::NoGap:
        return zh ? "所需气隙超过磁芯所能容纳" : "only a gap longer than the core holds gives the AL";
    case Verdict::WindowTooSmall:
        return zh ? "窗口放不下" : "the winding does not fit the window";
    case Verdict::TooHot:
        return "ΔT " + number(advice.losses.temperatureRise.value_or(0.0), 1) + " K > "
               + number(requirement.maxTemperatureRise, 0) + " K";
    case Verdict::Saturates:
        if (!advice.design.bsatShareMax)
            return zh ? "材料无 Bsat" : "the material gives no Bsat";
        return "B̂max " + number(*advice.design.bsatShareMax, 1) + " % > " + number(requirement.maxFluxShare, 0) + " %";
    case Verdict::NoLossData:
        return zh ? "材料无损耗数据" : "no loss data for the material";
    case Verdict::NotDesigned:
        break;
    }
    return zh ? "尺寸无法设计" : "the core's dimensions do not design";
}

}  // namespace ferricalc
