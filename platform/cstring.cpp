#include "platform/cstring.h"

#include <clocale>
#include <cstdarg>
#include <cstdio>
#include <locale.h>

namespace {

// Formatting runs under the "C" locale, whatever the user's, for a point.
class ClassicLocaleScope {
public:
    ClassicLocaleScope()
        : m_classic(newlocale(LC_ALL_MASK, "C", nullptr))
        , m_previous(m_classic ? uselocale(m_classic) : nullptr)
    {
    }
    ~ClassicLocaleScope()
    {
        if (m_classic) {
            uselocale(m_previous);
            freelocale(m_classic);
        }
    }

private:
    locale_t m_classic;
    locale_t m_previous;
};

} // namespace

void CString::Format(LPCTSTR format, ...)
{
    ClassicLocaleScope classic;
    va_list args;
    va_start(args, format);
    va_list measure;
    va_copy(measure, args);
    int length = std::vsnprintf(nullptr, 0, format, measure);
    va_end(measure);
    std::string text(length > 0 ? static_cast<size_t>(length) : 0, '\0');
    if (length > 0)
        std::vsnprintf(text.data(), text.size() + 1, format, args);
    va_end(args);
    m_text = std::move(text);
}
