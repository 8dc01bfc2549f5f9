// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/ReadBack.h"

#include <QProcess>
#include <QtGlobal>

namespace mqt::test {

QString ReadBack(const QString& tool, const QStringList& arguments, const QList<int>& exitCodes)
{
    QProcess process;
    process.start(tool, arguments);
    if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit || !exitCodes.contains(process.exitCode()))
        qFatal("%s failed; scripts/setup.sh installs poppler-utils and zbar-tools", qPrintable(tool));
    return QString::fromUtf8(process.readAllStandardOutput());
}

}  // namespace mqt::test
