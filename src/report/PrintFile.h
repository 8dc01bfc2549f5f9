// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "report/ReportSort.h"

#include <QSaveFile>
#include <QString>
#include <optional>
#include <span>

namespace mqt {

// The print file's name from the user's answer: the answer as typed (blank
// gives "ItemReport") with ".csv" added, in the program folder. A name that
// holds "/", "\" or ".." would leave the folder: it is refused and `problem`
// says why.
std::optional<QString> PrintFilePath(const QString& programFolder, const QString& answer, QString& problem);

// One comma-separated line: every field in double quotes (a double quote in
// it doubled), separated by commas, ended by carriage return and line feed.
QByteArray PrintLine(std::span<const QString> fields);

// The print file of one report run, in UTF-8 without a byte-order mark: the
// column headings, an empty line, then one line per grid row. It is written
// beside its place and put there only when the run finishes, replacing a file
// of that name; a run that fails leaves no file that looks complete.
class PrintFile {
public:
    // Creates the file and writes the headings; Problem() tells a failure.
    PrintFile(const QString& path, const ItemColumnTable& columns);

    void WriteRow(const ReportCells& cells);
    // Puts the finished file in its place; false (with Problem()) on failure.
    bool Finish();

    // Empty while all is well; otherwise a sentence naming the file and the reason.
    const QString& Problem() const { return problem_; }

private:
    void Write(const QByteArray& bytes);
    void Fail();

    QSaveFile file_;
    QString problem_;
};

}  // namespace mqt
