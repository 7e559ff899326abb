#include "platform/cprint_dialog.h"

#include "platform/cwinapp.h"
#include "platform/owner_disabled.h"
#include "platform/printer_dc.h"
#include "platform/window_handle.h"

#include <cups/cups.h>

#include <QEvent>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinterInfo>

namespace {

// Qt's print dialog offers page ranges even when told not to; these are its
// page-range controls, taken away each time the dialog shows.
class PageRangesOff : public QObject {
public:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Show)
            for (const char* name : {"printRange", "from", "to", "pagesRadioButton", "pagesLineEdit"})
                if (auto* control = watched->findChild<QWidget*>(name))
                    control->setEnabled(false);
        return false;
    }
};

// The printer's own default resolution, as its print service reports it; 0 if
// it reports none.
int DefaultResolution(const QString& printerName)
{
    QByteArray name = printerName.toUtf8();
    cups_dest_t* dest = cupsGetNamedDest(CUPS_HTTP_DEFAULT, name.constData(), nullptr);
    if (!dest)
        return 0;
    int dpi = 0;
    if (cups_dinfo_t* info = cupsCopyDestInfo(CUPS_HTTP_DEFAULT, dest)) {
        ipp_attribute_t* resolution = cupsFindDestDefault(CUPS_HTTP_DEFAULT, dest, info, "printer-resolution");
        if (resolution && ippGetValueTag(resolution) == IPP_TAG_RESOLUTION) {
            int yres = 0;
            ipp_res_t units = IPP_RES_PER_INCH;
            int xres = ippGetResolution(resolution, 0, &yres, &units);
            dpi = units == IPP_RES_PER_CM ? static_cast<int>(xres * 2.54 + 0.5) : xres;
        }
        cupsFreeDestInfo(info);
    }
    cupsFreeDests(1, dest);
    return dpi;
}

} // namespace

CPrintDialog::CPrintDialog(BOOL printSetupOnly, DWORD flags, CWnd* parent)
    : m_pd{nullptr, flags, 1}
    , m_bPrintSetupOnly(printSetupOnly)
    , m_pParentWnd(parent)
{
}

INT_PTR CPrintDialog::DoModal()
{
    m_pd.hDC = nullptr;
    CWnd* owner = m_pParentWnd ? m_pParentWnd : AfxGetMainWnd();
    QWidget* ownerWidget = owner && owner->m_hWnd ? owner->m_hWnd->widget.data() : nullptr;
    OwnerDisabled disabled(owner);

    // Every opening starts from the system's default printer and its defaults.
    QPrinterInfo defaultPrinter = QPrinterInfo::defaultPrinter();
    if (defaultPrinter.isNull()) {
        QMessageBox::warning(ownerWidget, QPrintDialog::tr("Print"),
                             QPrintDialog::tr("No printers are installed. Install a printer "
                                              "with your system's printer settings, then try again."));
        return IDCANCEL;
    }
    auto printer = std::make_unique<QPrinter>(defaultPrinter, QPrinter::HighResolution);

    QPrintDialog dialog(printer.get(), ownerWidget);
    dialog.setWindowModality(Qt::WindowModal);
    dialog.setOption(QAbstractPrintDialog::PrintToFile, !(m_pd.Flags & PD_HIDEPRINTTOFILE));
    dialog.setOption(QAbstractPrintDialog::PrintSelection, !(m_pd.Flags & PD_NOSELECTION));
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, !(m_pd.Flags & PD_NOPAGENUMS));
    dialog.setOption(QAbstractPrintDialog::PrintCurrentPage, false);
    dialog.setPrintRange(QAbstractPrintDialog::AllPages);
    PageRangesOff pageRangesOff;
    if (m_pd.Flags & PD_NOPAGENUMS)
        dialog.installEventFilter(&pageRangesOff);
    if (m_bPrintSetupOnly)
        dialog.setOption(QAbstractPrintDialog::PrintShowPageSize, true);
    if (dialog.exec() != QDialog::Accepted)
        return IDCANCEL;

    // Output goes to the printer itself, never to a file.
    if (printer->outputFormat() != QPrinter::NativeFormat || !printer->outputFileName().isEmpty())
        return IDCANCEL;
    // Device pixels are the printer's own: its resolution, not Qt's fixed 1200 dpi.
    if (int dpi = DefaultResolution(printer->printerName()); dpi > 0)
        printer->setResolution(dpi);
    m_pd.nCopies = printer->copyCount();
    if (m_pd.Flags & PD_RETURNDC)
        m_pd.hDC = new PrinterDeviceContext(std::move(printer));
    return IDOK;
}

BOOL DeleteDC(HDC hDC)
{
    if (!hDC)
        return FALSE;
    delete hDC;
    return TRUE;
}
