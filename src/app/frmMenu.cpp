// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/frmMenu.h"

#include "common/Clock.h"
#include "common/Dialogs.h"
#include "common/SaleMoney.h"
#include "common/Val.h"
#include "consignment/ConsignmentPass.h"
#include "shell/ClickableLabel.h"
#include "shell/ReportErrors.h"
#include "shell/SharedValues.h"
#include "shell/Twips.h"
#include "store/Migration.h"
#include "store/ShopFiles.h"
#include "store/StoreError.h"
#include "utility/BackupRestore.h"
#include "utility/ChargeRent.h"
#include "utility/DeletePaidItems.h"
#include "utility/SafetyCopies.h"

#include <QApplication>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QGroupBox>
#include <QLabel>
#include <QTimer>
#include <QVBoxLayout>
#include <algorithm>

namespace mqt {

namespace {

constexpr std::array<const char*, 4> FrameCaptions = {"File Maintenance", "Reports", "Utility Functions", "Counter"};
static_assert(std::ranges::all_of(MenuEntries, [](const MenuEntryShown& shown) {
                  return shown.frame >= 0 && shown.frame < int(FrameCaptions.size());
              }),
              "every menu entry is listed in one of the frames");

// The counter's frame below the first three makes the window this much
// taller, and its End of Term entry taller again.
constexpr int CounterFrameTwips = 1455;
constexpr int EndOfTermEntryTwips = 435;

// How often an open program looks whether the day has changed.
constexpr int DayCheckMs = 60 * 1000;

}  // namespace

frmMenu::frmMenu(SharedValues& shared) : shared_(shared)
{
    setObjectName(QStringLiteral("frmMenu"));
    setWindowTitle(QStringLiteral("MQT - Menu"));
    setMinimumSize(TwipsToPixels(7830), TwipsToPixels(8235 + CounterFrameTwips + EndOfTermEntryTwips));

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(TwipsToPixels(600), TwipsToPixels(360), TwipsToPixels(600), TwipsToPixels(360));
    layout->setSpacing(TwipsToPixels(480));

    auto* title = new QLabel(QStringLiteral("Menu"), this);
    title->setObjectName(QStringLiteral("Label1"));
    title->setFont(QFont(QStringLiteral("Georgia"), 18, QFont::Bold));
    title->setAlignment(Qt::AlignHCenter);
    layout->addWidget(title);

    std::array<QVBoxLayout*, FrameCaptions.size()> frameLayouts{};
    for (std::size_t f = 0; f < FrameCaptions.size(); ++f) {
        auto* frame = new QGroupBox(QLatin1String(FrameCaptions[f]), this);
        frame->setObjectName(QStringLiteral("Frame%1").arg(f + 1));
        QFont frameFont(QStringLiteral("MS Sans Serif"));
        frameFont.setPointSizeF(9.75);
        frame->setFont(frameFont);
        frameLayouts[f] = new QVBoxLayout(frame);
        frameLayouts[f]->setContentsMargins(TwipsToPixels(360), TwipsToPixels(240), TwipsToPixels(360),
                                            TwipsToPixels(240));
        layout->addWidget(frame);
    }
    layout->addStretch();

    for (const MenuEntryShown& shown : MenuEntries) {
        const int entry = shown.entry;
        auto* label = new ClickableLabel(QLatin1String(shown.caption));
        label->setObjectName(QStringLiteral("lblFunction(%1)").arg(entry));
        QFont entryFont(QStringLiteral("Georgia"));
        entryFont.setPointSizeF(14.25);
        label->setFont(entryFont);
        label->setCursor(Qt::PointingHandCursor);
        frameLayouts[std::size_t(shown.frame)]->addWidget(label);
        connect(label, &ClickableLabel::clicked, this, [this, entry] { lblFunction_Click(entry); });
        lblFunction_[std::size_t(entry)] = label;
    }
}

frmMenu::~frmMenu()
{
    for (QPointer<QWidget>& screen : screens_) delete screen.data();
}

void frmMenu::Form_Load()
{
    move(TwipsToPixels(200), TwipsToPixels(200));
    shared_.DatabasePath = shared_.ProgramFolder + u'/' + QLatin1String(ShopFileName);

    shared_.database.OpenShop(shared_.ProgramFolder);
    CheckDatabaseAtStartUp(shared_.database.connection(), shared_.ProgramFolder);
    shared_.Data1.DatabaseName(shared_.database);
    shared_.Data1.RecordSource(QStringLiteral("select * from params"));
    shared_.Data1.Refresh();
    safetyCopyCheck_ = MakeDailySafetyCopy(CopyTools());
    // An older file is brought up to date once the day's copy holds it as it
    // was; the settings are read again with the fields it gained.
    MigrateSchema(shared_.database.connection());
    shared_.Data1.Refresh();
    ReadSettings();

    shared_.Data2.DatabaseName(shared_.database);
    shared_.Data3.DatabaseName(shared_.database);
    shared_.ItemColumns = BuildItemColumns();
    ChargeRent(shared_.database.connection(), shared_.Data2, shared_.Data3, shared_.dialogs, shared_.clock,
               shared_.CurrentLastName, shared_.CurrentFirstName);
    RunDailyPass();
}

void frmMenu::RunDailyPass()
{
    passDay_ = shared_.clock.Today();
    const ShopSettings& settings = shared_.Settings;
    passOutcome_ = RunConsignmentPass(shared_.database.connection(), shared_.clock.Now(),
                                      {settings.Commission, settings.Rounding, settings.PriceOverride});
}

void frmMenu::TellDailyPass()
{
    const QString told = PassOutcomeText(passOutcome_);
    passOutcome_ = {};
    if (!told.isEmpty()) shared_.dialogs.ShowMessage(told);
}

void frmMenu::StartDayWatch()
{
    auto* watch = new QTimer(this);
    watch->setObjectName(QStringLiteral("dayWatch"));
    connect(watch, &QTimer::timeout, this, &frmMenu::CheckDayChanged);
    watch->start(DayCheckMs);
}

void frmMenu::CheckDayChanged()
{
    if (shared_.clock.Today() == passDay_) return;
    // A question or message open now may belong to work in progress on the
    // shop: the pass waits for the next look.
    if (QApplication::activeModalWidget()) return;
    // A counter left open overnight: the new day's copy first, then its pass.
    RunReportingErrors(shared_.dialogs, [this] {
        safetyCopyCheck_ = MakeDailySafetyCopy(CopyTools());
        StartSafetyCopyCheck();
        RunDailyPass();
    });
    passDay_ = shared_.clock.Today();
    TellDailyPass();
}

ShopCopyTools frmMenu::CopyTools()
{
    return {shared_.database, shared_.commands, shared_.dialogs, shared_.clock, shared_.ProgramFolder};
}

void frmMenu::StartSafetyCopyCheck()
{
    if (safetyCopyCheck_) safetyCopyCheck_->Start();
}

void frmMenu::ReadSettings()
{
    Recordset& params = shared_.Data1.Recordset();
    if (params.Eof()) {
        shared_.Settings = ShopSettings();
        params.AddNew();
        params.Fields(QStringLiteral("Commission")).SetValue(0);
        params.Fields(QStringLiteral("Rounding")).SetValue(0.0);
        params.Fields(QStringLiteral("PriceOverride")).SetValue(false);
        params.Fields(QStringLiteral("Backup")).SetValue(QStringLiteral(" "));
        params.Update();
        // Read the new row back, so Data1 stands on it as on a stored one.
        shared_.Data1.Refresh();
        return;
    }
    params.MoveFirst();
    const QVariant commission = params.Fields(QStringLiteral("Commission")).Value();
    const std::optional<std::int16_t> percent = RoundToInt16(commission.toDouble());
    if (!percent)
        throw StoreError(QStringLiteral("The commission %1 in the params table is out of range").arg(commission.toString()));
    shared_.Settings.Commission = *percent;
    shared_.Settings.Rounding = params.Fields(QStringLiteral("Rounding")).Value().toFloat();
    shared_.Settings.PriceOverride = params.Fields(QStringLiteral("PriceOverride")).Value().toBool();
    shared_.Settings.Backup = params.Fields(QStringLiteral("Backup")).Text();
    shared_.Settings.TaxRate = TaxRateOfPercent(params.Fields(QStringLiteral("TaxRate")).Value().toDouble());
}

void frmMenu::lblFunction_Click(int entry)
{
    if (const std::optional<Screen> screen = ScreenOfMenuEntry(entry)) {
        ShowScreen(*screen);
        return;
    }
    RunReportingErrors(shared_.dialogs, [this, entry] {
        switch (entry) {
        case MenuEntry::Backup:
            BackupDatabase(CopyTools(), shared_.Settings.Backup);
            break;
        case MenuEntry::Restore:
            if (RestoreDatabase(CopyTools(), shared_.Settings.Backup)) EndProgram();
            break;
        case MenuEntry::DeletePaidItems:
            DeletePaidItems(shared_.database.connection(), shared_.Data3, shared_.dialogs, shared_.clock,
                            [this] { return SafetyCopyBefore(CopyTools(), SafetyReason::BeforePurge); });
            break;
        }
    });
}

void frmMenu::EndProgram()
{
    for (Screen screen :
         {Screen::Terms, Screen::Checkout, Screen::Item, Screen::Report, Screen::Params, Screen::Consignor})
        UnloadScreen(screen);
    close();
}

QWidget* frmMenu::ShowScreen(Screen screen)
{
    QPointer<QWidget>& slot = screens_[std::size_t(screen)];
    if (!slot) {
        slot = CreateScreen(screen, shared_, *this);
        if (!slot) return nullptr;
        slot->setAttribute(Qt::WA_DeleteOnClose);
    }
    slot->show();
    slot->raise();
    slot->activateWindow();
    return slot;
}

QWidget* frmMenu::LoadedScreen(Screen screen) const { return screens_[std::size_t(screen)]; }

void frmMenu::UnloadScreen(Screen screen)
{
    QPointer<QWidget>& slot = screens_[std::size_t(screen)];
    if (!slot) return;
    QWidget* window = slot;
    slot.clear();
    window->close();  // deletes itself on close
}

void frmMenu::ShowMenu()
{
    show();
    raise();
    activateWindow();
}

void frmMenu::closeEvent(QCloseEvent* event)
{
    // A screen holding work not yet written (the counter's open sale) may
    // keep the program running; then the program ends at once.
    for (QPointer<QWidget>& screen : screens_) {
        if (!screen) continue;
        QCloseEvent asked;
        QCoreApplication::sendEvent(screen, &asked);
        if (!asked.isAccepted()) {
            event->ignore();
            return;
        }
    }
    for (QPointer<QWidget>& screen : screens_) delete screen.data();
    event->accept();
    emit Ended();
}

}  // namespace mqt
