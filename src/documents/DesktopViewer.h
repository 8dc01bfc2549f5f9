// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <functional>

namespace mqt {

// Shows a written document (a PDF) to the user.
using DocumentViewer = std::function<void(const QString& path)>;

// Opens the file with the desktop's viewer, where there is one; nothing on a
// platform without a screen.
void OpenWithDesktopViewer(const QString& path);

}  // namespace mqt
