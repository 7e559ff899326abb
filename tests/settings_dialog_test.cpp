// The settings dialog, opened from the main window's menu and driven by keys
// as a person would: what it shows, what it stores, when the figure repaints.
#include "app/design_dlg.h"
#include "figure/serif_figure.h"
#include "platform/dialog_window.h"
#include "platform/help_viewer.h"
#include "res/resource.h"
#include "tests/gui_test_support.h"

#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <cmath>
#include <limits>

namespace {

// The main window, watched: every paint is noted with the parameters it used
// and whether the settings dialog was open at the time.
class WatchedDesignDlg : public CDesignDlg {
public:
    struct Paint {
        bool duringSettings;
        double ratio;
        double offset;
        QImage picture;
    };
    std::vector<Paint> paints;

protected:
    void OnWatchedPaint()
    {
        OnPaint();
        CDialog* running = CDialog::InnermostModal();
        DialogWindow* window = AfxDialogWindow(m_hWnd);
        paints.push_back({running && running->m_nIDHelp == IDD_SETTINGS, g_dRatio, g_dAngleOffset,
                          window->Client()->PaintImage().copy()});
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(WatchedDesignDlg, CDesignDlg)
    {WM_PAINT, 0, 0, static_cast<CommandHandler>(&WatchedDesignDlg::OnWatchedPaint), nullptr},
END_MESSAGE_MAP()

// The settings dialog's widgets, found by their ids.
struct SettingsView {
    DialogWindow* window;
    QLineEdit* ratio;
    QLineEdit* offset;
    QLineEdit* penWidth;
    QPushButton* ok;
    QPushButton* cancel;
    QPushButton* defaults;
};

SettingsView ViewOf(CDialog* dialog)
{
    DialogWindow* window = AfxDialogWindow(dialog->m_hWnd);
    auto widget = [window](int id) { return window->Control(id)->widget.data(); };
    return {window,
            qobject_cast<QLineEdit*>(widget(IDC_RATIO)),
            qobject_cast<QLineEdit*>(widget(IDC_ANGLE_OFFSET)),
            qobject_cast<QLineEdit*>(widget(IDC_PEN_WIDTH)),
            qobject_cast<QPushButton*>(widget(IDOK)),
            qobject_cast<QPushButton*>(widget(IDCANCEL)),
            qobject_cast<QPushButton*>(widget(IDC_DEFAULTS))};
}

// Runs `step` once the dialog with this template is the one running.
void WhenDialogRuns(UINT templateId, std::function<void()> step)
{
    WhenReady(
        [templateId] {
            CDialog* dialog = CDialog::InnermostModal();
            return dialog && dialog->m_nIDHelp == templateId && dialog->m_hWnd;
        },
        [step] {
            WaitUntilActive(CDialog::InnermostModal()->m_hWnd->widget);
            step();
        });
}

// Lets pending events (and the paints they cause) run.
void Settle() { QTest::qWait(20); }

// Replaces a field's text as a person does: tab to it, which selects it all, then type.
void TypeInto(QLineEdit* field, const QString& text)
{
    for (int i = 0; i < 8 && QApplication::focusWidget() != field; ++i)
        PressKey(Qt::Key_Tab);
    ASSERT_EQ(QApplication::focusWidget(), field);
    ASSERT_EQ(field->selectedText(), field->text());
    PressKey(Qt::Key_Delete);
    QTest::keyClicks(field, text);
}

class SettingsDialogTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        g_dRatio = kDefaultRatio;
        g_dAngleOffset = kDefaultAngleOffset;
        AfxGetApp()->m_pMainWnd = &main;
    }
    void TearDown() override
    {
        AfxGetApp()->m_pMainWnd = nullptr;
        g_dRatio = kDefaultRatio;
        g_dAngleOffset = kDefaultAngleOffset;
    }

    // Runs the main window, opens Design > Options... by its access keys and
    // runs `inDialog` there; `afterDialog` runs in the main window once the
    // dialog has ended (or while it stays open, if `inDialog` leaves it so).
    void RunSettings(std::function<void(SettingsView&)> inDialog,
                     std::function<void()> afterDialog = [] {})
    {
        Later([&] {
            WhenDialogRuns(IDD_SETTINGS, [&] {
                SettingsView view = ViewOf(CDialog::InnermostModal());
                Settle();
                inDialog(view);
            });
            ChooseMenuItem(Qt::Key_D, Qt::Key_O);
            afterDialog();
            PressKey(Qt::Key_Escape);
        });
        main.DoModal();
    }

    size_t PaintsDuringSettings() const
    {
        return std::count_if(main.paints.begin(), main.paints.end(),
                             [](const auto& paint) { return paint.duringSettings; });
    }

    WatchedDesignDlg main;
};

bool DialogOpen()
{
    CDialog* dialog = CDialog::InnermostModal();
    return dialog && dialog->m_nIDHelp == IDD_SETTINGS && dialog->ContinueModal();
}

TEST_F(SettingsDialogTest, FirstOpeningShowsTheDefaultsWithTheFocusOnOK)
{
    QString ratio, offset, penWidth;
    bool penEnabled = true, mainEnabled = true, focusOnOk = false;
    RunSettings([&](SettingsView& view) {
        ratio = view.ratio->text();
        offset = view.offset->text();
        penWidth = view.penWidth->text();
        penEnabled = view.penWidth->isEnabled();
        focusOnOk = QApplication::focusWidget() == view.ok;
        mainEnabled = main.IsWindowEnabled();
        PressKey(Qt::Key_Escape);
    });
    EXPECT_EQ(ratio, "0.700");
    EXPECT_EQ(offset, "0.0");
    EXPECT_EQ(penWidth, "");
    EXPECT_FALSE(penEnabled);
    EXPECT_TRUE(focusOnOk);
    EXPECT_FALSE(mainEnabled);
    EXPECT_TRUE(main.m_hWnd == nullptr || main.IsWindowEnabled());
}

TEST_F(SettingsDialogTest, OkRepaintsTheMainWindowBeforeTheDialogCloses)
{
    size_t before = 0;
    RunSettings([&](SettingsView& view) {
        TypeInto(view.ratio, "0.6");
        before = main.paints.size();
        PressKey(Qt::Key_Return);
    });
    EXPECT_EQ(g_dRatio, 0.6);
    ASSERT_GT(main.paints.size(), before);
    const WatchedDesignDlg::Paint& paint = main.paints[before];
    EXPECT_TRUE(paint.duringSettings);
    EXPECT_EQ(paint.ratio, 0.6);

    // The picture is the raster surface's for the new parameters.
    EXPECT_EQ(paint.picture, ExpectedClient(paint.picture.width(), paint.picture.height()));
}

// A typed ratio and offset, then OK: what is stored, whether the dialog stays
// open, and whether OK repainted the main window.
TEST_F(SettingsDialogTest, TypedTextsAndWhatOkDoesWithThem)
{
    constexpr double kKeep = -99; // the value the test starts from, to see what changed
    struct Case {
        const char* ratio;  // null: left as shown
        const char* offset; // null: left as shown
        double storedRatio;
        double storedOffset;
        bool staysOpen;
    };
    const Case cases[] = {
        {"0.6", nullptr, 0.6, kKeep, false}, // the offset's shown text "-99.0" reads back the same
        {"0.5abc", nullptr, 0.5, kKeep, false},
        {"0,5", nullptr, 0.0, kKeep, false},
        {"  0.65", "12.34", 0.65, 12.34, false},
        {"-0.25", "-45", -0.25, -45, false},
        {"0", "0", 0.0, 0.0, false},
        {"1e400", "-1e400", std::numeric_limits<double>::infinity(), -std::numeric_limits<double>::infinity(), false},
        {"", nullptr, kKeep, kKeep, true},
        {"   ", nullptr, kKeep, kKeep, true},
        {"abc", nullptr, kKeep, kKeep, true},
        {"0.5", "", 0.5, kKeep, true}, // the ratio is stored, the offset is not
        {"0.5", "x", 0.5, kKeep, true},
    };
    for (const Case& c : cases) {
        WatchedDesignDlg watched;
        AfxGetApp()->m_pMainWnd = &watched;
        g_dRatio = kKeep;
        g_dAngleOffset = kKeep;
        bool open = false;
        size_t okPaints = 0;
        Later([&] {
            WhenDialogRuns(IDD_SETTINGS, [&] {
                SettingsView view = ViewOf(CDialog::InnermostModal());
                if (c.ratio)
                    TypeInto(view.ratio, c.ratio);
                if (c.offset)
                    TypeInto(view.offset, c.offset);
                PressKey(Qt::Key_Tab, Qt::ShiftModifier); // leave the field, keep the text
                Settle();
                size_t before = watched.paints.size();
                QTest::mouseClick(view.ok, Qt::LeftButton);
                okPaints = watched.paints.size() - before;
                open = DialogOpen();
                if (open)
                    QTest::mouseClick(view.cancel, Qt::LeftButton);
            });
            ChooseMenuItem(Qt::Key_D, Qt::Key_O);
            PressKey(Qt::Key_Escape);
        });
        watched.DoModal();
        EXPECT_EQ(g_dRatio, c.storedRatio) << c.ratio;
        EXPECT_EQ(g_dAngleOffset, c.storedOffset) << c.ratio;
        EXPECT_EQ(open, c.staysOpen) << c.ratio;
        EXPECT_EQ(okPaints, c.staysOpen ? 0u : 1u) << c.ratio;
    }
}

TEST_F(SettingsDialogTest, ConfirmingReplacesValuesByTheirShownTexts)
{
    g_dRatio = 0.6666;
    g_dAngleOffset = 12.34;
    QString shownRatio, shownOffset;
    RunSettings([&](SettingsView& view) {
        shownRatio = view.ratio->text();
        shownOffset = view.offset->text();
        PressKey(Qt::Key_Return);
    });
    EXPECT_EQ(shownRatio, "0.667");
    EXPECT_EQ(shownOffset, "12.3");
    EXPECT_EQ(g_dRatio, 0.667);
    EXPECT_EQ(g_dAngleOffset, 12.3);
}

TEST_F(SettingsDialogTest, DefaultsWritesAtOnceAndCancelUndoesNothing)
{
    g_dRatio = 0.5;
    g_dAngleOffset = 10;
    QString ratio, offset;
    size_t paintsAfterDefaults = 0, paintsBefore = 0;
    RunSettings([&](SettingsView& view) {
        paintsBefore = PaintsDuringSettings();
        PressKey(Qt::Key_D, Qt::AltModifier);
        (void)QTest::qWaitFor([] { return g_dRatio == kDefaultRatio; });
        ratio = view.ratio->text();
        offset = view.offset->text();
        paintsAfterDefaults = PaintsDuringSettings();
        QTest::mouseClick(view.cancel, Qt::LeftButton);
    });
    EXPECT_EQ(ratio, "0.700");
    EXPECT_EQ(offset, "0.0");
    EXPECT_EQ(g_dRatio, 0.7);
    EXPECT_EQ(g_dAngleOffset, 0.0);
    EXPECT_EQ(paintsAfterDefaults, paintsBefore); // Defaults asks for no repaint
}

TEST_F(SettingsDialogTest, DefaultsThenOkStoresAndRepaints)
{
    g_dRatio = 0.5;
    size_t before = 0, after = 0;
    RunSettings([&](SettingsView& view) {
        QTest::mouseClick(view.defaults, Qt::LeftButton);
        Settle();
        before = main.paints.size();
        QTest::mouseClick(view.ok, Qt::LeftButton);
        after = main.paints.size();
    });
    EXPECT_EQ(g_dRatio, 0.7);
    EXPECT_EQ(after, before + 1);
}

TEST_F(SettingsDialogTest, EscapeAndTheCloseBoxCancel)
{
    for (bool closeBox : {false, true}) {
        WatchedDesignDlg watched;
        AfxGetApp()->m_pMainWnd = &watched;
        bool open = true;
        Later([&] {
            WhenDialogRuns(IDD_SETTINGS, [&] {
                SettingsView view = ViewOf(CDialog::InnermostModal());
                TypeInto(view.ratio, "0.3");
                if (closeBox)
                    view.window->close();
                else
                    PressKey(Qt::Key_Escape);
            });
            ChooseMenuItem(Qt::Key_D, Qt::Key_O);
            open = DialogOpen();
            PressKey(Qt::Key_Escape);
        });
        watched.DoModal();
        EXPECT_FALSE(open);
        EXPECT_EQ(g_dRatio, 0.7) << closeBox;
    }
}

TEST_F(SettingsDialogTest, TabOrderSkipsThePenWidthAndSelectsFieldTexts)
{
    std::vector<QWidget*> order;
    std::vector<QWidget*> expected;
    bool ratioSelected = false, offsetSelected = false;
    RunSettings([&](SettingsView& view) {
        expected = {view.ok, view.cancel, view.defaults, view.ratio, view.offset, view.ok};
        order.push_back(QApplication::focusWidget());
        for (int i = 0; i < 5; ++i) {
            PressKey(Qt::Key_Tab);
            order.push_back(QApplication::focusWidget());
            if (QApplication::focusWidget() == view.ratio)
                ratioSelected = view.ratio->selectedText() == "0.700";
            if (QApplication::focusWidget() == view.offset)
                offsetSelected = view.offset->selectedText() == "0.0";
        }
        PressKey(Qt::Key_Escape);
    });
    EXPECT_EQ(order, expected);
    EXPECT_TRUE(ratioSelected);
    EXPECT_TRUE(offsetSelected);
}

TEST_F(SettingsDialogTest, EnterPressesTheFocusedButtonOrOkFromAField)
{
    // Enter on Cancel cancels; Enter in a field is OK.
    RunSettings([&](SettingsView& view) {
        TypeInto(view.ratio, "0.4");
        PressKey(Qt::Key_Tab, Qt::ShiftModifier);
        PressKey(Qt::Key_Tab, Qt::ShiftModifier);
        ASSERT_EQ(QApplication::focusWidget(), view.cancel);
        PressKey(Qt::Key_Return);
    });
    EXPECT_EQ(g_dRatio, 0.7);
    RunSettings([&](SettingsView& view) {
        TypeInto(view.ratio, "0.4");
        PressKey(Qt::Key_Return);
    });
    EXPECT_EQ(g_dRatio, 0.4);
}

TEST_F(SettingsDialogTest, F1AsksForTheSettingsTopic)
{
    MessageBoxSeen seen;
    size_t before = AfxHelpRequests().size();
    RunSettings([&](SettingsView&) {
        AcceptNextMessageBox(&seen);
        PressKey(Qt::Key_F1);
        PressKey(Qt::Key_Escape);
    });
    ASSERT_EQ(AfxHelpRequests().size(), before + 1);
    EXPECT_EQ(AfxHelpRequests().back().data, 0x20082u);
    EXPECT_EQ(seen.text, "Failed to launch help.");
}

TEST_F(SettingsDialogTest, VeryLongValuesShowWhole)
{
    g_dRatio = 1e308;
    g_dAngleOffset = -std::numeric_limits<double>::infinity();
    QString ratio, offset;
    RunSettings([&](SettingsView& view) {
        ratio = view.ratio->text();
        offset = view.offset->text();
        PressKey(Qt::Key_Return);
    });
    EXPECT_EQ(ratio.size(), 309 + 4);
    EXPECT_TRUE(ratio.startsWith("100000000000000001097906362944045541740492309677311846336810682903157585404911491537163328978494688899061249669721172515611590283743140088328307009198146046031271664502933027185697489699588559043338384466165001178426897626212945177628091195786707458122783970171784415105291802893207873272974885715430223118336"));
    EXPECT_EQ(offset, "-1e999");
    EXPECT_EQ(g_dRatio, 1e308);
    EXPECT_TRUE(std::isinf(g_dAngleOffset) && g_dAngleOffset < 0);
}

TEST_F(SettingsDialogTest, TemplateGeometryInPixelsFollowsTheDialogUnits)
{
    std::map<int, QRect> rects;
    QSize base;
    QString caption;
    RECT dialogRect{}, mainRect{};
    Qt::Alignment labelAlignment;
    bool labelsWhole = true;
    RunSettings([&](SettingsView& view) {
        base = view.window->BaseUnits();
        caption = view.window->windowTitle();
        for (int id : {IDOK, IDCANCEL, IDC_DEFAULTS, IDC_RATIO, IDC_ANGLE_OFFSET, IDC_PEN_WIDTH})
            rects[id] = view.window->Control(id)->widget->geometry();
        for (QLabel* label : view.window->findChildren<QLabel*>()) {
            labelAlignment = label->alignment();
            labelsWhole = labelsWhole && label->sizeHint().width() <= label->width()
                && label->geometry().right() < rects[IDC_RATIO].left();
        }
        CDialog::InnermostModal()->GetWindowRect(&dialogRect);
        main.GetWindowRect(&mainRect);
        PressKey(Qt::Key_Escape);
    });
    EXPECT_EQ(caption, "Vellorin Settings");
    // The base units are the dialog font's average character width and its height.
    QFontMetrics metrics(QFont("sans-serif", 8));
    EXPECT_EQ(base.height(), metrics.height());
    auto px = [&](int x, int y, int cx, int cy) {
        auto scale = [](int units, int baseUnit, int per) {
            return static_cast<int>(std::lround(units * baseUnit / double(per)));
        };
        return QRect(scale(x, base.width(), 4), scale(y, base.height(), 8),
                     scale(cx, base.width(), 4), scale(cy, base.height(), 8));
    };
    EXPECT_EQ(rects[IDOK], px(161, 82, 50, 14));
    EXPECT_EQ(rects[IDCANCEL], px(102, 82, 50, 14));
    EXPECT_EQ(rects[IDC_DEFAULTS], px(7, 81, 52, 15));
    EXPECT_EQ(rects[IDC_RATIO], px(153, 7, 49, 12));
    EXPECT_EQ(rects[IDC_ANGLE_OFFSET], px(153, 26, 50, 12));
    EXPECT_EQ(rects[IDC_PEN_WIDTH], px(153, 47, 50, 12));
    EXPECT_LT(rects[IDC_RATIO].width(), rects[IDC_ANGLE_OFFSET].width());
    EXPECT_LT(rects[IDC_DEFAULTS].top(), rects[IDOK].top());
    EXPECT_TRUE(labelAlignment & Qt::AlignRight);
    EXPECT_TRUE(labelsWhole) << "every label shows its whole text, left of the fields";
    // Centred over the main window.
    EXPECT_NEAR((dialogRect.left + dialogRect.right) / 2, (mainRect.left + mainRect.right) / 2, 1);
    EXPECT_NEAR((dialogRect.top + dialogRect.bottom) / 2, (mainRect.top + mainRect.bottom) / 2, 1);
}

} // namespace

int main(int argc, char** argv) { return RunGuiTests(argc, argv, "Vellorin"); }
