#include "app/design_app.h"

#include "app/design_dlg.h"
#include "res/resource.h"

BEGIN_MESSAGE_MAP(CDesignApp, CWinApp)
    ON_COMMAND(ID_DESIGN_OPTIONS, CDesignApp::OnDesignOptions)
    ON_COMMAND(ID_HELP, CWinApp::OnHelp)
END_MESSAGE_MAP()

CDesignApp::CDesignApp() = default;

// The one application object.
CDesignApp theApp;

BOOL CDesignApp::InitInstance()
{
    Enable3dControlsStatic();

    CDesignDlg dlg;
    m_pMainWnd = &dlg;
    dlg.DoModal();

    // The main window has ended: no message loop of our own follows.
    m_pMainWnd = nullptr;
    return FALSE;
}
