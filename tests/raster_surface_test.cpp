#include "platform/raster_surface.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

namespace {

__extension__ typedef __int128 Wide;

// A small white image with a surface on it, shown as rows of '.' and '#'.
struct Canvas {
    Canvas(int width, int height)
        : pixels(size_t(width) * size_t(height), GreyRasterSurface::kWhite)
        , surface(pixels.data(), width, height, width)
    {
    }
    std::string Picture() const
    {
        std::string rows;
        for (int y = 0; y < surface.Height(); ++y) {
            for (int x = 0; x < surface.Width(); ++x)
                rows += pixels[size_t(y) * surface.Width() + x] == GreyRasterSurface::kBlack ? '#' : '.';
            rows += '\n';
        }
        return rows;
    }
    void Line(int32_t x0, int32_t y0, int32_t x1, int32_t y1)
    {
        surface.MoveTo(x0, y0);
        surface.LineTo(x1, y1);
    }
    std::vector<uint8_t> pixels;
    GreyRasterSurface surface;
};

// Whether the whole line paints pixel (x, y), computed per pixel with wide
// integers: step i of the longer axis, and the rounded step of the other.
bool OnLine(int64_t x0, int64_t y0, int64_t x1, int64_t y1, int64_t x, int64_t y)
{
    int64_t dx = x1 - x0, dy = y1 - y0;
    bool xMajor = std::abs(dx) >= std::abs(dy);
    int64_t major = xMajor ? std::abs(dx) : std::abs(dy), minor = xMajor ? std::abs(dy) : std::abs(dx);
    if (major == 0)
        return false;
    int64_t du = xMajor ? x - x0 : y - y0, dv = xMajor ? y - y0 : x - x0;
    int64_t su = (xMajor ? dx : dy) < 0 ? -1 : 1, sv = (xMajor ? dy : dx) < 0 ? -1 : 1;
    int64_t i = du * su;
    if (i < 0 || i >= major)
        return false;
    Wide q = (Wide{2} * i * minor + major) / (Wide{2} * major);
    return dv == sv * static_cast<int64_t>(q);
}

std::string ReferencePicture(int width, int height, int64_t x0, int64_t y0, int64_t x1, int64_t y1)
{
    std::string rows;
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x)
            rows += OnLine(x0, y0, x1, y1, x, y) ? '#' : '.';
        rows += '\n';
    }
    return rows;
}

TEST(RasterSurface, LinesLeaveTheirEndPointUnpainted)
{
    struct Case {
        int32_t x0, y0, x1, y1;
        const char* picture;
    };
    const Case cases[] = {
        {1, 1, 5, 1, "......\n.####.\n......\n......\n"},
        {5, 1, 1, 1, "......\n..####\n......\n......\n"},
        {1, 0, 1, 3, ".#....\n.#....\n.#....\n......\n"},
        {1, 3, 1, 0, "......\n.#....\n.#....\n.#....\n"},
        {0, 0, 3, 3, "#.....\n.#....\n..#...\n......\n"},
        {0, 0, 4, 1, "##....\n..##..\n......\n......\n"},
        {4, 1, 0, 0, ".##...\n...##.\n......\n......\n"},
        {0, 3, 1, 0, "......\n.#....\n#.....\n#.....\n"},
        {2, 2, 2, 2, "......\n......\n......\n......\n"},
    };
    for (const Case& c : cases) {
        Canvas canvas(6, 4);
        canvas.Line(c.x0, c.y0, c.x1, c.y1);
        EXPECT_EQ(canvas.Picture(), c.picture) << c.x0 << "," << c.y0 << " to " << c.x1 << "," << c.y1;
        EXPECT_EQ(canvas.surface.CurrentX(), c.x1);
        EXPECT_EQ(canvas.surface.CurrentY(), c.y1);
    }
}

TEST(RasterSurface, RectangleHasABlackOutlineAndAWhiteInside)
{
    Canvas canvas(7, 5);
    canvas.Line(0, 2, 7, 2);
    canvas.surface.Rectangle(1, 1, 6, 5);
    EXPECT_EQ(canvas.Picture(),
              ".......\n"
              ".#####.\n"
              "##...##\n"
              ".#...#.\n"
              ".#####.\n");
    Canvas clipped(4, 3);
    clipped.surface.Rectangle(-5, 1, 2, 100);
    EXPECT_EQ(clipped.Picture(), "....\n##..\n.#..\n");
}

TEST(RasterSurface, ClippedLinesPaintWhatTheWholeLineWould)
{
    std::mt19937 random(12345);
    std::uniform_int_distribution<int32_t> near(-40, 70);
    for (int n = 0; n < 4000; ++n) {
        int32_t x0 = near(random), y0 = near(random), x1 = near(random), y1 = near(random);
        Canvas canvas(30, 20);
        canvas.Line(x0, y0, x1, y1);
        ASSERT_EQ(canvas.Picture(), ReferencePicture(30, 20, x0, y0, x1, y1))
            << x0 << "," << y0 << " to " << x1 << "," << y1;
    }
}

TEST(RasterSurface, CoordinatesAnywhereInThe32BitRange)
{
    std::mt19937 random(777);
    std::uniform_int_distribution<int32_t> any(INT32_MIN, INT32_MAX);
    std::uniform_int_distribution<int32_t> near(-20, 40);
    for (int n = 0; n < 3000; ++n) {
        // One end far away, one near: the lines that cross the picture.
        int32_t x0 = any(random), y0 = any(random);
        int32_t x1 = near(random), y1 = near(random);
        if (n % 2)
            std::swap(x0, x1), std::swap(y0, y1);
        Canvas canvas(24, 16);
        canvas.Line(x0, y0, x1, y1);
        ASSERT_EQ(canvas.Picture(), ReferencePicture(24, 16, x0, y0, x1, y1))
            << x0 << "," << y0 << " to " << x1 << "," << y1;
    }
    Canvas canvas(5, 4);
    canvas.Line(INT32_MIN, INT32_MIN, INT32_MAX, INT32_MAX);
    EXPECT_EQ(canvas.Picture(), "#....\n.#...\n..#..\n...#.\n");
    canvas.Line(INT32_MAX, INT32_MIN, INT32_MAX, INT32_MAX);
    canvas.Line(INT32_MIN, 3, INT32_MAX, 3);
    EXPECT_EQ(canvas.Picture(), "#....\n.#...\n..#..\n#####\n");
}

TEST(RasterSurface, ClipLimitsPaintingToItsRectangle)
{
    Canvas canvas(6, 4);
    canvas.surface.SetClip(2, 1, 4, 3);
    canvas.surface.Rectangle(0, 0, 6, 4);
    canvas.Line(0, 0, 6, 4);
    EXPECT_EQ(canvas.Picture(), "......\n..#...\n...#..\n......\n");
}

} // namespace
