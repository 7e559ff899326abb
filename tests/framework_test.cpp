// The framework layer on its own: command routing, failures in handlers,
// modal dialogs, data exchange, repainting, keys and help.
#include "platform/afx_main.h"
#include "platform/dialog_window.h"
#include "platform/framework.h"
#include "platform/help_viewer.h"
#include "tests/gui_test_support.h"

#include <gtest/gtest.h>

#include <QLineEdit>
#include <QPushButton>

#include <clocale>
#include <new>
#include <stdexcept>

namespace {

constexpr UINT kPlainDialog = 500;
constexpr UINT kFieldDialog = 501;
constexpr int kField = 10;
constexpr int kButton = 11;
constexpr int IDABORT_TEST = 3;

const ResourceTable kResources = {
    .dialogs = {
        {kPlainDialog, WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_SETFONT, 0,
         0, 0, 200, 100, 0, "Plain", "MS Sans Serif", 8, 0, false, 1, {}},
        {kFieldDialog, WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_SETFONT, 0,
         0, 0, 120, 60, 0, "Fields", "MS Sans Serif", 8, 0, false, 1,
         {
             {kButton, ControlClass::Button, "&Go", WS_CHILD | WS_VISIBLE | WS_TABSTOP, 0, 4, 40, 40, 14},
             {kField, ControlClass::Edit, "", WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_BORDER, 0, 4, 4, 60, 12},
             {IDOK, ControlClass::Button, "OK", WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_DEFPUSHBUTTON, 0, 60, 40, 40, 14},
         }},
    },
    .menus = {},
    .icons = {},
    .strings = {},
    .version = {"1, 0, 0, 1", "1, 0, 0, 1", "Test", "Test", "Test", "Test.EXE", "", "", 0x0409, 1200},
    .desktopId = nullptr,
};
const ResourceRegistration kRegistration(&kResources);

class TestApp : public CWinApp {
public:
    void OnAppCommand() { ++appCommands; }
    int appCommands = 0;
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(TestApp, CWinApp)
    ON_COMMAND(0x8001, TestApp::OnAppCommand)
    ON_COMMAND(0x0101, TestApp::OnAppCommand)
    ON_COMMAND(0xF001, TestApp::OnAppCommand)
    ON_COMMAND(ID_HELP, CWinApp::OnHelp)
END_MESSAGE_MAP()

TestApp theTestApp;

class BaseDlg : public CDialog {
public:
    using CDialog::CDialog;
    void OnBase() { ++baseCommands; }
    int baseCommands = 0;
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(BaseDlg, CDialog)
    ON_COMMAND(0x8002, BaseDlg::OnBase)
    ON_COMMAND(0x8003, BaseDlg::OnBase)
END_MESSAGE_MAP()

// Binds a control that its template lacks.
class BrokenDlg : public CDialog {
public:
    BrokenDlg()
        : CDialog(kPlainDialog)
    {
    }
    CEdit m_editMissing;

protected:
    void DoDataExchange(CDataExchange* dx) override { DDX_Control(dx, 77, m_editMissing); }
};

class TestDlg : public BaseDlg {
public:
    explicit TestDlg(UINT id = kPlainDialog, CWnd* parent = nullptr)
        : BaseDlg(id, parent)
    {
    }
    void OnOwn() { ++ownCommands; }
    void OnOutOfMemory() { throw std::bad_alloc(); }
    void OnNoResource() { throw CResourceException(); }
    void OnOtherFailure() { throw std::runtime_error("inner text"); }
    void OnGo() { ++goClicks; }
    void OnOpenBroken()
    {
        BrokenDlg broken;
        broken.DoModal();
    }
    void OnPaint()
    {
        ++paints;
        CPaintDC dc(this);
    }

    int ownCommands = 0;
    int goClicks = 0;
    int paints = 0;
    CEdit m_editField;
    std::vector<int> commands;

protected:
    void DoDataExchange(CDataExchange* dx) override
    {
        if (m_nIDTemplate == kFieldDialog)
            DDX_Control(dx, kField, m_editField);
    }
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override
    {
        commands.push_back(static_cast<int>(wParam & 0xFFFF));
        return BaseDlg::OnCommand(wParam, lParam);
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(TestDlg, BaseDlg)
    ON_WM_PAINT()
    ON_COMMAND(0x8003, TestDlg::OnOwn)
    ON_COMMAND(0x8010, TestDlg::OnOutOfMemory)
    ON_COMMAND(0x8011, TestDlg::OnNoResource)
    ON_COMMAND(0x8012, TestDlg::OnOtherFailure)
    ON_BN_CLICKED(kButton, TestDlg::OnGo)
    ON_COMMAND(0x8013, TestDlg::OnOpenBroken)
END_MESSAGE_MAP()

LRESULT Command(CWnd& wnd, UINT id) { return wnd.SendMessage(WM_COMMAND, id, 0); }

QWidget* Window(CWnd& wnd) { return wnd.m_hWnd ? wnd.m_hWnd->widget.data() : nullptr; }

TEST(CommandRouting, OwnMapThenBaseMapsThenTheApplicationForCommandIdsOnly)
{
    TestDlg dlg;
    theTestApp.appCommands = 0;
    Command(dlg, 0x8003); // the class's own entry wins over its base's
    EXPECT_EQ(dlg.ownCommands, 1);
    EXPECT_EQ(dlg.baseCommands, 0);
    Command(dlg, 0x8002);
    EXPECT_EQ(dlg.baseCommands, 1);
    Command(dlg, 0x8001);
    EXPECT_EQ(theTestApp.appCommands, 1);
    Command(dlg, 0x0101); // a control id stays with the window
    Command(dlg, 0xF001); // so does a system command
    EXPECT_EQ(theTestApp.appCommands, 1);
}

TEST(CommandRouting, FailuresInHandlersAreReportedAndTheProgramGoesOn)
{
    TestDlg dlg;
    const std::pair<UINT, const char*> cases[] = {
        {0x8010, "Out of memory."},
        {0x8011, "A required resource was unavailable."},
        {0x8012, "Command failed."},
    };
    for (auto [id, text] : cases) {
        MessageBoxSeen seen;
        AcceptNextMessageBox(&seen);
        Command(dlg, id);
        EXPECT_TRUE(seen.shown) << text;
        EXPECT_EQ(seen.text.toStdString(), text);
        EXPECT_EQ(seen.title.toStdString(), theTestApp.m_pszAppName);
        EXPECT_EQ(seen.icon, QMessageBox::Warning);
    }
    Command(dlg, 0x8003);
    EXPECT_EQ(dlg.ownCommands, 1);
}

TEST(Application, NamesComeFromTheProgramFile)
{
    // This program runs as if its file were "Test" in the test's folder.
    std::string help = theTestApp.m_pszHelpFilePath;
    EXPECT_STREQ(theTestApp.m_pszAppName, "Test");
    EXPECT_EQ(help.substr(help.size() - 9), "/Test.HLP");
    EXPECT_EQ(AfxGetApp(), &theTestApp);
}

TEST(Placement, CentringRule)
{
    struct Case {
        RECT window, area, work, expected;
    };
    const Case cases[] = {
        // The main window: 1024 x 719 centred in a work area of 1024 x 738.
        {{0, 0, 1024, 719}, {0, 0, 1024, 738}, {0, 0, 1024, 738}, {0, 10, 1024, 729}},
        // Odd sizes truncate toward zero.
        {{0, 0, 101, 51}, {0, 0, 300, 200}, {0, 0, 300, 200}, {100, 75, 201, 126}},
        // Over an owner near the edge: kept inside the work area.
        {{0, 0, 300, 200}, {-100, -50, 100, 50}, {0, 0, 1024, 738}, {0, 0, 300, 200}},
        {{0, 0, 300, 200}, {900, 600, 1100, 800}, {0, 0, 1024, 738}, {724, 538, 1024, 738}},
        // A work area that does not start at the origin.
        {{0, 0, 100, 100}, {50, 30, 450, 330}, {50, 30, 450, 330}, {200, 130, 300, 230}},
    };
    for (const Case& c : cases) {
        RECT r = AfxCenterRect(c.window, c.area, c.work);
        EXPECT_EQ(std::tie(r.left, r.top, r.right, r.bottom),
                  std::tie(c.expected.left, c.expected.top, c.expected.right, c.expected.bottom));
    }
}

TEST(Text, FormatUsesAPointAndHasNoLengthLimit)
{
    std::string saved = std::setlocale(LC_ALL, nullptr);
    ASSERT_NE(std::setlocale(LC_ALL, "de_DE.UTF-8"), nullptr);
    CString text;
    text.Format("%.3f", 2.5);
    EXPECT_STREQ(text, "2.500");
    text.Format("%.1f", 1e308);
    EXPECT_EQ(text.GetLength(), 309 + 2);
    std::setlocale(LC_ALL, saved.c_str());
}

TEST(ModalDialog, OwnerTakesNoInputWhileItRunsAndTheWindowGoesAfterwards)
{
    TestDlg owner;
    theTestApp.m_pMainWnd = &owner;
    bool ownerEnabledInside = true, ownerEnabledInOwnLoop = false;
    bool boundInside = false;
    INT_PTR innerResult = 0;
    TestDlg inner(kFieldDialog);
    Later([&] {
        ownerEnabledInOwnLoop = owner.IsWindowEnabled();
        Later([&] {
            ownerEnabledInside = owner.IsWindowEnabled();
            boundInside = inner.m_editField.m_hWnd != nullptr;
            // Keys and clicks on the disabled owner do nothing.
            QTest::keyClick(Window(owner), Qt::Key_Escape);
            inner.EndDialog(IDOK);
        });
        innerResult = inner.DoModal();
        owner.EndDialog(IDCANCEL);
    });
    INT_PTR result = owner.DoModal();
    theTestApp.m_pMainWnd = nullptr;

    EXPECT_TRUE(ownerEnabledInOwnLoop);
    EXPECT_FALSE(ownerEnabledInside);
    EXPECT_TRUE(boundInside);
    EXPECT_EQ(innerResult, IDOK);
    EXPECT_EQ(result, IDCANCEL);
    EXPECT_TRUE(owner.IsWindowEnabled() || owner.m_hWnd == nullptr);
    EXPECT_EQ(owner.m_hWnd, nullptr);
    EXPECT_EQ(inner.m_hWnd, nullptr);
    EXPECT_EQ(inner.m_editField.m_hWnd, nullptr);
    EXPECT_EQ(std::count(owner.commands.begin(), owner.commands.end(), IDCANCEL), 0)
        << "Escape reached the disabled owner";
}

TEST(ModalDialog, ADialogThatFailsToStartLeavesNothingBehind)
{
    TestDlg owner;
    theTestApp.m_pMainWnd = &owner;
    MessageBoxSeen seen;
    bool ownerEnabled = false, ownerInnermost = false;
    Later([&] {
        AcceptNextMessageBox(&seen);
        Command(owner, 0x8013);
        ownerEnabled = owner.IsWindowEnabled();
        ownerInnermost = CDialog::InnermostModal() == &owner;
        owner.EndDialog(IDOK);
    });
    owner.DoModal();
    theTestApp.m_pMainWnd = nullptr;
    EXPECT_EQ(seen.text, "A required resource was unavailable.");
    EXPECT_TRUE(ownerEnabled);
    EXPECT_TRUE(ownerInnermost);
}

TEST(ModalDialog, MissingTemplateGivesMinusOne)
{
    TestDlg dlg(999);
    EXPECT_EQ(dlg.DoModal(), -1);
}

TEST(ModalDialog, KeysBecomeCommands)
{
    struct Case {
        const char* name;
        std::function<void(TestDlg&)> act;
        int result;
        int goClicks;
    };
    const Case cases[] = {
        {"Enter in a field presses the default button",
         [](TestDlg&) { PressKey(Qt::Key_Return); }, IDOK, 0},
        {"Escape is Cancel", [](TestDlg&) { PressKey(Qt::Key_Escape); }, IDCANCEL, 0},
        {"a close request is Cancel", [](TestDlg& d) { Window(d)->close(); }, IDCANCEL, 0},
        {"Enter on a focused button presses it",
         [](TestDlg& d) {
             PressKey(Qt::Key_Tab, Qt::ShiftModifier); // from the field back to Go
             PressKey(Qt::Key_Return);
             d.EndDialog(IDABORT_TEST);
         },
         IDABORT_TEST, 1},
        {"the mnemonic presses its button",
         [](TestDlg& d) {
             PressKey(Qt::Key_G, Qt::AltModifier);
             (void)QTest::qWaitFor([&d] { return d.goClicks > 0; }); // the button shows its press first
             d.EndDialog(IDABORT_TEST);
         },
         IDABORT_TEST, 1},
    };
    for (const Case& c : cases) {
        TestDlg dlg(kFieldDialog);
        Later([&] {
            // The first tab stop in template order has the focus, its text selected.
            auto* button = qobject_cast<QPushButton*>(QApplication::focusWidget());
            EXPECT_TRUE(button && button->text() == "&Go") << c.name;
            PressKey(Qt::Key_Tab);
            EXPECT_TRUE(qobject_cast<QLineEdit*>(QApplication::focusWidget())) << c.name;
            c.act(dlg);
        });
        EXPECT_EQ(dlg.DoModal(), c.result) << c.name;
        EXPECT_EQ(dlg.goClicks, c.goClicks) << c.name;
    }
}

TEST(ModalDialog, F1AsksForTheTopicOfTheDialogAndReportsThatNoViewerStarts)
{
    TestDlg dlg;
    theTestApp.m_pMainWnd = &dlg;
    MessageBoxSeen seen;
    size_t before = AfxHelpRequests().size();
    size_t afterModifiers = 0;
    Later([&] {
        PressKey(Qt::Key_F1, Qt::ShiftModifier);
        PressKey(Qt::Key_F1, Qt::ControlModifier);
        PressKey(Qt::Key_F1, Qt::AltModifier);
        afterModifiers = AfxHelpRequests().size();
        AcceptNextMessageBox(&seen);
        PressKey(Qt::Key_F1);
        dlg.EndDialog(IDOK);
    });
    dlg.DoModal();
    theTestApp.m_pMainWnd = nullptr;
    EXPECT_EQ(afterModifiers, before);
    ASSERT_EQ(AfxHelpRequests().size(), before + 1);
    const HelpRequest& request = AfxHelpRequests().back();
    EXPECT_EQ(request.file, theTestApp.m_pszHelpFilePath);
    EXPECT_EQ(request.command, HELP_CONTEXT);
    EXPECT_EQ(request.data, 0x20000u + kPlainDialog);
    EXPECT_TRUE(seen.shown);
    EXPECT_EQ(seen.text, "Failed to launch help.");
}

TEST(Painting, RedrawWindowWithUpdateNowPaintsBeforeItReturns)
{
    TestDlg dlg;
    int paintsBefore = -1, paintsAfter = -1;
    Later([&] {
        QApplication::processEvents();
        paintsBefore = dlg.paints;
        dlg.RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
        paintsAfter = dlg.paints;
        dlg.EndDialog(IDOK);
    });
    dlg.DoModal();
    EXPECT_EQ(paintsAfter, paintsBefore + 1);
}

} // namespace

int main(int argc, char** argv) { return RunGuiTests(argc, argv, "Test"); }
