#include "platform/system_metrics.h"

#include "platform/frame_margins.h"

#include <QGuiApplication>
#include <QScreen>

RECT AfxWorkArea()
{
    QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen)
        return RECT{0, 0, 0, 0};
    QRect available = screen->availableGeometry();
    return RECT{available.left(), available.top(), available.left() + available.width(),
                available.top() + available.height()};
}

int AfxCaptionHeight() { return AfxFrameMargins().top(); }

int GetSystemMetrics(int index)
{
    RECT work = AfxWorkArea();
    switch (index) {
    case SM_CXICON:
    case SM_CYICON:
        return 32;
    case SM_CXFULLSCREEN:
        return work.right - work.left;
    case SM_CYFULLSCREEN:
        return work.bottom - work.top - AfxCaptionHeight();
    default:
        return 0;
    }
}

RECT AfxCenterRect(const RECT& window, const RECT& area, const RECT& work)
{
    LONG width = window.right - window.left, height = window.bottom - window.top;
    LONG left = (area.left + area.right) / 2 - width / 2;
    LONG top = (area.top + area.bottom) / 2 - height / 2;
    if (left < work.left)
        left = work.left;
    else if (left + width > work.right)
        left = work.right - width;
    if (top < work.top)
        top = work.top;
    else if (top + height > work.bottom)
        top = work.bottom - height;
    return RECT{left, top, left + width, top + height};
}
