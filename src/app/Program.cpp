// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/Program.h"

#include "shell/ReportErrors.h"

namespace mqt {

Program::Program(const QString& programFolder, Dialogs& dialogs, const Clock& clock, CommandRunner& commands)
    : shared_(programFolder, dialogs, clock, commands), menu_(std::make_unique<frmMenu>(shared_))
{
}

bool Program::Start()
{
    if (!RunReportingErrors(shared_.dialogs, [this] { menu_->Form_Load(); })) {
        shared_.database.Close();
        return false;
    }
    menu_->show();
    menu_->StartSafetyCopyCheck();
    return true;
}

}  // namespace mqt
