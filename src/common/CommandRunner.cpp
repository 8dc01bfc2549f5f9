// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/CommandRunner.h"

#include <QEventLoop>
#include <QProcess>
#include <QTimer>

namespace mqt {

namespace {

// Waits for a started process to end, at most `timeoutMs`, in an event loop
// that keeps the windows painting but leaves the user's input for later.
// Returns whether it ended in time.
bool WaitPainting(QProcess& process, int timeoutMs)
{
    QEventLoop loop;
    QTimer limit;
    limit.setSingleShot(true);
    QObject::connect(&process, &QProcess::finished, &loop, &QEventLoop::quit);
    QObject::connect(&limit, &QTimer::timeout, &loop, &QEventLoop::quit);
    limit.start(timeoutMs);
    if (process.state() != QProcess::NotRunning) loop.exec(QEventLoop::ExcludeUserInputEvents);
    return process.state() == QProcess::NotRunning;
}

}  // namespace

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
    if (!WaitPainting(process, timeoutMs)) {
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
