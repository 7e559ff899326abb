// The device context of a printer: a Qt printer in its native format, which
// spools to the system's print service. Lines are one device pixel wide.
#pragma once

#include "platform/device_context.h"

#include <QLine>
#include <QPainter>
#include <QPrinter>

#include <memory>
#include <vector>

class PrinterDeviceContext : public DeviceContext {
public:
    explicit PrinterDeviceContext(std::unique_ptr<QPrinter> printer);
    ~PrinterDeviceContext() override;

    POINT MoveTo(int32_t x, int32_t y) override;
    void LineTo(int32_t x, int32_t y) override;
    void Rectangle(int32_t left, int32_t top, int32_t right, int32_t bottom) override;
    void DrawIcon(int x, int y, HICON icon) override;
    void FillBackground(uint32_t rgb) override;
    int GetDeviceCaps(int index) const override;

    int StartDoc(LPCTSTR name) override;
    int StartPage() override;
    int EndPage() override;
    int EndDoc() override;

private:
    void Flush();

    std::unique_ptr<QPrinter> m_printer;
    QPainter m_painter;
    std::vector<QLine> m_lines;
    int32_t m_x = 0;
    int32_t m_y = 0;
    int m_pages = 0;
};
