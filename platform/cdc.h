// A device context: the surface that the program draws on, on screen or on
// a printer page, in device pixels with y growing downwards.
#pragma once

#include "platform/device_context.h"
#include "platform/win_types.h"

class CWnd;

struct DOCINFO {
    int cbSize;
    LPCTSTR lpszDocName;
    LPCTSTR lpszOutput;
    LPCTSTR lpszDatatype;
    DWORD fwType;
};

class CDC {
public:
    CDC() = default;
    virtual ~CDC() = default;
    CDC(const CDC&) = delete;
    CDC& operator=(const CDC&) = delete;

    HDC m_hDC = nullptr;
    HDC GetSafeHdc() const { return m_hDC; }
    BOOL Attach(HDC hDC);
    HDC Detach();

    // A temporary object for a handle; it belongs to the framework.
    static CDC* FromHandle(HDC hDC);
    // Releases the device context itself.
    BOOL DeleteDC();

    // The screen draws straight onto its raster surface, without a virtual call.
    POINT MoveTo(int x, int y)
    {
        if (m_raster) {
            POINT previous{m_raster->CurrentX(), m_raster->CurrentY()};
            m_raster->MoveTo(x, y);
            return previous;
        }
        return m_hDC ? m_hDC->MoveTo(x, y) : POINT{0, 0};
    }
    BOOL LineTo(int x, int y)
    {
        if (m_raster)
            m_raster->LineTo(x, y);
        else if (m_hDC)
            m_hDC->LineTo(x, y);
        return m_hDC != nullptr;
    }

    BOOL Rectangle(int left, int top, int right, int bottom);
    BOOL Rectangle(LPCRECT rect) { return Rectangle(rect->left, rect->top, rect->right, rect->bottom); }
    BOOL DrawIcon(int x, int y, HICON icon);
    int GetDeviceCaps(int index) const;

    int StartDoc(DOCINFO* docInfo);
    int StartPage();
    int EndPage();
    int EndDoc();

private:
    RgbRasterSurface* m_raster = nullptr;
};

// The surface for one paint of a window's client area, limited to the part
// that needs painting; the picture goes onto the window when it ends.
class CPaintDC : public CDC {
public:
    explicit CPaintDC(CWnd* wnd);
    ~CPaintDC() override;

private:
    HWND m_hWndPaint;
};
