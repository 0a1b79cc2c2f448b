// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The one seam between the program and the platform's standard dialogs:
// message boxes, file dialogs and the font chooser. Windows call these
// through a Prompts reference; the program passes QtPrompts, tests a scripted
// responder that records each call and answers it.

#include <QFont>
#include <QString>

#include <optional>

class QWidget;

// Message box flags and results, with the values of the classic message box
// interface so that callers read like the behaviour they implement.
inline constexpr unsigned MB_OK = 0x00;
inline constexpr unsigned MB_OKCANCEL = 0x01;
inline constexpr unsigned MB_YESNOCANCEL = 0x03;
inline constexpr unsigned MB_YESNO = 0x04;
inline constexpr unsigned MB_ICONHAND = 0x10;
inline constexpr unsigned MB_ICONQUESTION = 0x20;
inline constexpr unsigned MB_ICONEXCLAMATION = 0x30;
inline constexpr unsigned MB_ICONINFORMATION = 0x40;
inline constexpr unsigned MB_TYPEMASK = 0x0F;
inline constexpr unsigned MB_ICONMASK = 0xF0;

inline constexpr int IDOK = 1;
inline constexpr int IDCANCEL = 2;
inline constexpr int IDYES = 6;
inline constexpr int IDNO = 7;

struct FileDialogRequest
{
    enum class Mode { Open, Save };
    Mode mode = Mode::Open;
    QString title;         // empty: the toolkit's own title
    QString defaultSuffix; // without the dot, added when the name has none
    QString initialName;
    QString filter; // "Name (*.x)|*.x|Other (*.y)|*.y||"
    bool overwritePrompt = false;
    bool pathMustExist = false;
    bool fileMustExist = false;
};

class Prompts
{
public:
    virtual ~Prompts() = default;

    // Shows a modal message box owned by `owner` (may be null) and returns
    // IDOK, IDCANCEL, IDYES or IDNO.
    virtual int messageBox(QWidget *owner, const QString &text, const QString &caption,
                           unsigned flags) = 0;
    // The chosen full path, or nothing when the user cancelled.
    virtual std::optional<QString> fileDialog(QWidget *owner, const FileDialogRequest &request) = 0;
    // The chosen font, or nothing when the user cancelled.
    virtual std::optional<QFont> chooseFont(QWidget *owner, const QFont &initial) = 0;
};

class QtPrompts : public Prompts
{
public:
    int messageBox(QWidget *owner, const QString &text, const QString &caption,
                   unsigned flags) override;
    std::optional<QString> fileDialog(QWidget *owner, const FileDialogRequest &request) override;
    std::optional<QFont> chooseFont(QWidget *owner, const QFont &initial) override;
};

// Converts a "Name (*.x)|*.x||" filter into the "Name (*.x);;..." form.
// "*.*" becomes "*", which matches files without an extension too.
[[nodiscard]] QString qtFileFilter(const QString &windowsFilter);

// The caption of boxes that carry the program's own name: the base name of
// the executable.
[[nodiscard]] QString applicationName();
