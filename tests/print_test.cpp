// File > Print through the real print dialog and a private CUPS scheduler
// (tests/cups/with_cups.sh): the job, its page, and the figure on it.
#include "app/design_dlg.h"
#include "figure/serif_figure.h"
#include "platform/dialog_window.h"
#include "res/resource.h"
#include "tests/gui_test_support.h"
#include "tests/recording_surface.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QComboBox>
#include <QDir>
#include <QPrintDialog>
#include <QRadioButton>

#include <csignal>
#include <cstdio>
#include <fstream>
#include <sstream>

namespace {

// The test queue: Letter paper, 600 dpi, a quarter inch of margin all round,
// so the printable area is 4800 x 6300 device pixels.
constexpr int kDpi = 600;
constexpr int kMargin = 150;
constexpr int kPrintableWidth = 4800;
constexpr int kPrintableHeight = 6300;

std::string Shell(const std::string& command)
{
    std::string output;
    if (FILE* pipe = popen(command.c_str(), "r")) {
        char buffer[4096];
        while (size_t n = fread(buffer, 1, sizeof buffer, pipe))
            output.append(buffer, n);
        pclose(pipe);
    }
    return output;
}

std::string Env(const char* name)
{
    const char* value = std::getenv(name);
    return value ? value : "";
}

struct Job {
    std::string name;
    std::string state;
};

// Every job of a queue, oldest first, from the scheduler itself.
std::vector<Job> Jobs(const std::string& queue = "vellorin-test")
{
    std::string socket = QString::fromStdString(Env("CUPS_SERVER")).replace("/", "%2F").toStdString();
    std::string csv = Shell("ipptool -c 'ipp://" + socket + "/printers/" + queue + "' " + Env("VELLORIN_CUPS_TESTS")
                          + "/get-jobs.test 2>/dev/null");
    std::vector<Job> jobs;
    std::istringstream lines(csv);
    std::string line;
    std::getline(lines, line); // the header
    while (std::getline(lines, line)) {
        size_t comma = line.find(',');
        size_t second = line.find(',', comma + 1);
        jobs.push_back({line.substr(0, comma), line.substr(comma + 1, second - comma - 1)});
    }
    return jobs;
}

bool WaitForCompletedJobs(size_t count, const std::string& queue = "vellorin-test")
{
    return QTest::qWaitFor(
        [&] {
            std::vector<Job> jobs = Jobs(queue);
            return jobs.size() >= count
                && std::all_of(jobs.begin(), jobs.end(), [](const Job& j) { return j.state == "completed"; });
        },
        30000);
}

// The printed page as grey pixels, as a printer at 600 dpi would put it on paper.
struct Page {
    int width = 0, height = 0;
    std::vector<uint8_t> pixels;
    bool Black(int x, int y) const { return pixels[size_t(y) * width + x] < 128; }
};

Page Rasterise(const std::string& pdf)
{
    std::string base = QDir::tempPath().toStdString() + "/vellorin-page";
    Shell("pdftoppm -r " + std::to_string(kDpi) + " -gray -aa no -aaVector no -singlefile '" + pdf + "' '" + base + "'");
    Page page;
    std::ifstream in(base + ".pgm", std::ios::binary);
    std::string magic;
    int maxValue = 0;
    in >> magic >> page.width >> page.height >> maxValue;
    in.get();
    page.pixels.resize(size_t(page.width) * page.height);
    in.read(reinterpret_cast<char*>(page.pixels.data()), static_cast<std::streamsize>(page.pixels.size()));
    std::remove((base + ".pgm").c_str());
    return page;
}

int PdfPages(const std::string& pdf)
{
    std::string info = Shell("pdfinfo '" + pdf + "' 2>/dev/null");
    size_t at = info.find("Pages:");
    return at == std::string::npos ? 0 : std::stoi(info.substr(at + 6));
}

QPrintDialog* OpenPrintDialog() { return qobject_cast<QPrintDialog*>(QApplication::activeModalWidget()); }

class PrintTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_FALSE(Env("CUPS_SERVER").empty()) << "run under tests/cups/with_cups.sh";
        g_dRatio = kDefaultRatio;
        g_dAngleOffset = kDefaultAngleOffset;
        Shell("cancel -a -x vellorin-test vellorin-other 2>/dev/null");
        Shell("rm -f '" + Output() + "' '" + Env("VELLORIN_PRINT_OUT") + "/other.pdf'");
        AfxGetApp()->m_pMainWnd = &main;
    }
    void TearDown() override
    {
        AfxGetApp()->m_pMainWnd = nullptr;
        g_dRatio = kDefaultRatio;
    }

    static std::string Output() { return Env("VELLORIN_PRINT_OUT") + "/job.pdf"; }

    // Runs the main window; File > Print by its access keys; `inDialog` runs
    // in the print dialog, or in whatever the command showed instead.
    void RunPrint(std::function<void(QPrintDialog*)> inDialog, int times = 1)
    {
        Later([&] {
            for (int i = 0; i < times; ++i) {
                WaitUntilActive(main.m_hWnd->widget);
                QWidget* mainWindow = main.m_hWnd->widget;
                WhenReady(
                    [mainWindow] {
                        QWidget* modal = QApplication::activeModalWidget();
                        return modal && modal != mainWindow;
                    },
                    [&inDialog] {
                        WaitUntilActive(QApplication::activeModalWidget());
                        inDialog(OpenPrintDialog());
                    });
                ChooseMenuItem(Qt::Key_F, Qt::Key_P);
            }
            PressKey(Qt::Key_Escape);
        });
        main.DoModal();
    }

    CDesignDlg main;
};

TEST_F(PrintTest, OnePageJobNamedVellorinWithTheFigureAtThePrintersSize)
{
    QStringList printers;
    bool mainEnabled = true;
    RunPrint([&](QPrintDialog* dialog) {
        ASSERT_NE(dialog, nullptr);
        mainEnabled = main.IsWindowEnabled();
        auto* combo = dialog->findChild<QComboBox*>("printers");
        for (int i = 0; combo && i < combo->count(); ++i)
            printers << combo->itemText(i);
        PressKey(Qt::Key_Return);
    });
    EXPECT_FALSE(mainEnabled);
    EXPECT_TRUE(printers.contains("vellorin-test"));
    EXPECT_FALSE(printers.join(" ").contains("File", Qt::CaseInsensitive)) << printers.join(", ").toStdString();

    ASSERT_TRUE(WaitForCompletedJobs(1));
    std::vector<Job> jobs = Jobs();
    ASSERT_EQ(jobs.size(), 1u);
    EXPECT_EQ(jobs[0].name, "Vellorin");
    EXPECT_EQ(PdfPages(Output()), 1);

    // The page rectangle (0, 0, 4799, 6299): centre (2399, 3149), first length
    // 3359, so the first segment joins (4078, 3149) and (720, 3149).
    Page page = Rasterise(Output());
    ASSERT_EQ(page.width, 5100);
    ASSERT_EQ(page.height, 6600);
    int row = kMargin + 3149;
    int blackInSpan = 0, blackAbove = 0;
    for (int x = kMargin + 721; x < kMargin + 4078; ++x) {
        blackInSpan += page.Black(x, row);
        blackAbove += page.Black(x, row - 1);
    }
    EXPECT_EQ(blackInSpan, 4078 - 721);
    EXPECT_LT(blackAbove, (4078 - 721) / 20) << "lines are one device pixel wide";

    // Cut off by the device at the printable edges, not scaled to fit; top and
    // bottom where the figure's own extremes fall.
    RecordingSurface figure;
    DrawDesign(figure, FigureRect{0, 0, kPrintableWidth - 1, kPrintableHeight - 1});
    int top = INT32_MAX, bottom = INT32_MIN;
    for (const Segment& s : figure.segments) {
        top = std::min({top, s.y1, s.y2});
        bottom = std::max({bottom, s.y1, s.y2});
    }
    int left = page.width, right = -1, firstRow = page.height, lastRow = -1;
    for (int y = 0; y < page.height; ++y)
        for (int x = 0; x < page.width; ++x)
            if (page.Black(x, y)) {
                left = std::min(left, x);
                right = std::max(right, x);
                firstRow = std::min(firstRow, y);
                lastRow = std::max(lastRow, y);
            }
    EXPECT_NEAR(left, kMargin, 1);
    EXPECT_NEAR(right, kMargin + kPrintableWidth - 1, 1);
    EXPECT_NEAR(firstRow, kMargin + std::max(top, 0), 1) << top;
    EXPECT_NEAR(lastRow, kMargin + std::min(bottom, kPrintableHeight - 1), 1) << bottom;
}

TEST_F(PrintTest, CancelLeavesNoJob)
{
    bool shown = false, pagesEnabled = true, selectionEnabled = true;
    RunPrint([&](QPrintDialog* dialog) {
        shown = dialog != nullptr;
        // The page range and the selection: offered nowhere in the options.
        for (QAbstractButton* button : dialog->findChildren<QAbstractButton*>())
            if (button->text().startsWith("&Options"))
                QTest::mouseClick(button, Qt::LeftButton);
        auto offered = [dialog](const char* name) {
            auto* radio = dialog->findChild<QRadioButton*>(name);
            return radio && radio->isEnabled() && radio->isVisibleTo(dialog);
        };
        pagesEnabled = offered("printRange") || offered("pagesRadioButton");
        selectionEnabled = offered("printSelection");
        PressKey(Qt::Key_Escape);
    });
    EXPECT_TRUE(shown);
    EXPECT_FALSE(pagesEnabled);
    EXPECT_FALSE(selectionEnabled);
    QTest::qWait(500);
    EXPECT_TRUE(Jobs().empty());
    EXPECT_FALSE(QFile::exists(QString::fromStdString(Output())));
}

TEST_F(PrintTest, EveryPrintStartsFromTheDefaultPrinter)
{
    QStringList current;
    int opening = 0;
    RunPrint(
        [&](QPrintDialog* dialog) {
            auto* combo = dialog->findChild<QComboBox*>("printers");
            current << combo->currentText();
            if (opening++ == 0)
                combo->setCurrentIndex(combo->findText("vellorin-other"));
            PressKey(Qt::Key_Return);
        },
        2);
    EXPECT_EQ(current, (QStringList{"vellorin-test", "vellorin-test"}));
    EXPECT_TRUE(WaitForCompletedJobs(1, "vellorin-other"));
    EXPECT_TRUE(WaitForCompletedJobs(1, "vellorin-test"));
}

TEST_F(PrintTest, PrintsTheFigureOfTheCurrentParameters)
{
    g_dRatio = 0.5;
    RunPrint([](QPrintDialog*) { PressKey(Qt::Key_Return); });
    ASSERT_TRUE(WaitForCompletedJobs(1));
    // First length 2399, half 1199: from (3598, 3149) to (1200, 3149).
    Page page = Rasterise(Output());
    int row = kMargin + 3149;
    EXPECT_TRUE(page.Black(kMargin + 3597, row));
    EXPECT_TRUE(page.Black(kMargin + 1201, row));
    EXPECT_FALSE(page.Black(kMargin + 721, row));
}

// Last: it stops the scheduler.
TEST_F(PrintTest, WithoutASpoolerTheDialogWarnsAndNoFileIsWritten)
{
    kill(std::stoi(Env("VELLORIN_CUPSD_PID")), SIGTERM);
    QTest::qWait(500);
    QStringList homeBefore = QDir::home().entryList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot);
    MessageBoxSeen seen;
    RunPrint([&](QPrintDialog* dialog) {
        EXPECT_EQ(dialog, nullptr);
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        seen.shown = true;
        seen.text = box->text();
        QTest::keyClick(box, Qt::Key_Return);
    });
    EXPECT_TRUE(seen.shown);
    EXPECT_TRUE(seen.text.contains("No printers are installed"));
    EXPECT_FALSE(QFile::exists(QString::fromStdString(Output())));
    EXPECT_EQ(QDir::home().entryList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot), homeBefore);
}

} // namespace

int main(int argc, char** argv) { return RunGuiTests(argc, argv, "Vellorin"); }
