// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Advisory open-file-description locks (F_OFD_SETLK). Unlike classic POSIX
// record locks they belong to the open file, so closing some other descriptor
// of the same file elsewhere in the process does not drop them.
enum class LockKind { Shared, Exclusive };

// Locks the whole file behind fd. With wait, blocks until the lock is free.
bool LockFile(int fd, LockKind kind, bool wait);
