// SPDX-License-Identifier: GPL-3.0-or-later
#include "utility/DeletePaidItems.h"

#include "common/Clock.h"
#include "common/DateText.h"
#include "common/Dialogs.h"
#include "store/DataControl.h"
#include "store/RunSerializable.h"

#include <QSet>

namespace mqt {

namespace {

// Runs the selection of paid items and gives their numbers; the items are
// the result of `items`.
QSet<qint64> PaidItems(DataControl& items, const QString& select)
{
    items.RecordSource(select);
    items.Refresh();
    QSet<qint64> numbers;
    Recordset& found = items.Recordset();
    const int number = found.FieldIndex(QStringLiteral("ItemNo"));
    for (; !found.Eof(); found.MoveNext()) numbers.insert(found.ValueAt(number).toLongLong());
    if (found.RecordCount() > 0) found.MoveFirst();
    return numbers;
}

}  // namespace

void DeletePaidItems(Connection& connection, DataControl& items, Dialogs& dialogs, const Clock& clock,
                     const SafetyCopyMaker& makeSafetyCopy)
{
    const QString answer =
        dialogs.InputBox(QStringLiteral("Enter date prior to which paid items will be deleted"));
    const std::optional<DateValue> date = ReadDate(answer, clock.Today());
    if (!date) {
        dialogs.ShowError(QStringLiteral("Invalid date entered"));
        return;
    }
    const QString dateText = FormatShortDate(*date);
    const QString paidBefore =
        QStringLiteral("select * from item where datesold is not null and datepaid < #") + dateText + QStringLiteral("#");

    // The owner sees how many items go before answering; the question keeps
    // its own words, with the count on a line of its own. Exactly the items
    // counted go: when others were paid, deleted or changed meanwhile (at
    // another till, or on another screen), the question is asked again with
    // the new count.
    QSet<qint64> counted = PaidItems(items, paidBefore);
    bool recounted = false;
    bool copied = false;
    for (;;) {
        const QString count = counted.size() == 1 ? QStringLiteral("1 item will be deleted")
                                                  : QStringLiteral("%1 items will be deleted").arg(counted.size());
        const QString question = QStringLiteral("Are you sure you want to delete all paid items prior to ") + dateText +
                                 u'\n' + count;
        const QString changed = QStringLiteral("The paid items changed at another till or screen since they were "
                                               "counted.\n");
        if (dialogs.AskYesNo(recounted ? changed + question : question) != Yes) return;
        if (!copied && !makeSafetyCopy()) return;
        copied = true;

        qint64 deleted = 0;
        bool differs = false;
        // Serializable, so it cannot interleave with another till's work on
        // the same items; a run again counts afresh.
        RunSerializable(connection, [&] {
            deleted = 0;
            const QSet<qint64> now = PaidItems(items, paidBefore);
            differs = now != counted;
            if (differs) {
                counted = now;
                return;
            }
            Recordset& paid = items.Recordset();
            while (!paid.Eof()) {
                paid.Delete();
                ++deleted;
                paid.MoveNext();
            }
        });
        if (differs) {
            recounted = true;
            continue;
        }
        dialogs.ShowMessage(QString::number(deleted) + QStringLiteral(" items deleted"));
        return;
    }
}

}  // namespace mqt
