// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/CommandRunner.h"

#include <QProcess>

namespace mqt {

CommandResult ProcessRunner::Run(const QString& program, const QStringList& arguments, int timeoutMs)
{
    CommandResult result;
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(program, arguments);
    if (!process.waitForStarted(timeoutMs)) {
        result.errorText = process.errorString();
        return result;
    }
    result.started = true;
    if (!process.waitForFinished(timeoutMs)) {
        result.errorText = QStringLiteral("%1 did not finish within %2 seconds")
                               .arg(program).arg(timeoutMs / 1000);
        process.kill();
        process.waitForFinished(1000);
        return result;
    }
    result.finished = true;
    result.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    if (result.exitCode != 0) {
        const QString output = QString::fromLocal8Bit(process.readAll()).trimmed();
        result.errorText = output.isEmpty()
                               ? QStringLiteral("%1 failed with exit code %2").arg(program).arg(result.exitCode)
                               : output;
    }
    return result;
}

}  // namespace mqt
