// SPDX-License-Identifier: GPL-3.0-or-later

#include "ByteStream.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

bool MemorySource::read(void *dst, std::size_t n)
{
    if (n > m_bytes.size() - m_pos)
        return false;
    if (n)
        std::memcpy(dst, m_bytes.data() + m_pos, n);
    m_pos += n;
    return true;
}

bool VectorSink::write(const void *src, std::size_t n)
{
    const auto *p = static_cast<const std::uint8_t *>(src);
    bytes.insert(bytes.end(), p, p + n);
    return true;
}

FdSource::FdSource(int fd)
    : m_fd(fd)
{
    struct stat st
    {
    };
    if (fd < 0 || ::fstat(fd, &st) != 0)
        return;
    const off_t here = ::lseek(fd, 0, SEEK_CUR);
    if (here < 0)
        return;
    m_size = st.st_size > here ? static_cast<std::uint64_t>(st.st_size - here) : 0;
    m_valid = true;
}

bool FdSource::read(void *dst, std::size_t n)
{
    if (!m_valid || n > remaining())
        return false;
    auto *out = static_cast<std::uint8_t *>(dst);
    while (n > 0) {
        if (m_bufferPos == m_bufferLength) {
            ssize_t got;
            do {
                got = ::read(m_fd, m_buffer, sizeof m_buffer);
            } while (got < 0 && errno == EINTR);
            if (got <= 0)
                return false;
            m_bufferPos = 0;
            m_bufferLength = static_cast<std::size_t>(got);
        }
        const std::size_t take = std::min(n, m_bufferLength - m_bufferPos);
        std::memcpy(out, m_buffer + m_bufferPos, take);
        m_bufferPos += take;
        m_consumed += take;
        out += take;
        n -= take;
    }
    return true;
}

bool ReadUInt32(ByteSource &source, std::uint32_t &value)
{
    std::uint8_t b[4];
    if (!source.read(b, 4))
        return false;
    value = std::uint32_t(b[0]) | std::uint32_t(b[1]) << 8 | std::uint32_t(b[2]) << 16 |
            std::uint32_t(b[3]) << 24;
    return true;
}

bool ReadInt32(ByteSource &source, std::int32_t &value)
{
    std::uint32_t raw;
    if (!ReadUInt32(source, raw))
        return false;
    value = static_cast<std::int32_t>(raw);
    return true;
}

bool WriteUInt32(ByteSink &sink, std::uint32_t value)
{
    const std::uint8_t b[4] = {std::uint8_t(value), std::uint8_t(value >> 8),
                               std::uint8_t(value >> 16), std::uint8_t(value >> 24)};
    return sink.write(b, 4);
}

bool WriteInt32(ByteSink &sink, std::int32_t value)
{
    return WriteUInt32(sink, static_cast<std::uint32_t>(value));
}
