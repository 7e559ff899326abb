// vellorin-figure: the serif figure on the command line, as segments, as
// numbers, or as a picture.
#include "figure/serif_figure.h"
#include "platform/png_image.h"
#include "platform/raster_surface.h"
#include "tools/atomic_file.h"
#include "tools/line_writer.h"

#include <charconv>
#include <cstdio>
#include <cstring>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace {

const char kUsage[] =
    "usage: vellorin-figure segments [OPTIONS]\n"
    "       vellorin-figure info [OPTIONS]\n"
    "       vellorin-figure render [OPTIONS] -o FILE.png|FILE.svg\n"
    "\n"
    "Draws the serif figure for a window client area of the given size.\n"
    "\n"
    "  segments   every segment in drawing order, one line each: x1 y1 x2 y2\n"
    "  info       the parameters, the levels, the segment count and the lengths\n"
    "  render     the picture as the main window paints it (.png), or its\n"
    "             segments as vector lines (.svg)\n"
    "\n"
    "options (--name VALUE or --name=VALUE):\n"
    "  --size WxH      client area in pixels, 0 to 2147483647 each (1024x768)\n"
    "  --ratio TEXT    serif-to-line length ratio, read as the settings dialog reads it (0.7)\n"
    "  --offset TEXT   angle offset in degrees, read the same way (0.0)\n"
    "  -o, --output FILE   the file that render writes\n"
    "  --help          this text\n";

// Largest picture render draws: a gigabyte of grey pixels.
constexpr int64_t kMaxRenderPixels = int64_t{1} << 30;

struct Options {
    std::string command;
    int32_t width = 1024;
    int32_t height = 768;
    double ratio = kDefaultRatio;
    double offset = kDefaultAngleOffset;
    std::string output;
};

struct UsageError {
    std::string message;
};

std::optional<int32_t> ParseDimension(std::string_view text)
{
    int32_t value = 0;
    auto result = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || text[0] == '-' || text[0] == '+' || result.ec != std::errc()
        || result.ptr != text.data() + text.size())
        return std::nullopt;
    return value;
}

void ParseSize(std::string_view text, Options& options)
{
    size_t x = text.find('x');
    std::optional<int32_t> width, height;
    if (x != std::string_view::npos) {
        width = ParseDimension(text.substr(0, x));
        height = ParseDimension(text.substr(x + 1));
    }
    if (!width || !height)
        throw UsageError{"bad size '" + std::string(text)
                         + "': expected WxH, each an integer from 0 to 2147483647"};
    options.width = *width;
    options.height = *height;
}

double ParseParameter(std::string_view name, std::string_view text)
{
    std::optional<double> value = ParseDesignValue(text);
    if (!value)
        throw UsageError{"bad " + std::string(name) + " '" + std::string(text) + "': not a number"};
    return *value;
}

Options ParseOptions(int argc, char** argv)
{
    Options options;
    for (int i = 1; i < argc; ++i) {
        std::string_view arg = argv[i];
        if (arg == "--help" || arg == "-h") {
            options.command = "help";
            return options;
        }
        if (arg.empty() || arg[0] != '-') {
            if (!options.command.empty())
                throw UsageError{"unexpected argument '" + std::string(arg) + "'"};
            options.command = arg;
            continue;
        }
        std::string_view name = arg;
        std::optional<std::string_view> value;
        if (size_t equals = arg.find('='); equals != std::string_view::npos) {
            name = arg.substr(0, equals);
            value = arg.substr(equals + 1);
        }
        if (name != "--size" && name != "--ratio" && name != "--offset" && name != "-o"
            && name != "--output")
            throw UsageError{"unknown option '" + std::string(name) + "'"};
        if (!value) {
            if (i + 1 >= argc)
                throw UsageError{"option '" + std::string(name) + "' needs a value"};
            value = argv[++i];
        }
        if (name == "--size")
            ParseSize(*value, options);
        else if (name == "--ratio")
            options.ratio = ParseParameter("ratio", *value);
        else if (name == "--offset")
            options.offset = ParseParameter("offset", *value);
        else
            options.output = *value;
    }
    if (options.command.empty())
        throw UsageError{"no command given (segments, info or render)"};
    if (options.command != "segments" && options.command != "info" && options.command != "render")
        throw UsageError{"unknown command '" + options.command + "'"};
    if (options.command == "render" && options.output.empty())
        throw UsageError{"render needs an output file: -o FILE.png or -o FILE.svg"};
    if (options.command != "render" && !options.output.empty())
        throw UsageError{"only render writes a file"};
    return options;
}

FigureRect ClientRect(const Options& options)
{
    return FigureRect{0, 0, options.width, options.height};
}

// Hands every segment to a writer as "x1 y1 x2 y2".
class SegmentPrinter {
public:
    explicit SegmentPrinter(LineWriter& out)
        : m_out(out)
    {
    }
    void MoveTo(int32_t x, int32_t y)
    {
        m_x = x;
        m_y = y;
    }
    void LineTo(int32_t x, int32_t y)
    {
        m_out.Numbers({m_x, m_y, x, y}, ' ', '\n');
        m_x = x;
        m_y = y;
    }

private:
    LineWriter& m_out;
    int32_t m_x = 0;
    int32_t m_y = 0;
};

// Writes the segments as SVG path data, a path element every 1024 segments.
class SvgPathWriter {
public:
    explicit SvgPathWriter(LineWriter& out)
        : m_out(out)
    {
    }
    ~SvgPathWriter()
    {
        if (m_count % 1024 != 0)
            m_out.Text("\"/>\n");
    }
    void MoveTo(int32_t x, int32_t y)
    {
        if (m_count % 1024 == 0)
            m_out.Text("<path d=\"");
        m_out.Text("M");
        m_out.Numbers({x, y}, ' ', ' ');
    }
    void LineTo(int32_t x, int32_t y)
    {
        m_out.Text("L");
        m_out.Numbers({x, y}, ' ', ' ');
        if (++m_count % 1024 == 0)
            m_out.Text("\"/>\n");
    }

private:
    LineWriter& m_out;
    int64_t m_count = 0;
};

std::string ShortestText(double value)
{
    char buffer[64];
    auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    return std::string(buffer, result.ptr);
}

int PrintSegments(const Options& options)
{
    LineWriter out(stdout);
    SegmentPrinter printer(out);
    DrawDesign(printer, ClientRect(options));
    return out.Finish() ? 0 : 1;
}

int PrintInfo(const Options& options)
{
    std::vector<int32_t> lengths = LevelLengths(options.width, g_dRatio);
    std::string text = "ratio " + RatioText(g_dRatio) + " " + ShortestText(g_dRatio) + "\n";
    text += "offset " + AngleOffsetText(g_dAngleOffset) + " " + ShortestText(g_dAngleOffset) + "\n";
    text += "levels " + std::to_string(lengths.size()) + "\n";
    text += "segments " + std::to_string((int64_t{1} << lengths.size()) - 1) + "\n";
    text += "lengths";
    for (int32_t length : lengths)
        text += " " + std::to_string(length);
    text += "\n";
    text += LevelCapReached(options.width, g_dRatio)
        ? "capped yes: the figure stops at " + std::to_string(kMaxLevels) + " levels\n"
        : "capped no\n";
    std::fputs(text.c_str(), stdout);
    return std::fflush(stdout) == 0 ? 0 : 1;
}

bool EndsWith(const std::string& text, std::string_view suffix)
{
    return text.size() >= suffix.size()
        && text.compare(text.size() - suffix.size(), suffix.size(), suffix) == 0;
}

void RenderPng(const Options& options, AtomicFile& file)
{
    if (options.width == 0 || options.height == 0
        || int64_t{options.width} * options.height > kMaxRenderPixels)
        throw UsageError{"a PNG needs a size from 1x1 up to 2^30 pixels"};
    std::unique_ptr<uint8_t[]> bits(new uint8_t[size_t(options.width) * size_t(options.height)]);
    GreyRasterSurface surface(bits.get(), options.width, options.height, options.width);
    surface.Rectangle(0, 0, options.width, options.height);
    DrawDesign(surface, ClientRect(options));
    std::string png = EncodeMonochromePng(bits.get(), options.width, options.height, options.width);
    if (png.empty())
        throw UsageError{"cannot encode the picture as PNG"};
    file.Write(png);
}

void RenderSvg(const Options& options, AtomicFile& file)
{
    LineWriter out(file.Stream());
    std::string w = std::to_string(options.width), h = std::to_string(options.height);
    out.Text("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n");
    out.Text("<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" + w + "\" height=\"" + h
             + "\" viewBox=\"0 0 " + w + " " + h + "\">\n");
    out.Text("<rect x=\"0.5\" y=\"0.5\" width=\"" + std::to_string(int64_t{options.width} - 1)
             + "\" height=\"" + std::to_string(int64_t{options.height} - 1)
             + "\" fill=\"white\" stroke=\"black\" stroke-width=\"1\"/>\n");
    out.Text("<g transform=\"translate(0.5 0.5)\" fill=\"none\" stroke=\"black\" "
             "stroke-width=\"1\" shape-rendering=\"crispEdges\">\n");
    {
        SvgPathWriter paths(out);
        DrawDesign(paths, ClientRect(options));
    }
    out.Text("</g>\n</svg>\n");
    if (!out.Finish())
        throw UsageError{"cannot write '" + options.output + "'"};
}

int Render(const Options& options)
{
    bool png = EndsWith(options.output, ".png");
    if (!png && !EndsWith(options.output, ".svg"))
        throw UsageError{"the output file must end in .png or .svg"};
    AtomicFile file(options.output);
    if (!file.IsOpen())
        throw UsageError{"cannot write '" + options.output + "': " + file.Error()};
    if (png)
        RenderPng(options, file);
    else
        RenderSvg(options, file);
    if (!file.Commit())
        throw UsageError{"cannot write '" + options.output + "': " + file.Error()};
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    try {
        Options options = ParseOptions(argc, argv);
        if (options.command == "help") {
            std::fputs(kUsage, stdout);
            return 0;
        }
        g_dRatio = options.ratio;
        g_dAngleOffset = options.offset;
        if (options.command == "segments")
            return PrintSegments(options);
        if (options.command == "info")
            return PrintInfo(options);
        return Render(options);
    } catch (const UsageError& error) {
        std::fprintf(stderr, "vellorin-figure: %s\n", error.message.c_str());
        return 2;
    } catch (const std::bad_alloc&) {
        std::fprintf(stderr, "vellorin-figure: out of memory\n");
        return 2;
    }
}
