// SPDX-License-Identifier: GPL-3.0-or-later
#include "documents/SafeFileName.h"

#include <QStringList>

namespace mqt {

namespace {

bool IsDeviceName(const QString& stem)
{
    static const QStringList devices = {QStringLiteral("CON"), QStringLiteral("PRN"), QStringLiteral("AUX"),
                                        QStringLiteral("NUL")};
    const QString upper = stem.trimmed().toUpper();
    if (devices.contains(upper)) return true;
    return upper.size() == 4 && (upper.startsWith(u"COM") || upper.startsWith(u"LPT")) && upper[3].isDigit();
}

}  // namespace

QString SafeFileNamePart(const QString& text, int limit)
{
    static const QString refused = QStringLiteral("/\\:*?\"<>|");
    QString safe;
    for (const QChar ch : text) safe += (ch.unicode() < 0x20 || ch.unicode() == 0x7f || refused.contains(ch)) ? u'_' : ch;
    safe = safe.trimmed();
    if (safe.size() > limit) safe = safe.left(limit).trimmed();
    // A high surrogate left alone by the cut would make a broken name.
    if (!safe.isEmpty() && safe.back().isHighSurrogate()) safe.chop(1);
    return safe.isEmpty() ? QStringLiteral("_") : safe;
}

QString SafeFileName(QString name)
{
    if (name.startsWith(u'.') || IsDeviceName(name.section(u'.', 0, 0))) name.prepend(u'_');
    while (name.endsWith(u'.') || name.endsWith(u' ')) name.chop(1);
    return name;
}

}  // namespace mqt
