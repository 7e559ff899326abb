// The figure drawn into four surfaces at two widths: a surface that only
// counts (the generator's limit), our raster surface on 32-bit pixels as the
// window paints, and QPainter and cairo in their fastest use, all on images
// allocated once.
#include "bench/print_bench.h"
#include "figure/serif_figure.h"
#include "platform/raster_surface.h"

#include <QGuiApplication>
#include <QImage>
#include <QLine>
#include <QPainter>
#include <benchmark/benchmark.h>
#include <cairo.h>

#include <string>
#include <tuple>
#include <vector>

namespace {

constexpr int kBatch = 1024;

struct NullSurface {
    int64_t segments = 0;
    void MoveTo(int32_t x, int32_t y) { benchmark::DoNotOptimize(x + y); }
    void LineTo(int32_t x, int32_t y)
    {
        benchmark::DoNotOptimize(x + y);
        ++segments;
    }
};

class QPainterSurface {
public:
    explicit QPainterSurface(QPainter& painter)
        : m_painter(painter)
    {
        m_lines.reserve(kBatch);
    }
    ~QPainterSurface() { Flush(); }
    void MoveTo(int32_t x, int32_t y) { m_from = QPoint(x, y); }
    void LineTo(int32_t x, int32_t y)
    {
        m_lines.emplace_back(m_from, QPoint(x, y));
        m_from = QPoint(x, y);
        if (m_lines.size() == kBatch)
            Flush();
    }

private:
    void Flush()
    {
        m_painter.drawLines(m_lines.data(), static_cast<int>(m_lines.size()));
        m_lines.clear();
    }
    QPainter& m_painter;
    QPoint m_from;
    std::vector<QLine> m_lines;
};

class CairoSurface {
public:
    explicit CairoSurface(cairo_t* cr)
        : m_cr(cr)
    {
    }
    ~CairoSurface() { cairo_stroke(m_cr); }
    void MoveTo(int32_t x, int32_t y) { cairo_move_to(m_cr, x + 0.5, y + 0.5); }
    void LineTo(int32_t x, int32_t y)
    {
        cairo_line_to(m_cr, x + 0.5, y + 0.5);
        if (++m_count % kBatch == 0)
            cairo_stroke(m_cr);
    }

private:
    cairo_t* m_cr;
    int64_t m_count = 0;
};

FigureRect Client(int width) { return FigureRect{0, 0, width, width * 7 / 10}; }

void SetSegments(benchmark::State& state, int width)
{
    int64_t segments = (int64_t{1} << LevelLengths(width, g_dRatio).size()) - 1;
    state.counters["segments"] = benchmark::Counter(
        static_cast<double>(segments), benchmark::Counter::kIsIterationInvariantRate);
}

void Null(benchmark::State& state, int width)
{
    for (auto _ : state) {
        NullSurface surface;
        DrawDesign(surface, Client(width));
        benchmark::DoNotOptimize(surface.segments);
    }
    SetSegments(state, width);
}

// Paints a client area as the main window does: frame, white, figure.
void RasterPaints(benchmark::State& state, FigureRect rect)
{
    std::vector<uint32_t> pixels(size_t(rect.right) * size_t(rect.bottom));
    for (auto _ : state) {
        RgbRasterSurface surface(pixels.data(), rect.right, rect.bottom, rect.right);
        surface.Rectangle(0, 0, rect.right, rect.bottom);
        DrawDesign(surface, rect);
        benchmark::ClobberMemory();
    }
}

void Raster(benchmark::State& state, int width)
{
    RasterPaints(state, Client(width));
    SetSegments(state, width);
}

void Painter(benchmark::State& state, int width)
{
    FigureRect rect = Client(width);
    QImage image(rect.right, rect.bottom, QImage::Format_RGB32);
    for (auto _ : state) {
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing, false);
        painter.fillRect(0, 0, rect.right, rect.bottom, Qt::white);
        QPen pen(Qt::black, 0);
        pen.setCosmetic(true);
        painter.setPen(pen);
        {
            QPainterSurface surface(painter);
            DrawDesign(surface, rect);
        }
        painter.end();
        benchmark::ClobberMemory();
    }
    SetSegments(state, width);
}

void Cairo(benchmark::State& state, int width)
{
    FigureRect rect = Client(width);
    cairo_surface_t* image = cairo_image_surface_create(CAIRO_FORMAT_RGB24, rect.right, rect.bottom);
    for (auto _ : state) {
        cairo_t* cr = cairo_create(image);
        cairo_set_source_rgb(cr, 1, 1, 1);
        cairo_paint(cr);
        cairo_set_source_rgb(cr, 0, 0, 0);
        cairo_set_antialias(cr, CAIRO_ANTIALIAS_NONE);
        cairo_set_line_width(cr, 1.0);
        {
            CairoSurface surface(cr);
            DrawDesign(surface, rect);
        }
        cairo_destroy(cr);
        cairo_surface_flush(image);
        benchmark::ClobberMemory();
    }
    cairo_surface_destroy(image);
    SetSegments(state, width);
}

// One paint of a 1920 x 1017 client area (a 1080p screen's) with parameters
// that the settings dialog accepts: the slowest figures a person can ask for.
void Paint(benchmark::State& state, double ratio, double offset)
{
    double savedRatio = g_dRatio, savedOffset = g_dAngleOffset;
    g_dRatio = ratio;
    g_dAngleOffset = offset;
    RasterPaints(state, FigureRect{0, 0, 1920, 1017});
    SetSegments(state, 1920);
    g_dRatio = savedRatio;
    g_dAngleOffset = savedOffset;
}

void RegisterPaintBenchmarks()
{
    const std::tuple<const char*, double, double> cases[] = {
        {"paint/ratio-0.7", 0.7, 0.0},
        {"paint/ratio-0.95", 0.95, 0.0},
        {"paint/ratio-1", 1.0, 0.0},
        {"paint/ratio-1/offset-1", 1.0, 1.0},
        {"paint/ratio-1/offset-1e300", 1.0, 1e300},
        {"paint/ratio-1e9", 1e9, 0.0},
        {"paint/ratio--1e9", -1e9, 0.0},
    };
    for (auto [name, ratio, offset] : cases)
        benchmark::RegisterBenchmark(name, Paint, ratio, offset)->Unit(benchmark::kMillisecond)->Iterations(1);
}

void RegisterFigureBenchmarks()
{
    for (int width : {1024, 4800}) {
        std::string suffix = "/" + std::to_string(width);
        benchmark::RegisterBenchmark(("figure/null" + suffix).c_str(), Null, width)->Unit(benchmark::kMillisecond);
        benchmark::RegisterBenchmark(("figure/raster" + suffix).c_str(), Raster, width)->Unit(benchmark::kMillisecond);
        benchmark::RegisterBenchmark(("figure/qpainter" + suffix).c_str(), Painter, width)->Unit(benchmark::kMillisecond);
        benchmark::RegisterBenchmark(("figure/cairo" + suffix).c_str(), Cairo, width)->Unit(benchmark::kMillisecond);
    }
}

} // namespace

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv); // the printer needs fonts and the platform
    RegisterFigureBenchmarks();
    RegisterPaintBenchmarks();
    RegisterPrintBenchmarks();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
}
