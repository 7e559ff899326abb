// The main window: the serif figure on a white, black-framed client area,
// with the menu from which the user prints, opens the settings and exits.
#pragma once

#include "platform/framework.h"

class CDesignDlg : public CDialog {
public:
    explicit CDesignDlg(CWnd* parent = nullptr);

    // The whole figure, centred in the rectangle and sized by its width.
    void DrawDesign(CDC* dc, const RECT& rect);
    // One segment and, depth first, the serifs that hang from its ends.
    void DrawSerif(CDC* dc, const POINT& mid, int length, double angle);

protected:
    BOOL OnInitDialog() override;
    void OnPaint();
    HCURSOR OnQueryDragIcon();
    void OnFilePrint();

    HICON m_hIcon;

    DECLARE_MESSAGE_MAP()
};
