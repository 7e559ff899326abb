#include "platform/cdialog.h"

#include "platform/cwinapp.h"
#include "platform/dialog_window.h"
#include "platform/owner_disabled.h"
#include "platform/system_metrics.h"

#include <QEventLoop>

struct CDialog::ModalLoop {
    QEventLoop loop;
};

namespace {

std::vector<CDialog*>& ModalStack()
{
    static std::vector<CDialog*> stack;
    return stack;
}

} // namespace

BEGIN_MESSAGE_MAP(CDialog, CWnd)
    ON_COMMAND(IDOK, CDialog::OnOK)
    ON_COMMAND(IDCANCEL, CDialog::OnCancel)
END_MESSAGE_MAP()

CDialog::CDialog(UINT templateId, CWnd* parent)
    : m_nIDHelp(templateId)
    , m_nIDTemplate(templateId)
    , m_pParentWnd(parent)
{
}

CDialog::~CDialog() { DestroyWindow(); }

CDialog* CDialog::InnermostModal() { return ModalStack().empty() ? nullptr : ModalStack().back(); }

INT_PTR CDialog::DoModal()
{
    const DialogTemplate* dialog = AfxFindDialogTemplate(m_nIDTemplate);
    if (!dialog)
        return -1;

    // Without a parent, the main window owns the dialog; it takes no input meanwhile.
    m_pOwner = m_pParentWnd ? m_pParentWnd : AfxGetMainWnd();
    if (m_pOwner == this || (m_pOwner && !m_pOwner->m_hWnd))
        m_pOwner = nullptr;
    {
        OwnerDisabled disabled(m_pOwner);
        auto* window = new DialogWindow(*this, *dialog, m_pOwner ? AfxDialogWindow(m_pOwner->m_hWnd) : nullptr);
        m_hWnd = window->Handle();
        m_ended = false;
        m_nModalResult = -1;
        ModalStack().push_back(this);

        RECT before;
        GetWindowRect(&before);
        BOOL setFocus = FALSE;
        try {
            setFocus = OnInitDialog();
        } catch (...) {
            // A dialog that fails to start leaves nothing behind.
            ModalStack().pop_back();
            DestroyWindow();
            throw;
        }
        CentreIfUnmoved(before);
        if (setFocus)
            window->FocusFirstTabStop();

        if (!m_ended) {
            window->show();
            window->raise();
            window->activateWindow();
            ModalLoop loop;
            m_loop = &loop;
            loop.loop.exec();
            m_loop = nullptr;
        }
        ModalStack().pop_back();
        window->hide();
    } // the owner takes input again and is activated
    DestroyWindow();
    return m_nModalResult;
}

// A dialog that its template puts at (0, 0) without a centring style, and
// that has not moved itself, is centred over its owner, or in the work area.
void CDialog::CentreIfUnmoved(const RECT& before)
{
    const DialogTemplate& dialog = AfxDialogWindow(m_hWnd)->Template();
    if (dialog.x != 0 || dialog.y != 0 || (dialog.style & (DS_ABSALIGN | DS_CENTER | DS_CENTERMOUSE)))
        return;
    RECT after;
    GetWindowRect(&after);
    if (after.left != before.left || after.top != before.top)
        return;
    RECT work = AfxWorkArea();
    RECT area = work;
    if (m_pOwner && !m_pOwner->IsIconic())
        m_pOwner->GetWindowRect(&area);
    RECT centred = AfxCenterRect(after, area, work);
    AfxDialogWindow(m_hWnd)->SetOuterRect(
        QRect(centred.left, centred.top, centred.right - centred.left, centred.bottom - centred.top));
}

void CDialog::DestroyWindow()
{
    if (!m_hWnd)
        return;
    for (CWnd* control : m_boundControls)
        control->m_hWnd = nullptr;
    m_boundControls.clear();
    delete AfxDialogWindow(m_hWnd);
    m_hWnd = nullptr;
}

void CDialog::EndDialog(int result)
{
    m_nModalResult = result;
    m_ended = true;
    if (m_loop)
        m_loop->loop.quit();
}

BOOL CDialog::OnInitDialog()
{
    UpdateData(FALSE);
    return TRUE;
}

void CDialog::OnOK()
{
    if (!UpdateData(TRUE))
        return;
    EndDialog(IDOK);
}

void CDialog::OnCancel() { EndDialog(IDCANCEL); }

BOOL CDialog::UpdateData(BOOL saveAndValidate)
{
    CDataExchange dx(this, saveAndValidate);
    DoDataExchange(&dx);
    return TRUE;
}

LRESULT CDialog::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    // A close request is a Cancel.
    if (message == WM_CLOSE) {
        SendMessage(WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
        return 0;
    }
    return CWnd::DefWindowProc(message, wParam, lParam);
}

void DDX_Control(CDataExchange* dx, int id, CWnd& control)
{
    if (control.m_hWnd)
        return;
    DialogWindow* window = AfxDialogWindow(dx->m_pDlgWnd->m_hWnd);
    WindowHandle* handle = window ? window->Control(id) : nullptr;
    if (!handle)
        throw CResourceException();
    handle->wnd = &control;
    control.m_hWnd = handle;
    dx->m_pDlgWnd->m_boundControls.push_back(&control);
}
