#include "figure/serif_figure.h"

std::vector<int32_t> LevelLengths(int32_t width, double ratio)
{
    std::vector<int32_t> lengths{ConvertToInt32(width * ratio)};
    while (static_cast<int>(lengths.size()) < kMaxLevels) {
        int32_t next = ConvertToInt32(lengths.back() * ratio);
        if (next < 2)
            break;
        lengths.push_back(next);
    }
    return lengths;
}

bool LevelCapReached(int32_t width, double ratio)
{
    std::vector<int32_t> lengths = LevelLengths(width, ratio);
    return static_cast<int>(lengths.size()) == kMaxLevels
        && ConvertToInt32(lengths.back() * ratio) >= 2;
}
