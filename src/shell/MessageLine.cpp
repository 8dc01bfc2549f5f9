// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/MessageLine.h"

namespace mqt {

MessageLine::MessageLine(QColor successColour, QWidget* parent) : QLabel(parent), successColour_(successColour)
{
    setObjectName(QStringLiteral("lblMessage"));
    setFont(QFont(QStringLiteral("MS Sans Serif"), 10));
}

void MessageLine::Show(const QString& text, QColor colour)
{
    QPalette palette = this->palette();
    palette.setColor(QPalette::WindowText, colour);
    setPalette(palette);
    setText(text);
}

}  // namespace mqt
