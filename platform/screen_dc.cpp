#include "platform/screen_dc.h"

#include "platform/dialog_window.h"
#include "platform/icon_resource.h"

#include <QPainter>

ScreenDeviceContext::ScreenDeviceContext(QImage& image, const QRect& clip)
    : m_image(image)
    , m_clip(clip & image.rect())
    , m_surface(reinterpret_cast<uint32_t*>(image.bits()), image.width(), image.height(),
                image.bytesPerLine() / 4)
{
    m_surface.SetClip(m_clip.left(), m_clip.top(), m_clip.left() + m_clip.width(),
                      m_clip.top() + m_clip.height());
}

POINT ScreenDeviceContext::MoveTo(int32_t x, int32_t y)
{
    POINT previous{m_surface.CurrentX(), m_surface.CurrentY()};
    m_surface.MoveTo(x, y);
    return previous;
}

void ScreenDeviceContext::DrawIcon(int x, int y, HICON icon)
{
    QPainter painter(&m_image);
    painter.setClipRect(m_clip);
    painter.drawImage(x, y, icon->big);
}

void ScreenDeviceContext::FillBackground(uint32_t rgb)
{
    QPainter painter(&m_image);
    painter.fillRect(m_clip, QColor::fromRgb(rgb));
}

int ScreenDeviceContext::GetDeviceCaps(int index) const
{
    switch (index) {
    case HORZRES:
        return m_image.width();
    case VERTRES:
        return m_image.height();
    default:
        return 0;
    }
}

HDC AfxBeginPaint(HWND hWnd)
{
    DialogWindow* window = AfxDialogWindow(hWnd);
    if (!window)
        return nullptr;
    ClientArea* client = window->Client();
    QImage& image = client->PaintImage();
    if (image.isNull())
        return nullptr;
    return new ScreenDeviceContext(image, client->PaintRect());
}

void AfxEndPaint(HWND hWnd, HDC hDC)
{
    auto* screen = dynamic_cast<ScreenDeviceContext*>(hDC);
    DialogWindow* window = AfxDialogWindow(hWnd);
    if (screen && window && !screen->Clip().isEmpty()) {
        ClientArea* client = window->Client();
        QPainter painter(client);
        painter.drawImage(screen->Clip(), client->PaintImage(), screen->Clip());
    }
    delete hDC;
}
