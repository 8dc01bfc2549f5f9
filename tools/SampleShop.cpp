// SPDX-License-Identifier: GPL-3.0-or-later
#include "SampleShop.h"

#include "store/NewDatabase.h"
#include "store/Connection.h"

#include <QDate>
#include <QStringList>
#include <random>

namespace mqt {

namespace {

const QStringList LastNames = {"Smith", "Johnson", "O'Neil", "Müller", "Garcia", "Brown", "Lee",
                               "Nguyen", "Okafor", "Larsen", "Dubois", "Rossi", "Kowalski", "Tanaka"};
const QStringList FirstNames = {"Ann", "Bob", "Chloé", "Dev", "Erin", "Femi", "Gus", "Hana", "Ivan", "Jo"};
const QStringList Things = {"oak chair", "blue vase", "lamp", "mirror", "rug", "teapot", "desk",
                            "bookcase", "quilt", "painting", "clock", "bench", "sofa", "bowl"};
const QStringList Categories = {"furniture", "glass", "lighting", "decor", "textiles", "kitchen", "art"};

QString Iso(const QDate& date) { return date.toString(Qt::ISODate); }

}  // namespace

void FillSampleShop(Connection& connection, int consignors, int items)
{
    std::mt19937 random(20240220);
    auto pick = [&random](const QStringList& list) { return list[int(random() % unsigned(list.size()))]; };
    const QDate start(2022, 1, 1);

    Transaction transaction(connection);
    Statement addConsignor(connection, QStringLiteral("INSERT INTO consignor (LastName, FirstName, Phone, Email, "
                                                      "City, Notes) VALUES (?, ?, ?, ?, ?, ?)"));
    QList<QPair<QString, QString>> names;
    for (int c = 0; c < consignors; ++c) {
        // Every consignor has names of its own.
        const QString last = LastNames[c % LastNames.size()] + (c < LastNames.size() ? QString() : QString::number(c));
        const QString first = FirstNames[(c / LastNames.size()) % FirstNames.size()];
        names.append({last, first});
        addConsignor.Bind(1, last);
        addConsignor.Bind(2, first);
        addConsignor.Bind(3, QStringLiteral("555-%1").arg(c, 4, 10, QLatin1Char('0')));
        addConsignor.Bind(4, QStringLiteral("%1.%2@example.com").arg(first, last).toLower());
        addConsignor.Bind(5, QStringLiteral("Springfield"));
        addConsignor.Bind(6, c % 10 == 0 ? QVariant(QStringLiteral("Booth %1 $Rent=(amount=50,Due=%2,interval=1)")
                                                        .arg(c)
                                                        .arg(start.addDays(c % 700).toString("MM/dd/yyyy")))
                                         : QVariant());
        addConsignor.Step();
        addConsignor.Reset();
    }

    Statement addItem(connection, QStringLiteral("INSERT INTO item (LastName, FirstName, ItemDesc, Category, "
                                                 "CostPrice, SalePrice, DateAdded, DateSold, DatePaid, PayRef) "
                                                 "VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"));
    for (int i = 0; i < items && consignors > 0; ++i) {
        const auto& [last, first] = names[i % consignors];
        const double sale = double(5 + random() % 500) + double(random() % 100) / 100.0;
        const QDate added = start.addDays(int(random() % 900));
        const bool sold = random() % 2 == 0;
        const bool paid = sold && random() % 2 == 0;
        addItem.Bind(1, last);
        addItem.Bind(2, first);
        addItem.Bind(3, QStringLiteral("%1 %2").arg(Things[i % Things.size()]).arg(i));
        addItem.Bind(4, pick(Categories));
        addItem.Bind(5, sale * 0.6);
        addItem.Bind(6, sale);
        addItem.Bind(7, Iso(added));
        addItem.Bind(8, sold ? QVariant(Iso(added.addDays(30))) : QVariant());
        addItem.Bind(9, paid ? QVariant(Iso(added.addDays(60))) : QVariant());
        addItem.Bind(10, paid ? QVariant(QStringLiteral("chq %1").arg(i % 997)) : QVariant());
        addItem.Step();
        addItem.Reset();
    }
    transaction.Commit();
}

Connection CreateSampleShop(const QString& path, int consignors, int items)
{
    CreateDatabaseFile(path);
    Connection connection = Connection::Open(path);
    FillSampleShop(connection, consignors, items);
    return connection;
}

}  // namespace mqt
