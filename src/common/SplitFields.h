// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

namespace mqt {

// Cuts a comma-separated list into its pieces; a comma between double quotes
// stays in its piece and the quotes themselves are dropped. Blanks are kept.
// An empty text gives no pieces; a trailing comma gives a final empty piece.
//
// The text is rewritten in place, as the callers rely on: its double quotes
// become tildes and the commas inside quotes grave accents, so a second split
// of the rewritten text gives the same pieces. For the same reason tildes and
// grave accents that were already in the text do not survive: a tilde vanishes
// from its piece and a grave accent becomes a comma.
QStringList SplitFields(QString& text);

}  // namespace mqt
