// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace mqt {

// Prepares a text for a quoted SQL literal: trims surrounding blanks (the
// space character only), collapses each run of apostrophes into one and then
// doubles every apostrophe. The caller adds the enclosing apostrophes.
QString SqlQuote(const QString& value);

}  // namespace mqt
