// SPDX-License-Identifier: GPL-3.0-or-later
#include "documents/DesktopViewer.h"

#include <QDesktopServices>
#include <QGuiApplication>
#include <QUrl>

namespace mqt {

void OpenWithDesktopViewer(const QString& path)
{
    // Without a screen (the offscreen platform the tests run on) there is no
    // one to show it to.
    if (QGuiApplication::platformName() == u"offscreen" || QGuiApplication::platformName() == u"minimal") return;
    QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}

}  // namespace mqt
