// Drawing surface on an 8-bit grey image in memory: one-pixel black lines that
// leave their end point unpainted, and rectangles with a black outline and a
// white interior. Coordinates anywhere in the 32-bit range are clipped
// exactly: a clipped line paints the same pixels the whole line would.
#pragma once

#include <cstddef>
#include <cstdint>

class RasterSurface {
public:
    static constexpr uint8_t kBlack = 0;
    static constexpr uint8_t kWhite = 255;

    RasterSurface(uint8_t* bits, int width, int height, ptrdiff_t stride);

    int Width() const { return m_width; }
    int Height() const { return m_height; }

    // Limits painting to [left, right) x [top, bottom) within the image.
    void SetClip(int left, int top, int right, int bottom);

    void MoveTo(int32_t x, int32_t y)
    {
        m_x = x;
        m_y = y;
    }
    void LineTo(int32_t x, int32_t y);
    void Rectangle(int32_t left, int32_t top, int32_t right, int32_t bottom);

    int32_t CurrentX() const { return m_x; }
    int32_t CurrentY() const { return m_y; }

private:
    void Line(int64_t x0, int64_t y0, int64_t x1, int64_t y1);
    void SlantedLine(int64_t x0, int64_t y0, int64_t x1, int64_t y1);
    void Fill(int64_t left, int64_t top, int64_t right, int64_t bottom, uint8_t value);

    uint8_t* m_bits;
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
