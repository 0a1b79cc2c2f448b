// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/Prompts.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QFileDialog>
#include <QFontDialog>
#include <QMessageBox>
#include <QStringList>

int QtPrompts::messageBox(QWidget *owner, const QString &text, const QString &caption,
                          unsigned flags)
{
    QMessageBox box(owner);
    box.setWindowTitle(caption);
    box.setTextFormat(Qt::PlainText);
    box.setText(text);
    switch (flags & MB_ICONMASK) {
    case MB_ICONHAND:
        box.setIcon(QMessageBox::Critical);
        break;
    case MB_ICONQUESTION:
        box.setIcon(QMessageBox::Question);
        break;
    case MB_ICONEXCLAMATION:
        box.setIcon(QMessageBox::Warning);
        break;
    case MB_ICONINFORMATION:
        box.setIcon(QMessageBox::Information);
        break;
    default:
        break;
    }
    switch (flags & MB_TYPEMASK) {
    case MB_YESNOCANCEL:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        box.setDefaultButton(QMessageBox::Yes);
        box.setEscapeButton(QMessageBox::Cancel);
        break;
    case MB_YESNO:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box.setDefaultButton(QMessageBox::Yes);
        break;
    case MB_OKCANCEL:
        box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
        box.setEscapeButton(QMessageBox::Cancel);
        break;
    default:
        box.setStandardButtons(QMessageBox::Ok);
        box.setEscapeButton(QMessageBox::Ok);
        break;
    }
    switch (box.exec()) {
    case QMessageBox::Yes:
        return IDYES;
    case QMessageBox::No:
        return IDNO;
    case QMessageBox::Cancel:
        return IDCANCEL;
    default:
        return (flags & MB_TYPEMASK) == MB_YESNO ? IDNO : IDOK;
    }
}

namespace {

bool folderExists(const QString &path)
{
    return QFileInfo(path).absoluteDir().exists();
}

void tellMissingFolder(QWidget *owner, const QString &path)
{
    QtPrompts().messageBox(
        owner,
        QCoreApplication::translate("Prompts", "%1\nThe folder does not exist.\n"
                                               "Check the folder name and try again.")
            .arg(QDir::toNativeSeparators(QFileInfo(path).absolutePath())),
        owner ? owner->windowTitle() : applicationName(), MB_OK | MB_ICONEXCLAMATION);
}

// Qt's own dialog accepts a name in a folder that does not exist; this one
// refuses it and stays open, as the request's pathMustExist asks.
class FileDialog : public QFileDialog
{
public:
    FileDialog(QWidget *owner, const QString &title, bool pathMustExist)
        : QFileDialog(owner, title)
        , m_pathMustExist(pathMustExist)
    {}

    void accept() override
    {
        const QStringList files = selectedFiles();
        if (m_pathMustExist && !files.isEmpty() && !folderExists(files.constFirst())) {
            tellMissingFolder(this, files.constFirst());
            return;
        }
        QFileDialog::accept();
    }

private:
    const bool m_pathMustExist;
};

} // namespace

std::optional<QString> QtPrompts::fileDialog(QWidget *owner, const FileDialogRequest &request)
{
    const bool save = request.mode == FileDialogRequest::Mode::Save;
    FileDialog dialog(owner, request.title, request.pathMustExist);
    dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(save || !request.fileMustExist ? QFileDialog::AnyFile
                                                      : QFileDialog::ExistingFile);
    dialog.setNameFilter(qtFileFilter(request.filter));
    dialog.setDefaultSuffix(request.defaultSuffix);
    if (!request.initialName.isEmpty())
        dialog.selectFile(request.initialName);
    if (!request.overwritePrompt)
        dialog.setOption(QFileDialog::DontConfirmOverwrite);
    for (;;) {
        if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
            return std::nullopt;
        const QString path = dialog.selectedFiles().constFirst();
        if (!request.pathMustExist || folderExists(path))
            return path;
        // A native dialog has closed before its answer could be refused.
        tellMissingFolder(owner, path);
    }
}

std::optional<QFont> QtPrompts::chooseFont(QWidget *owner, const QFont &initial)
{
    bool ok = false;
    const QFont font = QFontDialog::getFont(&ok, initial, owner);
    if (!ok)
        return std::nullopt;
    return font;
}

QString qtFileFilter(const QString &windowsFilter)
{
    const QStringList parts = windowsFilter.split(QLatin1Char('|'));
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        const QString &name = parts[i];
        if (name.isEmpty())
            break;
        QString patterns = parts[i + 1];
        patterns.replace(QLatin1Char(';'), QLatin1Char(' '));
        patterns.replace(QStringLiteral("*.*"), QStringLiteral("*"));
        QString shownName = name;
        shownName.replace(QStringLiteral("(*.*)"), QStringLiteral("(*)"));
        filters << (shownName.contains(QLatin1Char('('))
                        ? shownName
                        : QStringLiteral("%1 (%2)").arg(shownName, patterns));
    }
    return filters.join(QStringLiteral(";;"));
}

QString applicationName()
{
    return QCoreApplication::applicationName();
}
