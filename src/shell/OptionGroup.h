// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QButtonGroup;

namespace mqt {

// Sets every option of an action group off. An exclusive group keeps one
// option on, so the group lets go of that for a moment.
void SetOptionsOff(QButtonGroup& options);

}  // namespace mqt
