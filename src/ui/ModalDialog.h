// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QDialog>

// Base of every Brainloft window. Results follow the program's convention:
// OK = 1, Cancel = 2 (not Qt's 0), and windows may end with other numbers.
// Enter reaches onOk() through the default button; Escape and the close box
// reach onCancel(), which a window may refuse by simply not calling done().
// F1 and the window's Help button show its help topic.
class ModalDialog : public QDialog
{
    Q_OBJECT

public:
    enum Result { Ok = 1, Cancel = 2 };

    explicit ModalDialog(QWidget *parent = nullptr);

    void setHelpTopic(const QString &topic) { m_helpTopic = topic; }
    [[nodiscard]] QString helpTopic() const { return m_helpTopic; }

public slots:
    void accept() override;
    void reject() override;
    void showHelp();

protected:
    virtual void onOk() { done(Ok); }
    virtual void onCancel() { done(Cancel); }

private:
    QString m_helpTopic;
};
