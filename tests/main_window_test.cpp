// The main window, driven as a person would: its first paint, its menu, the
// keys that end it, help, placement, and the picture of a minimised window.
#include "app/design_app.h"
#include "app/design_dlg.h"
#include "figure/serif_figure.h"
#include "platform/dialog_window.h"
#include "platform/frame_margins.h"
#include "platform/help_viewer.h"
#include "platform/icon_resource.h"
#include "res/resource.h"
#include "tests/gui_test_support.h"

#include <gtest/gtest.h>

#include <QMenuBar>

#include <vector>

namespace {

// Gives the main window to each test and takes it back after.
class MainWindowTest : public ::testing::Test {
protected:
    void SetUp() override { AfxGetApp()->m_pMainWnd = &dlg; }
    void TearDown() override { AfxGetApp()->m_pMainWnd = nullptr; }

    DialogWindow* Window() { return AfxDialogWindow(dlg.m_hWnd); }

    // Runs the main window with `step` inside its loop; returns DoModal's result.
    INT_PTR Run(std::function<void()> step)
    {
        Later(std::move(step));
        return dlg.DoModal();
    }

    CDesignDlg dlg;
};

TEST_F(MainWindowTest, FirstPaintIsTheFramedFigure)
{
    QImage grabbed, expected;
    Run([&] {
        QWidget* client = Window()->Client();
        grabbed = client->grab().toImage().convertToFormat(QImage::Format_RGB32);
        expected = ExpectedClient(client->width(), client->height());
        PressKey(Qt::Key_Escape);
    });
    ASSERT_FALSE(grabbed.isNull());
    EXPECT_GT(grabbed.width(), 100);
    EXPECT_EQ(grabbed, expected);
    EXPECT_EQ(grabbed.pixel(0, 0), qRgb(0, 0, 0));
    EXPECT_EQ(grabbed.pixel(grabbed.width() / 4, 1), qRgb(255, 255, 255));
}

TEST_F(MainWindowTest, KeysAndCloseRequestsEndIt)
{
    struct Case {
        const char* name;
        std::function<void(CDesignDlg&, DialogWindow*)> act;
        INT_PTR result;
    };
    const Case cases[] = {
        {"Enter", [](CDesignDlg&, DialogWindow*) { PressKey(Qt::Key_Return); }, IDOK},
        {"Escape", [](CDesignDlg&, DialogWindow*) { PressKey(Qt::Key_Escape); }, IDCANCEL},
        {"close box", [](CDesignDlg&, DialogWindow* w) { w->close(); }, IDCANCEL},
        {"File > Exit", [](CDesignDlg&, DialogWindow*) {
             ChooseMenuItem(Qt::Key_F, Qt::Key_X);
         }, IDCANCEL},
    };
    for (const Case& c : cases) {
        CDesignDlg main;
        AfxGetApp()->m_pMainWnd = &main;
        Later([&] { c.act(main, AfxDialogWindow(main.m_hWnd)); });
        EXPECT_EQ(main.DoModal(), c.result) << c.name;
        EXPECT_EQ(main.m_hWnd, nullptr) << c.name;
    }
}

TEST_F(MainWindowTest, InitInstanceRunsTheMainWindowAndReturnsFalse)
{
    AfxGetApp()->m_pMainWnd = nullptr;
    CWnd* mainDuringRun = nullptr;
    QString caption;
    Later([&] {
        mainDuringRun = AfxGetMainWnd();
        caption = QApplication::activeWindow()->windowTitle();
        PressKey(Qt::Key_Escape);
    });
    EXPECT_FALSE(AfxGetApp()->InitInstance());
    EXPECT_NE(mainDuringRun, nullptr);
    EXPECT_EQ(caption, "Vellorin");
    EXPECT_EQ(AfxGetMainWnd(), nullptr);
    EXPECT_EQ(AfxGetApp()->ExitInstance(), 0);
}

TEST_F(MainWindowTest, F1AsksForTheMainWindowsTopicNextToTheProgram)
{
    MessageBoxSeen seen;
    size_t before = AfxHelpRequests().size();
    size_t afterModifiers = 0;
    Run([&] {
        for (Qt::KeyboardModifier modifier : {Qt::ShiftModifier, Qt::ControlModifier, Qt::AltModifier})
            PressKey(Qt::Key_F1, modifier);
        afterModifiers = AfxHelpRequests().size();
        AcceptNextMessageBox(&seen);
        PressKey(Qt::Key_F1);
        PressKey(Qt::Key_Escape);
    });
    EXPECT_EQ(afterModifiers, before);
    ASSERT_EQ(AfxHelpRequests().size(), before + 1);
    const HelpRequest& request = AfxHelpRequests().back();
    EXPECT_EQ(request.data, 0x20066u);
    EXPECT_EQ(request.command, HELP_CONTEXT);
    std::string file = request.file;
    EXPECT_EQ(file.substr(file.size() - 13), "/Vellorin.HLP");
    EXPECT_TRUE(seen.shown);
    EXPECT_EQ(seen.text, "Failed to launch help.");
    EXPECT_EQ(seen.title, "Vellorin");
    EXPECT_EQ(seen.icon, QMessageBox::Warning);
}

TEST_F(MainWindowTest, MenuHoldsFileAndDesignAndNothingIsGreyed)
{
    QStringList texts;
    bool allEnabled = true;
    Run([&] {
        for (QAction* menu : Window()->MenuBar()->actions()) {
            texts << menu->text();
            for (QAction* item : menu->menu()->actions()) {
                texts << (item->isSeparator() ? "-" : item->text());
                allEnabled = allEnabled && item->isEnabled();
            }
        }
        PressKey(Qt::Key_Escape);
    });
    EXPECT_EQ(texts, (QStringList{"&File", "&Print", "-", "E&xit", "&Design", "&Options..."}));
    EXPECT_TRUE(allEnabled);
}

TEST_F(MainWindowTest, FillsTheFullScreenClientSizeCentredInTheWorkArea)
{
    RECT outer{}, work = AfxWorkArea();
    int width = GetSystemMetrics(SM_CXFULLSCREEN), height = GetSystemMetrics(SM_CYFULLSCREEN);
    Run([&] {
        dlg.GetWindowRect(&outer);
        PressKey(Qt::Key_Escape);
    });
    EXPECT_EQ(outer.right - outer.left, width);
    EXPECT_EQ(outer.bottom - outer.top, height);
    RECT centred = AfxCenterRect(outer, work, work);
    EXPECT_EQ(outer.left, centred.left);
    EXPECT_EQ(outer.top, centred.top);
}

TEST_F(MainWindowTest, MinimisedItPaintsTheIconCentredWithTruncatingHalves)
{
    // A client area of 200 x 20: the icon at ((200 - 31) / 2, (20 - 31) / 2),
    // that is (84, -5): the halves truncate toward zero, not down to -6.
    QImage grabbed;
    RECT client{};
    Run([&] {
        DialogWindow* window = Window();
        int menuHeight = window->MenuBar()->sizeHint().height();
        QMargins frame = AfxFrameMargins();
        dlg.MoveWindow(0, 0, 200 + frame.left() + frame.right(),
                       20 + menuHeight + frame.top() + frame.bottom(), FALSE);
        window->showMinimized();
        dlg.GetClientRect(&client);
        grabbed = window->Client()->grab().toImage().convertToFormat(QImage::Format_RGB32);
        window->showNormal();
        PressKey(Qt::Key_Escape);
    });
    ASSERT_EQ(client.right, 200);
    ASSERT_EQ(client.bottom, 20);
    QImage icon = AfxLoadIcon(IDR_MAINFRAME)->big;
    int matching = 0, opaque = 0;
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x < 32; ++x) {
            QRgb pixel = icon.pixel(x, y + 5);
            if (qAlpha(pixel) == 255) {
                ++opaque;
                matching += grabbed.pixel(84 + x, y) == (pixel | 0xFF000000);
            }
        }
    EXPECT_GT(opaque, 500);
    EXPECT_EQ(matching, opaque);
}

TEST_F(MainWindowTest, DragPictureIsTheApplicationIcon)
{
    HICON icon = nullptr;
    Run([&] {
        icon = reinterpret_cast<HICON>(dlg.SendMessage(WM_QUERYDRAGICON));
        PressKey(Qt::Key_Escape);
    });
    EXPECT_EQ(icon, AfxGetApp()->LoadIcon(IDR_MAINFRAME));
    EXPECT_FALSE(icon->big.isNull());
    EXPECT_EQ(icon->big.size(), QSize(32, 32));
    EXPECT_EQ(icon->small.size(), QSize(16, 16));
}

} // namespace

int main(int argc, char** argv) { return RunGuiTests(argc, argv, "Vellorin"); }
