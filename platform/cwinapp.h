// The one application object: made before main runs, it starts the program
// and is the last stop of command routing.
#pragma once

#include "platform/cwnd.h"

#include <string>

class CWinApp : public CCmdTarget {
public:
    explicit CWinApp(LPCTSTR appName = nullptr);
    ~CWinApp() override;

    virtual BOOL InitApplication() { return TRUE; }
    virtual BOOL InitInstance() { return TRUE; }
    virtual int ExitInstance() { return 0; }

    HICON LoadIcon(UINT id) const;
    void WinHelp(DWORD data, UINT command = HELP_CONTEXT);

    // Framework handlers for the program's maps.
    void OnAppExit();
    void OnHelp();

    CWnd* m_pMainWnd = nullptr;
    LPCTSTR m_pszAppName = nullptr;      // the program file's name without folder and extension
    LPCTSTR m_pszHelpFilePath = nullptr; // the program file's path with the extension ".HLP"

    // Names the application after its program file.
    void SetProgramPath(const std::string& path);

    DECLARE_MESSAGE_MAP()

private:
    std::string m_appName;
    std::string m_helpFilePath;
};

CWinApp* AfxGetApp();
CWnd* AfxGetMainWnd();

// Dialog controls are drawn three-dimensionally anyway on this desktop.
inline BOOL Enable3dControlsStatic() { return TRUE; }
