// A field whose meaning says "（不参与计算）" is one the geometry reads but does
// not use, and the magnetic figures neither; every other field moves C1 or C2.
// Checked by moving each field of a core whose every dimension is non-zero, so
// that no term hides another.

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

#include "cli_worked_examples.hpp"
#include "cores/registry.hpp"

namespace ferricalc::testing_support {
namespace {

struct FullCore {
    const char* core;
    const char* inputs;  // every field named, none zero
};

constexpr FullCore kFullCores[] = {
    {"ring", "A=10 B=6 h=4 r3=0.2 a=0.05 b=0.05"},
    {"uf", "A=59.2 B=32.4 C=12.8 D=16.5 E=20.6 F=33.5 P=11.9"},
    {"uy", "A=40 B=20 C=10 E=14 F=22 r1=1 r2=1.5 r3=0.5"},
    {"uyf", "A=50 B=25 C=16 D=12 E=20 F=32 G=1 Gd=0.5 H=2 X=2 Y=3 Z=1"},
    {"ee", "A=25 B=17.5 C=7.5 D=7.5 E=8.7 F=12.8 Rd=0.5 Rw=0.5 Rn=0.5"},
    {"rm", "A=24.7 B=21.2 C=10.7 E=6.3 F=9.3 G=27.8 H=18.9 I=10.5"},
    {"etd", "A=34.2 B=25.6 C=10.8 D=10.8 E=11.8 F=17.3 Rd=0.5 Rw=0.5 Rn=0.5 R=0.5"},
    {"pot", "A=18 B=14.9 C=7.45 D=3 E=3.6 F=5.3 G=2 H=13"},
    {"ep", "A=12.5 B=9 C=4.5 D=8.8 E=4.5 F=6.5 G=1"},
    {"ui", "A=40 B=20 C=10 D=12 E=15 F=25 G=8 P=10"},
    {"ei", "A=28 B=19 C=9.5 D=10.6 E=14.5 F=19 G=4.7"},
    {"ed", "A=30 B=20 C=10 D=10 E=15 F=20"},
};

void PrintTo(const FullCore& c, std::ostream* os) { *os << c.core; }

class FieldUse : public testing::TestWithParam<FullCore> {};

TEST_P(FieldUse, AFieldTheGeometryIgnoresSaysSo)
{
    const CoreDescriptor& core = *findCoreType(GetParam().core);
    std::vector<double> dimensions;
    for (const FieldSpec& field : core.fields) {
        std::string_view text;
        ASSERT_TRUE(findInput(GetParam().inputs, field.letter, text)) << field.letter;
        dimensions.push_back(std::stod(std::string(text)));
    }
    const CoreConstants base = core.geometry(dimensions);
    ASSERT_TRUE(base.complete());
    // What the magnetic design takes from the dimensions, beside C1 and C2.
    const auto shape = [&core](std::span<const double> values) {
        const MagneticShape figures = core.magnetics(values);
        return std::array{figures.amin, figures.windowWidth, figures.windowHeight, figures.windowArea,
                          figures.post.section, figures.outerLegs[0].section, figures.legHeight};
    };
    for (std::size_t i = 0; i < dimensions.size(); ++i) {
        std::vector<double> moved = dimensions;
        moved[i] *= 1.01;
        const CoreConstants after = core.geometry(moved);
        ASSERT_TRUE(after.complete()) << core.fields[i].letter;
        const bool used = *after.c1 != *base.c1 || *after.c2 != *base.c2;
        const bool saysUnused = core.fields[i].meaning.ends_with("（不参与计算）");
        EXPECT_NE(used, saysUnused) << core.name << ' ' << core.fields[i].letter << ": " << core.fields[i].meaning;
        if (saysUnused) {
            EXPECT_EQ(shape(moved), shape(dimensions)) << core.name << ' ' << core.fields[i].letter;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(EveryCore, FieldUse, testing::ValuesIn(kFullCores),
                         [](const testing::TestParamInfo<FullCore>& info) { return std::string(info.param.core); });

}  // namespace
}  // namespace ferricalc::testing_support
