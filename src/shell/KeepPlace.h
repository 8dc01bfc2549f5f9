// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QSizePolicy>
#include <QWidget>
#include <initializer_list>

namespace mqt {

// The controls keep their places in the layout while hidden, so showing and
// hiding them moves no other control and never resizes the window.
inline void KeepPlaceWhenHidden(std::initializer_list<QWidget*> controls)
{
    for (QWidget* control : controls) {
        QSizePolicy policy = control->sizePolicy();
        policy.setRetainSizeWhenHidden(true);
        control->setSizePolicy(policy);
    }
}

}  // namespace mqt
