// SPDX-License-Identifier: GPL-3.0-or-later
#include "documents/MakeStatement.h"

#include "common/Clock.h"
#include "common/DateText.h"
#include "common/Dialogs.h"
#include "consignment/ItemsLeft.h"
#include "shell/ReportErrors.h"
#include "documents/StatementFiles.h"
#include "documents/PageSetup.h"
#include "documents/StatementSource.h"
#include "store/Database.h"
#include "store/ShopIdentity.h"

#include <QDir>
#include <optional>

namespace mqt {

namespace {

const QString ProgramName = QStringLiteral("Marquill");
const QString NotWritten = QStringLiteral("No statement written");

}  // namespace

StatementOutcome MakeStatement(Database& database, Dialogs& dialogs, const Clock& clock,
                               const ItemColumnTable& columns, const QString& shopFolder, const QString& lastName,
                               const QString& firstName, QString& message, const StatementViewer& viewer)
{
    message.clear();
    if (lastName.trimmed().isEmpty() || firstName.trimmed().isEmpty()) {
        message = QStringLiteral("No consignor listed");
        return StatementOutcome::Failed;
    }

    std::optional<ConsignorStatements> statements;
    std::vector<ItemLeft> itemsLeft;
    if (!RunReportingErrors(dialogs, [&] {
            statements.emplace(ReadConsignorStatements(database, columns, clock.Today(), lastName, firstName));
            itemsLeft = ReadItemsLeftOf(database.connection(), lastName, firstName);
        })) {
        message = NotWritten;
        return StatementOutcome::Failed;
    }

    QStringList choices{QStringLiteral("Owed now: %1").arg(statements->OwedAmount().Format())};
    for (const PayOut& payOut : statements->PayOuts()) choices << payOut.Choice();
    const int chosen = dialogs.ChooseFromList(QStringLiteral("Which statement?"), choices);
    if (chosen < 0 || chosen >= choices.size()) return StatementOutcome::Cancelled;

    const QDate today = clock.Today();
    StatementContent content = chosen == 0
                                         ? statements->OwedNow(ProgramName, today)
                                         : statements->ForPayOut(statements->PayOuts()[std::size_t(chosen - 1)],
                                                                 ProgramName, today);
    const ShopIdentity shop = ReadShopIdentity(database.connection());
    content.shopName = shop.name;
    content.shopAddress = shop.AddressLines();
    for (const ItemLeft& item : itemsLeft)
        content.itemsLeft.push_back({QString::number(item.itemNo), item.description, item.leftAs,
                                     FormatShortDate(item.leftOn), item.price ? FormatCents(*item.price) : QString()});
    const WrittenStatement written = WriteStatementFiles(
        content, QDir(shopFolder).filePath(QStringLiteral("statements")), LocalePaperSize(QLocale::system()));
    if (!written.written) {
        dialogs.ShowError(written.error);
        message = NotWritten;
        return StatementOutcome::Failed;
    }
    if (viewer) viewer(written.pdfPath);
    // The files are named from the shop folder, so the message stays short.
    const QDir folder(shopFolder);
    message = QStringLiteral("Statement written to %1 and %2")
                  .arg(QDir::toNativeSeparators(folder.relativeFilePath(written.pdfPath)),
                       QDir::toNativeSeparators(folder.relativeFilePath(written.csvPath)));
    return StatementOutcome::Written;
}

}  // namespace mqt
