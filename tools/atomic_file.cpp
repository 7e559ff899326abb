#include "tools/atomic_file.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <sys/stat.h>
#include <unistd.h>

AtomicFile::AtomicFile(std::string path)
    : m_path(std::move(path))
    , m_tempPath(m_path + ".XXXXXX")
{
    int fd = mkstemp(m_tempPath.data());
    if (fd < 0) {
        m_error = std::strerror(errno);
        return;
    }
    // mkstemp makes the file private; give it the usual permissions.
    mode_t mask = umask(0);
    umask(mask);
    fchmod(fd, 0666 & ~mask);
    m_stream = fdopen(fd, "wb");
    if (!m_stream) {
        m_error = std::strerror(errno);
        close(fd);
        unlink(m_tempPath.c_str());
    }
}

AtomicFile::~AtomicFile() { Discard(); }

void AtomicFile::Write(std::string_view bytes)
{
    if (m_stream)
        std::fwrite(bytes.data(), 1, bytes.size(), m_stream);
}

bool AtomicFile::Commit()
{
    if (!m_stream)
        return false;
    bool written = std::fflush(m_stream) == 0 && !std::ferror(m_stream);
    if (!written)
        m_error = std::strerror(errno);
    written = std::fclose(m_stream) == 0 && written;
    m_stream = nullptr;
    if (written && std::rename(m_tempPath.c_str(), m_path.c_str()) == 0)
        return true;
    if (m_error.empty())
        m_error = std::strerror(errno);
    unlink(m_tempPath.c_str());
    return false;
}

void AtomicFile::Discard()
{
    if (!m_stream)
        return;
    std::fclose(m_stream);
    m_stream = nullptr;
    unlink(m_tempPath.c_str());
}
