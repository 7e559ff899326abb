#include "platform/message_box.h"

#include "platform/cwinapp.h"

#include <QApplication>
#include <QMessageBox>

void AfxFrameworkMessage(const char* text)
{
    CWinApp* app = AfxGetApp();
    QMessageBox box(QMessageBox::Warning, QString::fromUtf8(app ? app->m_pszAppName : ""),
                    QString::fromUtf8(text), QMessageBox::Ok, QApplication::activeWindow());
    box.exec();
}
