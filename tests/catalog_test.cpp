#include <gtest/gtest.h>

#include <set>
#include <utility>
#include <vector>
#include <string>

#include "calc/advisories.hpp"
#include "calc/calculation.hpp"
#include "calc/catalog_texts.hpp"
#include "cores/catalog.hpp"
#include "cores/registry.hpp"

namespace ferricalc {
namespace {

// Each window's catalogue, named for its window.
class WindowCatalogue : public testing::TestWithParam<int> {
protected:
    const CoreDescriptor& core() const { return coreType(GetParam()); }
};

std::string windowName(const testing::TestParamInfo<int>& info) { return std::string(coreType(info.param).name); }

TEST_P(WindowCatalogue, IsWrittenInTheWindowsLetters)
{
    const CatalogWindow& window = catalogWindows()[static_cast<std::size_t>(GetParam())];
    ASSERT_EQ(window.core, core().name);
    ASSERT_EQ(window.letters.size(), core().fields.size());
    for (std::size_t i = 0; i < core().fields.size(); ++i)
        EXPECT_EQ(window.letters[i], core().fields[i].letter) << "field " << i;
    for (const StandardCore& standard : window.cores)
        EXPECT_EQ(standard.texts.size(), core().fields.size()) << standard.name;
}

TEST_P(WindowCatalogue, EveryCoreCalculatesAllFiveResults)
{
    for (const StandardCore& standard : standardCores(core())) {
        const Calculation result = calculate(core(), standard.texts, ".");
        EXPECT_TRUE(result.succeeded()) << standard.name << ": "
                                        << failureMessage(core(), result.failure, Language::English);
        EXPECT_EQ(result.written, QuantityCount) << standard.name;
        // A standard core has a positive path length, area and volume.
        for (int q = 0; q < result.written; ++q)
            EXPECT_GT(result.values[static_cast<std::size_t>(q)], 0.0) << standard.name << ' ' << kQuantityNames[q];
    }
}

// The family's nestings hold in every standard core, so none of them is said to
// be implausible; and each nesting is checked: a core whose inner dimension is
// made as large as the outer one is.
TEST_P(WindowCatalogue, NoStandardCoreLooksImplausible)
{
    const auto doubts = [this](std::span<const std::string_view> texts) {
        const Calculation result = calculate(core(), texts, ".");
        return advise(core(), result, exactResults(result.constants), Language::English, ".").dimensions;
    };
    for (const StandardCore& standard : standardCores(core()))
        EXPECT_EQ(doubts(standard.texts), "") << standard.name;

    const StandardCore& first = standardCores(core()).front();
    for (const Nesting& nesting : core().nestings) {
        std::vector<std::string_view> texts(first.texts.begin(), first.texts.end());
        texts[static_cast<std::size_t>(nesting.inner)] = texts[static_cast<std::size_t>(nesting.outer)];
        const std::string expected = std::string(core().fields[static_cast<std::size_t>(nesting.inner)].letter)
                                     + " should be less than "
                                     + std::string(core().fields[static_cast<std::size_t>(nesting.outer)].letter);
        EXPECT_NE(doubts(texts).find(expected), std::string::npos) << expected;
    }
}

TEST_P(WindowCatalogue, EveryNameFindsItsOwnCore)
{
    // Names are compared ignoring letter case and blanks, so they must differ in more than that.
    std::set<std::string> seen;
    for (const StandardCore& standard : standardCores(core())) {
        std::string folded;
        for (const char c : standard.name)
            if (c != ' ')
                folded.push_back(static_cast<char>(std::tolower(static_cast<unsigned char>(c))));
        EXPECT_TRUE(seen.insert(folded).second) << standard.name << " repeats an earlier name";
        EXPECT_EQ(findStandardCore(core(), standard.name), &standard) << standard.name;
    }
}

bool overlap(const TwipRect& a, const TwipRect& b)
{
    return a.left < b.left + b.width && b.left < a.left + a.width && a.top < b.top + b.height
           && b.top < a.top + a.height;
}

std::string describe(const TwipRect& r)
{
    return '{' + std::to_string(r.left) + ", " + std::to_string(r.top) + ", " + std::to_string(r.width) + ", "
           + std::to_string(r.height) + '}';
}

using PlacedControls = std::vector<std::pair<std::string, TwipRect>>;

// Every control the descriptor places, by name, apart from the catalogue and the design button.
PlacedControls placedControls(const CoreDescriptor& c)
{
    PlacedControls controls{
        {"drawing", c.drawing.box}, {"Calculate", c.calculateButton}, {"Return", c.returnButton},
        {"message line", c.messageLine}};
    if (c.note.labelNumber != 0)
        controls.emplace_back("note", c.note.rect);
    for (const FieldSpec& f : c.fields) {
        const std::string letter(f.letter);
        controls.emplace_back(letter + " caption", TwipRect{f.captionLeft, f.top, kCaptionWidth, kCaptionHeight});
        controls.emplace_back(letter + " field", TwipRect{f.fieldLeft, f.top, f.fieldWidth, kFieldHeight});
    }
    for (std::size_t q = 0; q < c.results.size(); ++q) {
        const ResultSpec& r = c.results[q];
        const std::string name(kQuantityNames[q]);
        controls.emplace_back(name + " caption", TwipRect{r.captionLeft, r.top, r.captionWidth, kResultHeight});
        controls.emplace_back(name + " value", TwipRect{r.valueLeft, r.top, r.valueWidth, kResultHeight});
    }
    return controls;
}

void expectInFreeSpace(const CoreDescriptor& c, const char* part, const TwipRect& rect, const PlacedControls& controls)
{
    EXPECT_GT(rect.width, 0) << part;
    EXPECT_GT(rect.height, 0) << part;
    EXPECT_TRUE(rect.left >= 0 && rect.top >= 0 && rect.left + rect.width <= c.clientWidth
                && rect.top + rect.height <= c.clientHeight)
        << part << ' ' << describe(rect) << " leaves the window";
    for (const auto& [control, other] : controls)
        EXPECT_FALSE(overlap(rect, other)) << part << ' ' << describe(rect) << " overlaps " << control << ' '
                                           << describe(other);
}

TEST_P(WindowCatalogue, SitsInFreeSpaceInsideTheWindow)
{
    const CoreDescriptor& c = core();
    const PlacedControls controls = placedControls(c);
    const std::pair<const char*, TwipRect> parts[] = {
        {"caption", c.catalog.caption}, {"combo box", c.catalog.comboBox}, {"reference", c.catalog.reference}};
    for (const auto& [part, rect] : parts)
        expectInFreeSpace(c, part, rect, controls);
    EXPECT_FALSE(overlap(c.catalog.caption, c.catalog.comboBox));
    EXPECT_FALSE(overlap(c.catalog.comboBox, c.catalog.reference));
    EXPECT_FALSE(overlap(c.catalog.caption, c.catalog.reference));
}

TEST_P(WindowCatalogue, TheDesignButtonSitsInFreeSpaceInsideTheWindow)
{
    const CoreDescriptor& c = core();
    PlacedControls controls = placedControls(c);
    controls.emplace_back("catalogue caption", c.catalog.caption);
    controls.emplace_back("catalogue combo box", c.catalog.comboBox);
    controls.emplace_back("catalogue reference", c.catalog.reference);
    expectInFreeSpace(c, "design button", c.designButton, controls);
}

INSTANTIATE_TEST_SUITE_P(Catalogue, WindowCatalogue, testing::Range(0, kCoreTypeCount), windowName);

TEST(Catalogue, HoldsEveryWindowsStandardCores)
{
    int total = 0;
    for (const CatalogWindow& window : catalogWindows())
        total += static_cast<int>(window.cores.size());
    EXPECT_EQ(total, 440);
    EXPECT_EQ(standardCores(*findCoreType("ee")).size(), 137U);
    EXPECT_EQ(standardCores(*findCoreType("etd")).size(), 56U);
}

struct LookupCase {
    const char* name;
    const char* core;
    const char* asked;
    const char* found;  // "" for none
};

void PrintTo(const LookupCase& c, std::ostream* os) { *os << c.name; }

class StandardCoreLookup : public testing::TestWithParam<LookupCase> {};

TEST_P(StandardCoreLookup, FindsByNameOrByAPartOfOne)
{
    const LookupCase& c = GetParam();
    const StandardCore* found = findStandardCore(*findCoreType(c.core), c.asked);
    EXPECT_EQ(found != nullptr ? found->name : std::string_view(), std::string_view(c.found));
}

INSTANTIATE_TEST_SUITE_P(
    Catalogue, StandardCoreLookup,
    testing::Values(LookupCase{"WholeName", "etd", "ETD 34/17/11 (Ferroxcube)", "ETD 34/17/11 (Ferroxcube)"},
                    LookupCase{"AnyLetterCaseAndBlanks", "etd", "etd34/17/11(ferroxcube)", "ETD 34/17/11 (Ferroxcube)"},
                    LookupCase{"UniquePartOfAName", "etd", "ETD34-Z", "ETD 34 (TDK ETD34-Z)"},
                    LookupCase{"PartOfSeveralNamesFindsNone", "etd", "ETD 34", ""},
                    // "ER 25.5" is part of "ER 25.5 (TDK ER25.5-Z)" too, but names a core of its own.
                    LookupCase{"WholeNameWinsOverALongerOne", "etd", "ER 25.5", "ER 25.5"},
                    LookupCase{"OtherWindowsCoresAreNotFound", "ring", "ETD 34/17/11 (Ferroxcube)", ""},
                    LookupCase{"EmptyNameFindsNone", "ring", " ", ""}),
    [](const testing::TestParamInfo<LookupCase>& info) { return info.param.name; });

TEST(Catalogue, DeviationFromTheDataSheetOfOneCore)
{
    // TX25/15/10: C1 = 2π/(10·ln(25/15)) shows as 1.23001 and C2 as 0.02514, so
    // Le = 1.23001²/0.02514 shows as 60.17998mm against the published 60.18 (−0.000033 %),
    // Ae = 1.23001/0.02514 = 48.92641 mm² against 48.9 (+0.054 %) and
    // Ve = 1.23001³/0.02514² = 2944.390 mm³ against 2943 (+0.047 %).
    const CoreDescriptor& ring = *findCoreType("ring");
    const StandardCore* tx25 = findStandardCore(ring, "TX25/15/10");
    ASSERT_NE(tx25, nullptr);
    const Calculation result = calculate(ring, tx25->texts, ".");
    ASSERT_TRUE(result.succeeded());
    EXPECT_EQ(result.texts[C1].view(), "1.23001");
    EXPECT_EQ(result.texts[C2].view(), "0.02514");
    EXPECT_NEAR(deviationPercent(result.values[Le], *tx25->dataSheet.le), -0.000033, 0.0000005);
    EXPECT_NEAR(deviationPercent(result.values[Ae], *tx25->dataSheet.ae), 0.054, 0.0005);
    EXPECT_NEAR(deviationPercent(result.values[Ve], *tx25->dataSheet.ve), 0.047, 0.0005);
}

struct DeviationTextCase {
    double percent;
    const char* separator;
    const char* text;
};

TEST(CatalogueTexts, DeviationHasOneDecimalAndItsSign)
{
    const DeviationTextCase cases[] = {
        {1.26, ".", "+1.3"},   {-0.44, ".", "-0.4"}, {0.04, ".", "0.0"},   {-0.04, ".", "0.0"},
        {0.25, ".", "+0.3"},   {-0.25, ".", "-0.3"}, {20.94, ",", "+20,9"}, {-123.45, ".", "-123.5"},
    };
    for (const DeviationTextCase& c : cases)
        EXPECT_EQ(deviationText(c.percent, c.separator), c.text) << c.percent;
}

TEST(CatalogueTexts, WrittenWithTheUsersSeparator)
{
    EXPECT_EQ(catalogText("10.8", ","), "10,8");
    EXPECT_EQ(catalogText("7640", ","), "7640");
    EXPECT_EQ(figureText(97.1, ","), "97,1");
    EXPECT_EQ(figureText(138270.0, "."), "138270");
    EXPECT_EQ(figureText(0.5, "."), "0.5");
}

}  // namespace
}  // namespace ferricalc
