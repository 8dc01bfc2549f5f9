// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QCommandLineParser>
#include <QStringList>
#include <optional>

namespace mqt {

// The command line of one of the tools. -h and --help print the usage on
// standard output; an option the tool does not know, an option without its
// value, or too few or too many arguments is refused with what is wrong and
// the usage on standard error. Either way the tool ends before it touches
// anything.
class ToolArguments {
public:
    // What the tool does, printed under the usage line.
    explicit ToolArguments(const QString& description);

    // The tool's own options and arguments are added here before Read.
    QCommandLineParser parser;

    // Reads the arguments, the tool's name first, expecting from `fewest` to
    // `most` positional arguments. The exit status to end with at once (0
    // after the help, 2 after a refusal), or none when the tool goes on.
    std::optional<int> Read(const QStringList& arguments, qsizetype fewest, qsizetype most);

    // Refuses arguments the tool finds wrong itself: why, then the usage, on
    // standard error. Returns the exit status 2.
    int Refuse(const QString& why) const;

private:
    QCommandLineOption help_;
};

}  // namespace mqt
