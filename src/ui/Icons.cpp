// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/Icons.h"

#include <QCoreApplication>
#include <QIconEngine>
#include <QPainter>

#include <algorithm>
#include <iterator>
#include <vector>

namespace {

const int ICON_SIZES[] = {16, 22, 24, 32, 48, 64, 128, 256};

// An icon of square PNG files that decodes a file only when a pixmap of its
// size is asked for. (Qt decodes every file as it is added to an icon, the
// 256-pixel one too: milliseconds at each start for an icon that most
// windows never draw.) The files it has decoded live in an ordinary icon,
// which also makes the disabled and selected looks.
class RenderedSizesEngine : public QIconEngine
{
public:
    explicit RenderedSizesEngine(QString pathPattern)
        : m_pathPattern(std::move(pathPattern))
    {}

    void paint(QPainter *painter, const QRect &rect, QIcon::Mode mode, QIcon::State state) override
    {
        load(rect.size());
        m_loaded.paint(painter, rect, Qt::AlignCenter, mode, state);
    }

    QSize actualSize(const QSize &size, QIcon::Mode mode, QIcon::State state) override
    {
        load(size);
        return m_loaded.actualSize(size, mode, state);
    }

    QPixmap pixmap(const QSize &size, QIcon::Mode mode, QIcon::State state) override
    {
        load(size);
        return m_loaded.pixmap(size, mode, state);
    }

    QList<QSize> availableSizes(QIcon::Mode, QIcon::State) override
    {
        QList<QSize> sizes;
        for (const int side : ICON_SIZES)
            sizes.append(QSize(side, side));
        return sizes;
    }

    bool isNull() override { return false; }

    QIconEngine *clone() const override { return new RenderedSizesEngine(*this); }

    QString key() const override { return QStringLiteral("RenderedSizesEngine"); }

private:
    // Adds the file that fits `size` best: the smallest that is not smaller,
    // or the largest.
    void load(const QSize &size)
    {
        const int wanted = std::max(size.width(), size.height());
        int side = ICON_SIZES[std::size(ICON_SIZES) - 1];
        for (const int candidate : ICON_SIZES) {
            if (candidate >= wanted) {
                side = candidate;
                break;
            }
        }
        if (std::find(m_added.begin(), m_added.end(), side) != m_added.end())
            return;
        m_added.push_back(side);
        m_loaded.addFile(m_pathPattern.arg(side), QSize(side, side));
    }

    QString m_pathPattern;
    QIcon m_loaded;
    std::vector<int> m_added;
};

} // namespace

QIcon brainloftIcon()
{
    // One icon for every window, so that each size is decoded once per run.
    // The pixmaps go with the application object, before the window system
    // they belong to.
    static QIcon *icon = nullptr;
    if (!icon) {
        icon = new QIcon(new RenderedSizesEngine(QStringLiteral(":/icons/brainloft-%1.png")));
        qAddPostRoutine([] {
            delete icon;
            icon = nullptr;
        });
    }
    return *icon;
}
