#include "platform/owner_disabled.h"

#include "platform/cwnd.h"
#include "platform/window_handle.h"

OwnerDisabled::OwnerDisabled(CWnd* owner)
    : m_owner(owner && owner->IsWindowEnabled() ? owner : nullptr)
{
    if (m_owner)
        m_owner->EnableWindow(FALSE);
}

OwnerDisabled::~OwnerDisabled()
{
    if (!m_owner)
        return;
    m_owner->EnableWindow(TRUE);
    if (QWidget* widget = m_owner->m_hWnd ? m_owner->m_hWnd->widget.data() : nullptr) {
        widget->raise();
        widget->activateWindow();
    }
}
