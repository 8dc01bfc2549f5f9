// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/Screens.h"
#include "consignment/ConsignmentPass.h"
#include "shell/MenuEntries.h"
#include "utility/ShopCopyTools.h"

#include <QPointer>
#include <QWidget>
#include <array>
#include <memory>

class QGroupBox;
class QLabel;

namespace mqt {

class ClickableLabel;
class SafetyCopyCheck;
class SharedValues;

// The main menu: the start-up screen, alive for the whole run. Its load step
// opens the database and prepares what every screen shares; its entries open
// the working screens or run the maintenance utilities. Closing it ends
// the program.
class frmMenu final : public QWidget, public ScreenNavigator {
    Q_OBJECT
public:
    explicit frmMenu(SharedValues& shared);
    ~frmMenu() override;

    // The start-up sequence, before the menu is first shown. Throws
    // StoreError when the database cannot be opened or read.
    void Form_Load();
    // Once the menu is shown: the full check of the day's safety copy that
    // the load step made, on a worker thread.
    void StartSafetyCopyCheck();
    // Once the menu is shown: says what the load step's consignment pass
    // did, and from then on runs the pass again whenever the day changes.
    void TellDailyPass();
    void StartDayWatch();
    // When the date has changed since the last pass: the day's safety copy,
    // then the pass, and what it did.
    void CheckDayChanged();

    // A menu entry (MenuEntry) was chosen: it shows its screen or runs its utility.
    void lblFunction_Click(int entry);

    QWidget* ShowScreen(Screen screen) override;
    QWidget* LoadedScreen(Screen screen) const override;
    void UnloadScreen(Screen screen) override;
    void ShowMenu() override;

signals:
    // The menu was closed: the program ends.
    void Ended();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void ReadSettings();
    // The consignment period's daily pass (RunConsignmentPass).
    void RunDailyPass();
    // What the safety copies, the backup and the restore work with.
    ShopCopyTools CopyTools();
    // Closes the screens in a fixed order and then the menu, which ends the program.
    void EndProgram();

    SharedValues& shared_;
    std::array<ClickableLabel*, MenuEntryCount> lblFunction_{};
    std::array<QPointer<QWidget>, ScreenCount> screens_;
    std::unique_ptr<SafetyCopyCheck> safetyCopyCheck_;
    QDate passDay_;
    PassOutcome passOutcome_;
};

}  // namespace mqt
