#include "platform/dialog_window.h"

#include "platform/cwnd.h"
#include "platform/frame_margins.h"

#include <QCloseEvent>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QWindow>

namespace {

// a * b / c, rounded half away from zero.
int MulDiv(int a, int b, int c)
{
    long long product = static_cast<long long>(a) * b;
    long long half = c / 2;
    return static_cast<int>(product >= 0 ? (product + half) / c : (product - half) / c);
}

// The template's font where it is installed, else the desktop's sans-serif
// face at the same size ("MS Sans Serif" is not found on this desktop).
QFont DialogFont(const DialogTemplate& dialog)
{
    QFont font;
    if (QFontDatabase::hasFamily(QString::fromUtf8(dialog.fontName)))
        font.setFamily(QString::fromUtf8(dialog.fontName));
    else {
        font.setFamily("sans-serif");
        font.setStyleHint(QFont::SansSerif);
    }
    font.setPointSize(dialog.pointSize);
    font.setWeight(dialog.weight >= 700 ? QFont::Bold : QFont::Normal);
    font.setItalic(dialog.italic);
    return font;
}

// The desktop's sans-serif face is wider than the one the templates were laid
// out with: a label that would cut its text grows away from its aligned edge.
QRect WholeTextRect(QRect rect, int textWidth, bool rightAligned)
{
    if (textWidth <= rect.width())
        return rect;
    if (rightAligned)
        rect.setLeft(std::max(0, rect.right() + 1 - textWidth));
    else
        rect.setWidth(textWidth);
    return rect;
}

bool IsInput(QEvent::Type type)
{
    switch (type) {
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::ShortcutOverride:
    case QEvent::Shortcut:
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::Wheel:
        return true;
    default:
        return false;
    }
}

} // namespace

ClientArea::ClientArea(DialogWindow& window)
    : QWidget(&window)
    , m_window(window)
{
    setAutoFillBackground(true);
}

QImage& ClientArea::PaintImage()
{
    if (m_image.size() != size())
        m_image = QImage(size(), QImage::Format_RGB32);
    return m_image;
}

void ClientArea::paintEvent(QPaintEvent* event)
{
    m_paintRect = event->rect();
    m_window.Handle()->wnd->SendMessage(WM_PAINT);
    m_paintRect = QRect();
}

DialogWindow::DialogWindow(CWnd& wnd, const DialogTemplate& dialog, QWidget* owner)
    : QWidget(owner, owner ? Qt::Dialog : Qt::Window)
    , m_template(dialog)
{
    m_handle.widget = this;
    m_handle.wnd = &wnd;
    m_handle.id = static_cast<int>(dialog.id);

    // A modal frame with a caption and a close box: no minimise, maximise or sizing.
    setWindowFlags((owner ? Qt::Dialog : Qt::Window) | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                   | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    if (owner)
        setWindowModality(Qt::WindowModal);
    setWindowTitle(QString::fromUtf8(dialog.caption));

    QFont font = DialogFont(dialog);
    setFont(font);
    QFontMetrics metrics(font);
    int letters = metrics.horizontalAdvance("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz");
    m_baseUnits = QSize((letters / 26 + 1) / 2, metrics.height());

    m_client = new ClientArea(*this);
    m_client->installEventFilter(this);
    if (dialog.menuId)
        BuildMenu(dialog.menuId);
    BuildControls();
    m_client->setFocusPolicy(dialog.controls.empty() ? Qt::StrongFocus : Qt::NoFocus);

    // Created at the template's position: on the screen, or over the owner's client area.
    QRect client = DialogUnitsToPixels(dialog.x, dialog.y, dialog.cx, dialog.cy);
    if (!(dialog.style & DS_ABSALIGN) && owner) {
        if (auto* ownerWindow = dynamic_cast<DialogWindow*>(owner))
            client.translate(ownerWindow->Client()->mapToGlobal(QPoint(0, 0)));
    }
    QMargins margins = AfxFrameMargins();
    int menuHeight = m_menuBar ? m_menuBar->sizeHint().height() : 0;
    SetOuterRect(QRect(client.topLeft(),
                       client.size().grownBy(margins) + QSize(0, menuHeight)));
}

DialogWindow::~DialogWindow() = default;

WindowHandle* DialogWindow::Control(int id)
{
    auto found = m_controls.find(id);
    return found == m_controls.end() ? nullptr : found->second.get();
}

QRect DialogWindow::DialogUnitsToPixels(int x, int y, int cx, int cy) const
{
    return QRect(MulDiv(x, m_baseUnits.width(), 4), MulDiv(y, m_baseUnits.height(), 8),
                 MulDiv(cx, m_baseUnits.width(), 4), MulDiv(cy, m_baseUnits.height(), 8));
}

void DialogWindow::BuildMenu(UINT menuId)
{
    const MenuTemplate* menu = AfxFindMenu(menuId);
    if (!menu)
        return;
    m_menuBar = new QMenuBar(this);
    m_menuBar->installEventFilter(this);
    for (const MenuPopup& popup : menu->popups) {
        QMenu* qmenu = m_menuBar->addMenu(QString::fromUtf8(popup.text));
        qmenu->installEventFilter(this);
        for (const MenuItem& item : popup.items) {
            if (!item.text) {
                qmenu->addSeparator();
                continue;
            }
            QAction* action = qmenu->addAction(QString::fromUtf8(item.text));
            if (const char* prompt = AfxFindString(item.id))
                action->setStatusTip(QString::fromUtf8(prompt));
            UINT id = item.id;
            connect(action, &QAction::triggered, this, [this, id] { SendCommand(static_cast<int>(id)); });
        }
    }
}

void DialogWindow::BuildControls()
{
    for (const DialogControl& control : m_template.controls) {
        QString text = QString::fromUtf8(control.text);
        QWidget* widget = nullptr;
        switch (control.controlClass) {
        case ControlClass::Button: {
            auto* button = new QPushButton(text, m_client);
            button->setAutoDefault(false);
            button->setDefault((control.style & 0xF) == BS_DEFPUSHBUTTON);
            int id = control.id;
            connect(button, &QPushButton::clicked, this, [this, id] { SendCommand(id); });
            widget = button;
            break;
        }
        case ControlClass::Static: {
            auto* label = new QLabel(text, m_client);
            label->setAlignment(Qt::AlignTop
                                | ((control.exStyle & WS_EX_RIGHT) ? Qt::AlignRight : Qt::AlignLeft));
            widget = label;
            break;
        }
        case ControlClass::Edit: {
            auto* edit = new QLineEdit(text, m_client);
            edit->setFrame(control.style & WS_BORDER);
            edit->setMaxLength(1 << 24); // a field has no length limit of its own
            widget = edit;
            break;
        }
        }
        QRect rect = DialogUnitsToPixels(control.x, control.y, control.cx, control.cy);
        if (control.controlClass == ControlClass::Static)
            rect = WholeTextRect(rect, widget->sizeHint().width(), control.exStyle & WS_EX_RIGHT);
        widget->setGeometry(rect);
        if (control.style & WS_TABSTOP)
            widget->setFocusPolicy(Qt::StrongFocus);
        else if (control.controlClass != ControlClass::Static)
            widget->setFocusPolicy(Qt::ClickFocus);
        widget->setEnabled(!(control.style & WS_DISABLED));
        if (!(control.style & WS_VISIBLE))
            widget->hide();
        widget->installEventFilter(this);

        auto handle = std::make_unique<WindowHandle>();
        handle->widget = widget;
        handle->id = control.id;
        m_controls.emplace(control.id, std::move(handle));
    }
}

void DialogWindow::FocusFirstTabStop()
{
    for (const DialogControl& control : m_template.controls) {
        WindowHandle* handle = Control(control.id);
        if (!(control.style & WS_TABSTOP) || !handle || !handle->widget)
            continue;
        if (handle->widget->isEnabled() && !handle->widget->isHidden()) {
            handle->widget->setFocus(Qt::TabFocusReason);
            return;
        }
    }
    m_client->setFocus(Qt::OtherFocusReason);
}

int DialogWindow::DefaultButtonId() const
{
    for (const DialogControl& control : m_template.controls)
        if (control.controlClass == ControlClass::Button && (control.style & 0xF) == BS_DEFPUSHBUTTON)
            return control.id;
    return IDOK;
}

void DialogWindow::SendCommand(int id)
{
    m_handle.wnd->SendMessage(WM_COMMAND, MAKEWPARAM(static_cast<UINT>(id), BN_CLICKED), 0);
}

QRect DialogWindow::OuterRect() const { return isVisible() ? frameGeometry() : m_outer; }

void DialogWindow::SetOuterRect(const QRect& outer)
{
    m_outer = outer;
    ApplyOuterRect();
}

void DialogWindow::ApplyOuterRect()
{
    m_appliedMargins = AfxFrameMargins();
    setFixedSize(m_outer.size().shrunkBy(m_appliedMargins).expandedTo(QSize(1, 1)));
    move(m_outer.topLeft());
}

void DialogWindow::SetIcon(bool big, const QIcon& icon)
{
    (big ? m_bigIcon : m_smallIcon) = icon;
    QIcon both;
    for (const QIcon& part : {m_bigIcon, m_smallIcon})
        for (QSize size : part.availableSizes())
            both.addPixmap(part.pixmap(size));
    setWindowIcon(both);
}

bool DialogWindow::event(QEvent* event)
{
    if (!m_inputEnabled && IsInput(event->type()))
        return true;
    bool handled = QWidget::event(event);
    // The window manager's frame is known once the window is shown: keep the
    // outer size that was asked for.
    if ((event->type() == QEvent::Show || event->type() == QEvent::Move || event->type() == QEvent::Resize)
        && isVisible() && windowHandle()) {
        QMargins margins = windowHandle()->frameMargins();
        AfxLearnFrameMargins(margins);
        if (margins != m_appliedMargins)
            ApplyOuterRect();
    }
    return handled;
}

bool DialogWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (!m_inputEnabled && IsInput(event->type()))
        return true;
    return QWidget::eventFilter(watched, event);
}

void DialogWindow::closeEvent(QCloseEvent* event)
{
    // The framework object decides; the window only asks.
    event->ignore();
    if (m_inputEnabled)
        m_handle.wnd->SendMessage(WM_CLOSE);
}

void DialogWindow::keyPressEvent(QKeyEvent* event)
{
    Qt::KeyboardModifiers modifiers = event->modifiers() & ~Qt::KeypadModifier;
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (modifiers != Qt::NoModifier)
            break;
        if (auto* button = qobject_cast<QPushButton*>(focusWidget()))
            button->click();
        else
            SendCommand(DefaultButtonId());
        return;
    case Qt::Key_Escape:
        if (modifiers != Qt::NoModifier)
            break;
        SendCommand(IDCANCEL);
        return;
    case Qt::Key_F1:
        if (modifiers == Qt::NoModifier)
            m_handle.wnd->SendMessage(WM_HELP);
        return;
    default:
        break;
    }
    QWidget::keyPressEvent(event);
}

void DialogWindow::resizeEvent(QResizeEvent*)
{
    // A narrow window wraps its menu bar onto more rows.
    int menuHeight = m_menuBar ? std::max(m_menuBar->heightForWidth(width()), m_menuBar->sizeHint().height()) : 0;
    if (m_menuBar)
        m_menuBar->setGeometry(0, 0, width(), menuHeight);
    m_client->setGeometry(0, menuHeight, width(), height() - menuHeight);
}

DialogWindow* AfxDialogWindow(HWND hWnd)
{
    return hWnd ? dynamic_cast<DialogWindow*>(hWnd->widget.data()) : nullptr;
}
