// SPDX-License-Identifier: GPL-3.0-or-later
// The End of Term screen's window: title, message line and Menu; the days
// box over the grid of items; the buttons for the actions and the lists.

#include "terms/frmTerms.h"

#include "shell/Grid.h"
#include "shell/MessageLine.h"
#include "shell/NamedControl.h"
#include "shell/ScreenNavigator.h"
#include "shell/TitleRow.h"
#include "shell/Twips.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace mqt {

namespace {

constexpr char GridFormat[] = "<Consignor                |>Item No.  |<Description                     |>Price      "
                              "|<Date Added  |<Status                     |<Action                          ";
constexpr int MostDaysAhead = 365;

QFont TextFont() { return QFont(QStringLiteral("Times New Roman"), 11); }
QFont LabelFont() { return QFont(QStringLiteral("Georgia"), 10); }

QPushButton* NewButton(const QString& name, const QString& caption)
{
    return Named(new QPushButton(caption), name, LabelFont());
}

}  // namespace

void frmTerms::BuildLayout()
{
    lblMessage_ = new MessageLine(QColor(0, 64, 0));
    lblMessage_->setObjectName(QStringLiteral("lblMessage"));
    cmdMenu_ = NewButton(QStringLiteral("cmdMenu"), QStringLiteral("Menu"));
    QHBoxLayout* titleRow = TitleRow(cmdMenu_, QStringLiteral("End of Term"), lblMessage_);

    txtWithinDays_ = Named(new QSpinBox, QStringLiteral("txtWithinDays"), LabelFont());
    txtWithinDays_->setRange(0, MostDaysAhead);
    auto* daysRow = new QHBoxLayout;
    daysRow->addWidget(Named(new QLabel(QStringLiteral("Also list items whose term ends within")),
                             QStringLiteral("lblWithinDays"), LabelFont()));
    daysRow->addWidget(txtWithinDays_);
    daysRow->addWidget(Named(new QLabel(QStringLiteral("days")), QStringLiteral("lblDays"), LabelFont()));
    daysRow->addStretch();

    Grid_ = Named(new Grid, QStringLiteral("Grid"), TextFont());
    Grid_->SetFormatString(QLatin1String(GridFormat));
    Grid_->setTabKeyNavigation(false);
    Grid_->setMinimumSize(TwipsToPixels(12600), TwipsToPixels(4500));

    cmdReturned_ = NewButton(QStringLiteral("cmdReturned"), QStringLiteral("Returned"));
    cmdDonated_ = NewButton(QStringLiteral("cmdDonated"), QStringLiteral("Donated"));
    cmdShopStock_ = NewButton(QStringLiteral("cmdShopStock"), QStringLiteral("Shop's stock"));
    cmdPickupList_ = NewButton(QStringLiteral("cmdPickupList"), QStringLiteral("Pick-up list"));
    cmdDonationList_ = NewButton(QStringLiteral("cmdDonationList"), QStringLiteral("Donation list"));
    auto* buttons = new QHBoxLayout;
    for (QPushButton* button : {cmdReturned_, cmdDonated_, cmdShopStock_}) buttons->addWidget(button);
    buttons->addSpacing(TwipsToPixels(480));
    for (QPushButton* button : {cmdPickupList_, cmdDonationList_}) buttons->addWidget(button);
    buttons->addStretch();

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(titleRow);
    layout->addLayout(daysRow);
    layout->addWidget(Grid_, 1);
    layout->addLayout(buttons);
}

void frmTerms::ConnectControls()
{
    connect(cmdMenu_, &QPushButton::clicked, this, [this] { navigator_.ShowMenu(); });
    connect(txtWithinDays_, &QSpinBox::valueChanged, this, [this] { Handle([this] { ReadList(); }); });
    connect(Grid_, &Grid::Click, this, [this] { Grid_Click(); });
    connect(cmdReturned_, &QPushButton::clicked, this, [this] { Handle([this] { cmdReturned_Click(); }); });
    connect(cmdDonated_, &QPushButton::clicked, this, [this] { Handle([this] { cmdDonated_Click(); }); });
    connect(cmdShopStock_, &QPushButton::clicked, this, [this] { Handle([this] { cmdShopStock_Click(); }); });
    connect(cmdPickupList_, &QPushButton::clicked, this, [this] { Handle([this] { cmdPickupList_Click(); }); });
    connect(cmdDonationList_, &QPushButton::clicked, this, [this] { Handle([this] { cmdDonationList_Click(); }); });
}

}  // namespace mqt
