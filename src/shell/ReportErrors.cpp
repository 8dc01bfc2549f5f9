// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/ReportErrors.h"

#include "common/Dialogs.h"
#include "store/StoreError.h"

namespace mqt {

bool RunReportingErrors(Dialogs& dialogs, const std::function<void()>& action)
{
    try {
        action();
        return true;
    } catch (const StoreError& error) {
        dialogs.ShowError(error.Message());
    } catch (const std::exception& error) {
        dialogs.ShowError(QString::fromLocal8Bit(error.what()));
    }
    return false;
}

}  // namespace mqt
