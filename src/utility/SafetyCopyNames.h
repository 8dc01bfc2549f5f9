// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "store/ShopFiles.h"

#include <QDateTime>
#include <QString>
#include <QStringList>
#include <optional>

namespace mqt {

// Why a safety copy was made. A daily copy is named by its date and time
// alone ("Marquill-2026-12-07-093000.mqt"); a copy made before a restore or a
// purge says so after the time ("Marquill-2026-12-07-093000-before-restore.mqt").
// A second copy made in the same second carries its number after the time
// ("Marquill-2026-12-07-093000-2-before-purge.mqt"), so neither is refused.
// A server shop's copies are dumps and end in ".dump" instead of ".mqt"; both
// kinds count alike for the keeping rules, so the copies of a shop that moved
// to a server leave in turn.
enum class SafetyReason { Daily, BeforeRestore, BeforePurge };

struct SafetyCopyName {
    QDateTime made;  // to the second
    SafetyReason reason;
    int number = 1;  // of the copies made in that second
};

inline constexpr int DailyCopiesKept = 14;
inline constexpr int BeforeStepCopyDays = 90;

// The file name of the `number`th copy made at `made` for `reason`.
QString NameSafetyCopy(const QDateTime& made, SafetyReason reason, int number = 1,
                       const char* extension = ShopFileSuffix);

// What a file name says about its copy; empty for any other file.
std::optional<SafetyCopyName> ReadSafetyCopyName(const QString& fileName);

// Of the file names in the safety folder, those to remove at `now`: the daily
// copies beyond the newest 14, and the copies made before a restore or a
// purge more than 90 days ago. Other files are never named.
QStringList SafetyCopiesToRemove(const QStringList& fileNames, const QDateTime& now);

// Whether a daily copy was made on that day.
bool HasDailyCopy(const QStringList& fileNames, const QDate& day);

// The newest safety copy of any kind; empty when there is none.
std::optional<QString> NewestSafetyCopy(const QStringList& fileNames);

}  // namespace mqt
