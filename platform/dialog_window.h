// A dialog on the desktop: a top-level Qt window made from a dialog template,
// with its menu bar, its client area and its controls. It turns Qt's events
// into the messages of its framework object.
#pragma once

#include "platform/resources.h"
#include "platform/window_handle.h"

#include <QImage>
#include <QWidget>

#include <map>
#include <memory>

class QMenuBar;
class DialogWindow;

// The part of a dialog below its menu bar; paints through WM_PAINT into an
// image that it keeps between paints.
class ClientArea : public QWidget {
public:
    explicit ClientArea(DialogWindow& window);

    QImage& PaintImage();
    QRect PaintRect() const { return m_paintRect; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    DialogWindow& m_window;
    QImage m_image;
    QRect m_paintRect;
};

class DialogWindow : public QWidget {
public:
    DialogWindow(CWnd& wnd, const DialogTemplate& dialog, QWidget* owner);
    ~DialogWindow() override;

    WindowHandle* Handle() { return &m_handle; }
    WindowHandle* Control(int id);
    ClientArea* Client() { return m_client; }
    QMenuBar* MenuBar() { return m_menuBar; }
    const DialogTemplate& Template() const { return m_template; }

    // The outer rectangle, frame and caption included, in screen pixels.
    QRect OuterRect() const;
    void SetOuterRect(const QRect& outer);

    // A disabled window takes no keyboard or mouse input but goes on painting.
    void SetInputEnabled(bool enabled) { m_inputEnabled = enabled; }
    bool InputEnabled() const { return m_inputEnabled; }

    void SetIcon(bool big, const QIcon& icon);

    // Gives the focus to the first enabled, visible control with a tab stop.
    void FocusFirstTabStop();

    // Pixels from dialog units, with the dialog font's base units.
    QRect DialogUnitsToPixels(int x, int y, int cx, int cy) const;
    QSize BaseUnits() const { return m_baseUnits; }

protected:
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void BuildMenu(UINT menuId);
    void BuildControls();
    void SendCommand(int id);
    void ApplyOuterRect();
    int DefaultButtonId() const;

    const DialogTemplate& m_template;
    WindowHandle m_handle;
    std::map<int, std::unique_ptr<WindowHandle>> m_controls;
    QMenuBar* m_menuBar = nullptr;
    ClientArea* m_client = nullptr;
    QSize m_baseUnits;
    QRect m_outer;
    QMargins m_appliedMargins;
    bool m_inputEnabled = true;
    QIcon m_bigIcon;
    QIcon m_smallIcon;
};

// The dialog window behind a handle, or null.
DialogWindow* AfxDialogWindow(HWND hWnd);
