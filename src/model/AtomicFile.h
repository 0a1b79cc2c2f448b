// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "ByteStream.h"

#include <string>

// Writes a file so that the old one is replaced only by a complete new one:
// the bytes go to a temporary file in the same folder, which is flushed to
// disk and renamed over the target by commit(). A writer destroyed without
// commit() removes its temporary file and leaves the target untouched.
//
// Where the file system allows it, the temporary file has no name until
// commit() links it into the folder just before the rename, so a process
// killed while it writes leaves nothing behind.
class AtomicFile : public ByteSink
{
public:
    explicit AtomicFile(std::string target);
    ~AtomicFile() override;
    AtomicFile(const AtomicFile &) = delete;
    AtomicFile &operator=(const AtomicFile &) = delete;

    // Creates the temporary file; false when the folder cannot be written or
    // the target exists and is not writable.
    bool open();
    bool write(const void *src, std::size_t n) override;
    // Flushes, syncs and renames over the target; false on any failure, in
    // which case the target is unchanged.
    bool commit();
    // errno of the first failure, 0 when none.
    [[nodiscard]] int error() const { return m_error; }

private:
    bool flush();
    void fail(int error);
    bool nameTemporaryFile();

    std::string m_target;
    std::string m_tempPath;
    int m_fd = -1;
    int m_error = 0;
    bool m_failed = false;
    unsigned char m_buffer[4096];
    std::size_t m_used = 0;
};
