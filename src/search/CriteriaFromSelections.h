// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "common/ItemColumns.h"

#include <QDate>
#include <QString>
#include <QStringList>

namespace mqt {

// A value as it goes into a criteria term: enclosed in double quotes when it
// holds a comma, so that the comma does not end the term. Double quotes in the
// value are dropped, since a term never keeps them and an odd one would join
// the following terms to this one.
QString CriteriaValue(const QString& value);

// Turns the report's selection boxes, one text per column 1 to
// ReportColumnCount in column order, into a criteria string. Each box, without
// its surrounding blanks, gives:
//   nothing when empty;
//   "x-y": the range from x to y, both ends included (a higher bound below
//          the lower one is raised to it; text bounds compare by code point);
//   "<x", "=x", ">x": less than, equal to, greater than x;
//   anything else: equal to it. In a text column a plain text (no leading
//          "<", "=", ">" and no "-") is the range from the text to the text
//          followed by the largest character, U+10FFFF, so it selects the
//          values that begin with it, in any case and whatever letters follow.
// Each term is preceded by a comma, so a non-empty result begins with one.
QString CriteriaFromSelections(const QStringList& selections, const ItemColumnTable& columns, const QDate& today);

}  // namespace mqt
