// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/Program.h"
#include "app/ShopFolder.h"
#include "common/Clock.h"
#include "common/CommandRunner.h"
#include "shell/WidgetDialogs.h"

#include <QApplication>
#include <QTextStream>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Marquill"));
    // Ties the windows to the menu entry marquill.desktop (Wayland's app id).
    QGuiApplication::setDesktopFileName(QStringLiteral("marquill"));

    mqt::WidgetDialogs dialogs;
    const mqt::ShopFolderChoice shop =
        mqt::ChooseShopFolder(QCoreApplication::arguments().mid(1), QCoreApplication::applicationDirPath());
    if (shop.help) {
        QTextStream(stdout) << mqt::ShopFolderUsage();
        return 0;
    }
    if (!shop.error.isEmpty()) {
        QTextStream(stderr) << shop.error << '\n';
        dialogs.ShowError(shop.error);
        return 2;
    }
    mqt::SystemClock clock;
    mqt::ProcessRunner commands;
    mqt::Program program(shop.folder, dialogs, clock, commands);
    if (!program.Start()) return 1;
    QObject::connect(&program.Menu(), &mqt::frmMenu::Ended, &app, &QCoreApplication::quit);
    return QApplication::exec();
}
