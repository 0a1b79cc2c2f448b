// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/HelpWindow.h"

#include "ui/Translations.h"

#include <QFile>
#include <QHBoxLayout>
#include <QPointer>
#include <QPushButton>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

namespace {

QPointer<HelpWindow> &openWindow()
{
    static QPointer<HelpWindow> window;
    return window;
}

// The page in the language Brainloft speaks, else the English one.
QString pagePath(const QString &topic)
{
    const QString page = topic.isEmpty() ? QStringLiteral("index") : topic;
    const QString language = Translations::Current();
    for (const QString &name : {page, QStringLiteral("index")}) {
        if (language != QLatin1String("en")) {
            const QString translated = QStringLiteral(":/help/%1/%2.html").arg(language, name);
            if (QFile::exists(translated))
                return translated;
        }
        const QString english = QStringLiteral(":/help/%1.html").arg(name);
        if (QFile::exists(english))
            return english;
    }
    return QStringLiteral(":/help/index.html");
}

} // namespace

HelpWindow::HelpWindow(QWidget *parent)
    : QWidget(parent, Qt::Window)
    , m_browser(new QTextBrowser(this))
{
    setObjectName(QStringLiteral("helpWindow"));
    setWindowTitle(tr("Brainloft Help"));
    setAttribute(Qt::WA_DeleteOnClose);
    m_browser->setObjectName(QStringLiteral("helpBrowser"));
    m_browser->setOpenExternalLinks(false);

    auto *contents = new QPushButton(tr("&Contents"), this);
    contents->setObjectName(QStringLiteral("contentsButton"));
    auto *back = new QPushButton(tr("&Back"), this);
    back->setObjectName(QStringLiteral("backButton"));
    auto *close = new QPushButton(tr("Close"), this);
    close->setObjectName(QStringLiteral("closeButton"));
    connect(contents, &QPushButton::clicked, this, [this] { open(QString()); });
    connect(back, &QPushButton::clicked, m_browser, &QTextBrowser::backward);
    connect(m_browser, &QTextBrowser::backwardAvailable, back, &QPushButton::setEnabled);
    connect(close, &QPushButton::clicked, this, &QWidget::close);
    back->setEnabled(false);

    auto *buttons = new QHBoxLayout;
    buttons->addWidget(contents);
    buttons->addWidget(back);
    buttons->addStretch();
    buttons->addWidget(close);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(buttons);
    layout->addWidget(m_browser);
    resize(560, 480);
}

HelpWindow *HelpWindow::showTopic(QWidget *from, const QString &topic)
{
    QPointer<HelpWindow> &window = openWindow();
    QWidget *owner = from ? from->window() : nullptr;
    if (!window) {
        window = new HelpWindow(owner);
    } else if (window->parentWidget() != owner) {
        // A window that belongs to the modal window in front is not blocked by it.
        const QRect geometry = window->geometry();
        window->setParent(owner, Qt::Window);
        window->setGeometry(geometry);
    }
    window->open(topic);
    window->show();
    window->raise();
    window->activateWindow();
    return window;
}

HelpWindow *HelpWindow::instance()
{
    return openWindow();
}

QString HelpWindow::currentTopic() const
{
    return m_browser->source().fileName().section(QLatin1Char('.'), 0, 0);
}

void HelpWindow::open(const QString &topic)
{
    m_browser->setSource(QUrl(QStringLiteral("qrc") + pagePath(topic)));
}
