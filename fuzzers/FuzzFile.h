// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// A file in memory (memfd) that a fuzz target refills with each input and
// hands to code that opens files by path.

#include <sys/mman.h>
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

class FuzzFile
{
public:
    FuzzFile()
        : m_fd(::memfd_create("brainloft-fuzz", MFD_CLOEXEC))
    {
        if (m_fd < 0)
            std::abort();
        m_path = "/proc/self/fd/" + std::to_string(m_fd);
    }
    ~FuzzFile() { ::close(m_fd); }
    FuzzFile(const FuzzFile &) = delete;
    FuzzFile &operator=(const FuzzFile &) = delete;

    void fill(const std::uint8_t *data, std::size_t size)
    {
        if (::ftruncate(m_fd, 0) != 0 ||
            (size && ::pwrite(m_fd, data, size, 0) != static_cast<ssize_t>(size)))
            std::abort();
    }
    [[nodiscard]] const std::string &path() const { return m_path; }
    [[nodiscard]] int fd() const { return m_fd; }

private:
    int m_fd;
    std::string m_path;
};
