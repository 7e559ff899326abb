// Buffered text output of numbers, for the millions of lines a figure makes.
#pragma once

#include <charconv>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <initializer_list>
#include <string_view>

class LineWriter {
public:
    explicit LineWriter(FILE* stream)
        : m_stream(stream)
    {
    }
    ~LineWriter() { Flush(); }

    // The numbers separated by `separator`, then `end`.
    void Numbers(std::initializer_list<int64_t> numbers, char separator, char end)
    {
        Reserve(numbers.size() * 21);
        bool first = true;
        for (int64_t number : numbers) {
            if (!first)
                m_buffer[m_used++] = separator;
            first = false;
            m_used = std::to_chars(m_buffer + m_used, m_buffer + sizeof m_buffer, number).ptr - m_buffer;
        }
        m_buffer[m_used++] = end;
    }

    void Text(std::string_view text)
    {
        if (text.size() > sizeof m_buffer / 2) {
            Flush();
            std::fwrite(text.data(), 1, text.size(), m_stream);
            return;
        }
        Reserve(text.size());
        std::memcpy(m_buffer + m_used, text.data(), text.size());
        m_used += text.size();
    }

    // Writes out what is buffered; false when the stream failed.
    bool Finish()
    {
        Flush();
        return std::fflush(m_stream) == 0 && !std::ferror(m_stream);
    }

private:
    void Reserve(size_t bytes)
    {
        if (m_used + bytes + 1 > sizeof m_buffer)
            Flush();
    }
    void Flush()
    {
        std::fwrite(m_buffer, 1, m_used, m_stream);
        m_used = 0;
    }

    FILE* m_stream;
    size_t m_used = 0;
    char m_buffer[1 << 16];
};
