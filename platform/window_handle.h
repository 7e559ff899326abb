// What a window handle stands for: a Qt widget, and the framework object that
// handles its messages (none for a control that no member is bound to).
#pragma once

#include <QPointer>
#include <QWidget>

class CWnd;

struct WindowHandle {
    QPointer<QWidget> widget;
    CWnd* wnd = nullptr;
    int id = 0;
};
