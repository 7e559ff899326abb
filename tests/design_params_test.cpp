#include "figure/design_params.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <limits>

namespace {

constexpr double kInfinity = std::numeric_limits<double>::infinity();

TEST(TextForms, RatioWithThreeDecimalsAndOffsetWithOne)
{
    const std::pair<double, const char*> ratios[] = {
        {0.7, "0.700"}, {0.6666, "0.667"}, {2, "2.000"}, {-0.25, "-0.250"},
        {1234567, "1234567.000"}, {0.0004, "0.000"}, {-0.0004, "-0.000"},
    };
    for (auto [value, text] : ratios)
        EXPECT_EQ(RatioText(value), text) << value;
    const std::pair<double, const char*> offsets[] = {
        {0, "0.0"}, {12.34, "12.3"}, {-45, "-45.0"}, {0.96, "1.0"}, {-0.0004, "-0.0"},
    };
    for (auto [value, text] : offsets)
        EXPECT_EQ(AngleOffsetText(value), text) << value;
}

TEST(TextForms, LargestDoubleShowsAllItsDigits)
{
    std::string text = RatioText(std::numeric_limits<double>::max());
    ASSERT_EQ(text.size(), 309u + 4u);
    EXPECT_EQ(text.substr(0, 6), "179769");
    EXPECT_EQ(text.substr(309), ".000");
    EXPECT_EQ(AngleOffsetText(1e308).size(), 309u + 2u);
    EXPECT_EQ(ParseDesignValue(text), std::numeric_limits<double>::max());
}

TEST(TextForms, InfinityReadsBackAsInfinity)
{
    for (double value : {kInfinity, -kInfinity}) {
        EXPECT_EQ(ParseDesignValue(RatioText(value)), value);
        EXPECT_EQ(ParseDesignValue(AngleOffsetText(value)), value);
    }
}

TEST(TextForms, UseAPointWhateverTheLocale)
{
    const char* previous = std::setlocale(LC_ALL, nullptr);
    std::string saved = previous ? previous : "C";
    ASSERT_NE(std::setlocale(LC_ALL, "de_DE.UTF-8"), nullptr)
        << "the test set-up installs the de_DE.UTF-8 locale";
    EXPECT_EQ(RatioText(0.5), "0.500");
    EXPECT_EQ(AngleOffsetText(-12.25), "-12.2");
    EXPECT_EQ(ParseDesignValue("0,5"), 0.0);
    EXPECT_EQ(ParseDesignValue("1.25"), 1.25);
    std::setlocale(LC_ALL, saved.c_str());
}

TEST(ParseRule, AcceptedTexts)
{
    const std::pair<const char*, double> cases[] = {
        {"0.7", 0.7}, {"  0.65", 0.65}, {"+.5", 0.5}, {"-2", -2}, {"5.", 5},
        {"1e-1", 0.1}, {"1E-1", 0.1}, {"-.5e1", -5}, {"2e", 2}, {"2e+", 2}, {"2e-", 2},
        {"1.5e-x", 1.5}, {"0.5abc", 0.5}, {"0.7 0.8", 0.7}, {"0,5", 0}, {"1,000", 1},
        {"0x1A", 0}, {"1d3", 1}, {"1e400", kInfinity}, {"-1e400", -kInfinity},
        {"1e-400", 0}, {"\t\n\v\f\r 3", 3}, {"007", 7}, {"0.000", 0},
        {"1e99999999999999999999999", kInfinity}, {"1e-99999999999999999999999", 0},
        {"4.9406564584124654e-324", 4.9406564584124654e-324}, // the smallest subnormal
        {"3e-324", 4.9406564584124654e-324},                     // nearer to it than to 0
        {"2e-324", 0},
        {"1.7976931348623157e308", 1.7976931348623157e308},
        {"1.7976931348623159e308", kInfinity},
        {"9007199254740993", 9007199254740992.0}, // a tie rounds to even
        {"9007199254740993.0000000000000000000000001", 9007199254740994.0},
    };
    for (auto [text, value] : cases) {
        std::optional<double> parsed = ParseDesignValue(text);
        ASSERT_TRUE(parsed.has_value()) << text;
        EXPECT_EQ(*parsed, value) << text;
    }
    EXPECT_TRUE(std::signbit(*ParseDesignValue("-0")));
    EXPECT_TRUE(std::signbit(*ParseDesignValue("-1e-400")));
}

TEST(ParseRule, RefusedTexts)
{
    const char* cases[] = {
        "", "  ", "abc", ".", "+", "-", "+ 5", ".e5", "e5", "inf", "infinity", "nan",
        "-inf", "NAN", "\xC2\xA0" "5", "--5", "+-5",
    };
    for (const char* text : cases)
        EXPECT_FALSE(ParseDesignValue(text).has_value()) << '"' << text << '"';
}

TEST(ParseRule, LongNumbersAreReadWhole)
{
    // 0.1 written with a thousand more zeros before a final 1 still rounds to 0.1.
    std::string text = "0.1" + std::string(1000, '0') + "1";
    EXPECT_EQ(ParseDesignValue(text), 0.1);
    std::string leadingZeros = std::string(5000, '0') + "2.5";
    EXPECT_EQ(ParseDesignValue(leadingZeros), 2.5);
    std::string tiny = "0." + std::string(5000, '0') + "1e5010";
    EXPECT_EQ(ParseDesignValue(tiny), 1e9);
}

} // namespace
