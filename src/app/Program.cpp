// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/Program.h"

#include "common/Dialogs.h"
#include "shell/ReportErrors.h"
#include "store/Database.h"
#include "store/StoreError.h"

#include <QDir>
#include <QFileInfo>

namespace mqt {

namespace {

// For a folder that holds no shop, what the user can do about it; empty for
// a shop's folder.
QString NoShopHelp(const QString& folder)
{
    if (FolderHoldsShop(folder)) return {};
    return QStringLiteral("\nThere is no shop in %1. Start marquill-launcher to create a shop, or give --shop FOLDER")
        .arg(folder);
}

}  // namespace

Program::Program(const QString& programFolder, Dialogs& dialogs, const Clock& clock, CommandRunner& commands)
    : lock_(programFolder), shared_(programFolder, dialogs, clock, commands),
      menu_(std::make_unique<frmMenu>(shared_))
{
}

bool Program::Start()
{
    // A folder that is not there holds no shop to guard; the start-up below
    // says so.
    if (QFileInfo(shared_.ProgramFolder).isDir()) {
        if (const QString why = lock_.Take(); !why.isEmpty()) {
            shared_.dialogs.ShowError(why);
            return false;
        }
    }
    const bool started = RunReportingErrors(shared_.dialogs, [this] {
        try {
            menu_->Form_Load();
        } catch (const StoreError& error) {
            const QString help = NoShopHelp(shared_.ProgramFolder);
            if (help.isEmpty()) throw;
            throw StoreError(error.Message() + help);
        }
    });
    if (!started) {
        shared_.database.Close();
        lock_.Release();
        return false;
    }
    menu_->show();
    menu_->StartSafetyCopyCheck();
    menu_->TellDailyPass();
    menu_->StartDayWatch();
    return true;
}

}  // namespace mqt
