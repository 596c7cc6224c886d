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

}  // namespace
}  // namespace ferricalc
