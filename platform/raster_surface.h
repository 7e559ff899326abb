// Drawing surface on an image in memory: one-pixel black lines that leave
// their end point unpainted, and rectangles with a black outline and a white
// interior. Coordinates anywhere in the 32-bit range are clipped exactly: a
// clipped line paints the same pixels the whole line would.
//
// Pixels are 8-bit grey (0 black, 255 white) or 32-bit 0xAARRGGBB.
#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>

template<typename Pixel>
class RasterSurface {
public:
    static constexpr Pixel kBlack = sizeof(Pixel) == 1 ? 0 : Pixel(0xFF000000);
    static constexpr Pixel kWhite = Pixel(~Pixel(0));

    // `stride` counts pixels from one row to the next.
    RasterSurface(Pixel* bits, int width, int height, ptrdiff_t stride);

    int Width() const { return m_width; }
    int Height() const { return m_height; }

    // Limits painting to [left, right) x [top, bottom) within the image.
    void SetClip(int left, int top, int right, int bottom);

    void MoveTo(int32_t x, int32_t y)
    {
        m_x = x;
        m_y = y;
    }
    void LineTo(int32_t x, int32_t y)
    {
        int32_t x0 = m_x, y0 = m_y;
        m_x = x;
        m_y = y;
        // Horizontal and vertical lines, the most common by far, are spans.
        if (y0 == y)
            HorizontalSpan(x0, x, y);
        else if (x0 == x)
            VerticalSpan(x, y0, y);
        else
            SlantedLine(x0, y0, x, y);
    }
    void Rectangle(int32_t left, int32_t top, int32_t right, int32_t bottom);

    int32_t CurrentX() const { return m_x; }
    int32_t CurrentY() const { return m_y; }

private:
    // The pixels from the start up to the end, which stays unpainted.
    void HorizontalSpan(int64_t x0, int64_t x1, int64_t y)
    {
        if (y < m_clipTop || y >= m_clipBottom || x0 == x1)
            return;
        int64_t left = std::max<int64_t>(x0 < x1 ? x0 : x1 + 1, m_clipLeft);
        int64_t right = std::min<int64_t>(x0 < x1 ? x1 : x0 + 1, m_clipRight);
        for (Pixel* pixel = m_bits + y * m_stride + left; left < right; ++left, ++pixel)
            *pixel = kBlack;
    }
    void VerticalSpan(int64_t x, int64_t y0, int64_t y1)
    {
        if (x < m_clipLeft || x >= m_clipRight)
            return;
        int64_t top = std::max<int64_t>(y0 < y1 ? y0 : y1 + 1, m_clipTop);
        int64_t bottom = std::min<int64_t>(y0 < y1 ? y1 : y0 + 1, m_clipBottom);
        for (Pixel* pixel = m_bits + top * m_stride + x; top < bottom; ++top, pixel += m_stride)
            *pixel = kBlack;
    }
    void SlantedLine(int64_t x0, int64_t y0, int64_t x1, int64_t y1);
    void Fill(int64_t left, int64_t top, int64_t right, int64_t bottom, Pixel value);

    Pixel* m_bits;
    int m_width;
    int m_height;
    ptrdiff_t m_stride;
    int m_clipLeft;
    int m_clipTop;
    int m_clipRight;
    int m_clipBottom;
    int32_t m_x = 0;
    int32_t m_y = 0;
};

using GreyRasterSurface = RasterSurface<uint8_t>;
using RgbRasterSurface = RasterSurface<uint32_t>;
