// A text owned by value, with printf-style formatting that always uses a
// point as the decimal separator and has no length limit.
#pragma once

#include "platform/win_types.h"

#include <string>

class CString {
public:
    CString() = default;
    CString(const char* text)
        : m_text(text ? text : "")
    {
    }
    CString(std::string text)
        : m_text(std::move(text))
    {
    }

    void Format(LPCTSTR format, ...) __attribute__((format(printf, 2, 3)));

    int GetLength() const { return static_cast<int>(m_text.size()); }
    operator LPCTSTR() const { return m_text.c_str(); }
    const std::string& Str() const { return m_text; }

private:
    std::string m_text;
};
