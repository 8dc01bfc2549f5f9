// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFont>
#include <QString>

namespace mqt {

// A control of a screen with its name (which tests find it by) and font.
template <typename Widget>
Widget* Named(Widget* widget, const QString& name, const QFont& font)
{
    widget->setObjectName(name);
    widget->setFont(font);
    return widget;
}

}  // namespace mqt
