#include "app/Program.h"
#include "common/Clock.h"
#include "common/CommandRunner.h"
#include "shell/WidgetDialogs.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Marquill"));

    mqt::WidgetDialogs dialogs;
    mqt::SystemClock clock;
    mqt::ProcessRunner commands;
    mqt::Program program(QCoreApplication::applicationDirPath(), dialogs, clock, commands);
    if (!program.Start()) return 1;
    QObject::connect(&program.Menu(), &mqt::frmMenu::Ended, &app, &QCoreApplication::quit);
    return QApplication::exec();
}
