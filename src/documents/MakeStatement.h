// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "common/ItemColumns.h"
#include "documents/DesktopViewer.h"

#include <QString>
#include <functional>

namespace mqt {

class Clock;
class Database;
class Dialogs;

// How a statement request ended.
enum class StatementOutcome {
    Written,    // both files written; the message says where (a success)
    Cancelled,  // the user chose no statement; nothing to say
    Failed,     // nothing written; the message says so (a failure)
};

// Shows a written statement to the user.
using StatementViewer = DocumentViewer;

// The "Statement" button of the item screen, for the listed consignor.
// With no consignor (an empty name) the message is "No consignor listed".
// Otherwise the user chooses which statement: what is owed now, or one of
// the consignor's pay-outs, newest first. The statement is headed with the
// shop's name and address when they are set, and written as a PDF
// and a CSV file into the folder "statements" of the shop folder, the PDF
// is handed to the viewer, and the message names both files from the shop
// folder ("statements/..."). A
// database failure or a file that cannot be written is shown in the error
// box, and the message says that no statement was written. Nothing in the
// database and none of the shared record sources is changed.
StatementOutcome MakeStatement(Database& database, Dialogs& dialogs, const Clock& clock,
                               const ItemColumnTable& columns, const QString& shopFolder, const QString& lastName,
                               const QString& firstName, QString& message,
                               const StatementViewer& viewer = OpenWithDesktopViewer);

}  // namespace mqt
