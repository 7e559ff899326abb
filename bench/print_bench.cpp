// A print job of the default figure on a Letter page with a quarter inch of
// margin, from StartDoc to EndDoc: our printer surface (Qt's printer, whose
// PDF goes to the spooler; here to a file) beside cairo's PDF surface.
#include "bench/print_bench.h"

#include "figure/serif_figure.h"
#include "platform/printer_dc.h"

#include <QDir>
#include <QFileInfo>
#include <QMarginsF>
#include <QPageLayout>
#include <QPageSize>
#include <benchmark/benchmark.h>
#include <cairo-pdf.h>

#include <string>

namespace {

constexpr double kMarginInches = 0.25;

QString JobFile(const char* name) { return QDir::temp().filePath(QString("vellorin-bench-%1.pdf").arg(name)); }

void SetCounters(benchmark::State& state, int width, const QString& file)
{
    int64_t segments = (int64_t{1} << LevelLengths(width - 1, g_dRatio).size()) - 1;
    state.counters["segments"] = static_cast<double>(segments);
    state.counters["job_bytes"] = static_cast<double>(QFileInfo(file).size());
    QFile::remove(file);
}

void QtPrinter(benchmark::State& state, int dpi)
{
    QString file = JobFile("qt");
    int width = 0;
    for (auto _ : state) {
        state.PauseTiming();
        auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
        printer->setOutputFormat(QPrinter::PdfFormat);
        printer->setOutputFileName(file);
        printer->setPageLayout(QPageLayout(QPageSize(QPageSize::Letter), QPageLayout::Portrait,
                                           QMarginsF(18, 18, 18, 18), QPageLayout::Point));
        printer->setResolution(dpi);
        PrinterDeviceContext dc(std::move(printer));
        width = dc.GetDeviceCaps(HORZRES);
        int height = dc.GetDeviceCaps(VERTRES);
        state.ResumeTiming();

        dc.StartDoc("Vellorin");
        dc.StartPage();
        DrawDesign(dc, FigureRect{0, 0, width - 1, height - 1});
        dc.EndPage();
        dc.EndDoc();
    }
    SetCounters(state, width, file);
}

// cairo's fastest use: a path of 1024 segments, then one stroke.
struct CairoPathSurface {
    cairo_t* cr;
    int64_t count = 0;
    void MoveTo(int32_t x, int32_t y) { cairo_move_to(cr, x, y); }
    void LineTo(int32_t x, int32_t y)
    {
        cairo_line_to(cr, x, y);
        if (++count % 1024 == 0)
            cairo_stroke(cr);
    }
};

void CairoPdf(benchmark::State& state, int dpi)
{
    QString file = JobFile("cairo");
    int width = static_cast<int>((8.5 - 2 * kMarginInches) * dpi);
    int height = static_cast<int>((11 - 2 * kMarginInches) * dpi);
    std::string path = file.toStdString();
    for (auto _ : state) {
        cairo_surface_t* surface = cairo_pdf_surface_create(path.c_str(), 612, 792);
        cairo_t* cr = cairo_create(surface);
        cairo_translate(cr, 72 * kMarginInches, 72 * kMarginInches);
        cairo_scale(cr, 72.0 / dpi, 72.0 / dpi);
        cairo_rectangle(cr, 0, 0, width, height);
        cairo_clip(cr);
        cairo_set_line_width(cr, 1.0);
        cairo_set_source_rgb(cr, 0, 0, 0);
        {
            CairoPathSurface pathSurface{cr};
            DrawDesign(pathSurface, FigureRect{0, 0, width - 1, height - 1});
            cairo_stroke(cr);
        }
        cairo_show_page(cr);
        cairo_destroy(cr);
        cairo_surface_destroy(surface);
    }
    SetCounters(state, width, file);
}

} // namespace

void RegisterPrintBenchmarks()
{
    for (int dpi : {600, 1200}) {
        std::string suffix = "/" + std::to_string(dpi);
        benchmark::RegisterBenchmark(("print" + suffix).c_str(), QtPrinter, dpi)
            ->Unit(benchmark::kMillisecond)->Iterations(3);
        benchmark::RegisterBenchmark(("print/cairo" + suffix).c_str(), CairoPdf, dpi)
            ->Unit(benchmark::kMillisecond)->Iterations(3);
    }
}
