// The device context of one paint: the window's kept image, drawn on by the
// raster surface within the part that needs painting.
#pragma once

#include "platform/device_context.h"

#include <QImage>
#include <QRect>

class ScreenDeviceContext : public DeviceContext {
public:
    ScreenDeviceContext(QImage& image, const QRect& clip);

    RgbRasterSurface* Raster() override { return &m_surface; }
    POINT MoveTo(int32_t x, int32_t y) override;
    void LineTo(int32_t x, int32_t y) override { m_surface.LineTo(x, y); }
    void Rectangle(int32_t left, int32_t top, int32_t right, int32_t bottom) override
    {
        m_surface.Rectangle(left, top, right, bottom);
    }
    void DrawIcon(int x, int y, HICON icon) override;
    void FillBackground(uint32_t rgb) override;
    int GetDeviceCaps(int index) const override;

    QRect Clip() const { return m_clip; }

private:
    QImage& m_image;
    QRect m_clip;
    RgbRasterSurface m_surface;
};

// Begins a paint of a window's client area; null when no paint can be made.
HDC AfxBeginPaint(HWND hWnd);
// Puts the painted part on the window and releases the device context.
void AfxEndPaint(HWND hWnd, HDC hDC);
