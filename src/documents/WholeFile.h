// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <functional>

class QIODevice;

namespace mqt {

// Writes a file in full or not at all: `write` fills a working file beside
// it, which takes the file's name only when everything was written. The
// folder is made when needed. Returns why the file could not be written
// ("the folder cannot be made", the system's reason); empty when it was. A file of that name already in place stays as
// it was on failure.
QString WriteWholeFile(const QString& path, const std::function<bool(QIODevice& device)>& write);

}  // namespace mqt
