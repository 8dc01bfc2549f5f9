// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDate>
#include <QString>

namespace mqt {

// The date shortcut of the date boxes: a text beginning with "today" (any letter
// case) becomes today plus n days as "mm/dd/yy", n being the number after the
// fifth character rounded to a whole number, ties to the even one ("today+7",
// "today-1"; no number is 0). The caller removes blanks first.
// A day offset beyond a 16-bit signed integer, or a day the calendar cannot hold,
// leaves the text as it is, so the box's date check refuses it. Any other text is
// returned unchanged.
QString ExpandToday(const QString& text, const QDate& today);

}  // namespace mqt
