#include "platform/raster_surface.h"

#include <algorithm>
#include <cstring>

namespace {

__extension__ typedef __int128 Wide;

// Smallest integer not below a / b, for b > 0.
Wide CeilDiv(Wide a, Wide b)
{
    Wide q = a / b;
    return (a % b != 0 && a > 0) ? q + 1 : q;
}

} // namespace

template<typename Pixel>
RasterSurface<Pixel>::RasterSurface(Pixel* bits, int width, int height, ptrdiff_t stride)
    : m_bits(bits)
    , m_width(width)
    , m_height(height)
    , m_stride(stride)
    , m_clipLeft(0)
    , m_clipTop(0)
    , m_clipRight(width)
    , m_clipBottom(height)
{
}

template<typename Pixel>
void RasterSurface<Pixel>::SetClip(int left, int top, int right, int bottom)
{
    m_clipLeft = std::clamp(left, 0, m_width);
    m_clipTop = std::clamp(top, 0, m_height);
    m_clipRight = std::clamp(right, m_clipLeft, m_width);
    m_clipBottom = std::clamp(bottom, m_clipTop, m_height);
}

template<typename Pixel>
void RasterSurface<Pixel>::Rectangle(int32_t left, int32_t top, int32_t right, int32_t bottom)
{
    int64_t l = std::min(left, right), r = std::max(left, right);
    int64_t t = std::min(top, bottom), b = std::max(top, bottom);
    if (l == r || t == b)
        return;
    Fill(l, t, r, b, kWhite);
    Fill(l, t, r, t + 1, kBlack);
    Fill(l, b - 1, r, b, kBlack);
    Fill(l, t, l + 1, b, kBlack);
    Fill(r - 1, t, r, b, kBlack);
}

template<typename Pixel>
void RasterSurface<Pixel>::Fill(int64_t left, int64_t top, int64_t right, int64_t bottom, Pixel value)
{
    left = std::max<int64_t>(left, m_clipLeft);
    top = std::max<int64_t>(top, m_clipTop);
    right = std::min<int64_t>(right, m_clipRight);
    bottom = std::min<int64_t>(bottom, m_clipBottom);
    if (left >= right || top >= bottom)
        return;
    // White is all ones in every format: the C library's memset fills fastest.
    if (value == kWhite && right - left == m_stride) {
        std::memset(m_bits + top * m_stride, 0xFF, size_t(bottom - top) * size_t(m_stride) * sizeof(Pixel));
        return;
    }
    for (int64_t y = top; y < bottom; ++y) {
        if (value == kWhite)
            std::memset(m_bits + y * m_stride + left, 0xFF, size_t(right - left) * sizeof(Pixel));
        else
            std::fill_n(m_bits + y * m_stride + left, right - left, value);
    }
}

// Pixel i of a slanted line, for i from 0 up to but not including `major` (the longer
// of |dx| and |dy|), lies i steps along the major axis and
// q(i) = floor((2 i minor + major) / (2 major)) steps along the minor one.
// Clipping narrows the range of i with exact integer bounds, so a clipped line
// paints exactly the pixels of the whole line that lie inside.
template<typename Pixel>
void RasterSurface<Pixel>::SlantedLine(int64_t x0, int64_t y0, int64_t x1, int64_t y1)
{
    int64_t dx = x1 - x0, dy = y1 - y0;
    int64_t adx = dx < 0 ? -dx : dx, ady = dy < 0 ? -dy : dy;
    int sx = dx < 0 ? -1 : 1, sy = dy < 0 ? -1 : 1;

    bool xMajor = adx >= ady;
    int64_t major = xMajor ? adx : ady, minor = xMajor ? ady : adx;
    int64_t u0 = xMajor ? x0 : y0, v0 = xMajor ? y0 : x0;
    int su = xMajor ? sx : sy, sv = xMajor ? sy : sx;
    int64_t uLo = xMajor ? m_clipLeft : m_clipTop, uHi = xMajor ? m_clipRight : m_clipBottom;
    int64_t vLo = xMajor ? m_clipTop : m_clipLeft, vHi = xMajor ? m_clipBottom : m_clipRight;

    auto inside = [&](int64_t x, int64_t y) {
        return x >= m_clipLeft && x < m_clipRight && y >= m_clipTop && y < m_clipBottom;
    };

    int64_t begin = 0, end = major;
    if (!inside(x0, y0) || !inside(x1, y1)) {
        // Steps whose major coordinate lies inside.
        if (su > 0) {
            begin = std::max(begin, uLo - u0);
            end = std::min(end, uHi - u0);
        } else {
            begin = std::max(begin, u0 - uHi + 1);
            end = std::min(end, u0 - uLo + 1);
        }
        // Minor offsets q that lie inside, then the steps that reach them.
        int64_t qLo = sv > 0 ? vLo - v0 : v0 - vHi + 1;
        int64_t qHi = sv > 0 ? vHi - v0 : v0 - vLo + 1;
        Wide twoMajor = Wide{2} * major, twoMinor = Wide{2} * minor;
        Wide first = CeilDiv(twoMajor * qLo - major, twoMinor);
        Wide stop = CeilDiv(twoMajor * qHi - major, twoMinor);
        begin = static_cast<int64_t>(std::max<Wide>(begin, first));
        end = static_cast<int64_t>(std::min<Wide>(end, stop));
        if (begin >= end)
            return;
    }

    int64_t q = 0, error = major;
    if (begin > 0) {
        Wide numerator = Wide{2} * begin * minor + major;
        q = static_cast<int64_t>(numerator / (Wide{2} * major));
        error = static_cast<int64_t>(numerator - Wide{2} * major * q);
    }
    int64_t u = u0 + su * begin, v = v0 + sv * q;
    int64_t x = xMajor ? u : v, y = xMajor ? v : u;
    Pixel* pixel = m_bits + y * m_stride + x;
    int64_t count = end - begin;

    ptrdiff_t stepMajor = xMajor ? su : su * m_stride;
    ptrdiff_t stepMinor = xMajor ? sv * m_stride : sv;
    int64_t twoMinor = 2 * minor, twoMajor = 2 * major;
    for (int64_t i = 0; i < count; ++i) {
        *pixel = kBlack;
        pixel += stepMajor;
        error += twoMinor;
        if (error >= twoMajor) {
            error -= twoMajor;
            pixel += stepMinor;
        }
    }
}

template class RasterSurface<uint8_t>;
template class RasterSurface<uint32_t>;
