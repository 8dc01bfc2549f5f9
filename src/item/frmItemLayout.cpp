// SPDX-License-Identifier: GPL-3.0-or-later
// The item screen's window: title, message line and Menu; the name row; the
// action frame beside the grid; the update button and the entry row under the
// grid's columns; the notes box.

#include "item/frmItem.h"

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
#include <QEvent>
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
    "<Item Description         |<Category            |<Subcategory      |>Cost Price        |>Sale Price         "
    "|^Date Added        |^Date Sold            |^Date Paid           |<Pay Ref. |^Note  ";
// By grid column.
constexpr std::array<const char*, ItemEntryBoxCount> BoxNames = {
    "txtItemDesc", "txtCategory", "txtSubCategory", "txtCostPrice", "txtSalePrice",
    "txtDateAdded", "txtDateSold", "txtDatePaid", "txtPayRef"};

struct Option {
    const char* label;
    const char* caption;
};
constexpr std::array<Option, 5> Options = {
    {{"Label1", "Add"}, {"Label2", "Change"}, {"Label3", "Delete"}, {"Label12", "Pay"}, {"Label6", "Sell"}}};

QFont TextFont() { return QFont(QStringLiteral("Times New Roman"), 10); }
QFont LabelFont() { return QFont(QStringLiteral("Georgia"), 10); }

}  // namespace

frmItem::frmItem(SharedValues& shared, ScreenNavigator& navigator) : shared_(shared), navigator_(navigator)
{
    setObjectName(QStringLiteral("frmItem"));
    setWindowTitle(QStringLiteral("MQT - Item Maintenance"));

    auto* title = Named(new QLabel(QStringLiteral("Item  Maintenance")), QStringLiteral("Label4"),
                        QFont(QStringLiteral("Georgia"), 18, QFont::Bold));
    lblMessage_ = new MessageLine(QColor(0, 64, 0));
    cmdMenu_ = Named(new QPushButton(QStringLiteral("Menu")), QStringLiteral("cmdMenu"), LabelFont());
    titleRow_ = new QHBoxLayout;
    titleRow_->addWidget(cmdMenu_);
    titleRow_->addSpacing(TwipsToPixels(480));
    titleRow_->addWidget(title);
    titleRow_->addSpacing(TwipsToPixels(480));
    titleRow_->addWidget(lblMessage_, 1);
    AddStatementButton();

    auto* body = new QGridLayout;
    body->addWidget(BuildActionFrame(), 0, 0, Qt::AlignTop);
    body->addWidget(BuildGrid(), 0, 1);
    cmdUpdate_ = Named(new QPushButton, QStringLiteral("cmdUpdate"), LabelFont());
    body->addWidget(cmdUpdate_, 1, 0);
    ColumnBoxes* entryRow = BuildEntryRow();
    body->addWidget(entryRow, 1, 1);
    lblNotes_ = Named(new QLabel(QStringLiteral(" Notes")), QStringLiteral("lblNotes"), LabelFont());
    txtNotes_ = Named(new QPlainTextEdit, QStringLiteral("txtNotes"), TextFont());
    txtNotes_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    txtNotes_->setFixedHeight(4 * txtNotes_->fontMetrics().lineSpacing());
    txtNotes_->installEventFilter(this);
    KeepPlaceWhenHidden({cmdUpdate_, lblNotes_, txtNotes_});
    body->addWidget(lblNotes_, 2, 0, Qt::AlignRight | Qt::AlignTop);
    body->addWidget(txtNotes_, 2, 1);
    entry_.emplace(*entryRow, *txtNotes_, *lblNotes_);
    body->setRowStretch(0, 1);
    body->setColumnStretch(1, 1);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(TwipsToPixels(240), TwipsToPixels(120), TwipsToPixels(240), TwipsToPixels(240));
    layout->addLayout(titleRow_);
    layout->addWidget(BuildNameRow());
    layout->addLayout(body, 1);

    AddItemNumberControls(*body);
    AddTagsButton();
    AddPriceHistoryNote();
    SetTabOrder();
    Connect();
    Form_Load();
}

QWidget* frmItem::BuildNameRow()
{
    auto* row = new QWidget;
    auto* layout = new QGridLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    cmdShow_ = Named(new QPushButton(QStringLiteral("Show")), QStringLiteral("cmdShow"), LabelFont());
    txtLastName_ = Named(new ClickableLineEdit, QStringLiteral("txtLastName"), TextFont());
    txtLastName_->setFixedWidth(TwipsToPixels(2400));
    txtFirstName_ = Named(new ClickableLineEdit, QStringLiteral("txtFirstName"), TextFont());
    txtFirstName_->setFixedWidth(TwipsToPixels(1800));
    lblCount_ = Named(new QLabel(QStringLiteral("0")), QStringLiteral("lblCount"), TextFont());
    layout->addWidget(Named(new QLabel(QStringLiteral("Last Name")), QStringLiteral("Label5"), LabelFont()), 0, 1);
    layout->addWidget(Named(new QLabel(QStringLiteral("First Name")), QStringLiteral("Label9"), LabelFont()), 0, 2);
    layout->addWidget(cmdShow_, 1, 0);
    layout->addWidget(txtLastName_, 1, 1);
    layout->addWidget(txtFirstName_, 1, 2);
    layout->setColumnStretch(3, 1);
    layout->addWidget(Named(new QLabel(QStringLiteral("Count")), QStringLiteral("Label7"), LabelFont()), 1, 4);
    layout->addWidget(lblCount_, 1, 5);
    return row;
}

QWidget* frmItem::BuildActionFrame()
{
    auto* frame = Named(new QGroupBox(QStringLiteral("Action")), QStringLiteral("Frame1"),
                        QFont(QStringLiteral("MS Sans Serif"), 10));
    auto* layout = new QGridLayout(frame);
    actions_ = new QButtonGroup(this);
    for (int i = 0; i < int(optAction_.size()); ++i) {
        auto* option = Named(new QRadioButton, QStringLiteral("optAction(%1)").arg(i), LabelFont());
        actions_->addButton(option, i);
        layout->addWidget(option, i, 0);
        const Option& design = Options[std::size_t(i)];
        layout->addWidget(Named(new QLabel(QLatin1String(design.caption)), QLatin1String(design.label), LabelFont()),
                          i, 1);
        optAction_[std::size_t(i)] = option;
    }
    return frame;
}

QWidget* frmItem::BuildGrid()
{
    Grid_ = Named(new Grid, QStringLiteral("Grid"), TextFont());
    Grid_->SetFormatString(QLatin1String(GridFormat));
    Grid_->SetRows(18);
    Grid_->PaintRow(0, RowPaleRed);
    return Grid_;
}

ColumnBoxes* frmItem::BuildEntryRow()
{
    QStringList names;
    for (const char* name : BoxNames) names << QLatin1String(name);
    auto* row = new ColumnBoxes(*Grid_, names, TextFont());
    for (int column = ItemColumn::ItemDesc; column < ItemColumn::Notes; ++column) {
        QLineEdit* box = row->Box(ItemGridColumn(column));
        if (column == ItemColumn::CostPrice || column == ItemColumn::SalePrice)
            box->setAlignment(Qt::AlignRight);
        else if (column >= ItemColumn::DateAdded && column <= ItemColumn::DatePaid)
            box->setAlignment(Qt::AlignHCenter);
        box->installEventFilter(this);
        txtEntry_[std::size_t(ItemGridColumn(column))] = box;
    }
    return row;
}

void frmItem::SetTabOrder()
{
    QWidget* previous = txtLastName_;
    const auto next = [&previous](QWidget* widget) {
        setTabOrder(previous, widget);
        previous = widget;
    };
    next(txtFirstName_);
    for (QLineEdit* box : txtEntry_) next(box);
    next(cmdUpdate_);
    next(txtNotes_);
}

void frmItem::Connect()
{
    connect(cmdShow_, &QPushButton::clicked, this, [this] { Handle([this] { cmdShow_Click(); }); });
    connect(txtLastName_, &ClickableLineEdit::clicked, this, [this] { Handle([this] { txtLastName_Click(); }); });
    connect(txtFirstName_, &ClickableLineEdit::clicked, this, [this] { Handle([this] { txtFirstName_Click(); }); });
    connect(Grid_, &Grid::Click, this, [this] { Handle([this] { Grid_Click(); }); });
    connect(actions_, &QButtonGroup::idClicked, this, [this] { Handle([this] { ExecAction(); }); });
    connect(cmdUpdate_, &QPushButton::clicked, this, [this] { Handle([this] { cmdUpdate_Click(); }); });
    connect(cmdMenu_, &QPushButton::clicked, this, [this] { Handle([this] { cmdMenu_Click(); }); });
}

void frmItem::Handle(const std::function<void()>& routine) { RunReportingErrors(shared_.dialogs, routine); }

// Leaving an entry box runs its leave routine. Focus that goes to another
// window (an error box, another screen) has not left the box.
bool frmItem::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::FocusOut) {
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason) {
            for (int column = ItemColumn::ItemDesc; column < ItemColumn::Notes; ++column)
                if (watched == Box(column)) Handle([this, column] { LeaveBox(column); });
            if (watched == txtNotes_) Handle([this] { LeaveBox(ItemColumn::Notes); });
        }
    }
    return QWidget::eventFilter(watched, event);
}

}  // namespace mqt
