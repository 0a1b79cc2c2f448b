// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

// Byte streams for the file formats: readers and writers take these, so tests
// run from memory and against a sink that fails midway.

class ByteSource
{
public:
    virtual ~ByteSource() = default;
    // Reads exactly n bytes; false (and nothing promised about dst) when fewer
    // are left or the read fails.
    virtual bool read(void *dst, std::size_t n) = 0;
    // Bytes left before the end; lets readers refuse lengths that cannot be
    // satisfied before allocating for them.
    [[nodiscard]] virtual std::uint64_t remaining() const = 0;
};

class ByteSink
{
public:
    virtual ~ByteSink() = default;
    virtual bool write(const void *src, std::size_t n) = 0;
};

class MemorySource : public ByteSource
{
public:
    explicit MemorySource(std::span<const std::uint8_t> bytes)
        : m_bytes(bytes)
    {}
    bool read(void *dst, std::size_t n) override;
    [[nodiscard]] std::uint64_t remaining() const override { return m_bytes.size() - m_pos; }

private:
    std::span<const std::uint8_t> m_bytes;
    std::size_t m_pos = 0;
};

class VectorSink : public ByteSink
{
public:
    bool write(const void *src, std::size_t n) override;
    std::vector<std::uint8_t> bytes;
};

// Buffered reading from an open file descriptor (not owned), 4096 bytes at a
// time, from its current position to the size it had when constructed.
class FdSource : public ByteSource
{
public:
    explicit FdSource(int fd);
    bool read(void *dst, std::size_t n) override;
    [[nodiscard]] std::uint64_t remaining() const override { return m_size - m_consumed; }
    [[nodiscard]] bool valid() const { return m_valid; }

private:
    int m_fd;
    bool m_valid = false;
    std::uint64_t m_size = 0;
    std::uint64_t m_consumed = 0;
    std::uint8_t m_buffer[4096];
    std::size_t m_bufferPos = 0;
    std::size_t m_bufferLength = 0;
};

// Little-endian helpers shared by the formats.
bool ReadInt32(ByteSource &source, std::int32_t &value);
bool ReadUInt32(ByteSource &source, std::uint32_t &value);
bool WriteInt32(ByteSink &sink, std::int32_t value);
bool WriteUInt32(ByteSink &sink, std::uint32_t value);
