// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPageSize>
#include <QString>

namespace mqt {

struct StatementContent;

// The file name of a statement without its extension: the consignor's names
// and what the statement covers, "O'Brien, Zoë - paid 2024-03-01 1042". It is
// a name every file system takes: characters that some file system refuses
// ("/", "\", ":", "*", "?", double quote, "<", ">", "|" and control characters)
// become "_", a leading dot, trailing dots and blanks and a device name such
// as "CON" are avoided, and overlong names are shortened. The names'
// other characters stay as they are.
QString StatementFileName(const StatementContent& content);

// Where a statement went, or why it did not.
struct WrittenStatement {
    bool written = false;
    QString pdfPath;
    QString csvPath;
    QString error;  // the text for the error box when nothing was written
};

// Writes the statement as a PDF and a CSV file into the folder, creating the
// folder when needed. Both files are written in full or the result says which
// could not be; a CSV already in place is then taken away again, so no half
// statement is left.
WrittenStatement WriteStatementFiles(const StatementContent& content, const QString& folder,
                                     const QPageSize& pageSize);

}  // namespace mqt
