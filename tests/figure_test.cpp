#include "figure/serif_figure.h"
#include "tests/recording_surface.h"

#include <gtest/gtest.h>

#include <limits>

namespace {

constexpr double kInfinity = std::numeric_limits<double>::infinity();

// Sets the design parameters for one test and puts the defaults back after.
class FigureTest : public ::testing::Test {
protected:
    void TearDown() override
    {
        g_dRatio = kDefaultRatio;
        g_dAngleOffset = kDefaultAngleOffset;
    }

    static std::vector<Segment> Draw(FigureRect rect, double ratio = 0.7, double offset = 0.0)
    {
        g_dRatio = ratio;
        g_dAngleOffset = offset;
        RecordingSurface surface;
        DrawDesign(surface, rect);
        return surface.segments;
    }
};

// Counts segments without keeping them, for the large figures.
struct CountingSurface {
    int64_t segments = 0;
    void MoveTo(int32_t, int32_t) {}
    void LineTo(int32_t, int32_t) { ++segments; }
};

TEST(DesignParameters, StartAtTheirDefaults)
{
    EXPECT_EQ(g_dRatio, 0.7);
    EXPECT_EQ(g_dAngleOffset, 0.0);
}

TEST_F(FigureTest, HundredSquareMatchesTheTableOfFirstSegments)
{
    std::vector<Segment> segments = Draw({0, 0, 100, 100});
    ASSERT_EQ(segments.size(), 511u);
    const std::vector<Segment> first = {
        {85, 50, 15, 50}, {85, 27, 85, 73}, {69, 27, 101, 27}, {69, 37, 69, 17},
        {77, 37, 61, 37}, {77, 33, 77, 41}, {75, 33, 79, 33}, {75, 34, 75, 32},
        {76, 34, 74, 34}, {75, 32, 75, 32}, {79, 32, 79, 34},
    };
    EXPECT_EQ(std::vector<Segment>(segments.begin(), segments.begin() + 11), first);
    EXPECT_EQ(LevelLengths(100, 0.7), (std::vector<int32_t>{70, 49, 34, 23, 16, 11, 7, 4, 2}));

    int32_t minX = 0, maxX = 0, minY = 100, maxY = 0;
    for (const Segment& s : segments) {
        minX = std::min({minX, s.x1, s.x2});
        maxX = std::max({maxX, s.x1, s.x2});
        minY = std::min({minY, s.y1, s.y2});
        maxY = std::max({maxY, s.y1, s.y2});
    }
    EXPECT_EQ(minX, -14);
    EXPECT_EQ(maxX, 114);
    EXPECT_EQ(minY, 12);
    EXPECT_EQ(maxY, 88);
}

TEST_F(FigureTest, WidthsGiveTheirLengthsAndLevels)
{
    struct Case {
        int32_t width;
        std::vector<int32_t> firstLengths;
        size_t levels;
    };
    const Case cases[] = {
        {1000, {700, 489, 342, 239}, 16}, // 700 * 0.7 is just below 490
        {1024, {716}, 16},
        {102, {71, 49}, 9},
    };
    for (const Case& c : cases) {
        std::vector<int32_t> lengths = LevelLengths(c.width, 0.7);
        EXPECT_EQ(lengths.size(), c.levels) << c.width;
        EXPECT_TRUE(std::equal(c.firstLengths.begin(), c.firstLengths.end(), lengths.begin())) << c.width;
        std::vector<Segment> segments = Draw({0, 0, c.width, c.width * 7 / 10});
        EXPECT_EQ(segments.size(), (size_t{1} << c.levels) - 1) << c.width;
    }
    // An odd length loses one unit: 71 has the half-length 35.
    EXPECT_EQ(Draw({0, 0, 102, 102})[0], (Segment{86, 51, 16, 51}));
}

TEST_F(FigureTest, RatiosOfTheLimitsTable)
{
    const std::pair<double, size_t> cases[] = {
        {0.5, 9}, {0.6, 11}, {0.7, 16}, {0.75, 20}, {0.8, 25},
    };
    for (auto [ratio, levels] : cases) {
        EXPECT_EQ(LevelLengths(1024, ratio).size(), levels) << ratio;
        EXPECT_FALSE(LevelCapReached(1024, ratio)) << ratio;
    }
    // 0.8 on 1024 is exactly 25 levels and is drawn whole.
    g_dRatio = 0.8;
    CountingSurface counter;
    DrawDesign(counter, FigureRect{0, 0, 1024, 768});
    EXPECT_EQ(counter.segments, 33554431);
}

TEST_F(FigureTest, ALevelCapEndsFiguresThatWouldNotEnd)
{
    for (double ratio : {1.0, 0.95, 1.5}) {
        EXPECT_TRUE(LevelCapReached(1024, ratio)) << ratio;
        EXPECT_EQ(LevelLengths(1024, ratio).size(), size_t(kMaxLevels)) << ratio;
    }
    g_dRatio = 1.0;
    CountingSurface counter;
    DrawDesign(counter, FigureRect{0, 0, 1024, 768});
    EXPECT_EQ(counter.segments, (int64_t{1} << kMaxLevels) - 1);
}

TEST_F(FigureTest, OffsetThirtyTurnsTheSerifsWithTheOldDegreeFactor)
{
    std::vector<Segment> segments = Draw({0, 0, 100, 100}, 0.7, 30);
    EXPECT_EQ(segments[0], (Segment{85, 50, 15, 50}));
    EXPECT_EQ(segments[1], (Segment{73, 30, 97, 70}));
    // The serif at the second end of the first segment comes after the first subtree.
    EXPECT_EQ(segments[256], (Segment{27, 70, 3, 30}));
}

TEST_F(FigureTest, OffsetThreeHundredSixtyDiffersFromZero)
{
    std::vector<Segment> zero = Draw({0, 0, 100, 100}, 0.7, 0);
    std::vector<Segment> full = Draw({0, 0, 100, 100}, 0.7, 360);
    ASSERT_EQ(full.size(), 511u);
    EXPECT_TRUE(std::equal(zero.begin(), zero.begin() + 4, full.begin()));
    EXPECT_EQ(full[4], (Segment{76, 37, 62, 37}));
    int differing = 0;
    for (size_t i = 0; i < zero.size(); ++i)
        differing += zero[i] != full[i];
    EXPECT_EQ(differing, 394);
}

TEST_F(FigureTest, DegenerateRatiosAndOffsets)
{
    EXPECT_EQ(Draw({0, 0, 100, 100}, 0.0), (std::vector<Segment>{{50, 50, 50, 50}}));
    EXPECT_EQ(Draw({0, 0, 100, 100}, -0.7),
              (std::vector<Segment>{{15, 50, 85, 50}, {15, 27, 15, 73}, {85, 73, 85, 27}}));
    EXPECT_EQ(Draw({0, 0, 100, 100}, kInfinity), (std::vector<Segment>{{50, 50, 50, 50}}));
    EXPECT_EQ(Draw({0, 0, 100, 100}, -kInfinity), (std::vector<Segment>{{50, 50, 50, 50}}));

    // An infinite offset collapses every serif to its midpoint, yet walks the whole tree.
    std::vector<Segment> collapsed = Draw({0, 0, 100, 100}, 0.7, kInfinity);
    ASSERT_EQ(collapsed.size(), 511u);
    EXPECT_EQ(collapsed[0], (Segment{85, 50, 15, 50}));
    for (size_t i = 1; i < collapsed.size(); ++i)
        EXPECT_TRUE(collapsed[i].x1 == collapsed[i].x2 && collapsed[i].y1 == collapsed[i].y2) << i;
    EXPECT_EQ(collapsed[1], (Segment{85, 50, 85, 50}));
}

TEST_F(FigureTest, SmallTargets)
{
    EXPECT_EQ(Draw({0, 0, 5, 5}),
              (std::vector<Segment>{{3, 2, 1, 2}, {3, 2, 3, 2}, {1, 2, 1, 2}}));
    EXPECT_EQ(Draw({0, 0, 3, 3}), (std::vector<Segment>{{2, 1, 0, 1}}));
    EXPECT_EQ(Draw({0, 0, 2, 2}), (std::vector<Segment>{{1, 1, 1, 1}}));
    EXPECT_EQ(Draw({0, 0, 0, 0}), (std::vector<Segment>{{0, 0, 0, 0}}));
}

TEST(Conversion, TruncatesAndWrapsWithoutUndefinedBehaviour)
{
    const std::pair<double, int32_t> cases[] = {
        {2.9, 2},
        {-2.9, -2},
        {2147483647.5, 2147483647},
        {2147483648.0, -2147483647 - 1},
        {4294967298.7, 2},
        {-4294967298.7, -2},
        {9223372036854774784.0, -1024},   // 2^63 - 1024, the largest double below 2^63
        {9223372036854775808.0, 0},       // 2^63
        {-9223372036854775808.0, 0},
        {1e300, 0},
        {kInfinity, 0},
        {-kInfinity, 0},
        {std::numeric_limits<double>::quiet_NaN(), 0},
    };
    for (auto [value, expected] : cases)
        EXPECT_EQ(ConvertToInt32(value), expected) << value;
    EXPECT_EQ(ConvertToInt32(6442450943.0), 2147483647); // 0x17FFFFFFF
}

TEST_F(FigureTest, ExtremeRectanglesStayDefined)
{
    // Lengths near the 32-bit limit make coordinate sums wrap; nothing may trap.
    g_dRatio = 0.99;
    CountingSurface counter;
    DrawDesign(counter, FigureRect{0, 0, 2147483647, 2147483647});
    EXPECT_EQ(counter.segments, (int64_t{1} << kMaxLevels) - 1);
    std::vector<Segment> negative = Draw({2147483647, 0, -2147483647 - 1, 10}, 1e9);
    EXPECT_GE(negative.size(), 1u);
    std::vector<Segment> huge = Draw({0, 0, 1000, 1000}, 1e20, 1e30);
    EXPECT_GE(huge.size(), 1u);
}

} // namespace
