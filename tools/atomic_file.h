// A file that appears whole or not at all: written beside its final name and
// renamed into place on Commit, removed if never committed.
#pragma once

#include <cstdio>
#include <string>
#include <string_view>

class AtomicFile {
public:
    explicit AtomicFile(std::string path);
    ~AtomicFile();
    AtomicFile(const AtomicFile&) = delete;
    AtomicFile& operator=(const AtomicFile&) = delete;

    bool IsOpen() const { return m_stream != nullptr; }
    FILE* Stream() const { return m_stream; }
    void Write(std::string_view bytes);
    bool Commit();
    std::string Error() const { return m_error; }

private:
    void Discard();

    std::string m_path;
    std::string m_tempPath;
    FILE* m_stream = nullptr;
    std::string m_error;
};
