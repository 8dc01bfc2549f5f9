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

QString WidgetDialogs::InputBox(const QString& prompt)
{
    bool accepted = false;
    const QString text = QInputDialog::getText(ActiveWindow(), QStringLiteral("Marquill"), prompt,
                                               QLineEdit::Normal, QString(), &accepted);
    return accepted ? text : QString();
}

}  // namespace mqt
