// A surface that keeps every segment it is given, in drawing order.
#pragma once

#include <cstdint>
#include <vector>

struct Segment {
    int32_t x1, y1, x2, y2;
    bool operator==(const Segment&) const = default;
};

class RecordingSurface {
public:
    void MoveTo(int32_t x, int32_t y)
    {
        m_x = x;
        m_y = y;
    }
    void LineTo(int32_t x, int32_t y)
    {
        segments.push_back({m_x, m_y, x, y});
        m_x = x;
        m_y = y;
    }

    std::vector<Segment> segments;

private:
    int32_t m_x = 0;
    int32_t m_y = 0;
};
