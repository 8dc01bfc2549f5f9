// SPDX-License-Identifier: GPL-3.0-or-later
#include "terms/frmTerms.h"

#include "common/Clock.h"
#include "common/DateText.h"
#include "common/Dialogs.h"
#include "documents/PageSetup.h"
#include "documents/TermsFiles.h"
#include "shell/Grid.h"
#include "shell/MessageLine.h"
#include "shell/ReportErrors.h"
#include "shell/SharedValues.h"
#include "shell/Twips.h"

#include <QDir>
#include <QSpinBox>

namespace mqt {

namespace {

enum Column { ConsignorCol, ItemNoCol, DescriptionCol, PriceCol, AddedCol, StatusCol, ActionCol };

// "Ended", or "Ends 3/1/2027" for an item whose term is not over yet.
QString StatusText(const TermItem& item)
{
    return item.ended ? QStringLiteral("Ended") : QStringLiteral("Ends ") + FormatShortDate(item.termEnds);
}

}  // namespace

frmTerms::frmTerms(SharedValues& shared, ScreenNavigator& navigator) : shared_(shared), navigator_(navigator)
{
    setObjectName(QStringLiteral("frmTerms"));
    setWindowTitle(QStringLiteral("MQT - End of Term"));
    BuildLayout();
    ConnectControls();
    move(TwipsToPixels(1500), TwipsToPixels(1500));
    Handle([this] { ReadList(); });
}

void frmTerms::Handle(const std::function<void()>& routine) { RunReportingErrors(shared_.dialogs, routine); }

void frmTerms::ReadList()
{
    items_ = ReadTermItems(shared_.database.connection(), shared_.clock.Today(), txtWithinDays_->value());
    chosen_.assign(items_.size(), false);
    ShowList();
}

void frmTerms::ShowList()
{
    Grid_->SetRows(1);
    Grid_->SetRows(int(items_.size()) + 1);
    for (std::size_t r = 0; r < items_.size(); ++r) {
        const TermItem& item = items_[r];
        const int row = int(r) + 1;
        // A consignor's name heads their first row alone.
        const bool first = r == 0 || items_[r - 1].read.lastName != item.read.lastName ||
                           items_[r - 1].read.firstName != item.read.firstName;
        Grid_->SetTextMatrix(row, ConsignorCol,
                             first ? item.read.lastName + QStringLiteral(", ") + item.read.firstName : QString());
        Grid_->SetTextMatrix(row, ItemNoCol, QString::number(item.itemNo));
        Grid_->SetTextMatrix(row, DescriptionCol, item.description);
        Grid_->SetTextMatrix(row, PriceCol, item.price ? FormatCents(*item.price) : QString());
        Grid_->SetTextMatrix(row, AddedCol, item.dateAdded.isValid() ? FormatShortDate(item.dateAdded) : QString());
        Grid_->SetTextMatrix(row, StatusCol, StatusText(item));
        Grid_->SetTextMatrix(row, ActionCol, EndOfTermCaption(item.agreed));
        Grid_->PaintRow(row, RowWhite);
    }
    Grid_->PaintRow(0, RowPaleRed);
    Grid_->SetRow(0);
}

void frmTerms::Grid_Click()
{
    const int row = Grid_->Row();
    if (row < 1 || row > int(items_.size())) return;
    const std::size_t index = std::size_t(row - 1);
    chosen_[index] = !chosen_[index];
    Grid_->PaintRow(row, chosen_[index] ? RowYellow : RowWhite);
}

std::vector<TermItem> frmTerms::ChosenItems() const
{
    std::vector<TermItem> chosen;
    for (std::size_t i = 0; i < items_.size(); ++i)
        if (chosen_[i]) chosen.push_back(items_[i]);
    return chosen;
}

void frmTerms::Apply(EndOfTermAction action)
{
    const std::vector<TermItem> chosen = ChosenItems();
    if (chosen.empty()) {
        lblMessage_->ShowFailure(QStringLiteral("Choose the items first: click their rows"));
        return;
    }
    if (shared_.dialogs.AskYesNo(EndOfTermQuestion(chosen, action)) != Yes) return;
    const TermOutcome outcome = ApplyEndOfTerm(shared_.database.connection(), chosen, action, shared_.clock.Today());
    ReadList();
    if (!outcome.refusal.isEmpty()) {
        shared_.dialogs.ShowError(outcome.refusal);
        lblMessage_->ShowFailure(outcome.refusal);
        return;
    }
    lblMessage_->ShowSuccess(QStringLiteral("%1 %2 marked: %3")
                                 .arg(chosen.size())
                                 .arg(chosen.size() == 1 ? QStringLiteral("item") : QStringLiteral("items"),
                                      EndOfTermCaption(action)));
}

void frmTerms::cmdPickupList_Click()
{
    // The consignor of the first chosen row, else of the current row.
    const TermItem* of = nullptr;
    for (std::size_t i = 0; i < items_.size() && !of; ++i)
        if (chosen_[i]) of = &items_[i];
    const int row = Grid_->Row();
    if (!of && row >= 1 && row <= int(items_.size())) of = &items_[std::size_t(row - 1)];
    if (!of) {
        lblMessage_->ShowFailure(QStringLiteral("Click a row of the consignor whose list to write"));
        return;
    }
    const WrittenDocument written =
        WritePickupList(shared_.database.connection(), of->read.lastName, of->read.firstName, items_,
                        shared_.ProgramFolder, shared_.clock.Today(), LocalePaperSize(QLocale()));
    if (!written.written) {
        shared_.dialogs.ShowError(written.error);
        return;
    }
    lblMessage_->ShowSuccess(QStringLiteral("Pick-up list written to %1").arg(QDir::toNativeSeparators(written.path)));
}

void frmTerms::cmdDonationList_Click()
{
    const WrittenDocument written = WriteDonationList(shared_.database.connection(), shared_.ProgramFolder,
                                                      shared_.clock.Today(), LocalePaperSize(QLocale()));
    if (!written.written) {
        shared_.dialogs.ShowError(written.error);
        return;
    }
    lblMessage_->ShowSuccess(QStringLiteral("Donation list written to %1").arg(QDir::toNativeSeparators(written.path)));
}

}  // namespace mqt
