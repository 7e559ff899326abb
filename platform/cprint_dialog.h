// The standard print dialog: the user picks a printer and its settings; on
// request it hands back a device context for the chosen printer.
#pragma once

#include "platform/cwnd.h"

inline constexpr DWORD PD_ALLPAGES = 0x00000000;
inline constexpr DWORD PD_NOSELECTION = 0x00000004;
inline constexpr DWORD PD_NOPAGENUMS = 0x00000008;
inline constexpr DWORD PD_RETURNDC = 0x00000100;
inline constexpr DWORD PD_USEDEVMODECOPIES = 0x00040000;
inline constexpr DWORD PD_HIDEPRINTTOFILE = 0x00100000;

struct PRINTDLG {
    HDC hDC;      // the chosen printer's device context, with PD_RETURNDC
    DWORD Flags;
    int nCopies;
};

class CPrintDialog {
public:
    CPrintDialog(BOOL printSetupOnly,
                 DWORD flags = PD_ALLPAGES | PD_USEDEVMODECOPIES | PD_NOPAGENUMS | PD_HIDEPRINTTOFILE
                     | PD_NOSELECTION,
                 CWnd* parent = nullptr);
    virtual ~CPrintDialog() = default;
    CPrintDialog(const CPrintDialog&) = delete;
    CPrintDialog& operator=(const CPrintDialog&) = delete;

    // IDOK when the user confirms; the device context then belongs to the caller.
    virtual INT_PTR DoModal();

    PRINTDLG m_pd;

private:
    BOOL m_bPrintSetupOnly;
    CWnd* m_pParentWnd;
};

// Releases a device context that the program owns, such as a printer's.
BOOL DeleteDC(HDC hDC);
