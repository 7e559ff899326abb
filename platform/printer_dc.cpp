#include "platform/printer_dc.h"

#include "platform/icon_resource.h"

namespace {

// Lines go to the printer in batches: one stroke for many segments.
constexpr size_t kBatch = 1024;

} // namespace

PrinterDeviceContext::PrinterDeviceContext(std::unique_ptr<QPrinter> printer)
    : m_printer(std::move(printer))
{
    m_lines.reserve(kBatch);
}

PrinterDeviceContext::~PrinterDeviceContext()
{
    if (m_painter.isActive())
        m_painter.end();
}

POINT PrinterDeviceContext::MoveTo(int32_t x, int32_t y)
{
    POINT previous{m_x, m_y};
    m_x = x;
    m_y = y;
    return previous;
}

void PrinterDeviceContext::LineTo(int32_t x, int32_t y)
{
    // A line from a point to itself paints nothing, on paper as on screen;
    // some renderers would show it as a dot. The pen is a hairline, one
    // device pixel wide wherever the line falls.
    if (m_painter.isActive() && (x != m_x || y != m_y)) {
        m_lines.emplace_back(QPoint(m_x, m_y), QPoint(x, y));
        if (m_lines.size() == kBatch)
            Flush();
    }
    m_x = x;
    m_y = y;
}

void PrinterDeviceContext::Flush()
{
    if (!m_lines.empty())
        m_painter.drawLines(m_lines.data(), static_cast<int>(m_lines.size()));
    m_lines.clear();
}

void PrinterDeviceContext::Rectangle(int32_t left, int32_t top, int32_t right, int32_t bottom)
{
    if (!m_painter.isActive())
        return;
    Flush();
    m_painter.save();
    m_painter.setBrush(Qt::white);
    m_painter.drawRect(QRect(left, top, right - left - 1, bottom - top - 1));
    m_painter.restore();
}

void PrinterDeviceContext::DrawIcon(int x, int y, HICON icon)
{
    if (!m_painter.isActive())
        return;
    Flush();
    m_painter.drawImage(x, y, icon->big);
}

void PrinterDeviceContext::FillBackground(uint32_t rgb)
{
    if (!m_painter.isActive())
        return;
    Flush();
    m_painter.fillRect(QRect(0, 0, m_printer->width(), m_printer->height()), QColor::fromRgb(rgb));
}

int PrinterDeviceContext::GetDeviceCaps(int index) const
{
    switch (index) {
    case HORZRES:
        return m_printer->width();
    case VERTRES:
        return m_printer->height();
    default:
        return 0;
    }
}

int PrinterDeviceContext::StartDoc(LPCTSTR name)
{
    m_printer->setDocName(QString::fromUtf8(name ? name : ""));
    if (!m_painter.begin(m_printer.get()))
        return -1;
    // The device's default pen: solid black, one device pixel wide, no smoothing.
    QPen pen(Qt::black, 0, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin);
    pen.setCosmetic(true);
    m_painter.setPen(pen);
    m_painter.setBrush(Qt::NoBrush);
    m_painter.setRenderHint(QPainter::Antialiasing, false);
    // The surface is the printable area: what falls outside it is cut off.
    m_painter.setClipRect(QRect(0, 0, m_printer->width(), m_printer->height()));
    return 1;
}

int PrinterDeviceContext::StartPage()
{
    if (!m_painter.isActive())
        return -1;
    // The first page comes with the document; later ones are asked for.
    if (m_pages++ > 0)
        m_printer->newPage();
    return 1;
}

int PrinterDeviceContext::EndPage()
{
    if (!m_painter.isActive())
        return -1;
    Flush();
    return 1;
}

int PrinterDeviceContext::EndDoc()
{
    if (!m_painter.isActive())
        return -1;
    Flush();
    return m_painter.end() ? 1 : -1;
}
