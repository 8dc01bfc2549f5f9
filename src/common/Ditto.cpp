// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/Ditto.h"

namespace mqt {

QString ApplyDitto(const QString& text, const QString& previous)
{
    if (!text.endsWith(u'"') || text.count(u'"') != 1) return text;
    const qsizetype typed = text.size() - 1;
    return text.left(typed) + previous.mid(typed);
}

}  // namespace mqt
