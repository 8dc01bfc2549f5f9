// SPDX-License-Identifier: GPL-3.0-or-later
#include "params/frmParams.h"

#include "common/Dialogs.h"
#include "common/SaleMoney.h"
#include "common/Val.h"
#include "params/BackupBoxes.h"
#include "params/CommissionEntry.h"
#include "params/TermsFrame.h"
#include "shell/ReportErrors.h"
#include "shell/SharedValues.h"
#include "shell/Twips.h"
#include "store/Connection.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <charconv>

namespace mqt {

namespace {

QFont BoxFont()
{
    QFont font(QStringLiteral("Times New Roman"));
    font.setPointSizeF(14.25);
    return font;
}

QLabel* NewLabel(const QString& name, const QString& caption, QWidget* parent)
{
    auto* label = new QLabel(caption, parent);
    label->setObjectName(name);
    return label;
}

QLineEdit* NewBox(const QString& name, int widthTwips, QWidget* parent)
{
    auto* box = new QLineEdit(parent);
    box->setObjectName(name);
    box->setFont(BoxFont());
    box->setFixedWidth(TwipsToPixels(widthTwips));
    return box;
}

// The shortest decimal text that reads back as the same single-precision
// value: 0.25, 1, 0.
QString ShortestText(float value)
{
    char text[64];
    const auto result = std::to_chars(text, text + sizeof text, value, std::chars_format::fixed);
    return QString::fromLatin1(text, int(result.ptr - text));
}

}  // namespace

frmParams::frmParams(SharedValues& shared) : shared_(shared)
{
    setObjectName(QStringLiteral("frmParams"));
    setWindowTitle(QStringLiteral("Marquill Tracking System"));

    auto* layout = new QGridLayout(this);
    layout->setContentsMargins(TwipsToPixels(480), TwipsToPixels(240), TwipsToPixels(480), TwipsToPixels(360));
    layout->setHorizontalSpacing(TwipsToPixels(240));

    auto* title = NewLabel(QStringLiteral("Label1"), QStringLiteral("Parameters"), this);
    title->setFont(QFont(QStringLiteral("Georgia"), 18, QFont::Bold));
    title->setAlignment(Qt::AlignHCenter);
    layout->addWidget(title, 0, 0, 1, 2);

    txtCommission_ = NewBox(QStringLiteral("txtCommission"), 975, this);
    layout->addWidget(NewLabel(QStringLiteral("Label2"), QStringLiteral("Commission     %"), this), 1, 0);
    layout->addWidget(txtCommission_, 1, 1);
    txtRounding_ = NewBox(QStringLiteral("txtRounding"), 975, this);
    layout->addWidget(NewLabel(QStringLiteral("Label3"), QStringLiteral("Round to nearest   $"), this), 2, 0);
    layout->addWidget(txtRounding_, 2, 1);
    chkPriceOverride_ = new QCheckBox(this);
    chkPriceOverride_->setObjectName(QStringLiteral("chkPriceOverride"));
    layout->addWidget(NewLabel(QStringLiteral("Label6"), QStringLiteral("Override Price"), this), 3, 0);
    layout->addWidget(chkPriceOverride_, 3, 1, Qt::AlignLeft);

    auto* heading = NewLabel(QStringLiteral("Label4"), QStringLiteral("Backup Location"), this);
    heading->setFont(QFont(QStringLiteral("Georgia"), 12, QFont::Bold));
    layout->addWidget(heading, 4, 0, 1, 2);
    txtDrive_ = NewBox(QStringLiteral("txtDrive"), 495, this);
    layout->addWidget(NewLabel(QStringLiteral("Label5"), QStringLiteral("Drive"), this), 5, 0);
    layout->addWidget(txtDrive_, 5, 1);
    for (int i = 0; i < BackupBoxes::FolderCount; ++i) {
        txtFolder_[std::size_t(i)] = NewBox(QStringLiteral("txtFolder(%1)").arg(i), 2775, this);
        layout->addWidget(
            NewLabel(QStringLiteral("lblFolder%1").arg(i + 1), QStringLiteral("Folder %1").arg(i + 1), this), 6 + i, 0);
        layout->addWidget(txtFolder_[std::size_t(i)], 6 + i, 1);
    }

    // The counter's sales tax, below the specified settings.
    txtTaxRate_ = NewBox(QStringLiteral("txtTaxRate"), 975, this);
    layout->addWidget(NewLabel(QStringLiteral("lblTaxRate"), QStringLiteral("Sales tax     %"), this),
                      6 + BackupBoxes::FolderCount, 0);
    layout->addWidget(txtTaxRate_, 6 + BackupBoxes::FolderCount, 1);

    cmdUpdate_ = new QPushButton(QStringLiteral("Update"), this);
    cmdUpdate_->setObjectName(QStringLiteral("cmdUpdate"));
    cmdUpdate_->setFont(QFont(QStringLiteral("Georgia"), 10, QFont::Bold));
    // Enter in a box never stores the screen: only a click, or a space while
    // Update itself has the focus, does.
    cmdUpdate_->setAutoDefault(false);
    cmdUpdate_->setDefault(false);
    AddShopBoxes(*layout, 7 + BackupBoxes::FolderCount);
    layout->addWidget(cmdUpdate_, 9 + BackupBoxes::FolderCount, 0, 1, 2, Qt::AlignHCenter);
    // The consignment period stands to the right of the specified settings.
    fraTerms_ = new TermsFrame(this);
    layout->addWidget(fraTerms_, 1, 2, 8 + BackupBoxes::FolderCount, 1);
    connect(cmdUpdate_, &QPushButton::clicked, this,
            [this] { RunReportingErrors(shared_.dialogs, [this] { cmdUpdate_Click(); }); });

    SetTabOrder();
    Form_Load();
}

// Top to bottom as the boxes stand, Update last.
void frmParams::SetTabOrder()
{
    std::vector<QWidget*> order{txtCommission_, txtRounding_, chkPriceOverride_, txtDrive_};
    order.insert(order.end(), txtFolder_.begin(), txtFolder_.end());
    order.push_back(txtTaxRate_);
    order.push_back(txtShopName_);
    order.push_back(txtShopAddress_);
    order.push_back(cmdUpdate_);
    // The frame beside them comes after Update.
    for (QWidget* control : fraTerms_->TabOrder()) order.push_back(control);
    for (std::size_t i = 1; i < order.size(); ++i) setTabOrder(order[i - 1], order[i]);
}

void frmParams::Form_Load()
{
    const ShopSettings& settings = shared_.Settings;
    txtCommission_->setText(QString::number(settings.Commission));
    txtRounding_->setText(ShortestText(settings.Rounding));
    chkPriceOverride_->setChecked(settings.PriceOverride);
    const BackupBoxes backup = SplitBackup(settings.Backup);
    txtDrive_->setText(backup.drive);
    for (std::size_t i = 0; i < txtFolder_.size(); ++i) txtFolder_[i]->setText(backup.folders[i]);
    FillShopBoxes();
    txtTaxRate_->setText(FormatTaxRate(settings.TaxRate));
    LoadedTerms_ = ReadConsignmentTerms(shared_.database.connection());
    fraTerms_->Fill(LoadedTerms_);
}

void frmParams::cmdUpdate_Click()
{
    if (!IsNumber(txtCommission_->text())) {
        shared_.dialogs.ShowError(QStringLiteral("Commission must be a number"));
        return;
    }
    if (!IsNumber(txtRounding_->text())) {
        shared_.dialogs.ShowError(QStringLiteral("Round to nearest must be a number of dollars"));
        return;
    }
    const std::optional<std::int16_t> commission = ReadCommission(txtCommission_->text());
    if (!commission) {
        shared_.dialogs.ShowError(QLatin1String(CommissionRangeMessage));
        return;
    }
    const std::optional<int> taxRate = ReadTaxRate(txtTaxRate_->text());
    if (!taxRate) {
        shared_.dialogs.ShowError(QLatin1String(TaxRateRangeMessage));
        return;
    }
    BackupBoxes boxes;
    boxes.drive = txtDrive_->text();
    for (std::size_t i = 0; i < txtFolder_.size(); ++i) boxes.folders[i] = txtFolder_[i]->text();
    if (const std::optional<int> box = FolderWithComma(boxes)) {
        shared_.dialogs.ShowError(QStringLiteral("Folder %1 holds a comma: a folder name cannot hold one")
                                      .arg(*box + 1));
        txtFolder_[std::size_t(*box)]->setFocus();
        return;
    }
    const TermsFrame::Entry terms = fraTerms_->Read();
    if (!terms.fault.isEmpty()) {
        shared_.dialogs.ShowError(terms.fault);
        return;
    }

    ShopSettings settings;
    settings.Commission = *commission;
    settings.PriceOverride = chkPriceOverride_->isChecked();
    settings.Rounding = float(Val(txtRounding_->text()));
    settings.Backup = BuildBackup(boxes);
    settings.TaxRate = *taxRate;

    // The settings and the terms stand or fall together.
    Transaction transaction(shared_.database.connection());
    Recordset& params = shared_.Data1.Recordset();
    params.MoveFirst();
    params.Edit();
    params.Fields(QStringLiteral("Commission")).SetValue(int(settings.Commission));
    params.Fields(QStringLiteral("Rounding")).SetValue(double(settings.Rounding));
    params.Fields(QStringLiteral("PriceOverride")).SetValue(settings.PriceOverride);
    // The location is kept as typed: folder names on this file system tell
    // upper from lower case, and a backup made today must be found by a
    // restore after the next start-up.
    params.Fields(QStringLiteral("Backup")).SetValue(settings.Backup);
    TakeShopBoxes(params);
    params.Fields(QStringLiteral("TaxRate")).SetValue(TaxRatePercent(settings.TaxRate));
    StoreTerms(params, terms.terms);
    params.Update();
    transaction.Commit();
    LoadedTerms_ = terms.terms;
    shared_.Settings = settings;
    close();
}

void frmParams::StoreTerms(Recordset& params, const ConsignmentTerms& terms)
{
    params.Fields(QStringLiteral("TermDays")).SetValue(terms.termDays);
    params.Fields(QStringLiteral("GraceDays")).SetValue(terms.graceDays);
    params.Fields(QStringLiteral("EndOfTerm")).SetValue(EndOfTermCode(terms.action));
    if (terms == LoadedTerms_) return;
    WriteMarkdownRows(shared_.database.connection(), terms.markdowns);
    ForgetConsignmentPass(shared_.database.connection());
}

}  // namespace mqt
