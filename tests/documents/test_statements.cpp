// SPDX-License-Identifier: GPL-3.0-or-later
// Consignor statements: their content read from a real shop database, the
// PDF and CSV files, and the entry point the item screen's button calls.

#include "consignment/EndOfTerm.h"
#include "documents/MakeStatement.h"
#include "documents/StatementCsv.h"
#include "documents/StatementFiles.h"
#include "documents/StatementPdf.h"
#include "documents/StatementSource.h"
#include "documents/PageSetup.h"
#include "support/ReadBack.h"
#include "support/RunningShop.h"

#include <QBuffer>
#include <QProcess>
#include <QtTest>

using namespace mqt;

namespace {

const QString Last = QStringLiteral("Smith"), First = QStringLiteral("Ann");
const QVariant None;

// Ann Smith's shop: two pay-outs on 3/1/2024 (references 1042 and 1043), an
// older one without a reference, and what is owed now. Shares are chosen so
// that adding them as doubles would not give the exact cents.
void AddAnnsItems(const test::TempShop& shop)
{
    shop.AddConsignor(Last, First);
    shop.Exec(QStringLiteral("update consignor set Street = '12 Elm St', City = 'Springfield', State = 'IL', "
                             "Zip = '62701'"));
    auto add = [&](const char* desc, const QVariant& category, const QVariant& cost, const QVariant& sale,
                   const QVariant& sold, const QVariant& paid, const QVariant& ref) {
        shop.AddItem(Last, First, QLatin1String(desc), {category, None, cost, sale, "2024-01-02", sold, paid, ref});
    };
    add("Lamp", None, 0.1, 0.15, "2024-02-10", "2024-03-01", "1042");
    add("Chair", None, 0.2, 0.29, "2024-02-12", "2024-03-01", "1042");
    add("Vase", None, 70.7, 101.0, "2024-02-11", "2024-03-01", "1042");
    add("Rent - 02/15/2024", "$Rent", -50.0, 0.0, "2024-02-15", "2024-03-01", "1042");
    add("Mirror", None, 14.0, 20.0, "2024-02-20", "2024-03-01", "1043");
    add("Desk", None, 35.0, 50.0, "2024-01-20", "2024-02-01", None);
    add("Clock", None, 7.0, 10.0, "2024-03-02", None, None);
    add("Rent - 03/15/2024", "$Rent", -50.0, 0.0, "2024-03-15", None, None);
    add("Table", None, 21.0, 30.0, None, None, None);
}

// The consignor's statements as the item screen reads them, on the program's day.
ConsignorStatements ReadOf(test::RunningShop& run, const QString& last, const QString& first)
{
    SharedValues& shared = run.Shared();
    return ReadConsignorStatements(shared.database, shared.ItemColumns, shared.clock.Today(), last, first);
}

ConsignorStatements ReadAnn(test::RunningShop& run) { return ReadOf(run, Last, First); }

// The item screen's "Statement" button, for the consignor of these names.
StatementOutcome MakeFor(test::RunningShop& run, const QString& last, const QString& first, QString& message,
                         const StatementViewer& viewer)
{
    SharedValues& shared = run.Shared();
    return MakeStatement(shared.database, shared.dialogs, shared.clock, shared.ItemColumns, shared.ProgramFolder, last,
                         first, message, viewer);
}

QStringList Descriptions(const StatementContent& content)
{
    QStringList descriptions;
    for (const StatementLine& line : content.lines) descriptions << line.description;
    return descriptions;
}

// The records of a CSV file, read by RFC 4180.
QList<QStringList> ParseCsv(const QByteArray& bytes)
{
    const QString text = QString::fromUtf8(bytes);
    QList<QStringList> records;
    QStringList record;
    QString field;
    bool quoted = false;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar ch = text[i];
        if (quoted) {
            if (ch == u'"' && i + 1 < text.size() && text[i + 1] == u'"') field += text[++i];
            else if (ch == u'"') quoted = false;
            else field += ch;
        } else if (ch == u'"') {
            quoted = true;
        } else if (ch == u',') {
            record << field;
            field.clear();
        } else if (ch == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n') {
            record << field;
            records << record;
            record.clear();
            field.clear();
            ++i;
        } else {
            field += ch;
        }
    }
    return records;
}

// The output of a poppler tool run on a PDF file.
// A statement of numbered lines; a long description wraps onto a second row.
StatementContent Lines(int count, bool longDescriptions = false)
{
    const QString more = longDescriptions ? QStringLiteral(": six matching dining chairs in oak, seats re-covered "
                                                           "in green velvet")
                                          : QString();
    StatementContent content;
    content.programName = QStringLiteral("Marquill");
    content.made = QDate(2024, 3, 5);
    content.lastName = Last;
    content.firstName = First;
    content.subject = QStringLiteral("Owed now");
    content.owedNow = true;
    for (int i = 1; i <= count; ++i) {
        const MoneySum share(Amount::FromUnits(i * 100));
        const MoneySum sale(Amount::FromUnits(2 * i * 100));
        content.lines.push_back({QStringLiteral("Item number %1").arg(i) + more, QStringLiteral("3/1/2024"),
                                 sale, share, false});
        content.totalSales.Add(sale);
        content.totalShares.Add(share);
    }
    content.shopPart = content.totalSales;
    content.shopPart.Subtract(content.totalShares);
    return content;
}

}  // namespace

class TestStatements : public QObject {
    Q_OBJECT

private slots:
    void statementContent_data()
    {
        QTest::addColumn<int>("chosen");  // 0 owed now, else the pay-out's place in the list
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<QString>("sales");
        QTest::addColumn<QString>("shares");
        QTest::addColumn<QString>("shopPart");
        QTest::addColumn<QString>("subject");

        QTest::newRow("three items and a rent line, items by day sold, rent last")
            << 1 << QStringList{"Lamp", "Vase", "Chair", "Rent - 02/15/2024"} << "101.44" << "21.00" << "80.44"
            << "Pay-out of 3/1/2024, reference 1042";
        QTest::newRow("same day, other reference: a pay-out of its own")
            << 2 << QStringList{"Mirror"} << "20.00" << "14.00" << "6.00" << "Pay-out of 3/1/2024, reference 1043";
        QTest::newRow("pay-out without a reference") << 3 << QStringList{"Desk"} << "50.00" << "35.00" << "15.00"
                                                     << "Pay-out of 2/1/2024";
        QTest::newRow("owed now: sold and unpaid, rent taking its share off")
            << 0 << QStringList{"Clock", "Rent - 03/15/2024"} << "10.00" << "-43.00" << "53.00" << "Owed now";
    }

    void statementContent()
    {
        QFETCH(int, chosen);
        QFETCH(QStringList, lines);
        QFETCH(QString, sales);
        QFETCH(QString, shares);
        QFETCH(QString, shopPart);
        QFETCH(QString, subject);

        test::RunningShop run;
        AddAnnsItems(run.shop);
        QVERIFY(run.Start());
        const ConsignorStatements statements = ReadAnn(run);
        const QDate made(2024, 3, 20);
        const StatementContent content =
            chosen == 0 ? statements.OwedNow("Marquill", made)
                        : statements.ForPayOut(statements.PayOuts()[std::size_t(chosen - 1)], "Marquill", made);

        QCOMPARE(Descriptions(content), lines);
        QCOMPARE(content.subject, subject);
        QCOMPARE(content.totalSales.Format(), sales);
        QCOMPARE(content.totalShares.Format(), shares);
        QCOMPARE(content.shopPart.Format(), shopPart);
        QCOMPARE(content.ConsignorName(), QStringLiteral("Ann Smith"));
        QCOMPARE(content.address, QStringList({"12 Elm St", "Springfield, IL 62701"}));

        // The printed lines add up to the printed sums, cent for cent.
        Amount lineSales, lineShares;
        for (const StatementLine& line : content.lines) {
            lineSales += Amount::FromDouble(line.salePrice->Format().toDouble()).value();
            lineShares += Amount::FromDouble(line.share->Format().toDouble()).value();
            QCOMPARE(line.rent, line.description.startsWith("Rent"));
        }
        QCOMPARE(lineSales, content.totalSales.Value().value());
        QCOMPARE(lineShares, content.totalShares.Value().value());
    }

    // Owed now lists exactly what the item screen's Pay lists.
    void owedNowIsWhatPayLists_data()
    {
        QTest::addColumn<QVariant>("cost");
        QTest::addColumn<QVariant>("sold");
        QTest::addColumn<QVariant>("paid");
        QTest::addColumn<bool>("listed");

        QTest::newRow("sold, unpaid") << QVariant(12.5) << QVariant("2024-03-01") << None << true;
        QTest::newRow("cost price 0") << QVariant(0.0) << QVariant("2024-03-01") << None << false;
        QTest::newRow("cost price shown as 0.00") << QVariant(0.004) << QVariant("2024-03-01") << None << false;
        QTest::newRow("cost price shown as 0.01") << QVariant(0.005) << QVariant("2024-03-01") << None << true;
        QTest::newRow("no cost price counts as not 0") << None << QVariant("2024-03-01") << None << true;
        QTest::newRow("negative: rent") << QVariant(-50.0) << QVariant("2024-03-01") << None << true;
        QTest::newRow("not sold") << QVariant(12.5) << None << None << false;
        QTest::newRow("paid") << QVariant(12.5) << QVariant("2024-03-01") << QVariant("2024-03-02") << false;
        QTest::newRow("paid but never sold") << QVariant(12.5) << None << QVariant("2024-03-02") << false;
    }

    void owedNowIsWhatPayLists()
    {
        QFETCH(QVariant, cost);
        QFETCH(QVariant, sold);
        QFETCH(QVariant, paid);
        QFETCH(bool, listed);

        test::RunningShop run;
        run.shop.AddConsignor(Last, First);
        run.shop.AddConsignor("Jones", First);
        run.shop.AddItem(Last, First, "the item", {None, None, cost, 20.0, None, sold, paid});
        run.shop.AddItem("Jones", First, "another's item", {None, None, 5.0, 7.0, None, "2024-03-01"});
        QVERIFY(run.Start());

        // Names typed in other letters find the consignor, as the item screen's lookup does.
        const StatementContent content =
            ReadOf(run, "SMITH", "ann").OwedNow("Marquill", QDate(2024, 3, 5));
        QCOMPARE(Descriptions(content), listed ? QStringList{"the item"} : QStringList{});
    }

    void csvAndFileNameKeepTheNames_data()
    {
        QTest::addColumn<QString>("last");
        QTest::addColumn<QString>("first");
        QTest::addColumn<QString>("payRef");
        QTest::addColumn<QString>("fileName");

        QTest::newRow("apostrophe, comma and letters beyond ASCII")
            << "O'Brien, Jr." << "Zoë Łucja" << "A-7" << "O'Brien, Jr., Zoë Łucja - paid 2024-03-01 A-7";
        QTest::newRow("slashes, backslashes and colons") << "Smith/Jones" << "Ann\\Bea" << "4/2:b"
                                                         << "Smith_Jones, Ann_Bea - paid 2024-03-01 4_2_b";
        QTest::newRow("double quote, wildcards, line break")
            << "Ann \"Red\"" << "Bea*?" << "x\ny" << "Ann _Red_, Bea__ - paid 2024-03-01 x_y";
        QTest::newRow("a device name and a leading dot") << "CON" << ".x" << "" << "CON, .x - paid 2024-03-01";
        QTest::newRow("nul with a dot after it") << "nul.x" << "Ann" << "" << "_nul.x, Ann - paid 2024-03-01";
        QTest::newRow("a leading dot") << ".hidden" << "Ann" << "" << "_.hidden, Ann - paid 2024-03-01";
        QTest::newRow("trailing dots") << "Smith" << "Ann" << "r..." << "Smith, Ann - paid 2024-03-01 r";
        QTest::newRow("an overlong name is shortened")
            << QString(80, u'x') << "Ann" << "" << QString(60, u'x') + ", Ann - paid 2024-03-01";
    }

    void csvAndFileNameKeepTheNames()
    {
        QFETCH(QString, last);
        QFETCH(QString, first);
        QFETCH(QString, payRef);
        QFETCH(QString, fileName);

        test::RunningShop run;
        run.shop.AddConsignor(last, first);
        run.shop.AddItem(last, first, "Lamp, \"brass\"", {None, None, 10.0, 14.29, None, "2024-02-01", "2024-03-01",
                                                          payRef.isEmpty() ? None : QVariant(payRef)});
        QVERIFY(run.Start());
        const ConsignorStatements statements = ReadOf(run, last, first);
        QCOMPARE(statements.PayOuts().size(), std::size_t(1));
        const StatementContent content = statements.ForPayOut(statements.PayOuts()[0], "Marquill", QDate(2024, 3, 5));

        QCOMPARE(StatementFileName(content), fileName);

        const QByteArray csv = StatementCsv(content);
        QVERIFY(csv.endsWith("\r\n"));
        const QList<QStringList> records = ParseCsv(csv);
        for (const QStringList& record : records) QCOMPARE(record.size(), 5);
        QCOMPARE(records[2], QStringList({"Consignor", first + u' ' + last, "", "", ""}));
        QCOMPARE(records[6], QStringList({"Item", "Lamp, \"brass\"", "2/1/2024", "14.29", "10.00"}));
        QCOMPARE(records.last(), QStringList({"Amount paid", "", "", "", "10.00"}));
    }

    void pageSizeByLocale_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<int>("size");
        QTest::newRow("United States: Letter") << "en_US" << int(QPageSize::Letter);
        QTest::newRow("Britain: A4") << "en_GB" << int(QPageSize::A4);
        QTest::newRow("Germany: A4") << "de_DE" << int(QPageSize::A4);
    }

    void pageSizeByLocale()
    {
        QFETCH(QString, locale);
        QFETCH(int, size);
        QCOMPARE(int(LocalePaperSize(QLocale(locale)).id()), size);
    }

    void pdfFlowsOntoPagesWithHeadings_data()
    {
        QTest::addColumn<int>("lineCount");
        QTest::addColumn<bool>("longDescriptions");
        QTest::addColumn<int>("size");
        QTest::addColumn<int>("pages");

        QTest::newRow("one line, A4") << 1 << false << int(QPageSize::A4) << 1;
        QTest::newRow("100 lines, A4") << 100 << false << int(QPageSize::A4) << 3;
        QTest::newRow("100 lines, Letter") << 100 << false << int(QPageSize::Letter) << 3;
        QTest::newRow("a full first page: the sums go onto a page of their own")
            << 44 << false << int(QPageSize::A4) << 2;
        QTest::newRow("descriptions of two rows each: 20 lines and the sums fit a page")
            << 20 << true << int(QPageSize::A4) << 1;
        QTest::newRow("descriptions of two rows each: 23 lines do not") << 23 << true << int(QPageSize::A4) << 2;
    }

    void pdfFlowsOntoPagesWithHeadings()
    {
        QFETCH(int, lineCount);
        QFETCH(bool, longDescriptions);
        QFETCH(int, size);
        QFETCH(int, pages);

        const StatementContent content = Lines(lineCount, longDescriptions);
        QTemporaryDir dir;
        const WrittenStatement written = WriteStatementFiles(content, dir.path(), QPageSize(QPageSize::PageSizeId(size)));
        QVERIFY2(written.written, qPrintable(written.error));
        QFile pdf(written.pdfPath);
        QVERIFY(pdf.open(QIODevice::ReadOnly));
        QVERIFY(pdf.read(4) == "%PDF");

        QVERIFY(test::ReadBack("pdfinfo", {written.pdfPath}).contains(QRegularExpression(QStringLiteral("Pages:\\s+%1\n").arg(pages))));
        const QStringList pageTexts = test::ReadBack("pdftotext", {"-layout", written.pdfPath, "-"}).split(u'\f', Qt::SkipEmptyParts);
        QCOMPARE(pageTexts.size(), pages);
        for (int page = 0; page < pages; ++page) {
            QVERIFY2(pageTexts[page].contains("Your share"), "the heading on every page");
            QVERIFY(pageTexts[page].contains(QStringLiteral("Page %1 of %2").arg(page + 1).arg(pages)));
        }
        const QString text = pageTexts.join(u'\n');
        for (int i = 1; i <= lineCount; ++i)
            QCOMPARE(text.count(QRegularExpression(QStringLiteral("Item number %1\\b").arg(i))), 1);
        if (longDescriptions) QCOMPARE(text.count("in green velvet"), lineCount);
        QVERIFY(pageTexts.last().contains(QRegularExpression("Amount owed\\s+" + content.totalShares.Format())));
    }

    void statementListsTheItemsThatLeft()
    {
        test::RunningShop run;
        AddAnnsItems(run.shop);
        run.shop.AddItem(Last, First, "Stool", {None, None, 4.0, 8.0, "2024-01-02"});
        run.shop.Exec("update item set Status = 'ended' where ItemDesc in ('Table', 'Stool')");
        {
            Connection connection = run.shop.Connect();
            std::vector<TermItem> ended = ReadTermItems(connection, QDate(2024, 2, 20), 0);
            QCOMPARE(ended.size(), 2u);
            QCOMPARE(ApplyEndOfTerm(connection, {ended[0]}, EndOfTermAction::ReturnToConsignor, QDate(2024, 2, 19))
                         .refusal,
                     QString());
            QCOMPARE(ApplyEndOfTerm(connection, {ended[1]}, EndOfTermAction::Donate, QDate(2024, 2, 20)).refusal,
                     QString());
        }
        QVERIFY(run.Start());
        QString message;
        run.dialogs.QueueChoice(0);
        QCOMPARE(MakeFor(run, Last, First, message, {}), StatementOutcome::Written);
        const QString base = run.shop.Folder() + "/statements/Smith, Ann - owed 2024-02-20";
        QFile csv(base + ".csv");
        QVERIFY(csv.open(QIODevice::ReadOnly));
        const QList<QStringList> records = ParseCsv(csv.readAll());
        // The statement's own lines as before, then the items that left.
        QCOMPARE(records.mid(records.size() - 4, 2),
                 QList<QStringList>({{"Amount owed", "", "", "", "-43.00"},
                                     {"Left", "Item", "Description", "Status", "Date"}}));
        QCOMPARE(records.last(2)[0].mid(2), QStringList({"Table", "returned", "2/19/2024"}));
        QCOMPARE(records.last().mid(2), QStringList({"Stool", "donated", "2/20/2024"}));
        const QString text = test::ReadBack("pdftotext", {"-layout", base + ".pdf", "-"});
        QVERIFY(text.contains("Ann Smith: items returned or donated"));
        QVERIFY(text.contains(QRegularExpression("Stool\\s+donated\\s+2/20/2024\\s+8.00")));
    }

    void statementWrittenForTheChosenPayOut()
    {
        test::RunningShop run;
        AddAnnsItems(run.shop);
        run.shop.Exec("update consignor set LastName = 'O''Brien', FirstName = 'Zoë'");
        run.shop.Exec("update item set LastName = 'O''Brien', FirstName = 'Zoë'");
        QVERIFY(run.Start());
        run.Shared().Data3.RecordSource("select * from item where itemdesc = 'Table'");
        run.Shared().Data3.Refresh();

        QStringList viewed;
        QString message;
        run.dialogs.QueueChoice(1);
        QCOMPARE(MakeFor(run, "o'brien", "ZOË", message, [&](const QString& path) { viewed << path; }),
                 StatementOutcome::Written);

        // Pay-outs newest first, those of one day apart by reference.
        QCOMPARE(run.dialogs.ChoiceLists(), QList<QStringList>({{"Owed now: -43.00",
                                                                "Pay-out of 3/1/2024, reference 1042: 21.00 (4 items)",
                                                                "Pay-out of 3/1/2024, reference 1043: 14.00 (1 item)",
                                                                "Pay-out of 2/1/2024, no reference: 35.00 (1 item)"}}));
        const QString base = run.shop.Folder() + "/statements/O'Brien, Zoë - paid 2024-03-01 1042";
        QCOMPARE(viewed, QStringList{base + ".pdf"});
        const QString named = QDir::toNativeSeparators("statements/O'Brien, Zoë - paid 2024-03-01 1042");
        QCOMPARE(message, QStringLiteral("Statement written to %1.pdf and %1.csv").arg(named));
        const QString text = test::ReadBack("pdftotext", {"-layout", base + ".pdf", "-"});
        QVERIFY(text.contains("Zoë O'Brien"));
        QVERIFY(text.contains(QRegularExpression("Amount paid\\s+21.00")));
        QFile csv(base + ".csv");
        QVERIFY(csv.open(QIODevice::ReadOnly));
        QCOMPARE(ParseCsv(csv.readAll()).last(), QStringList({"Amount paid", "", "", "", "21.00"}));

        // The screens' record source keeps its result.
        QCOMPARE(run.Shared().Data3.Recordset().Fields("ItemDesc").Text(), QStringLiteral("Table"));
        QVERIFY(run.dialogs.Errors().isEmpty());
    }

    void nothingClaimedWithoutAStatement_data()
    {
        QTest::addColumn<QString>("last");
        QTest::addColumn<int>("choice");
        QTest::addColumn<QString>("blocker");  // a path made a folder or file in the way
        QTest::addColumn<int>("outcome");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("error");

        QTest::newRow("no consignor listed") << "" << 0 << "" << int(StatementOutcome::Failed)
                                             << "No consignor listed" << "";
        QTest::newRow("choice cancelled") << Last << -1 << "" << int(StatementOutcome::Cancelled) << "" << "";
        QTest::newRow("statements folder cannot be made: a file in its place")
            << Last << 0 << "file:statements" << int(StatementOutcome::Failed) << "No statement written"
            << "/statements: the folder cannot be made";
        QTest::newRow("PDF cannot be written: a folder in its place")
            << Last << 0 << "folder:statements/Smith, Ann - owed 2024-02-20.pdf" << int(StatementOutcome::Failed)
            << "No statement written" << "Smith, Ann - owed 2024-02-20.pdf: ";
        QTest::newRow("CSV cannot be written: a folder in its place")
            << Last << 0 << "folder:statements/Smith, Ann - owed 2024-02-20.csv" << int(StatementOutcome::Failed)
            << "No statement written" << "Smith, Ann - owed 2024-02-20.csv: ";
    }

    void nothingClaimedWithoutAStatement()
    {
        QFETCH(QString, last);
        QFETCH(int, choice);
        QFETCH(QString, blocker);
        QFETCH(int, outcome);
        QFETCH(QString, message);
        QFETCH(QString, error);

        test::RunningShop run;
        AddAnnsItems(run.shop);
        QVERIFY(run.Start());
        const QDir folder(run.shop.Folder());
        if (blocker.startsWith("file:")) {
            QFile file(folder.filePath(blocker.mid(5)));
            QVERIFY(file.open(QIODevice::WriteOnly));
        } else if (blocker.startsWith("folder:")) {
            QVERIFY(folder.mkpath(blocker.mid(7)));
        }

        QStringList viewed;
        QString shown;
        run.dialogs.QueueChoice(choice);
        QCOMPARE(int(MakeFor(run, last, First, shown, [&](const QString& path) { viewed << path; })),
                 outcome);
        QCOMPARE(shown, message);
        QVERIFY(viewed.isEmpty());
        const QStringList errors = run.dialogs.Errors();
        QCOMPARE(errors.size(), error.isEmpty() ? 0 : 1);
        if (!error.isEmpty()) QVERIFY2(errors[0].contains(error), qPrintable(errors[0]));
        // No file of a statement is left behind.
        const QStringList files = QDir(folder.filePath("statements")).entryList(QDir::Files);
        QVERIFY2(files.isEmpty(), qPrintable(files.join(", ")));
    }
};

QTEST_MAIN(TestStatements)
#include "test_statements.moc"
