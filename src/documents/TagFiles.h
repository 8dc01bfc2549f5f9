// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDateTime>
#include <QString>

namespace mqt {

struct TagSheet;

// Where a sheet of tags went, or why it did not.
struct WrittenTags {
    QString path;   // the PDF, when written
    QString error;  // the text for the error box; empty when written
};

// Writes the tags as "tags/tags-YYYY-MM-DD-HHMMSS.pdf" in the shop folder,
// named by the time (a second sheet in the same second gets "-2" and so on).
// The file is written whole or not at all.
WrittenTags SaveTagsPdf(const TagSheet& sheet, const QString& shopFolder, const QDateTime& now);

}  // namespace mqt
