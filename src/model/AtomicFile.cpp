// SPDX-License-Identifier: GPL-3.0-or-later

#include "AtomicFile.h"

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <random>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr char TEMPORARY_PREFIX[] = ".brainloft-save-";

std::string folderOf(const std::string &path)
{
    const auto slash = path.rfind('/');
    if (slash == std::string::npos)
        return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

} // namespace

AtomicFile::AtomicFile(std::string target)
    : m_target(std::move(target))
{}

AtomicFile::~AtomicFile()
{
    if (m_fd >= 0)
        ::close(m_fd);
    if (!m_tempPath.empty())
        ::unlink(m_tempPath.c_str());
}

void AtomicFile::fail(int error)
{
    if (!m_failed) {
        m_failed = true;
        m_error = error ? error : EIO;
    }
}

bool AtomicFile::open()
{
    // Save through a link into the file it points to, not over the link.
    struct stat linkInfo
    {
    };
    if (::lstat(m_target.c_str(), &linkInfo) == 0 && S_ISLNK(linkInfo.st_mode)) {
        char resolved[PATH_MAX];
        if (::realpath(m_target.c_str(), resolved))
            m_target = resolved;
    }
    struct stat existing
    {
    };
    const bool exists = ::stat(m_target.c_str(), &existing) == 0;
    if (exists && (!S_ISREG(existing.st_mode) || ::access(m_target.c_str(), W_OK) != 0)) {
        fail(S_ISREG(existing.st_mode) ? errno : EISDIR);
        return false;
    }
    // An unnamed file needs /proc to be linked into the folder later; file
    // systems without O_TMPFILE (network ones, say) get a named one.
    if (::access("/proc/self/fd", X_OK) == 0)
        m_fd = ::open(folderOf(m_target).c_str(), O_TMPFILE | O_WRONLY | O_CLOEXEC, 0600);
    if (m_fd < 0) {
        std::string pattern = folderOf(m_target) + "/" + TEMPORARY_PREFIX + "XXXXXX";
        const int fd = ::mkostemp(pattern.data(), O_CLOEXEC);
        if (fd < 0) {
            fail(errno);
            return false;
        }
        m_fd = fd;
        m_tempPath = pattern;
    }
    // Keep the permissions of the file being replaced; a new file gets the
    // usual mode for documents.
    mode_t mode = 0666;
    if (m_mode) {
        mode = *m_mode;
    } else if (exists) {
        mode = existing.st_mode & 07777;
    } else {
        const mode_t mask = ::umask(0);
        ::umask(mask);
        mode &= ~mask;
    }
    ::fchmod(m_fd, mode);
    return true;
}

bool AtomicFile::flush()
{
    std::size_t done = 0;
    while (done < m_used) {
        const ssize_t n = ::write(m_fd, m_buffer + done, m_used - done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            fail(n < 0 ? errno : ENOSPC);
            return false;
        }
        done += static_cast<std::size_t>(n);
    }
    m_used = 0;
    return true;
}

bool AtomicFile::write(const void *src, std::size_t n)
{
    if (m_failed || m_fd < 0)
        return false;
    const auto *p = static_cast<const unsigned char *>(src);
    while (n > 0) {
        if (m_used == sizeof m_buffer && !flush())
            return false;
        const std::size_t take = std::min(n, sizeof m_buffer - m_used);
        std::memcpy(m_buffer + m_used, p, take);
        m_used += take;
        p += take;
        n -= take;
    }
    return true;
}

bool AtomicFile::commit(Sync sync)
{
    if (m_failed || m_fd < 0 || !flush())
        return false;
    if (sync == Sync::Durable && ::fsync(m_fd) != 0) {
        fail(errno);
        return false;
    }
    if (m_tempPath.empty() && !nameTemporaryFile())
        return false;
    if (::close(m_fd) != 0) {
        m_fd = -1;
        fail(errno);
        return false;
    }
    m_fd = -1;
    if (::rename(m_tempPath.c_str(), m_target.c_str()) != 0) {
        fail(errno);
        return false;
    }
    m_tempPath.clear();
    if (sync == Sync::Unsynced)
        return true;
    // Make the rename itself durable.
    const int dir = ::open(folderOf(m_target).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dir >= 0) {
        ::fsync(dir);
        ::close(dir);
    }
    return true;
}

// Links the unnamed file into the target's folder under a fresh hidden name.
bool AtomicFile::nameTemporaryFile()
{
    const std::string source = "/proc/self/fd/" + std::to_string(m_fd);
    // Seeded once: a random_device costs more than the rest of a small save,
    // and the attempt journal saves at every tick.
    thread_local std::mt19937 random(std::random_device{}());
    for (int attempt = 0; attempt < 100; ++attempt) {
        const std::string name =
            folderOf(m_target) + "/" + TEMPORARY_PREFIX + std::to_string(random() % 1000000000u);
        if (::linkat(AT_FDCWD, source.c_str(), AT_FDCWD, name.c_str(), AT_SYMLINK_FOLLOW) == 0) {
            m_tempPath = name;
            return true;
        }
        if (errno != EEXIST) {
            fail(errno);
            return false;
        }
    }
    fail(EEXIST);
    return false;
}
