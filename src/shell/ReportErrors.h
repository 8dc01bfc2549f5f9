// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>

namespace mqt {

class Dialogs;

// Runs one user action. A database or run-time failure inside it stops the
// action where it happened and is shown in the error box with its own text.
// Returns false when the action failed.
bool RunReportingErrors(Dialogs& dialogs, const std::function<void()>& action);

}  // namespace mqt
