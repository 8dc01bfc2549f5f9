// SPDX-License-Identifier: GPL-3.0-or-later
#include "documents/WholeFile.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>

namespace mqt {

QString WriteWholeFile(const QString& path, const std::function<bool(QIODevice& device)>& write)
{
    const QString folder = QFileInfo(path).absolutePath();
    if (!QDir().mkpath(folder)) return QStringLiteral("the folder cannot be made");
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) return file.errorString();
    if (!write(file) || file.error() != QFileDevice::NoError) {
        const QString reason = file.error() != QFileDevice::NoError ? file.errorString()
                                                                     : QStringLiteral("the document cannot be drawn");
        file.cancelWriting();
        return reason;
    }
    if (!file.commit()) return file.errorString();
    return {};
}

}  // namespace mqt
