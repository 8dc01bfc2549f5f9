// SPDX-License-Identifier: GPL-3.0-or-later
#include "utility/DeletePaidItems.h"

#include "common/Clock.h"
#include "common/DateText.h"
#include "common/Dialogs.h"
#include "shell/SharedValues.h"
#include "store/Connection.h"
#include "utility/SafetyCopies.h"

namespace mqt {

void DeletePaidItems(SharedValues& shared)
{
    const QString answer =
        shared.dialogs.InputBox(QStringLiteral("Enter date prior to which paid items will be deleted"));
    const std::optional<DateValue> date = ReadDate(answer, shared.clock.Today());
    if (!date) {
        shared.dialogs.ShowError(QStringLiteral("Invalid date entered"));
        return;
    }
    const QString dateText = FormatShortDate(*date);
    const QString paidBefore =
        QStringLiteral("select * from item where datesold is not null and datepaid < #") + dateText + QStringLiteral("#");

    // The owner sees how many items go before answering; the question keeps
    // its own words, with the count on a line of its own.
    shared.Data3.RecordSource(paidBefore);
    shared.Data3.Refresh();
    const qint64 toDelete = shared.Data3.Recordset().RecordCount();
    const QString count = toDelete == 1 ? QStringLiteral("1 item will be deleted")
                                        : QStringLiteral("%1 items will be deleted").arg(toDelete);
    if (shared.dialogs.AskYesNo(QStringLiteral("Are you sure you want to delete all paid items prior to ") + dateText +
                                u'\n' + count) != Yes)
        return;
    if (!SafetyCopyBefore(shared, SafetyReason::BeforePurge)) return;

    qint64 deleted = 0;
    Transaction transaction(shared.database.connection());
    shared.Data3.RecordSource(paidBefore);
    shared.Data3.Refresh();
    Recordset& items = shared.Data3.Recordset();
    if (!items.Eof()) items.MoveFirst();
    while (!items.Eof()) {
        items.Delete();
        ++deleted;
        items.MoveNext();
    }
    transaction.Commit();
    shared.dialogs.ShowMessage(QString::number(deleted) + QStringLiteral(" items deleted"));
}

}  // namespace mqt
