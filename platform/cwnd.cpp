#include "platform/cwnd.h"

#include "platform/device_context.h"
#include "platform/cwinapp.h"
#include "platform/dialog_window.h"
#include "platform/icon_resource.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

BEGIN_MESSAGE_MAP(CWnd, CCmdTarget)
END_MESSAGE_MAP()

namespace {

QWidget* Widget(HWND hWnd) { return hWnd ? hWnd->widget.data() : nullptr; }

// Where a window paints: a dialog's client area, or the control itself.
QWidget* ClientWidget(HWND hWnd)
{
    DialogWindow* window = AfxDialogWindow(hWnd);
    return window ? window->Client() : Widget(hWnd);
}

RECT ToRect(const QRect& rect)
{
    return RECT{rect.left(), rect.top(), rect.left() + rect.width(), rect.top() + rect.height()};
}

} // namespace

LRESULT CWnd::SendMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    return WindowProc(message, wParam, lParam);
}

LRESULT CWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_COMMAND)
        return OnCommand(wParam, lParam) ? 0 : DefWindowProc(message, wParam, lParam);
    if (const MessageMapEntry* entry = FindEntry(message)) {
        if (entry->cursorHandler)
            return reinterpret_cast<LRESULT>(AfxCallHandler(this, entry->cursorHandler));
        AfxCallHandler(this, entry->handler);
        return 0;
    }
    return DefWindowProc(message, wParam, lParam);
}

BOOL CWnd::OnCommand(WPARAM wParam, LPARAM)
{
    UINT id = wParam & 0xFFFF;
    int code = static_cast<int>((wParam >> 16) & 0xFFFF);
    if (OnCmdMsg(id, code))
        return TRUE;
    // Only commands, not control ids, go on: to the parent, then the application.
    if (id < 0x8000 || id > 0xEFFF)
        return FALSE;
    if (CWnd* parent = GetCommandParent(); parent && parent->OnCmdMsg(id, code))
        return TRUE;
    CWinApp* app = AfxGetApp();
    return app && app->OnCmdMsg(id, code);
}

LRESULT CWnd::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_SETICON:
        if (DialogWindow* window = AfxDialogWindow(m_hWnd); window && lParam)
            window->SetIcon(wParam == ICON_BIG, reinterpret_cast<HICON>(lParam)->icon);
        return 0;
    case WM_ICONERASEBKGND:
        if (HDC dc = reinterpret_cast<HDC>(wParam); dc && Widget(m_hWnd))
            dc->FillBackground(Widget(m_hWnd)->palette().color(QPalette::Window).rgb());
        return 1;
    case WM_HELP:
        // A help request in a top-level window asks the main window for help.
        if (CWnd* main = AfxGetMainWnd())
            main->SendMessage(WM_COMMAND, ID_HELP, 0);
        return 1;
    default:
        return 0;
    }
}

void CWnd::GetClientRect(LPRECT rect) const
{
    QWidget* widget = ClientWidget(m_hWnd);
    *rect = widget ? RECT{0, 0, widget->width(), widget->height()} : RECT{0, 0, 0, 0};
}

void CWnd::GetWindowRect(LPRECT rect) const
{
    if (DialogWindow* window = AfxDialogWindow(m_hWnd))
        *rect = ToRect(window->OuterRect());
    else if (QWidget* widget = Widget(m_hWnd))
        *rect = ToRect(QRect(widget->mapToGlobal(QPoint(0, 0)), widget->size()));
    else
        *rect = RECT{0, 0, 0, 0};
}

BOOL CWnd::IsIconic() const
{
    QWidget* widget = Widget(m_hWnd);
    return widget && widget->isWindow() && widget->isMinimized();
}

void CWnd::MoveWindow(int x, int y, int width, int height, BOOL repaint)
{
    if (DialogWindow* window = AfxDialogWindow(m_hWnd))
        window->SetOuterRect(QRect(x, y, width, height));
    else if (QWidget* widget = Widget(m_hWnd))
        widget->setGeometry(x, y, width, height);
    if (repaint)
        RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE);
}

BOOL CWnd::RedrawWindow(LPCRECT update, CRgn*, UINT flags)
{
    QWidget* widget = ClientWidget(m_hWnd);
    if (!widget)
        return FALSE;
    QRect area = update ? QRect(update->left, update->top, update->right - update->left,
                                update->bottom - update->top)
                        : widget->rect();
    if (flags & RDW_UPDATENOW)
        widget->repaint(area);
    else if (flags & RDW_INVALIDATE)
        widget->update(area);
    return TRUE;
}

void CWnd::SetWindowText(LPCTSTR text)
{
    QString qtext = QString::fromUtf8(text ? text : "");
    QWidget* widget = Widget(m_hWnd);
    if (auto* edit = qobject_cast<QLineEdit*>(widget))
        edit->setText(qtext);
    else if (auto* button = qobject_cast<QPushButton*>(widget))
        button->setText(qtext);
    else if (auto* label = qobject_cast<QLabel*>(widget))
        label->setText(qtext);
    else if (widget)
        widget->setWindowTitle(qtext);
}

void CWnd::GetWindowText(CString& text) const
{
    QWidget* widget = Widget(m_hWnd);
    QString qtext;
    if (auto* edit = qobject_cast<QLineEdit*>(widget))
        qtext = edit->text();
    else if (auto* button = qobject_cast<QPushButton*>(widget))
        qtext = button->text();
    else if (auto* label = qobject_cast<QLabel*>(widget))
        qtext = label->text();
    else if (widget)
        qtext = widget->windowTitle();
    text = CString(qtext.toStdString());
}

BOOL CWnd::EnableWindow(BOOL enable)
{
    BOOL wasDisabled = !IsWindowEnabled();
    // A disabled top-level window takes no input but looks as before, as a
    // dialog's owner should; a disabled control is greyed.
    if (DialogWindow* window = AfxDialogWindow(m_hWnd))
        window->SetInputEnabled(enable);
    else if (QWidget* widget = Widget(m_hWnd))
        widget->setEnabled(enable);
    return wasDisabled;
}

BOOL CWnd::IsWindowEnabled() const
{
    if (DialogWindow* window = AfxDialogWindow(m_hWnd))
        return window->InputEnabled();
    QWidget* widget = Widget(m_hWnd);
    return widget && widget->isEnabled();
}
