// SPDX-License-Identifier: GPL-3.0-or-later
// The consignor screen's window: title and message line, the search row,
// the grid, the entry row under the grid's columns, and the action frame
// beside the notes box.

#include "consignor/frmConsignor.h"

#include "consignor/ConsignorTerms.h"

#include "shell/ClickableLineEdit.h"
#include "shell/ColumnBoxes.h"
#include "shell/Grid.h"
#include "shell/KeepPlace.h"
#include "shell/MessageLine.h"
#include "shell/NamedControl.h"
#include "shell/ReportErrors.h"
#include "shell/SharedValues.h"
#include "shell/Twips.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>

namespace mqt {

namespace {

constexpr char GridFormat[] =
    "<Last Name                 |<First Name      |<Phone Number     |<Email Address                       "
    "|<Street Address                                             |<City                                |<St    "
    "|<Zip                   ";
constexpr std::array<int, 8> ColumnTwips = {1760, 1410, 1680, 2270, 3385, 2010, 440, 1145};
constexpr std::array<const char*, 4> ActionCaptions = {"Add", "Change", "Delete", "Show Items"};

QFont TextFont() { return QFont(QStringLiteral("Times New Roman"), 10); }
QFont LabelFont() { return QFont(QStringLiteral("Georgia"), 10); }

}  // namespace

frmConsignor::frmConsignor(SharedValues& shared, ScreenNavigator& navigator) : shared_(shared), navigator_(navigator)
{
    setObjectName(QStringLiteral("frmConsignor"));
    setWindowTitle(QStringLiteral("MQT - Consignor Maintenance"));

    auto* title = Named(new QLabel(QStringLiteral("Consignor Maintenance")), QStringLiteral("Label4"),
                        QFont(QStringLiteral("Georgia"), 18, QFont::Bold));
    lblMessage_ = new MessageLine(QColor(0, 128, 0));
    cmdMenu_ = Named(new QPushButton(QStringLiteral("Menu")), QStringLiteral("cmdMenu"), LabelFont());
    auto* titleRow = new QHBoxLayout;
    titleRow->addWidget(title);
    titleRow->addSpacing(TwipsToPixels(480));
    titleRow->addWidget(lblMessage_, 1);
    titleRow->addWidget(cmdMenu_);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(TwipsToPixels(240), TwipsToPixels(120), TwipsToPixels(240), TwipsToPixels(240));
    layout->addLayout(titleRow);
    layout->addWidget(BuildSearchRow());
    layout->addWidget(BuildGrid(), 1);
    ColumnBoxes* entryRow = BuildEntryRow();
    layout->addWidget(entryRow);
    layout->addWidget(BuildActionRow());
    entry_.emplace(*entryRow, *txtNotes_, *lblNotes_);

    Connect();
    Form_Load();
}

QWidget* frmConsignor::BuildSearchRow()
{
    auto* row = new QWidget;
    auto* layout = new QGridLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(Named(new QLabel(QStringLiteral("Last name")), QStringLiteral("Label5"), LabelFont()), 0, 0);
    txtShowLastName_ = Named(new ClickableLineEdit, QStringLiteral("txtShowLastName"), TextFont());
    txtShowLastName_->setFixedWidth(TwipsToPixels(1760));
    txtShowFirstName_ = Named(new QLineEdit, QStringLiteral("txtShowFirstName"), TextFont());
    txtShowFirstName_->setFixedWidth(TwipsToPixels(1000));
    cmdShow_ = Named(new QPushButton(QStringLiteral("Show")), QStringLiteral("cmdShow"), LabelFont());
    lblCount_ = Named(new QLabel(QStringLiteral("0")), QStringLiteral("lblCount"), TextFont());
    layout->addWidget(txtShowLastName_, 1, 0);
    layout->addWidget(txtShowFirstName_, 1, 1);
    layout->addWidget(cmdShow_, 1, 2);
    layout->setColumnStretch(3, 1);
    layout->addWidget(Named(new QLabel(QStringLiteral("Count")), QStringLiteral("Label7"), LabelFont()), 1, 4);
    layout->addWidget(lblCount_, 1, 5);
    return row;
}

QWidget* frmConsignor::BuildGrid()
{
    Grid_ = Named(new Grid, QStringLiteral("Grid"), TextFont());
    Grid_->SetFormatString(QLatin1String(GridFormat));
    Grid_->SetRows(10);
    for (int col = 0; col < GridColumnCount; ++col) Grid_->SetColWidth(col, ColumnTwips[std::size_t(col)]);
    Grid_->SetMinimumToShow(10);
    return Grid_;
}

ColumnBoxes* frmConsignor::BuildEntryRow()
{
    QStringList names;
    for (int field = 0; field < GridColumnCount; ++field) names << QStringLiteral("txt") + ConsignorFieldName(field);
    auto* row = new ColumnBoxes(*Grid_, names, TextFont());
    for (int field = 0; field < GridColumnCount; ++field) txtEntry_[std::size_t(field)] = row->Box(field);
    return row;
}

QWidget* frmConsignor::BuildActionRow()
{
    auto* row = new QWidget;
    auto* layout = new QGridLayout(row);
    layout->setContentsMargins(0, TwipsToPixels(120), 0, 0);

    auto* frame = Named(new QGroupBox(QStringLiteral("Action")), QStringLiteral("Frame1"),
                        QFont(QStringLiteral("MS Sans Serif"), 10));
    auto* frameLayout = new QVBoxLayout(frame);
    actions_ = new QButtonGroup(this);
    for (int i = 0; i < int(optAction_.size()); ++i) {
        auto* option = Named(new QRadioButton(QLatin1String(ActionCaptions[std::size_t(i)])),
                             QStringLiteral("optAction(%1)").arg(i), LabelFont());
        actions_->addButton(option, i);
        frameLayout->addWidget(option);
        optAction_[std::size_t(i)] = option;
    }
    cmdUpdate_ = Named(new QPushButton, QStringLiteral("cmdUpdate"), LabelFont());
    lblNotes_ = Named(new QLabel(QStringLiteral(" Notes")), QStringLiteral("lblNotes"), LabelFont());
    txtNotes_ = Named(new QPlainTextEdit, QStringLiteral("txtNotes"), TextFont());
    txtNotes_->setFixedHeight(5 * txtNotes_->fontMetrics().lineSpacing());
    // What becomes of the consignor's items left at the end of the term,
    // below the notes.
    cboConsignorTerms_ = Named(new QComboBox, QStringLiteral("cboConsignorTerms"), LabelFont());
    cboConsignorTerms_->addItems(ConsignorTermsCaptions());
    KeepPlaceWhenHidden({cmdUpdate_, lblNotes_, txtNotes_, cboConsignorTerms_});

    layout->addWidget(frame, 0, 0, 3, 1, Qt::AlignTop);
    layout->addWidget(cmdUpdate_, 0, 1, Qt::AlignTop);
    layout->addWidget(lblNotes_, 0, 2, Qt::AlignBottom);
    layout->addWidget(txtNotes_, 1, 2);
    layout->addWidget(cboConsignorTerms_, 2, 2, Qt::AlignLeft | Qt::AlignTop);
    layout->setColumnStretch(2, 1);
    return row;
}

void frmConsignor::Connect()
{
    connect(cmdShow_, &QPushButton::clicked, this, [this] { Handle(&frmConsignor::cmdShow_Click); });
    connect(txtShowLastName_, &ClickableLineEdit::clicked, this,
            [this] { Handle(&frmConsignor::txtShowLastName_Click); });
    connect(Grid_, &Grid::Click, this, [this] { Handle(&frmConsignor::Grid_Click); });
    connect(actions_, &QButtonGroup::idClicked, this, [this] { Handle(&frmConsignor::ExecAction); });
    connect(cmdUpdate_, &QPushButton::clicked, this, [this] { Handle(&frmConsignor::cmdUpdate_Click); });
    connect(cmdMenu_, &QPushButton::clicked, this, [this] { Handle(&frmConsignor::cmdMenu_Click); });
}

void frmConsignor::Handle(void (frmConsignor::*routine)())
{
    RunReportingErrors(shared_.dialogs, [this, routine] { (this->*routine)(); });
}

}  // namespace mqt
