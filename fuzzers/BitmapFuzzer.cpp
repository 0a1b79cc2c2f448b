// SPDX-License-Identifier: GPL-3.0-or-later
// Feeds arbitrary bytes to the picture checks and the bitmap loader: the
// header check must agree with its rule, and the loader must refuse what it
// cannot show without allocating for a size the file only claims.

#include "FuzzFile.h"

#include "editor/BitmapFiles.h"
#include "taking/ImageFiles.h"

#include <QImage>
#include <QString>
#include <QtGlobal>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <span>

namespace {

void quiet(QtMsgType, const QMessageLogContext &, const QString &) {}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    qInstallMessageHandler(quiet); // Qt reports every damaged image
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const bool header = IsValidBitmapHeader(
        std::span<const std::uint8_t>(data, std::min<std::size_t>(size, 58)), size);
    const bool rule = size >= 58 && data[0] == 'B' && data[1] == 'M' &&
                      (std::uint32_t(data[2]) | std::uint32_t(data[3]) << 8 |
                       std::uint32_t(data[4]) << 16 | std::uint32_t(data[5]) << 24) == size;
    if (header != rule)
        std::abort();

    static FuzzFile file;
    file.fill(data, size);
    const QString path = QString::fromStdString(file.path());
    if (IsValidBitmapFile(path) != header)
        std::abort();
    const QImage image = LoadBitmapFile(path);
    if (!image.isNull() && (image.width() > 16384 || image.height() > 16384 ||
                            qint64(image.width()) * image.height() > qint64(32) * 1024 * 1024))
        std::abort();
    return 0;
}
