// The settings dialog: the design parameters as texts, Defaults, OK, Cancel.
// It edits the live parameters and keeps no copy of its own.
#pragma once

#include "platform/framework.h"

class CSettingsDlg : public CDialog {
public:
    explicit CSettingsDlg(CWnd* parent = nullptr);
    ~CSettingsDlg() override;

protected:
    void DoDataExchange(CDataExchange* dx) override;
    BOOL OnInitDialog() override;
    void OnOK() override;
    void OnDefaults();

    // Parameters to field texts, and back; StoreFields is FALSE when a text is refused.
    void LoadFields();
    BOOL StoreFields();

    CEdit m_editAngleOffset;
    CEdit m_editPenWidth;
    CEdit m_editRatio;

    DECLARE_MESSAGE_MAP()
};
