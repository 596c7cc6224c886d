// What one Calculate costs without any window: each core type's geometry on a
// standard core of its catalogue, the reading of a typed dimension, the writing
// of a result in its display format, and the whole pipeline from the fields'
// texts to the five result texts.

#include <benchmark/benchmark.h>

#include <array>
#include <string>
#include <vector>

#include "calc/advisor.hpp"
#include "calc/calculation.hpp"
#include "calc/number_text.hpp"
#include "cores/catalog.hpp"
#include "cores/registry.hpp"

namespace ferricalc::bench {
namespace {

// A standard core of the type from the middle of its catalogue, as field texts and as numbers.
struct Sample {
    const CoreDescriptor* core = nullptr;
    std::vector<std::string_view> texts;
    std::vector<double> dimensions;
};

Sample sampleOf(const CoreDescriptor& core)
{
    Sample sample{&core, {}, {}};
    const std::span<const StandardCore> standards = standardCores(core);
    const StandardCore& standard = standards[standards.size() / 2];
    for (std::size_t field = 0; field < core.fields.size(); ++field) {
        sample.texts.push_back(standard.texts[field]);
        sample.dimensions.push_back(parseNumber(standard.texts[field], ".").value_or(0.0));
    }
    return sample;
}

void Geometry(benchmark::State& state, const Sample& sample)
{
    const std::span<const double> dimensions(sample.dimensions);
    for (auto _ : state) {
        benchmark::DoNotOptimize(dimensions.data());
        CoreConstants constants = sample.core->geometry(dimensions);
        benchmark::DoNotOptimize(constants);
    }
}

void WholeCalculate(benchmark::State& state, const Sample& sample)
{
    for (auto _ : state) {
        Calculation calculation = calculate(*sample.core, sample.texts, ".");
        benchmark::DoNotOptimize(calculation);
    }
}

// Typed dimensions of every kind the windows meet, read in turn.
void ReadDimension(benchmark::State& state)
{
    static constexpr std::array<std::string_view, 6> kTexts{"34.2", "0", "12.75", " 7.5 ", "1e-3", "２５．６"};
    std::size_t next = 0;
    for (auto _ : state) {
        const std::string_view text = kTexts[next++ % kTexts.size()];
        benchmark::DoNotOptimize(text.data());
        benchmark::DoNotOptimize(parseNumber(text, "."));
    }
}

// The five results of the EE/EF window's worked example, written in turn.
void WriteResult(benchmark::State& state)
{
    static constexpr std::array<double, 5> kValues{1.0049327, 0.017704, 57.0556113, 56.775712, 3239.37258};
    static constexpr std::array<DisplayFormat, 5> kFormats{kPlain5, kPlain5, kLength5, kArea5, kVolume5};
    std::size_t next = 0;
    for (auto _ : state) {
        const std::size_t i = next++ % kValues.size();
        double value = kValues[i];
        benchmark::DoNotOptimize(value);
        ResultText text = formatNumber(value, kFormats[i], ".");
        benchmark::DoNotOptimize(text);
    }
}

// A written result read back, as Le, Ae and Ve are derived from C1 and C2 as shown.
void ReadBackResult(benchmark::State& state)
{
    const ResultText text = formatNumber(1.0049327, kPlain5, ".");
    for (auto _ : state) {
        benchmark::DoNotOptimize(text);
        benchmark::DoNotOptimize(readBack(text, kPlain5, "."));
    }
}

// A whole design with its losses: an ETD 34 in N87 with a gap, turns, a triangular ripple and a wire.
void DesignWithLosses(benchmark::State& state)
{
    const CoreDescriptor& etd = *findCoreType("etd");
    const CoreSet set = coreSet(etd, findStandardCore(etd, "ETD34-Z")->texts, ".").set;
    const Material& n87 = *findMaterial("N87");
    DesignInputs in = materialInputs(n87);
    in.gap = 0.5;
    in.turns = 20;
    in.current = 2.3;
    LossInputs loss;
    loss.frequency = 100e3;
    loss.waveform = LossWaveform::Triangle;
    loss.ripple = 0.6;
    loss.wireDiameter = 0.5;
    for (auto _ : state) {
        const Design d = design(set, in);
        benchmark::DoNotOptimize(designLosses(set, &n87, d, in.current, loss));
    }
}

// The adviser over every standard core for one material.
void AdviseEveryCore(benchmark::State& state)
{
    Requirement r;
    r.inductance = 100;
    r.peakCurrent = 2.3;
    r.ripple = 0.6;
    const Material* n87[] = {findMaterial("N87")};
    for (auto _ : state)
        benchmark::DoNotOptimize(advise(coreTypes(), n87, r, Ranking::Volume));
}

BENCHMARK(DesignWithLosses);
BENCHMARK(AdviseEveryCore)->Unit(benchmark::kMillisecond);
BENCHMARK(ReadDimension);
BENCHMARK(WriteResult);
BENCHMARK(ReadBackResult);

}  // namespace
}  // namespace ferricalc::bench

int main(int argc, char** argv)
{
    using namespace ferricalc;
    static std::vector<bench::Sample> samples;
    for (const CoreDescriptor* core : coreTypes())
        if (core->available() && !standardCores(*core).empty())
            samples.push_back(bench::sampleOf(*core));
    for (const bench::Sample& sample : samples) {
        const std::string name(sample.core->name);
        benchmark::RegisterBenchmark(("Geometry/" + name).c_str(), bench::Geometry, sample);
        benchmark::RegisterBenchmark(("Calculate/" + name).c_str(), bench::WholeCalculate, sample);
    }
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
