#include "platform/afx_main.h"

#include "platform/cwinapp.h"
#include "platform/resources.h"

#include <QApplication>

void AfxInitialize(const char* programPath)
{
    QApplication::setQuitOnLastWindowClosed(false);
    if (CWinApp* app = AfxGetApp()) {
        app->SetProgramPath(programPath);
        QApplication::setApplicationName(QString::fromUtf8(app->m_pszAppName));
    }
    if (const VersionInfo* version = AfxVersionInfo())
        QApplication::setApplicationVersion(QString::fromUtf8(version->productVersion).remove(' ').replace(',', '.'));
    if (const char* desktopId = AfxDesktopId())
        QGuiApplication::setDesktopFileName(QString::fromUtf8(desktopId));
}

int AfxWinMain(int argc, char** argv)
{
    QApplication qtApp(argc, argv);
    AfxInitialize(QCoreApplication::applicationFilePath().toUtf8().constData());
    CWinApp* app = AfxGetApp();
    if (!app || !app->InitApplication())
        return 1;
    if (!app->InitInstance())
        return app->ExitInstance();
    // The program's own message loop, for an application that returns TRUE.
    qtApp.exec();
    return app->ExitInstance();
}
