// Helpers for tests that drive real windows on Qt's offscreen platform.
#pragma once

#include "figure/serif_figure.h"
#include "platform/cdialog.h"
#include "platform/raster_surface.h"
#include "platform/window_handle.h"

#include <QApplication>
#include <QImage>
#include <QMessageBox>
#include <QTest>
#include <QTimer>
#include <QWidget>

#include <functional>
#include <string>

// Waits until `window` is the active window itself (Qt also calls a window
// active while a related one is).
inline void WaitUntilActive(QWidget* window)
{
    (void)QTest::qWaitFor([window] { return QApplication::activeWindow() == window; });
}

// Runs `step` once the dialog that is about to run has started and is active.
inline void Later(std::function<void()> step)
{
    QTimer::singleShot(0, [step = std::move(step)] {
        CDialog* dialog = CDialog::InnermostModal();
        if (dialog && dialog->m_hWnd && dialog->m_hWnd->widget)
            WaitUntilActive(dialog->m_hWnd->widget);
        step();
    });
}

// Where a key goes when a person presses it: an open menu, the focus widget,
// else the active window.
inline QWidget* KeyTarget()
{
    if (QWidget* popup = QApplication::activePopupWidget())
        return popup;
    if (QWidget* focus = QApplication::focusWidget())
        return focus;
    if (QWidget* active = QApplication::activeWindow())
        return active;
    CDialog* dialog = CDialog::InnermostModal();
    return dialog && dialog->m_hWnd ? dialog->m_hWnd->widget.data() : nullptr;
}

inline void PressKey(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    QTest::keyClick(KeyTarget(), key, modifiers);
}

// Runs `step` once, as soon as `ready` holds, looking every few milliseconds
// from whatever event loop is running.
inline void WhenReady(std::function<bool()> ready, std::function<void()> step)
{
    auto* timer = new QTimer;
    QObject::connect(timer, &QTimer::timeout, [timer, ready = std::move(ready), step = std::move(step)] {
        if (!ready())
            return;
        timer->stop();
        timer->deleteLater(); // only once control is back in this loop
        step();
    });
    timer->start(5);
}

// Chooses a menu item by its access keys, as a person does: Alt+menu, then item.
inline void ChooseMenuItem(Qt::Key menu, Qt::Key item)
{
    PressKey(menu, Qt::AltModifier);
    (void)QTest::qWaitFor([] { return QApplication::activePopupWidget() != nullptr; });
    PressKey(item);
}

struct MessageBoxSeen {
    bool shown = false;
    QString title;
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
};

// Watches for the next message box, notes what it says and presses Enter on it.
inline void AcceptNextMessageBox(MessageBoxSeen* seen)
{
    auto box = [] { return qobject_cast<QMessageBox*>(QApplication::activeModalWidget()); };
    WhenReady([box] { return box() != nullptr; },
              [box, seen] {
                  seen->shown = true;
                  seen->title = box()->windowTitle();
                  seen->text = box()->text();
                  seen->icon = box()->icon();
                  QTest::keyClick(box(), Qt::Key_Return);
              });
}

// A client area as the main window paints it, by the raster surface:
// frame, white, and the figure of the current parameters.
inline QImage ExpectedClient(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    RgbRasterSurface surface(reinterpret_cast<uint32_t*>(image.bits()), width, height,
                             image.bytesPerLine() / 4);
    surface.Rectangle(0, 0, width, height);
    DrawDesign(surface, FigureRect{0, 0, width, height});
    return image;
}

// A test program's main: Qt on the offscreen platform, the framework started
// as if the program file were `programName` in the test's own folder.
int RunGuiTests(int argc, char** argv, const char* programName);
