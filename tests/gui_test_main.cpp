#include "tests/gui_test_support.h"

#include "platform/afx_main.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFileInfo>

int RunGuiTests(int argc, char** argv, const char* programName)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QString folder = QFileInfo(QString::fromLocal8Bit(argv[0])).absolutePath();
    AfxInitialize(QDir(folder).filePath(programName).toUtf8().constData());
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
