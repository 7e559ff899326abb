#include "app/design_dlg.h"

#include "figure/serif_figure.h"
#include "res/resource.h"

BEGIN_MESSAGE_MAP(CDesignDlg, CDialog)
    ON_WM_PAINT()
    ON_WM_QUERYDRAGICON()
    ON_COMMAND(ID_FILE_PRINT, CDesignDlg::OnFilePrint)
END_MESSAGE_MAP()

CDesignDlg::CDesignDlg(CWnd* parent)
    : CDialog(IDD_MAIN, parent)
    , m_hIcon(AfxGetApp()->LoadIcon(IDR_MAINFRAME))
{
}

BOOL CDesignDlg::OnInitDialog()
{
    CDialog::OnInitDialog();

    SendMessage(WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(m_hIcon));
    SendMessage(WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(m_hIcon));

    // Nearly the whole screen; the framework then centres the window in the work area.
    int width = GetSystemMetrics(SM_CXFULLSCREEN);
    int height = GetSystemMetrics(SM_CYFULLSCREEN);
    MoveWindow(0, 0, width, height, TRUE);
    return TRUE;
}

void CDesignDlg::OnPaint()
{
    BOOL iconic = IsIconic();
    CPaintDC dc(this);
    if (iconic) {
        SendMessage(WM_ICONERASEBKGND, reinterpret_cast<WPARAM>(dc.GetSafeHdc()), 0);
        int cxIcon = GetSystemMetrics(SM_CXICON);
        int cyIcon = GetSystemMetrics(SM_CYICON);
        RECT rect;
        GetClientRect(&rect);
        int x = (rect.right - rect.left - cxIcon + 1) / 2;
        int y = (rect.bottom - rect.top - cyIcon + 1) / 2;
        dc.DrawIcon(x, y, m_hIcon);
        return;
    }
    RECT rect;
    GetClientRect(&rect);
    dc.Rectangle(&rect);
    DrawDesign(&dc, rect);
}

HCURSOR CDesignDlg::OnQueryDragIcon() { return m_hIcon; }

void CDesignDlg::DrawDesign(CDC* dc, const RECT& rect)
{
    ::DrawDesign(*dc, FigureRect{rect.left, rect.top, rect.right, rect.bottom});
}

void CDesignDlg::DrawSerif(CDC* dc, const POINT& mid, int length, double angle)
{
    ::DrawSerif(*dc, FigurePoint{mid.x, mid.y}, length, angle);
}
