// SPDX-License-Identifier: GPL-3.0-or-later
// The checkout screen's window: title, message line and Menu; the scan box
// over the grid of lines with the line buttons; the sums and the payments
// beside them; the buttons for receipts, returns and the day's takings.

#include "checkout/frmCheckout.h"

#include "shell/Grid.h"
#include "shell/MessageLine.h"
#include "shell/NamedControl.h"
#include "shell/ReportErrors.h"
#include "shell/ScreenNavigator.h"
#include "shell/SharedValues.h"
#include "shell/TitleRow.h"
#include "shell/Twips.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

namespace mqt {

namespace {

constexpr char GridFormat[] = "<Item No.    |<Description                          |<Consignor                |>Price        ";

QFont TextFont() { return QFont(QStringLiteral("Times New Roman"), 11); }
QFont LabelFont() { return QFont(QStringLiteral("Georgia"), 10); }
QFont SumFont() { return QFont(QStringLiteral("Georgia"), 12, QFont::Bold); }

QPushButton* NewButton(const QString& name, const QString& caption)
{
    return Named(new QPushButton(caption), name, LabelFont());
}

QLabel* NewSum(const QString& name)
{
    auto* label = Named(new QLabel(QStringLiteral("0.00")), name, SumFont());
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    label->setMinimumWidth(TwipsToPixels(1500));
    return label;
}

}  // namespace

frmCheckout::frmCheckout(SharedValues& shared, ScreenNavigator& navigator) : shared_(shared), navigator_(navigator)
{
    setObjectName(QStringLiteral("frmCheckout"));
    setWindowTitle(QStringLiteral("MQT - Checkout"));
    BuildLayout();
    ConnectControls();
    move(TwipsToPixels(1500), TwipsToPixels(1500));
    ShowSale();
    // A scanner types into whatever has the focus: the scan box has it.
    txtScan_->setFocus();
}

void frmCheckout::BuildLayout()
{
    lblMessage_ = new MessageLine(QColor(0, 64, 0));
    cmdMenu_ = NewButton(QStringLiteral("cmdMenu"), QStringLiteral("Menu"));
    QHBoxLayout* titleRow = TitleRow(cmdMenu_, QStringLiteral("Checkout"), lblMessage_);

    txtScan_ = Named(new QLineEdit, QStringLiteral("txtScan"), SumFont());
    txtScan_->setPlaceholderText(QStringLiteral("Scan a tag or type its number, then Enter"));
    auto* scanRow = new QHBoxLayout;
    scanRow->addWidget(Named(new QLabel(QStringLiteral("Item number")), QStringLiteral("lblScan"), LabelFont()));
    scanRow->addWidget(txtScan_, 1);

    Grid_ = Named(new Grid, QStringLiteral("Grid"), TextFont());
    Grid_->SetFormatString(QLatin1String(GridFormat));
    Grid_->setTabKeyNavigation(false);  // Tab goes on to the buttons, never from cell to cell
    Grid_->setMinimumSize(TwipsToPixels(9000), TwipsToPixels(4500));
    cmdLinePrice_ = NewButton(QStringLiteral("cmdLinePrice"), QStringLiteral("Change price"));
    cmdRemoveLine_ = NewButton(QStringLiteral("cmdRemoveLine"), QStringLiteral("Remove line"));
    auto* lineButtons = new QHBoxLayout;
    lineButtons->addWidget(cmdLinePrice_);
    lineButtons->addWidget(cmdRemoveLine_);
    lineButtons->addStretch();

    auto* left = new QVBoxLayout;
    left->addLayout(scanRow);
    left->addWidget(Grid_, 1);
    left->addLayout(lineButtons);

    auto* right = new QVBoxLayout;
    right->addWidget(BuildPaymentFrame());
    right->addWidget(BuildSideButtons());
    right->addStretch();

    auto* body = new QHBoxLayout;
    body->addLayout(left, 1);
    body->addLayout(right);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(titleRow);
    layout->addLayout(body, 1);
}

QWidget* frmCheckout::BuildPaymentFrame()
{
    auto* frame = Named(new QGroupBox(QStringLiteral("Sale")), QStringLiteral("FrameSale"), LabelFont());
    auto* grid = new QGridLayout(frame);
    lblSubtotal_ = NewSum(QStringLiteral("lblSubtotal"));
    lblTax_ = NewSum(QStringLiteral("lblTax"));
    lblTotal_ = NewSum(QStringLiteral("lblTotal"));
    lblChange_ = NewSum(QStringLiteral("lblChange"));
    lblDue_ = NewSum(QStringLiteral("lblDue"));
    // The payments scroll in a list of their own height, so that the panel
    // never grows and its buttons never move as payments are added.
    lstPayments_ = Named(new QListWidget, QStringLiteral("lstPayments"), LabelFont());
    lstPayments_->setFocusPolicy(Qt::NoFocus);
    lstPayments_->setSelectionMode(QAbstractItemView::NoSelection);
    lstPayments_->setFixedHeight(lstPayments_->fontMetrics().height() * 4 + 2 * lstPayments_->frameWidth() + 4);
    lblTaxCaption_ = Named(new QLabel(QStringLiteral("Tax")), QStringLiteral("lblTaxCaption"), LabelFont());
    int row = 0;
    grid->addWidget(Named(new QLabel(QStringLiteral("Subtotal")), QStringLiteral("Label2"), LabelFont()), row, 0);
    grid->addWidget(lblSubtotal_, row++, 1, 1, 2);
    grid->addWidget(lblTaxCaption_, row, 0);
    grid->addWidget(lblTax_, row++, 1, 1, 2);
    grid->addWidget(Named(new QLabel(QStringLiteral("Total")), QStringLiteral("Label3"), SumFont()), row, 0);
    grid->addWidget(lblTotal_, row++, 1, 1, 2);

    cboPayKind_ = Named(new QComboBox, QStringLiteral("cboPayKind"), LabelFont());
    for (int k = 0; k < PayKindCount; ++k) cboPayKind_->addItem(PayKindName(PayKind(k)));
    txtPayAmount_ = Named(new QLineEdit, QStringLiteral("txtPayAmount"), SumFont());
    txtPayAmount_->setAlignment(Qt::AlignRight);
    cmdAddPayment_ = NewButton(QStringLiteral("cmdAddPayment"), QStringLiteral("Add payment"));
    cmdClearPayments_ = NewButton(QStringLiteral("cmdClearPayments"), QStringLiteral("Clear payments"));
    grid->addWidget(cboPayKind_, row, 0);
    grid->addWidget(txtPayAmount_, row++, 1, 1, 2);
    grid->addWidget(cmdClearPayments_, row, 0);
    grid->addWidget(cmdAddPayment_, row++, 1, 1, 2);
    grid->addWidget(Named(new QLabel(QStringLiteral("Paid")), QStringLiteral("Label4"), LabelFont()), row,
                    0, Qt::AlignTop);
    grid->addWidget(lstPayments_, row++, 1, 1, 2);
    grid->addWidget(Named(new QLabel(QStringLiteral("Still due")), QStringLiteral("lblDueCaption"), LabelFont()), row,
                    0);
    grid->addWidget(lblDue_, row++, 1, 1, 2);
    grid->addWidget(Named(new QLabel(QStringLiteral("Change")), QStringLiteral("Label5"), SumFont()), row, 0);
    grid->addWidget(lblChange_, row++, 1, 1, 2);

    cmdComplete_ = NewButton(QStringLiteral("cmdComplete"), QStringLiteral("Complete sale"));
    cmdComplete_->setFont(SumFont());
    cmdCancelSale_ = NewButton(QStringLiteral("cmdCancelSale"), QStringLiteral("Cancel sale"));
    grid->addWidget(cmdCancelSale_, row, 0);
    grid->addWidget(cmdComplete_, row++, 1, 1, 2);
    return frame;
}

QWidget* frmCheckout::BuildSideButtons()
{
    auto* frame = Named(new QGroupBox(QStringLiteral("Counter")), QStringLiteral("FrameCounter"), LabelFont());
    auto* layout = new QGridLayout(frame);
    cmdReceipt_ = NewButton(QStringLiteral("cmdReceipt"), QStringLiteral("Print receipt"));
    cmdReprint_ = NewButton(QStringLiteral("cmdReprint"), QStringLiteral("Reprint a sale"));
    cmdReturn_ = NewButton(QStringLiteral("cmdReturn"), QStringLiteral("Return an item"));
    cmdTakings_ = NewButton(QStringLiteral("cmdTakings"), QStringLiteral("Day's takings"));
    layout->addWidget(cmdReceipt_, 0, 0);
    layout->addWidget(cmdReprint_, 0, 1);
    layout->addWidget(cmdReturn_, 1, 0);
    layout->addWidget(cmdTakings_, 1, 1);
    return frame;
}

void frmCheckout::ConnectControls()
{
    connect(txtScan_, &QLineEdit::returnPressed, this, [this] { Handle([this] { txtScan_Enter(); }); });
    connect(txtPayAmount_, &QLineEdit::returnPressed, this, [this] { Handle([this] { txtPayAmount_Enter(); }); });
    connect(Grid_, &Grid::Click, this, [this] { Handle([this] { Grid_Click(); }); });
    const std::vector<std::pair<QPushButton*, void (frmCheckout::*)()>> buttons = {
        {cmdLinePrice_, &frmCheckout::cmdLinePrice_Click},   {cmdRemoveLine_, &frmCheckout::cmdRemoveLine_Click},
        {cmdAddPayment_, &frmCheckout::cmdAddPayment_Click}, {cmdClearPayments_, &frmCheckout::cmdClearPayments_Click},
        {cmdComplete_, &frmCheckout::cmdComplete_Click},     {cmdCancelSale_, &frmCheckout::cmdCancelSale_Click},
        {cmdReceipt_, &frmCheckout::cmdReceipt_Click},       {cmdReprint_, &frmCheckout::cmdReprint_Click},
        {cmdReturn_, &frmCheckout::cmdReturn_Click},         {cmdTakings_, &frmCheckout::cmdTakings_Click},
    };
    for (const auto& [button, routine] : buttons)
        connect(button, &QPushButton::clicked, this, [this, routine] { Handle([this, routine] { (this->*routine)(); }); });
    connect(cmdMenu_, &QPushButton::clicked, this, [this] { navigator_.ShowMenu(); });
    SetTabOrder();
}

void frmCheckout::SetTabOrder()
{
    const std::vector<QWidget*> chain = {txtScan_,        cboPayKind_,    txtPayAmount_, cmdAddPayment_, cmdComplete_,
                                         cmdClearPayments_, cmdCancelSale_, Grid_,         cmdLinePrice_,  cmdRemoveLine_,
                                         cmdReceipt_,     cmdReprint_,    cmdReturn_,    cmdTakings_,    cmdMenu_};
    for (std::size_t i = 1; i < chain.size(); ++i) setTabOrder(chain[i - 1], chain[i]);
}

void frmCheckout::Handle(const std::function<void()>& routine)
{
    RunReportingErrors(shared_.dialogs, routine);
    // A box the action showed may have taken the keyboard with it when it
    // closed, where no window manager hands it back (a counter kiosk).
    if (!isActiveWindow()) activateWindow();
    txtScan_->setFocus();
}

}  // namespace mqt
