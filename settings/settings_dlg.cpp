#include "settings/settings_dlg.h"

#include "app/design_app.h"
#include "figure/design_params.h"
#include "res/resource.h"

#include <optional>

BEGIN_MESSAGE_MAP(CSettingsDlg, CDialog)
    ON_BN_CLICKED(IDC_DEFAULTS, CSettingsDlg::OnDefaults)
END_MESSAGE_MAP()

CSettingsDlg::CSettingsDlg(CWnd* parent)
    : CDialog(IDD_SETTINGS, parent)
{
}

CSettingsDlg::~CSettingsDlg() = default;

void CSettingsDlg::DoDataExchange(CDataExchange* dx)
{
    CDialog::DoDataExchange(dx);
    DDX_Control(dx, IDC_ANGLE_OFFSET, m_editAngleOffset);
    DDX_Control(dx, IDC_PEN_WIDTH, m_editPenWidth);
    DDX_Control(dx, IDC_RATIO, m_editRatio);
}

BOOL CSettingsDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    LoadFields();
    return TRUE;
}

void CSettingsDlg::LoadFields()
{
    m_editRatio.SetWindowText(RatioText(g_dRatio).c_str());
    m_editAngleOffset.SetWindowText(AngleOffsetText(g_dAngleOffset).c_str());
    m_editPenWidth.EnableWindow(FALSE);
}

BOOL CSettingsDlg::StoreFields()
{
    // The ratio is stored as soon as it is read, before the offset is looked at.
    CString text;
    m_editRatio.GetWindowText(text);
    std::optional<double> ratio = ParseDesignValue(text.Str());
    if (!ratio)
        return FALSE;
    g_dRatio = *ratio;

    m_editAngleOffset.GetWindowText(text);
    std::optional<double> offset = ParseDesignValue(text.Str());
    if (!offset)
        return FALSE;
    g_dAngleOffset = *offset;
    return TRUE;
}

void CSettingsDlg::OnDefaults()
{
    g_dRatio = kDefaultRatio;
    g_dAngleOffset = kDefaultAngleOffset;
    LoadFields();
}

void CSettingsDlg::OnOK()
{
    if (!StoreFields())
        return;
    // The figure shows the new parameters before the dialog closes.
    if (CWnd* main = AfxGetMainWnd())
        main->RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    CDialog::OnOK();
}

// Design > Options...
void CDesignApp::OnDesignOptions()
{
    CSettingsDlg dlg;
    dlg.DoModal();
}
