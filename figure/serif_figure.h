// The serif figure: a segment centred in a rectangle, a shorter serif across
// each of its ends, serifs on every serif, until the next length is below 2.
//
// Draws on any surface that offers MoveTo(x, y) and LineTo(x, y) with 32-bit
// integer device coordinates, y growing downwards.
#pragma once

#include "figure/design_params.h"

#include <cmath>
#include <cstdint>
#include <cstring>
#include <vector>

struct FigurePoint {
    int32_t x;
    int32_t y;
};

struct FigureRect {
    int32_t left;
    int32_t top;
    int32_t right;
    int32_t bottom;
};

// Degrees to radians with pi taken as 3.1416, as the figure has always been drawn.
inline constexpr double kDegreeFactor = 0.017453333333333335;

// At most this many levels are drawn (2^25 - 1 segments), so that ratios of 1
// and more, or close below 1, still give a figure that ends.
inline constexpr int kMaxLevels = 25;

// A double to a 32-bit length or coordinate: truncation toward zero; infinite,
// not-a-number and magnitudes from 2^63 give 0; otherwise the low 32 bits.
inline int32_t ConvertToInt32(double value)
{
    if (!(std::fabs(value) < 9223372036854775808.0))
        return 0;
    return static_cast<int32_t>(static_cast<uint32_t>(static_cast<int64_t>(value)));
}

// Coordinate sums wrap around the 32-bit range.
inline int32_t WrapAdd(int32_t a, int32_t b)
{
    return static_cast<int32_t>(static_cast<uint32_t>(a) + static_cast<uint32_t>(b));
}

inline int32_t WrapSub(int32_t a, int32_t b)
{
    return static_cast<int32_t>(static_cast<uint32_t>(a) - static_cast<uint32_t>(b));
}

// The lengths of the levels that are drawn, level 0 first.
std::vector<int32_t> LevelLengths(int32_t width, double ratio);

// True when the level cap, not the length rule, ends the figure.
bool LevelCapReached(int32_t width, double ratio);

namespace figure_detail {

// Cosine and sine of the angles met so far. A figure uses few distinct angles
// (four with the offset 0), and a hit gives exactly what the call would.
class TurnCache {
public:
    TurnCache()
    {
        for (Entry& entry : m_entries)
            entry = Entry{0, 1.0, 0.0}; // the angle 0.0
    }

    void Lookup(double angle, double& cosine, double& sine)
    {
        uint64_t bits;
        std::memcpy(&bits, &angle, sizeof bits);
        Entry& entry = m_entries[(bits * 0x9E3779B97F4A7C15u) >> (64 - kBits)];
        if (entry.bits != bits) {
            double rad = angle * kDegreeFactor;
            entry = Entry{bits, std::cos(rad), std::sin(rad)};
        }
        cosine = entry.cosine;
        sine = entry.sine;
    }

private:
    static constexpr int kBits = 6;
    struct Entry {
        uint64_t bits;
        double cosine;
        double sine;
    };
    Entry m_entries[1 << kBits];
};

template<typename Surface>
class SerifWalk {
public:
    explicit SerifWalk(Surface& dc)
        : m_dc(dc)
        , m_ratio(g_dRatio)
        , m_offset(g_dAngleOffset)
    {
    }

    void Serif(FigurePoint mid, int32_t length, double angle, int level)
    {
        int32_t half = length / 2;
        double cosine, sine;
        m_turns.Lookup(angle, cosine, sine);
        int32_t ix = ConvertToInt32(half * cosine);
        int32_t iy = ConvertToInt32(half * sine);
        FigurePoint p1{WrapAdd(mid.x, ix), WrapSub(mid.y, iy)};
        FigurePoint p2{WrapSub(mid.x, ix), WrapAdd(mid.y, iy)};
        m_dc.MoveTo(p1.x, p1.y);
        m_dc.LineTo(p2.x, p2.y);

        int32_t next = ConvertToInt32(length * m_ratio);
        if (next < 2 || level + 1 >= kMaxLevels)
            return;
        double a1 = (angle + m_offset) + 90;
        if (a1 >= 360)
            a1 -= 360;
        Serif(p1, next, a1, level + 1);
        double a2 = (angle - 90) + m_offset;
        if (a2 < 0)
            a2 += 360;
        Serif(p2, next, a2, level + 1);
    }

private:
    Surface& m_dc;
    double m_ratio;
    double m_offset;
    TurnCache m_turns;
};

} // namespace figure_detail

// One segment at its midpoint, then the serifs at its first end, then those at
// its second end, depth first.
template<typename Surface>
void DrawSerif(Surface& dc, FigurePoint mid, int32_t length, double angle)
{
    figure_detail::SerifWalk<Surface>(dc).Serif(mid, length, angle, 0);
}

// The whole figure, centred in the rectangle and sized by its width.
template<typename Surface>
void DrawDesign(Surface& dc, const FigureRect& rect)
{
    int32_t width = WrapSub(rect.right, rect.left);
    FigurePoint centre{width / 2, WrapSub(rect.bottom, rect.top) / 2};
    DrawSerif(dc, centre, ConvertToInt32(width * g_dRatio), 0.0);
}
