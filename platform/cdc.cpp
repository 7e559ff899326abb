#include "platform/cdc.h"

#include "platform/cwnd.h"
#include "platform/screen_dc.h"

#include <map>
#include <memory>

namespace {

std::map<HDC, std::unique_ptr<CDC>>& Temporaries()
{
    static std::map<HDC, std::unique_ptr<CDC>> temporaries;
    return temporaries;
}

} // namespace

DeviceContext::~DeviceContext() { Temporaries().erase(this); }

BOOL CDC::Attach(HDC hDC)
{
    m_hDC = hDC;
    m_raster = hDC ? hDC->Raster() : nullptr;
    return hDC != nullptr;
}

HDC CDC::Detach()
{
    HDC hDC = m_hDC;
    m_hDC = nullptr;
    m_raster = nullptr;
    return hDC;
}

CDC* CDC::FromHandle(HDC hDC)
{
    if (!hDC)
        return nullptr;
    std::unique_ptr<CDC>& dc = Temporaries()[hDC];
    if (!dc) {
        dc = std::make_unique<CDC>();
        dc->Attach(hDC);
    }
    return dc.get();
}

BOOL CDC::DeleteDC()
{
    HDC hDC = Detach();
    if (!hDC)
        return FALSE;
    delete hDC;
    return TRUE;
}

BOOL CDC::Rectangle(int left, int top, int right, int bottom)
{
    if (!m_hDC)
        return FALSE;
    m_hDC->Rectangle(left, top, right, bottom);
    return TRUE;
}

BOOL CDC::DrawIcon(int x, int y, HICON icon)
{
    if (!m_hDC || !icon)
        return FALSE;
    m_hDC->DrawIcon(x, y, icon);
    return TRUE;
}

int CDC::GetDeviceCaps(int index) const { return m_hDC ? m_hDC->GetDeviceCaps(index) : 0; }

int CDC::StartDoc(DOCINFO* docInfo)
{
    return m_hDC ? m_hDC->StartDoc(docInfo ? docInfo->lpszDocName : nullptr) : -1;
}

int CDC::StartPage() { return m_hDC ? m_hDC->StartPage() : -1; }
int CDC::EndPage() { return m_hDC ? m_hDC->EndPage() : -1; }
int CDC::EndDoc() { return m_hDC ? m_hDC->EndDoc() : -1; }

CPaintDC::CPaintDC(CWnd* wnd)
    : m_hWndPaint(wnd ? wnd->m_hWnd : nullptr)
{
    Attach(AfxBeginPaint(m_hWndPaint));
}

CPaintDC::~CPaintDC() { AfxEndPaint(m_hWndPaint, Detach()); }
