// The compiled-in materials: figures in their physical ranges, found by name as a user types it.

#include <gtest/gtest.h>

#include <set>
#include <string>

#include "cores/materials.hpp"
#include "cores/names.hpp"

namespace ferricalc {
namespace {

TEST(Materials, FiguresLieInTheirRanges)
{
    ASSERT_FALSE(materials().empty());
    std::set<std::string> names;
    for (const Material& material : materials()) {
        EXPECT_TRUE(names.insert(comparableName(material.name)).second) << material.name << " repeats a name";
        EXPECT_TRUE(material.base == "MnZn" || material.base == "NiZn") << material.name;
        EXPECT_GE(material.muI, 1.0) << material.name;
        // Ferrites saturate between about 0.2 and 0.6 T, less when warm.
        for (const auto& bsat : {material.bsat25, material.bsat100}) {
            if (bsat) {
                EXPECT_TRUE(*bsat > 150 && *bsat < 650) << material.name;
            }
        }
        if (material.bsat25 && material.bsat100) {
            EXPECT_GE(*material.bsat25, *material.bsat100) << material.name;
        }
        if (material.density) {
            EXPECT_TRUE(*material.density > 4000 && *material.density < 5500) << material.name;
        }
    }
}

TEST(Materials, FoundByNameWhateverTheCaseAndBlanks)
{
    const Material* n87 = findMaterial("N87");
    ASSERT_NE(n87, nullptr);
    EXPECT_EQ(n87->muI, 2200);
    EXPECT_EQ(n87->bsat100, 390);
    EXPECT_EQ(findMaterial(" n 87 "), n87);
    EXPECT_EQ(findMaterial("N8"), nullptr);
    EXPECT_EQ(findMaterial(""), nullptr);
    EXPECT_EQ(findMaterial("   "), nullptr);
}

TEST(Materials, AMakerMayBeNamedBeforeTheName)
{
    const Material* n87 = findMaterial("N87");
    EXPECT_EQ(findMaterial("tdk:n87"), n87);
    EXPECT_EQ(findMaterial("Fair-Rite:77"), findMaterial("77"));
    ASSERT_NE(findMaterial("fair-rite : 77"), nullptr);
    EXPECT_EQ(findMaterial("fair-rite : 77")->manufacturer, "Fair-Rite");
    EXPECT_EQ(findMaterial("Ferroxcube:N87"), nullptr);  // the wrong maker
    EXPECT_EQ(findMaterial(":N87"), nullptr);
    EXPECT_EQ(findMaterial("TDK:"), nullptr);

    // A bare name two makers use finds neither; the maker tells them apart.
    const auto named = [](std::string_view maker) {
        Material material{};
        material.name = "95";
        material.manufacturer = maker;
        return material;
    };
    const Material twoMakers[] = {named("Fair-Rite"), named("Other")};
    EXPECT_EQ(findMaterial(twoMakers, "95"), nullptr);
    EXPECT_EQ(findMaterial(twoMakers, "other:95"), &twoMakers[1]);
}

TEST(Materials, LossFitsRiseInFrequencyAndDoubtsAreShort)
{
    int fits = 0;
    for (const Material& material : materials()) {
        EXPECT_LT(material.doubts.size(), 120u) << material.name;
        if (material.curie) {
            EXPECT_TRUE(*material.curie > 90 && *material.curie < 500) << material.name;
        }
        if (!material.hasLossFit())
            continue;
        ++fits;
        double previousEnd = 0.0;
        for (const SteinmetzRange& range : material.steinmetz) {
            EXPECT_LT(range.fMin, range.fMax) << material.name;
            EXPECT_GT(range.fMin, previousEnd * 0.99) << material.name;
            EXPECT_GT(range.k, 0.0) << material.name;
            previousEnd = range.fMax;
        }
        if (material.lossFitFitted) {
            // Our own fits: exponents where ferrites have them, one valley in temperature.
            for (const SteinmetzRange& range : material.steinmetz) {
                EXPECT_TRUE(range.alpha >= 1.0 && range.alpha <= 3.2) << material.name;
                EXPECT_TRUE(range.beta >= 2.0 && range.beta <= 3.4) << material.name;
                EXPECT_TRUE(range.ct0 > 0 && range.ct2 > 0) << material.name;
            }
        }
    }
    EXPECT_GE(fits, 48);
    EXPECT_EQ(findMaterial("3C91")->doubts, "mu_i read off a curve");
    EXPECT_TRUE(findMaterial("N87")->lossFitFitted);
}

}  // namespace
}  // namespace ferricalc
