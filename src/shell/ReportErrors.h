// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>

namespace mqt {

class Dialogs;

// How many more times an action runs by itself while the shop's server
// cannot be reached, before the user is asked.
inline constexpr int ServerRetries = 3;

// Runs one user action. A database or run-time failure inside it stops the
// action where it happened and is shown in the error box with its own text.
// When the shop's server cannot be reached the action runs again by itself,
// up to ServerRetries times within a few seconds; then the error box offers
// Retry, which runs it again, and Cancel, which gives it up. Returns false
// when the action failed or was given up.
bool RunReportingErrors(Dialogs& dialogs, const std::function<void()>& action);

}  // namespace mqt
