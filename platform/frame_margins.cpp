#include "platform/frame_margins.h"

#include <QApplication>
#include <QStyle>

#include <optional>

namespace {

std::optional<QMargins> g_learned;

bool HasWindowDecorations()
{
    QString platform = QGuiApplication::platformName();
    return platform != "offscreen" && platform != "minimal";
}

} // namespace

QMargins AfxFrameMargins()
{
    if (g_learned)
        return *g_learned;
    if (!HasWindowDecorations())
        return QMargins();
    int caption = QApplication::style()->pixelMetric(QStyle::PM_TitleBarHeight);
    return QMargins(0, caption, 0, 0);
}

bool AfxLearnFrameMargins(const QMargins& margins)
{
    if (g_learned && *g_learned == margins)
        return false;
    g_learned = margins;
    return true;
}
