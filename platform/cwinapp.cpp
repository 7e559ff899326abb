#include "platform/cwinapp.h"

#include "platform/cdialog.h"
#include "platform/help_viewer.h"
#include "platform/icon_resource.h"
#include "platform/message_box.h"

namespace {

CWinApp* g_app = nullptr;

} // namespace

BEGIN_MESSAGE_MAP(CWinApp, CCmdTarget)
    ON_COMMAND(ID_APP_EXIT, CWinApp::OnAppExit)
END_MESSAGE_MAP()

CWinApp::CWinApp(LPCTSTR appName)
{
    g_app = this;
    if (appName)
        m_appName = appName;
    m_pszAppName = m_appName.c_str();
    m_pszHelpFilePath = m_helpFilePath.c_str();
}

CWinApp::~CWinApp()
{
    if (g_app == this)
        g_app = nullptr;
}

void CWinApp::SetProgramPath(const std::string& path)
{
    size_t slash = path.find_last_of('/');
    std::string file = slash == std::string::npos ? path : path.substr(slash + 1);
    size_t dot = file.find_last_of('.');
    std::string stem = dot == std::string::npos || dot == 0 ? file : file.substr(0, dot);
    std::string folder = slash == std::string::npos ? "" : path.substr(0, slash + 1);
    if (m_appName.empty())
        m_appName = stem;
    m_helpFilePath = folder + stem + ".HLP";
    m_pszAppName = m_appName.c_str();
    m_pszHelpFilePath = m_helpFilePath.c_str();
}

HICON CWinApp::LoadIcon(UINT id) const { return AfxLoadIcon(id); }

void CWinApp::OnAppExit()
{
    if (m_pMainWnd)
        m_pMainWnd->SendMessage(WM_CLOSE);
}

void CWinApp::OnHelp()
{
    // The topic of the dialog that has the focus: the innermost one running,
    // since every dialog is modal.
    if (CDialog* dialog = CDialog::InnermostModal())
        WinHelp(HID_BASE_RESOURCE + dialog->m_nIDHelp, HELP_CONTEXT);
}

void CWinApp::WinHelp(DWORD data, UINT command)
{
    if (!AfxLaunchHelp(m_helpFilePath, command, data))
        AfxFrameworkMessage("Failed to launch help.");
}

CWinApp* AfxGetApp() { return g_app; }

CWnd* AfxGetMainWnd() { return g_app ? g_app->m_pMainWnd : nullptr; }
