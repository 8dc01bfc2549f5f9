// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/ClickableLineEdit.h"

#include <QMouseEvent>

namespace mqt {

void ClickableLineEdit::mouseReleaseEvent(QMouseEvent* event)
{
    QLineEdit::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) emit clicked();
}

}  // namespace mqt
