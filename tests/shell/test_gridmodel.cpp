// SPDX-License-Identifier: GPL-3.0-or-later
// The grid's compact cells: what is written is what is read back and shown,
// for the texts a shop stores, and colours survive changes of the grid's size.

#include "shell/GridModel.h"
#include "support/TempShop.h"

#include <QtTest>

using namespace mqt;
using namespace mqt::test;

namespace {

const QString TextColumns = QStringLiteral("LastName, FirstName, ItemDesc, Category, Subcategory, PayRef, Notes");
constexpr int Cols = 7;

// A note longer than the blocks the cells are kept in, in three scripts.
QString VeryLongNote()
{
    QString note;
    while (note.size() < 600000) note += QStringLiteral("Scratched on the left leg; Kratzer am Bein; 左の脚に傷。 ");
    return note;
}

// Every text column of every item in stored order; null reads as empty.
std::vector<QStringList> RowsRead(const TempShop& shop)
{
    const Connection connection = Connection::OpenReadOnly(shop.DatabasePath());
    Statement select(connection, QStringLiteral("select %1 from item order by rowid").arg(TextColumns));
    std::vector<QStringList> rows;
    while (select.Step()) {
        QStringList row;
        for (int c = 0; c < Cols; ++c) row << select.Column(c).toString();
        rows.push_back(row);
    }
    return rows;
}

// Fills the grid as the list screens do: the grid grows a few rows at a
// time, and each row is written cell by cell below the heading.
void Fill(GridModel& model, const std::vector<QStringList>& rows)
{
    model.SetCols(Cols);
    model.SetRows(1);
    for (int r = 0; r < int(rows.size()); ++r) {
        if (r + 1 >= model.Rows()) model.SetRows(model.Rows() + 5);
        for (int c = 0; c < Cols; ++c) model.SetText(r + 1, c, rows[std::size_t(r)][c]);
    }
    model.Publish();
}

}  // namespace

class TestGridModel : public QObject {
    Q_OBJECT

private slots:
    void cellsEqualTheRowsRead_data()
    {
        QTest::addColumn<QVariantList>("values");  // LastName ... Notes of the item; QVariant() is null
        QTest::newRow("non-Latin letters")
            << QVariantList{"Dvořák", "Zoë", "東京の茶碗 🍵", "Ελληνικά", "посуда", "чек №7", "ünïcödé ß"};
        QTest::newRow("empty and null values") << QVariantList{"Smith", "", QVariant(), "", QVariant(), "", QVariant()};
        QTest::newRow("only the last cell filled")
            << QVariantList{QVariant(), QVariant(), QVariant(), QVariant(), QVariant(), QVariant(), "note"};
        QTest::newRow("very long notes") << QVariantList{"Lee", "Ann", "quilt", "textiles", {}, {}, VeryLongNote()};
        QTest::newRow("a cell of exactly 128 bytes")
            << QVariantList{QString(128, u'x'), "Bo", QString(127, u'y'), "", "", "", QString(16384, u'z')};
    }

    void cellsEqualTheRowsRead()
    {
        QFETCH(QVariantList, values);
        TempShop shop;
        // The case's item among plain ones, often enough to fill many blocks.
        for (int i = 0; i < 3; ++i)
            shop.Exec(QStringLiteral("INSERT INTO item (%1) VALUES (?,?,?,?,?,?,?)").arg(TextColumns), values);
        shop.Exec(QStringLiteral("WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 20000) "
                                 "INSERT INTO item (%1) SELECT 'Smith', 'Ann', 'plate ' || i, NULL, 'Ø', "
                                 "'chq ' || i, NULL FROM n")
                      .arg(TextColumns));
        shop.Exec(QStringLiteral("INSERT INTO item (%1) VALUES (?,?,?,?,?,?,?)").arg(TextColumns), values);
        const std::vector<QStringList> rows = RowsRead(shop);

        GridModel model;
        Fill(model, rows);
        QVERIFY(model.Rows() > int(rows.size()));
        for (int r = 0; r < int(rows.size()); ++r)
            for (int c = 0; c < Cols; ++c) {
                const QString& read = rows[std::size_t(r)][c];
                if (model.Text(r + 1, c) != read)
                    QFAIL(qPrintable(QStringLiteral("row %1, column %2 differs").arg(r + 1).arg(c)));
                if (r < 5 || r + 5 > int(rows.size()))
                    QCOMPARE(model.data(model.index(r, c), Qt::DisplayRole).toString(), read);
            }
        for (int r = int(rows.size()) + 1; r < model.Rows(); ++r)
            for (int c = 0; c < Cols; ++c) QCOMPARE(model.Text(r, c), QString());

        // Rows written again keep their neighbours, also when the old texts are given back.
        for (int round = 0; round < 3; ++round)
            for (int r = 1; r <= int(rows.size()); r += 97) model.SetText(r, 6, rows[std::size_t(r - 1)][2]);
        model.SetText(int(rows.size()), 0, QString());
        for (int r = 0; r < int(rows.size()); ++r) {
            QStringList expected = rows[std::size_t(r)];
            if (r % 97 == 0) expected[6] = expected[2];
            if (r + 1 == int(rows.size())) expected[0].clear();
            for (int c = 0; c < Cols; ++c)
                if (model.Text(r + 1, c) != expected[c])
                    QFAIL(qPrintable(QStringLiteral("row %1, column %2 differs after rewriting").arg(r + 1).arg(c)));
        }
    }

    void coloursAndTextsThroughChangesOfSize_data()
    {
        QTest::addColumn<QString>("change");
        QTest::newRow("a row painted cell by cell") << "paint cells";
        QTest::newRow("one cell of a painted row") << "one cell";
        QTest::newRow("columns added to a painted row") << "widen";
        QTest::newRow("columns taken away") << "narrow";
        QTest::newRow("rows cut and added again") << "cut";
    }

    void coloursAndTextsThroughChangesOfSize()
    {
        QFETCH(QString, change);
        const QRgb yellow = qRgb(255, 255, 0);
        const QRgb pale = qRgb(255, 192, 192);
        GridModel model;
        model.SetCols(3);
        model.SetRows(4);
        for (int r = 0; r < 4; ++r)
            for (int c = 0; c < 3; ++c) model.SetText(r, c, QStringLiteral("r%1c%2 Ä").arg(r).arg(c));
        for (int c = 0; c < 3; ++c) model.SetBackColor(2, c, yellow);

        // The expected colour and text of every cell after the change, by row then column.
        std::vector<std::vector<QRgb>> colours(4, std::vector<QRgb>(3, GridModel::White));
        colours[2].assign(3, yellow);
        if (change == u"one cell") {
            model.SetBackColor(2, 1, pale);
            colours[2][1] = pale;
        } else if (change == u"widen") {
            model.SetCols(5);
            for (auto& row : colours) row.resize(5, GridModel::White);
        } else if (change == u"narrow") {
            model.SetCols(2);
            for (auto& row : colours) row.resize(2);
        } else if (change == u"cut") {
            model.SetRows(2);
            model.SetRows(4);
            colours[2].assign(3, GridModel::White);
        }
        for (int r = 0; r < model.Rows(); ++r)
            for (int c = 0; c < model.Cols(); ++c) {
                const bool kept = c < 3 && (change != u"cut" || r < 2);
                QCOMPARE(model.Text(r, c), kept ? QStringLiteral("r%1c%2 Ä").arg(r).arg(c) : QString());
                QCOMPARE(model.BackColor(r, c), colours[std::size_t(r)][std::size_t(c)]);
            }
    }
};

QTEST_MAIN(TestGridModel)
#include "test_gridmodel.moc"
