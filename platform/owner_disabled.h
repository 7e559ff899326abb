// While a modal dialog runs, its owner takes no input but goes on painting;
// afterwards it takes input again and becomes the active window.
#pragma once

class CWnd;

class OwnerDisabled {
public:
    explicit OwnerDisabled(CWnd* owner);
    ~OwnerDisabled();
    OwnerDisabled(const OwnerDisabled&) = delete;
    OwnerDisabled& operator=(const OwnerDisabled&) = delete;

private:
    CWnd* m_owner; // null when there was none, or it was disabled already
};
