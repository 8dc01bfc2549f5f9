// SPDX-License-Identifier: GPL-3.0-or-later
#include "documents/PageSetup.h"

#include <QPageLayout>
#include <QPdfWriter>

namespace mqt {

QPageSize LocalePaperSize(const QLocale& locale)
{
    return QPageSize(locale.measurementSystem() == QLocale::ImperialUSSystem ? QPageSize::Letter : QPageSize::A4);
}

bool SetUpPages(QPagedPaintDevice& device, const QPageSize& pageSize, const QMarginsF& marginsPt)
{
    QPageLayout layout(pageSize, QPageLayout::Portrait, marginsPt, QPageLayout::Point);
    if (marginsPt.isNull()) layout.setMode(QPageLayout::FullPageMode);
    return device.setPageLayout(layout);
}

void NamePdf(QPdfWriter& writer, const QString& title)
{
    writer.setTitle(title);
    writer.setCreator(QStringLiteral("Marquill"));
}

}  // namespace mqt
