// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace mqt {

// A part of a file name that every file system takes: characters that some
// file system refuses ("/", "\", ":", "*", "?", double quote, "<", ">", "|"
// and control characters) become "_", blanks around it go, and a part longer
// than `limit` is shortened (never in the middle of a character). An empty
// part becomes "_". Other characters stay as they are.
QString SafeFileNamePart(const QString& text, int limit);

// A whole file name made of safe parts, made safe as a whole: a leading dot
// and a device name such as "CON" or "LPT1" get a "_" in front, trailing dots
// and blanks go.
QString SafeFileName(QString name);

}  // namespace mqt
