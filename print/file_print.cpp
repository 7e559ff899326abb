#include "app/design_dlg.h"

// File > Print.
void CDesignDlg::OnFilePrint()
{
}
