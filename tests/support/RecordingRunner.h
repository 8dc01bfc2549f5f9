// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "common/CommandRunner.h"
#include "store/postgres/ServerDump.h"

#include <QList>
#include <functional>

namespace mqt::test {

// Records the helper commands started and gives the outcome a test chose;
// with passThrough set it also runs them for real, and with a script set the
// script stands in for each command (it may write the files the command
// would). pg_dump and pg_restore, which copy a server shop, are the system's
// own programs rather than the shop's helpers: they run for real unless a
// script stands in.
class RecordingRunner final : public CommandRunner {
public:
    struct Call {
        QString program;
        QStringList arguments;
    };

    CommandResult Run(const QString& program, const QStringList& arguments, int timeoutMs) override
    {
        calls.append({program, arguments});
        if (script) return script(calls.last());
        if (passThrough || program == QLatin1String(DumpProgram) || program == QLatin1String(RestoreProgram))
            return ProcessRunner().Run(program, arguments, timeoutMs);
        return outcome;
    }

    QList<Call> calls;
    bool passThrough = false;
    std::function<CommandResult(const Call&)> script;
    CommandResult outcome{true, true, 0, {}};
};

}  // namespace mqt::test
