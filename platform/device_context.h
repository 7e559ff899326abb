// What stands behind a device context handle: a screen paint or a printer
// page. The screen's keeps a raster surface that CDC draws on directly.
#pragma once

#include "platform/raster_surface.h"
#include "platform/win_types.h"

struct DeviceContext {
    virtual ~DeviceContext();

    virtual RgbRasterSurface* Raster() { return nullptr; }
    virtual POINT MoveTo(int32_t x, int32_t y) = 0;
    virtual void LineTo(int32_t x, int32_t y) = 0;
    virtual void Rectangle(int32_t left, int32_t top, int32_t right, int32_t bottom) = 0;
    virtual void DrawIcon(int x, int y, HICON icon) = 0;
    virtual void FillBackground(uint32_t rgb) = 0;
    virtual int GetDeviceCaps(int index) const = 0;

    // Print jobs; a screen has none.
    virtual int StartDoc(LPCTSTR name) { (void)name; return -1; }
    virtual int StartPage() { return -1; }
    virtual int EndPage() { return -1; }
    virtual int EndDoc() { return -1; }
};
