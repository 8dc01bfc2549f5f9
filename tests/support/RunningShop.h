// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/Program.h"
#include "support/FixedClock.h"
#include "support/RecordingRunner.h"
#include "support/ScriptedDialogs.h"
#include "support/TempShop.h"
#include "utility/BackupRestore.h"

#include <QFile>
#include <QTest>

#include <memory>

namespace mqt::test {

// A shop folder with a program that can be started in it, several times over
// as a shop starts its program day after day.
struct RunningShop {
    explicit RunningShop(bool createDatabase = true) : shop(createDatabase) {}
    explicit RunningShop(TempShop::FirstSchema first) : shop(first) {}
    // A second till of the server shop that `first` runs on.
    RunningShop(TempShop::AnotherTill, const RunningShop& first) : shop(TempShop::AnotherTill{}, first.shop) {}

    // Starts a new program in the folder, ending the one before.
    bool Start()
    {
        program.reset();
        program = std::make_unique<Program>(shop.Folder(), dialogs, clock, runner);
        return program->Start();
    }
    SharedValues& Shared() { return program->Shared(); }
    // What the running program's copies, backup and restore work with.
    ShopCopyTools CopyTools()
    {
        SharedValues& shared = Shared();
        return {shared.database, shared.commands, shared.dialogs, shared.clock, shared.ProgramFolder};
    }
    // Puts the real helper commands of backup and restore into the shop
    // folder, and lets every command run.
    void InstallHelperCommands()
    {
        for (const char* command : {MakeFolderCommand, CopyFileCommand}) {
            const QString name = QLatin1String(command);
            QFile::remove(shop.Folder() + u'/' + name);
            QVERIFY(QFile::copy(QStringLiteral(MQT_PROGRAM_DIR "/") + name, shop.Folder() + u'/' + name));
        }
        runner.passThrough = true;
    }
    frmMenu& Menu() { return program->Menu(); }

    TempShop shop;
    ScriptedDialogs dialogs;
    FixedClock clock;
    RecordingRunner runner;
    std::unique_ptr<Program> program;
};

}  // namespace mqt::test
