// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

namespace mqt {

// What became of a helper command.
struct CommandResult {
    bool started = false;   // the program could be started
    bool finished = false;  // it ended within the time limit
    int exitCode = -1;
    QString errorText;      // why it did not start or finish, for the user
    bool Succeeded() const { return started && finished && exitCode == 0; }
};

// Starts a helper command (backup and restore) and waits for it, with each
// argument passed whole, so paths with blanks stay one argument. While it
// waits the windows keep painting; what the user types or clicks meanwhile
// waits until the command has ended (the caller shows the busy cursor).
class CommandRunner {
public:
    virtual ~CommandRunner() = default;
    virtual CommandResult Run(const QString& program, const QStringList& arguments, int timeoutMs) = 0;
};

class ProcessRunner final : public CommandRunner {
public:
    CommandResult Run(const QString& program, const QStringList& arguments, int timeoutMs) override;
};

}  // namespace mqt
