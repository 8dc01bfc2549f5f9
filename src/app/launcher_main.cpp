// SPDX-License-Identifier: GPL-3.0-or-later
// marquill-launcher [--shop FOLDER]: what the desktop's menu entry starts.
// It finds the shop folder as the program does, offers to make an empty shop
// there when it has no database, and then runs the program on that folder.
// The program itself never creates a database.

#include "app/ShopFolder.h"
#include "app/ShopLauncher.h"
#include "shell/WidgetDialogs.h"

#include <QApplication>
#include <QFile>
#include <QFileInfo>
#include <QTextStream>

#include <cstdio>
#include <unistd.h>

int main(int argc, char* argv[])
{
    QByteArray program;
    QByteArray shopFolder;
    {
        QApplication app(argc, argv);
        QApplication::setApplicationName(QStringLiteral("Marquill"));
        // Ties the windows to the menu entry marquill.desktop (Wayland's app id).
        QGuiApplication::setDesktopFileName(QStringLiteral("marquill"));

        mqt::WidgetDialogs dialogs;
        const QString executableFolder = QCoreApplication::applicationDirPath();
        const mqt::ShopFolderChoice shop = mqt::ChooseShopFolder(QCoreApplication::arguments().mid(1), executableFolder);
        if (shop.help) {
            QTextStream(stdout) << mqt::ShopFolderUsage();
            return 0;
        }
        if (!shop.error.isEmpty()) {
            QTextStream(stderr) << shop.error << '\n';
            dialogs.ShowError(shop.error);
            return 2;
        }
        switch (mqt::PrepareShop(shop.folder, mqt::DefaultHelperFolder(executableFolder), dialogs)) {
        case mqt::LaunchOutcome::Ready: break;
        case mqt::LaunchOutcome::Declined: return 0;
        case mqt::LaunchOutcome::Failed: return 1;
        }
        const QString marquill = executableFolder + QStringLiteral("/marquill");
        if (!QFileInfo(marquill).isExecutable()) {
            dialogs.ShowError(QStringLiteral("The program %1 is missing").arg(marquill));
            return 1;
        }
        program = QFile::encodeName(marquill);
        shopFolder = QFile::encodeName(shop.folder);
    }
    // The program replaces the launcher, so the desktop sees one process.
    char* const arguments[] = {program.data(), const_cast<char*>("--shop"), shopFolder.data(), nullptr};
    execv(program.constData(), arguments);
    std::perror(program.constData());
    return 1;
}
