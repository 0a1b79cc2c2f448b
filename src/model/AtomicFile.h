// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "ByteStream.h"

#include <optional>
#include <string>

#include <sys/types.h>

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

    // Gives the new file `mode` whatever the umask and the file it replaces
    // (private state files are 0600); call before open().
    void setMode(mode_t mode) { m_mode = mode; }
    // Creates the temporary file; false when the folder cannot be written or
    // the target exists and is not writable.
    bool open();
    bool write(const void *src, std::size_t n) override;
    // Whether commit() waits for the disk. Unsynced still replaces the file
    // in one step, so a killed process leaves the old or the new file; only
    // a power cut may lose the latest unsynced one.
    enum class Sync { Durable, Unsynced };
    // Flushes, syncs and renames over the target; false on any failure, in
    // which case the target is unchanged.
    bool commit(Sync sync = Sync::Durable);
    // errno of the first failure, 0 when none.
    [[nodiscard]] int error() const { return m_error; }

private:
    bool flush();
    void fail(int error);
    bool nameTemporaryFile();

    std::string m_target;
    std::string m_tempPath;
    std::optional<mode_t> m_mode;
    int m_fd = -1;
    int m_error = 0;
    bool m_failed = false;
    unsigned char m_buffer[4096];
    std::size_t m_used = 0;
};
