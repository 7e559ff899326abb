// A dialog made from a template, run modally in a nested message loop.
#pragma once

#include "platform/cwnd.h"

#include <vector>

class CDialog;

// One exchange between a dialog and its members.
class CDataExchange {
public:
    CDataExchange(CDialog* dialog, BOOL saveAndValidate)
        : m_pDlgWnd(dialog)
        , m_bSaveAndValidate(saveAndValidate)
    {
    }
    CDialog* m_pDlgWnd;
    BOOL m_bSaveAndValidate;
};

class CDialog : public CWnd {
public:
    explicit CDialog(UINT templateId, CWnd* parent = nullptr);
    ~CDialog() override;

    // Runs the dialog until EndDialog; IDOK, IDCANCEL, or -1 when it cannot be made.
    virtual INT_PTR DoModal();
    void EndDialog(int result);
    // Whether the modal loop goes on: FALSE once EndDialog has been called.
    BOOL ContinueModal() const { return m_loop && !m_ended; }

    virtual BOOL OnInitDialog();
    virtual void OnOK();
    virtual void OnCancel();

    BOOL UpdateData(BOOL saveAndValidate = TRUE);

    UINT m_nIDHelp;

    // The innermost dialog whose modal loop is running, if any.
    static CDialog* InnermostModal();

protected:
    virtual void DoDataExchange(CDataExchange* dx) { (void)dx; }
    LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    CWnd* GetCommandParent() const override { return m_pOwner; }

    UINT m_nIDTemplate;
    CWnd* m_pParentWnd;

    DECLARE_MESSAGE_MAP()

private:
    friend void DDX_Control(CDataExchange* dx, int id, CWnd& control);
    struct ModalLoop;
    void CentreIfUnmoved(const RECT& before);
    void DestroyWindow();

    CWnd* m_pOwner = nullptr;
    std::vector<CWnd*> m_boundControls;
    int m_nModalResult = -1;
    bool m_ended = false;
    ModalLoop* m_loop = nullptr;
};

// Binds the dialog's control with this id to a member, on the first exchange.
void DDX_Control(CDataExchange* dx, int id, CWnd& control);

class CEdit : public CWnd {
};
