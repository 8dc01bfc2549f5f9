// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/ClickableLabel.h"

#include <QMouseEvent>

namespace mqt {

void ClickableLabel::mouseReleaseEvent(QMouseEvent* event)
{
    QLabel::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) emit clicked();
}

}  // namespace mqt
