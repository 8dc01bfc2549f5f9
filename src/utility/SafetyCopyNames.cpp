// SPDX-License-Identifier: GPL-3.0-or-later
#include "utility/SafetyCopyNames.h"

#include <QRegularExpression>

#include <algorithm>
#include <array>
#include <utility>
#include <vector>

namespace mqt {

namespace {

const QString TimeFormat = QStringLiteral("yyyy-MM-dd-HHmmss");

constexpr std::array<std::pair<SafetyReason, const char*>, 3> Suffixes = {{
    {SafetyReason::Daily, ""},
    {SafetyReason::BeforeRestore, "-before-restore"},
    {SafetyReason::BeforePurge, "-before-purge"},
}};

struct NamedCopy {
    QString fileName;
    SafetyCopyName copy;
};

// The safety copies among the names, newest first.
std::vector<NamedCopy> NewestFirst(const QStringList& fileNames)
{
    std::vector<NamedCopy> copies;
    for (const QString& name : fileNames)
        if (const std::optional<SafetyCopyName> copy = ReadSafetyCopyName(name)) copies.push_back({name, *copy});
    std::stable_sort(copies.begin(), copies.end(), [](const NamedCopy& a, const NamedCopy& b) {
        return std::pair(a.copy.made, a.copy.number) > std::pair(b.copy.made, b.copy.number);
    });
    return copies;
}

}  // namespace

QString NameSafetyCopy(const QDateTime& made, SafetyReason reason, int number, const char* extension)
{
    const auto suffix = std::find_if(Suffixes.begin(), Suffixes.end(),
                                     [reason](const auto& entry) { return entry.first == reason; });
    const QString count = number > 1 ? u'-' + QString::number(number) : QString();
    return QStringLiteral("Marquill-") + made.toString(TimeFormat) + count + QLatin1String(suffix->second) + u'.' +
           QLatin1String(extension);
}

std::optional<SafetyCopyName> ReadSafetyCopyName(const QString& fileName)
{
    static const QRegularExpression pattern(QStringLiteral(
        "^Marquill-(\\d{4}-\\d{2}-\\d{2}-\\d{6})(?:-([2-9]|[1-9]\\d+))?(-before-restore|-before-purge)?\\.(?:mqt|dump)$"));
    const QRegularExpressionMatch match = pattern.match(fileName);
    if (!match.hasMatch()) return std::nullopt;
    const QDateTime made = QDateTime::fromString(match.captured(1), TimeFormat);
    if (!made.isValid()) return std::nullopt;
    const QString suffix = match.captured(3);
    const auto entry = std::find_if(Suffixes.begin(), Suffixes.end(),
                                    [&](const auto& e) { return suffix == QLatin1String(e.second); });
    bool isNumber = true;
    const int number = match.hasCaptured(2) ? match.captured(2).toInt(&isNumber) : 1;
    if (!isNumber) return std::nullopt;
    return SafetyCopyName{made, entry->first, number};
}

QStringList SafetyCopiesToRemove(const QStringList& fileNames, const QDateTime& now)
{
    QStringList remove;
    int daily = 0;
    for (const NamedCopy& named : NewestFirst(fileNames)) {
        const bool drop = named.copy.reason == SafetyReason::Daily
                              ? ++daily > DailyCopiesKept
                              : named.copy.made.addDays(BeforeStepCopyDays) < now;
        if (drop) remove << named.fileName;
    }
    return remove;
}

bool HasDailyCopy(const QStringList& fileNames, const QDate& day)
{
    return std::any_of(fileNames.begin(), fileNames.end(), [&](const QString& name) {
        const std::optional<SafetyCopyName> copy = ReadSafetyCopyName(name);
        return copy && copy->reason == SafetyReason::Daily && copy->made.date() == day;
    });
}

std::optional<QString> NewestSafetyCopy(const QStringList& fileNames)
{
    const std::vector<NamedCopy> copies = NewestFirst(fileNames);
    if (copies.empty()) return std::nullopt;
    return copies.front().fileName;
}

}  // namespace mqt
