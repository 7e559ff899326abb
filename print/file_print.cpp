#include "app/design_dlg.h"

#include "platform/cprint_dialog.h"

// File > Print: the figure on one page of the chosen printer.
void CDesignDlg::OnFilePrint()
{
    CPrintDialog dlg(FALSE, PD_ALLPAGES | PD_USEDEVMODECOPIES | PD_NOPAGENUMS | PD_HIDEPRINTTOFILE
                                | PD_NOSELECTION | PD_RETURNDC);
    if (dlg.DoModal() != IDOK)
        return;
    HDC hdc = dlg.m_pd.hDC;
    if (!hdc)
        return;

    CDC* pDC = CDC::FromHandle(hdc);
    RECT page{0, 0, pDC->GetDeviceCaps(HORZRES) - 1, pDC->GetDeviceCaps(VERTRES) - 1};

    DOCINFO docInfo{};
    docInfo.cbSize = sizeof(docInfo);
    docInfo.lpszDocName = "Vellorin";
    docInfo.lpszOutput = nullptr;
    docInfo.lpszDatatype = nullptr;
    docInfo.fwType = 0;

    pDC->StartDoc(&docInfo);
    pDC->StartPage();
    DrawDesign(pDC, page);
    pDC->EndPage();
    pDC->EndDoc();

    DeleteDC(hdc);
}
