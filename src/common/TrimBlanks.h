// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringView>

namespace mqt {

// The text without its leading and trailing blanks (the space character only;
// tabs and other white space stay).
QStringView TrimBlanks(QStringView text);

}  // namespace mqt
