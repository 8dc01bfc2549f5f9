// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/WidgetDialogs.h"

#include <QApplication>
#include <QInputDialog>
#include <QMessageBox>

namespace mqt {

namespace {

QWidget* ActiveWindow() { return QApplication::activeWindow(); }

}  // namespace

int WidgetDialogs::AskYesNo(const QString& prompt)
{
    const auto answer = QMessageBox::question(ActiveWindow(), QStringLiteral("Warning"), prompt,
                                              QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes);
    return answer == QMessageBox::Yes ? Yes : No;
}

void WidgetDialogs::ShowError(const QString& message)
{
    QMessageBox::critical(ActiveWindow(), QStringLiteral("Error Message"), message);
}

void WidgetDialogs::ShowMessage(const QString& message)
{
    QMessageBox::information(ActiveWindow(), QStringLiteral("Marquill"), message);
}

QString WidgetDialogs::InputBox(const QString& prompt, const QString& initial)
{
    bool accepted = false;
    const QString text = QInputDialog::getText(ActiveWindow(), QStringLiteral("Marquill"), prompt,
                                               QLineEdit::Normal, initial, &accepted);
    return accepted ? text : QString();
}

int WidgetDialogs::ChooseFromList(const QString& prompt, const QStringList& choices)
{
    if (choices.isEmpty()) return -1;
    bool accepted = false;
    const QString chosen = QInputDialog::getItem(ActiveWindow(), QStringLiteral("Marquill"), prompt, choices, 0,
                                                 false, &accepted);
    // The box hands back the entry's text; callers list entries that differ.
    return accepted ? int(choices.indexOf(chosen)) : -1;
}

bool WidgetDialogs::AskRetry(const QString& message)
{
    const auto answer = QMessageBox::critical(ActiveWindow(), QStringLiteral("Error Message"), message,
                                              QMessageBox::Retry | QMessageBox::Cancel, QMessageBox::Retry);
    return answer == QMessageBox::Retry;
}

}  // namespace mqt
