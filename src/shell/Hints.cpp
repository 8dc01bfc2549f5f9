// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/Hints.h"

#include <QWidget>

namespace mqt {

void SetHint(QWidget& window, const QString& objectName, const QString& hint)
{
    if (QWidget* control = window.findChild<QWidget*>(objectName)) control->setToolTip(hint);
}

}  // namespace mqt
