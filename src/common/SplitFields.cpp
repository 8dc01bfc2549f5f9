// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/SplitFields.h"

namespace mqt {

QStringList SplitFields(QString& text)
{
    QStringList pieces;
    if (text.isEmpty()) return pieces;

    // Marking pass: hide the quotes and the commas between them.
    bool inside = false;
    for (QChar& ch : text) {
        if (ch == u'"') {
            ch = u'~';
            inside = !inside;
        }
        if (inside && ch == u',') ch = u'`';
    }

    // Splitting pass.
    qsizetype start = 0;
    while (true) {
        const qsizetype comma = text.indexOf(u',', start);
        QString piece = comma < 0 ? text.mid(start) : text.mid(start, comma - start);
        piece.replace(u'`', u',');
        piece.remove(u'~');
        pieces.append(piece);
        if (comma < 0) break;
        start = comma + 1;
    }
    return pieces;
}

}  // namespace mqt
