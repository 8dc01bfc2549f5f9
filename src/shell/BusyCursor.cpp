// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/BusyCursor.h"

#include <QCursor>
#include <QGuiApplication>

namespace mqt {

BusyCursor::BusyCursor() : shown_(qobject_cast<QGuiApplication*>(QCoreApplication::instance()) != nullptr)
{
    if (shown_) QGuiApplication::setOverrideCursor(Qt::WaitCursor);
}

BusyCursor::~BusyCursor()
{
    if (shown_) QGuiApplication::restoreOverrideCursor();
}

}  // namespace mqt
