// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "common/SaleMoney.h"
#include "shell/Grid.h"
#include "shell/MenuEntries.h"
#include "support/ScreenDriver.h"

#include <QComboBox>
#include <QProcess>
#include <QPushButton>
#include <QtTest>

namespace mqt::test {

// Items 1 to 7: five for sale from three consignors, a rent charge and an
// item sold before; commission 30%, no rounding, tax 8.875%.
struct Counter : ScreenDriver {
    explicit Counter(RunningShop& run) : ScreenDriver(Started(Stocked(run)), MenuEntry::Checkout), run(run) {}

    static RunningShop& Stocked(RunningShop& run)
    {
        TempShop& shop = run.shop;
        shop.Exec("INSERT INTO params (Commission, Rounding, PriceOverride, Backup) VALUES (30, 0, 0, ' ')");
        for (const char* last : {"Adams", "Baker", "Clark"}) shop.AddConsignor(last, "Al");
        const QVariant none;
        shop.AddItem("Adams", "Al", "Blue vase", {none, none, 7.0, 10.0, "2024-01-02"});
        shop.AddItem("Adams", "Al", "Brass lamp", {none, none, 14.0, 20.0, "2024-01-02"});
        shop.AddItem("Baker", "Al", "Oak chair", {none, none, 21.0, 30.0, "2024-01-02"});
        shop.AddItem("Baker", "Al", "Pine table", {none, none, 35.0, 50.0, "2024-01-02"});
        shop.AddItem("Clark", "Al", "Mirror", {none, none, 17.5, 25.0, "2024-01-02"});
        shop.AddItem("Clark", "Al", "Rent 01/01/2024", {"$Rent", none, -20.0, none, "2024-01-01", "2024-01-01"});
        shop.AddItem("Clark", "Al", "Old clock", {none, none, 10.0, 15.0, "2024-01-02", "2024-01-05"});
        // A first start brings the file to the counter's schema.
        if (!run.Start()) qFatal("start-up failed");
        shop.Exec("UPDATE params SET TaxRate = 8.875");
        return run;
    }

    void Scan(int itemNo) { Type("txtScan", QString::number(itemNo) + u'\n'); }
    void Pay(PayKind kind, const QString& amount)
    {
        Find<QComboBox>("cboPayKind")->setCurrentIndex(int(kind));
        Type("txtPayAmount", amount);
        Click("cmdAddPayment");
    }
    void Sell(const QList<int>& items, PayKind kind, const QString& amount)
    {
        for (int item : items) Scan(item);
        Pay(kind, amount);
        Click("cmdComplete");
    }
    bool CanComplete() const { return Find<QPushButton>("cmdComplete")->isEnabled(); }
    int Lines() const { return Find<Grid>("Grid")->Rows() - 1; }
    QString Stored(const QString& sql) const { return run.shop.Value(sql).toString(); }
    QString PdfText(const QString& file) const
    {
        QProcess pdftotext;
        pdftotext.start("pdftotext", {"-layout", run.shop.Folder() + u'/' + file, "-"});
        pdftotext.waitForFinished();
        return QString::fromUtf8(pdftotext.readAllStandardOutput());
    }

    RunningShop& run;
};

}  // namespace mqt::test
