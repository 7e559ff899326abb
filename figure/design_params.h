// The two design parameters of the serif figure, their text forms and the
// rule that reads a typed text back into a value.
#pragma once

#include <optional>
#include <string>
#include <string_view>

// Serif-to-line length ratio, and the angle offset in degrees. Plain
// process-wide values: the settings dialog writes them, the figure reads them.
extern double g_dRatio;
extern double g_dAngleOffset;

inline constexpr double kDefaultRatio = 0.7;
inline constexpr double kDefaultAngleOffset = 0.0;

// "%.3f" and "%.1f", always with a point and never with an exponent.
// An infinite value shows as "1e999" or "-1e999", which reads back the same.
std::string RatioText(double value);
std::string AngleOffsetText(double value);
std::string FixedText(double value, int decimals);

// Reads the leading number of a text: optional white space, sign, digits,
// point, fraction, exponent. Returns nothing when no number starts the text.
std::optional<double> ParseDesignValue(std::string_view text);
