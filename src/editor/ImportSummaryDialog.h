// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "ui/ModalDialog.h"

#include <QStringList>

#include <memory>

namespace Ui {
class ImportSummaryDialog;
}

// What an import found, before anything changes: one line per question
// (imported or skipped with its reason) and what was dropped. "Add N
// questions" ends with Ok, Cancel (or Escape) with Cancel; the caller adds
// the questions only on Ok. With nothing to add, only Cancel is left.
class ImportSummaryDialog : public ModalDialog
{
    Q_OBJECT

public:
    ImportSummaryDialog(const QString &fileName, const QStringList &lines, int count,
                        bool flashCards, QWidget *parent = nullptr);
    ~ImportSummaryDialog() override;

private:
    std::unique_ptr<Ui::ImportSummaryDialog> ui;
};
