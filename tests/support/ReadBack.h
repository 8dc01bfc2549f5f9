// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QString>
#include <QStringList>

namespace mqt::test {

// Runs a tool that reads a written document back (pdftotext, pdfinfo,
// pdftoppm from poppler-utils; zbarimg from zbar-tools) and gives its output.
// A tool that is missing or ends with an exit code not listed ends the test
// program (zbarimg ends with 4 when it finds no barcode).
QString ReadBack(const QString& tool, const QStringList& arguments, const QList<int>& exitCodes = {0});

}  // namespace mqt::test
