// The design's AL against the published AL of real sets (data/al-published.csv):
// the goals for gapped and ungapped sets, and each record's catalogue core and
// plot points.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <fstream>

#include "cli/accuracy.hpp"
#include "cores/published_al.hpp"

namespace ferricalc {
namespace {

class PublishedAlRecords : public testing::Test {
protected:
    void SetUp() override
    {
        std::ifstream data(FERRICALC_AL_DATA);
        std::string problem;
        m_records = readAlRecords(data, problem);
        ASSERT_EQ(problem, "");
        m_comparisons = compareAl(m_records, problem);
        ASSERT_EQ(problem, "");
        ASSERT_EQ(m_comparisons.size(), 99u);
    }

    std::vector<AlRecord> m_records;
    std::vector<AlComparison> m_comparisons;
};

TEST_F(PublishedAlRecords, GappedSetsMeetTheGoalsWithFringing)
{
    const std::vector<AlSummary> summaries = summarizeAl(m_comparisons);
    const AlSummary& all = summaries.back();
    ASSERT_EQ(all.gapped, 69);
    // Measured 8.7 % and 63 of 69; the RM 8/I records' printed gaps are one
    // approximate figure for materials of μi 750 to 2700, EP 13's are computed
    // from the AL without fringing (see the README).
    EXPECT_LE(all.medianFringing, 9.5);
    EXPECT_GE(all.within20Fringing, 0.9 * all.gapped);
    // The fringe field is what brings them there: without it the gap's reluctance is too high.
    EXPECT_GT(all.medianNoFringing, 2 * all.medianFringing);
    for (const AlComparison& c : m_comparisons) {
        if (c.record->gap > 0.0) {
            EXPECT_LT(std::abs(c.errorFringing), 25.0) << c.record->shape << ' ' << c.record->material << ' '
                                                       << c.record->gap << " mm";
        }
    }
}

TEST_F(PublishedAlRecords, ThreeQuartersOfTheUngappedSetsLieWithinTheirTolerance)
{
    int ungapped = 0;
    int within = 0;
    for (const AlComparison& c : m_comparisons) {
        if (c.record->gap > 0.0)
            continue;
        ++ungapped;
        within += c.withinTolerance ? 1 : 0;
    }
    ASSERT_EQ(ungapped, 30);
    EXPECT_GE(within, 0.75 * ungapped);  // 27 of 30; of the first 21, μ0·μi/C1 alone had 4
}

TEST_F(PublishedAlRecords, TheGapForThePublishedAlLiesOnTheSideOfTheError)
{
    // AL falls as the gap grows: a set the design puts below its published AL
    // needs a shorter gap than the printed one to reach it, and the reverse.
    for (const AlComparison& c : m_comparisons) {
        if (c.record->gap <= 0.0)
            continue;
        ASSERT_TRUE(c.impliedGap.has_value()) << c.record->shape << ' ' << c.record->material << ' ' << c.record->gap;
        EXPECT_EQ(*c.impliedGap < c.record->gap, c.fringing < c.record->al)
            << c.record->shape << ' ' << c.record->material << ' ' << c.record->gap << " mm";
    }
}

TEST_F(PublishedAlRecords, EachClassHoldsItsShareOfTheGappedSets)
{
    const std::vector<AlGroup> groups = groupAl(m_comparisons);
    ASSERT_EQ(groups.size(), 6u);
    int byGap = 0;
    int byMuI = 0;
    for (const AlGroup& g : groups) {
        (g.group.starts_with("gap") ? byGap : byMuI) += g.count;
        EXPECT_LE(g.median, g.p90) << g.group;
    }
    EXPECT_EQ(byGap, 69);
    EXPECT_EQ(byMuI, 69);
}

TEST_F(PublishedAlRecords, EachRecordFindsItsCatalogueCoreAndItsPlotPoint)
{
    for (const AlRecord& record : m_records) {
        const CatalogueMatch match = findCatalogueCore(record.shape, record.vendor);
        ASSERT_NE(match.core, nullptr) << record.shape;
        EXPECT_EQ(match.core->name, record.standardCore) << record.shape;
        const std::vector<PublishedAlPoint> points = publishedAlPoints(match.core->name, record.material);
        EXPECT_TRUE(std::any_of(points.begin(), points.end(), [&](const PublishedAlPoint& p) {
            return p.gap == record.gap && p.al == record.al;
        })) << record.shape << ' ' << record.material << ' ' << record.gap;
    }
}

struct SetNames {
    const char* name;
    const char* catalogueName;
    const char* shape;
    bool same;
};

const SetNames kSetNames[] = {
    {"SizeAloneIsTheSet", "ETD 34 (TDK ETD34-Z)", "ETD 34/17/11", true},
    {"PlainRmVersion", "RM 8 (TDK RM8Z-12)", "RM 8/I", true},
    {"LowProfileIsAnother", "RM 8/ILP", "RM 8/I", false},
    {"BlanksAndCaseIgnored", "p18/11 (any vendor)", "P 18/11", true},
    {"OtherDimensions", "E 13/6/6 (Ferroxcube)", "E 13/7/4", false},
    {"SizeOfSeveralSetsIsNone", "E 13 (TDK E13-Z)", "E 13/7/4", false},
    {"SetNamedInFull", "E 13/7/4 (Ferroxcube)", "E 13/7/4", true},
    {"OtherSize", "RM 10/I (Ferroxcube)", "RM 8/I", false},
    {"EmptyName", "", "RM 8/I", false},
};

void PrintTo(const SetNames& c, std::ostream* os) { *os << c.name; }

class SameCoreSet : public testing::TestWithParam<SetNames> {};

TEST_P(SameCoreSet, MatchesByDesignationPartByPart)
{
    EXPECT_EQ(sameCoreSet(GetParam().catalogueName, GetParam().shape), GetParam().same);
}

INSTANTIATE_TEST_SUITE_P(PublishedAl, SameCoreSet, testing::ValuesIn(kSetNames),
                         [](const testing::TestParamInfo<SetNames>& info) { return std::string(info.param.name); });

TEST(PublishedAlPoints, AreTheMaterialsPointsByGrowingGap)
{
    const std::vector<PublishedAlPoint> points = publishedAlPoints("RM 8 (TDK RM8Z-12)", "3c90");
    ASSERT_EQ(points.size(), 6u);  // the ungapped set and five gaps
    EXPECT_EQ(points.front().gap, 0.0);
    EXPECT_EQ(points.front().al, 3300.0);
    EXPECT_EQ(points.back().gap, 1.1);
    EXPECT_TRUE(publishedAlPoints("RM 8 (TDK RM8Z-12)", "N87").empty());
    EXPECT_TRUE(publishedAlPoints("E 13/6/3 (Ferroxcube)", "3C90").empty());
}

}  // namespace
}  // namespace ferricalc
