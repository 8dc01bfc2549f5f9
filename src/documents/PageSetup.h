// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLocale>
#include <QMarginsF>
#include <QPageSize>
#include <QString>

class QPagedPaintDevice;
class QPdfWriter;

namespace mqt {

// Letter where the locale measures in US units, A4 everywhere else.
QPageSize LocalePaperSize(const QLocale& locale);

// Sets a PDF writer or a printer up for a document: upright pages of the
// size, with margins in points; the painter's origin is the margins' corner.
// With no margins at all the painter's origin is the page's own corner, also
// on a printer that keeps least margins of its own, so labels land where the
// sheet has them. False when the device refuses the page.
bool SetUpPages(QPagedPaintDevice& device, const QPageSize& pageSize, const QMarginsF& marginsPt);

// Names a PDF: its title, and the program as its maker.
void NamePdf(QPdfWriter& writer, const QString& title);

}  // namespace mqt
