// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "SampleShop.h"
#include "store/Connection.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QStringList>

namespace mqt {

// The sample shop a benchmark runs on: "CONSIGNORS ITEMS [SAMPLE]" after the
// benchmark's name, else the benchmark's own sizes. SAMPLE is a shop file of
// these sizes made by mqt-sampleshop; it is copied instead of made anew, as a
// shop of a million items takes minutes to make. A benchmark's own options
// ("--...") and their values come before these.
struct BenchShop {
    int consignors = 0;
    int items = 0;
    QString sample;

    static BenchShop FromArguments(int consignors, int items, int skip = 0)
    {
        const QStringList arguments = QCoreApplication::arguments().mid(1 + skip);
        BenchShop shop{consignors, items, {}};
        if (arguments.size() >= 2) {
            shop.consignors = arguments[0].toInt();
            shop.items = arguments[1].toInt();
        }
        if (arguments.size() >= 3) shop.sample = arguments[2];
        if (shop.consignors <= 0 || shop.items < 0) qFatal("usage: BENCH [CONSIGNORS ITEMS [SAMPLE-SHOP-FILE]]");
        return shop;
    }

    // "10,000 consignors and 1,000,000 items"
    QString Described() const
    {
        return QStringLiteral("%L1 consignors and %L2 items").arg(consignors).arg(items);
    }

    // The shop at `path`, copied from the sample or made, and open.
    Connection Make(const QString& path) const
    {
        if (sample.isEmpty()) return CreateSampleShop(path, consignors, items);
        if (!QFileInfo::exists(sample) || !QFile::copy(sample, path)) qFatal("cannot copy the sample shop");
        return Connection::Open(path);
    }
};

}  // namespace mqt
