#include "figure/design_params.h"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>

double g_dRatio = kDefaultRatio;
double g_dAngleOffset = kDefaultAngleOffset;

std::string FixedText(double value, int decimals)
{
    if (std::isinf(value))
        return value < 0 ? "-1e999" : "1e999";
    if (std::isnan(value))
        return "nan";
    // Enough for the 309 integer digits of the largest double.
    std::string text(400, '\0');
    auto result = std::to_chars(text.data(), text.data() + text.size(), value,
                                std::chars_format::fixed, decimals);
    text.resize(static_cast<size_t>(result.ptr - text.data()));
    return text;
}

std::string RatioText(double value) { return FixedText(value, 3); }
std::string AngleOffsetText(double value) { return FixedText(value, 1); }

namespace {

bool IsBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// Beyond these decimal exponents a double is certainly infinite or zero.
constexpr int64_t kHugeExponent = 400;
constexpr int64_t kTinyExponent = -400;
constexpr int64_t kExponentClamp = int64_t{1} << 40;

} // namespace

std::optional<double> ParseDesignValue(std::string_view text)
{
    size_t i = 0;
    auto at = [&](size_t k) { return k < text.size() ? text[k] : '\0'; };

    while (i < text.size() && IsBlank(text[i]))
        ++i;
    bool negative = false;
    if (at(i) == '+' || at(i) == '-')
        negative = at(i++) == '-';

    // The significant digits, without leading zeros, and the decimal exponent
    // of the point in front of them: value = 0.<digits> * 10^pointExponent.
    std::string digits;
    int64_t pointExponent = 0;
    bool anyDigit = false;
    for (; IsDigit(at(i)); ++i) {
        anyDigit = true;
        if (digits.empty() && at(i) == '0')
            continue;
        digits += at(i);
        ++pointExponent;
    }
    if (at(i) == '.') {
        for (++i; IsDigit(at(i)); ++i) {
            anyDigit = true;
            if (digits.empty() && at(i) == '0') {
                --pointExponent;
                continue;
            }
            digits += at(i);
        }
    }
    if (!anyDigit)
        return std::nullopt;

    if (at(i) == 'e' || at(i) == 'E') {
        ++i;
        bool negativeExponent = false;
        if (at(i) == '+' || at(i) == '-')
            negativeExponent = at(i++) == '-';
        int64_t exponent = 0;
        for (; IsDigit(at(i)); ++i)
            exponent = std::min(exponent * 10 + (at(i) - '0'), kExponentClamp);
        pointExponent += negativeExponent ? -exponent : exponent;
    }

    double zero = negative ? -0.0 : 0.0;
    double infinity = negative ? -std::numeric_limits<double>::infinity()
                               : std::numeric_limits<double>::infinity();
    while (!digits.empty() && digits.back() == '0')
        digits.pop_back();
    if (digits.empty() || pointExponent < kTinyExponent)
        return zero;
    if (pointExponent > kHugeExponent)
        return infinity;

    std::string normal = "0." + digits + "e" + std::to_string(pointExponent);
    double value = 0;
    auto result = std::from_chars(normal.data(), normal.data() + normal.size(), value);
    if (result.ec == std::errc::result_out_of_range)
        return pointExponent > 0 ? infinity : zero;
    return negative ? -value : value;
}
