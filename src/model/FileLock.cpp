// SPDX-License-Identifier: GPL-3.0-or-later

#include "FileLock.h"

#include <cerrno>
#include <fcntl.h>

bool LockFile(int fd, LockKind kind, bool wait)
{
    struct flock lock
    {
    };
    lock.l_type = kind == LockKind::Exclusive ? F_WRLCK : F_RDLCK;
    lock.l_whence = SEEK_SET;
    lock.l_start = 0;
    lock.l_len = 0; // the whole file, also as it grows
    int rc;
    do {
        rc = ::fcntl(fd, wait ? F_OFD_SETLKW : F_OFD_SETLK, &lock);
    } while (rc != 0 && errno == EINTR);
    return rc == 0;
}
