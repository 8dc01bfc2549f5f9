// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

class QFontMetricsF;

namespace mqt {

// The text as it fits the width: whole when it does, else its beginning,
// cut between characters as the reader sees them (never inside an accented
// letter or an emoji), followed by "...". Line breaks and runs of blanks
// become one blank.
QString FitText(const QString& text, const QFontMetricsF& metrics, double width);

}  // namespace mqt
