// A window of the framework: its messages go through its message map.
#pragma once

#include "platform/cstring.h"
#include "platform/message_map.h"
#include "platform/win_types.h"

class CRgn;

class CWnd : public CCmdTarget {
public:
    CWnd() = default;
    ~CWnd() override = default;
    CWnd(const CWnd&) = delete;
    CWnd& operator=(const CWnd&) = delete;

    HWND m_hWnd = nullptr;

    // Handles the message at once, through the message map.
    LRESULT SendMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0);

    void GetClientRect(LPRECT rect) const;
    void GetWindowRect(LPRECT rect) const;
    BOOL IsIconic() const;
    void MoveWindow(int x, int y, int width, int height, BOOL repaint = TRUE);
    BOOL RedrawWindow(LPCRECT update = nullptr, CRgn* region = nullptr,
                      UINT flags = RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    void SetWindowText(LPCTSTR text);
    void GetWindowText(CString& text) const;
    BOOL EnableWindow(BOOL enable = TRUE);
    BOOL IsWindowEnabled() const;

protected:
    virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    virtual BOOL OnCommand(WPARAM wParam, LPARAM lParam);
    virtual LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam);

    // The window that commands go to after this one's maps, for ids 0x8000 to 0xEFFF.
    virtual CWnd* GetCommandParent() const { return nullptr; }

    DECLARE_MESSAGE_MAP()
};

inline WPARAM MAKEWPARAM(UINT low, UINT high) { return (WPARAM(high & 0xFFFF) << 16) | (low & 0xFFFF); }
