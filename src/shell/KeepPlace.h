// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QSizePolicy>
#include <QWidget>

namespace mqt {

// The control keeps its place in the layout while hidden, so showing and
// hiding it moves no other control and never resizes the window.
inline void KeepPlaceWhenHidden(QWidget* control)
{
    QSizePolicy policy = control->sizePolicy();
    policy.setRetainSizeWhenHidden(true);
    control->setSizePolicy(policy);
}

}  // namespace mqt
