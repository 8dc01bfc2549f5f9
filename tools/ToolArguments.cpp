// SPDX-License-Identifier: GPL-3.0-or-later
#include "ToolArguments.h"

#include <QCoreApplication>
#include <QTextStream>

namespace mqt {

ToolArguments::ToolArguments(const QString& description)
    : help_({QStringLiteral("h"), QStringLiteral("help")}, QStringLiteral("Prints this help and does nothing else."))
{
    parser.setApplicationDescription(description);
    parser.addOption(help_);
}

std::optional<int> ToolArguments::Read(const QStringList& arguments, qsizetype fewest, qsizetype most)
{
    if (!parser.parse(arguments)) return Refuse(parser.errorText());
    if (parser.isSet(help_)) {
        QTextStream(stdout) << parser.helpText();
        return 0;
    }
    const qsizetype given = parser.positionalArguments().size();
    if (given < fewest) return Refuse(QStringLiteral("Too few arguments."));
    if (given > most) return Refuse(QStringLiteral("Too many arguments."));
    return std::nullopt;
}

int ToolArguments::Refuse(const QString& why) const
{
    QTextStream(stderr) << QCoreApplication::applicationName() << ": " << why << "\n\n" << parser.helpText();
    return 2;
}

}  // namespace mqt
