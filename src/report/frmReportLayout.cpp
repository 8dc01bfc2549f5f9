// SPDX-License-Identifier: GPL-3.0-or-later
// The report screen's window: the buttons, check boxes, title and advanced
// search at the top, the selection boxes each above its grid column, and
// the grid.

#include "report/frmReport.h"

#include "common/DateText.h"
#include "shell/ColumnBoxes.h"
#include "shell/Grid.h"
#include "shell/NamedControl.h"
#include "shell/ReportErrors.h"
#include "shell/SharedValues.h"
#include "shell/Twips.h"

#include <QCheckBox>
#include <QDate>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace mqt {

namespace {

constexpr char GridFormat[] =
    "<Last Name                 |<First Name              |<Item Description                                  "
    "|<Category            |<Subcategory      |>Cost Price      |>Sale Price     |^Date Added     "
    "|^Date Sold          |^Date Paid       |<Pay Ref.      |>Count  ";
constexpr std::array<int, 11> ColumnTwips = {1695, 1475, 3375, 1240, 1240, 1060, 1000, 1180, 1180, 1180, 975};
constexpr int VisibleRows = 15;

QFont Font(const char* family, qreal points, QFont::Weight weight = QFont::Normal)
{
    QFont font{QString::fromLatin1(family)};
    font.setPointSizeF(points);
    font.setWeight(weight);
    return font;
}

QFont ButtonFont() { return Font("Georgia", 9.75, QFont::Bold); }
QFont LabelFont() { return Font("Georgia", 9.75); }
QFont TextFont() { return Font("Times New Roman", 12); }

QPushButton* Button(const char* caption, const char* name)
{
    auto* button = Named(new QPushButton(QLatin1String(caption)), QLatin1String(name), ButtonFont());
    button->setFixedSize(TwipsToPixels(1215), TwipsToPixels(375));
    return button;
}

}  // namespace

frmReport::frmReport(SharedValues& shared, ScreenNavigator& navigator) : shared_(shared), navigator_(navigator)
{
    setObjectName(QStringLiteral("frmReport"));
    setWindowTitle(QStringLiteral("MQT - Item Report"));

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(TwipsToPixels(120), TwipsToPixels(120), TwipsToPixels(120), TwipsToPixels(120));
    QWidget* grid = BuildGrid();  // first: the selection boxes take its column widths
    layout->addWidget(BuildHead());
    layout->addWidget(BuildSelectionRow());
    layout->addWidget(grid, 1);

    Connect();
    Form_Load();
}

QWidget* frmReport::BuildHead()
{
    auto* head = new QWidget;
    auto* layout = new QGridLayout(head);
    layout->setContentsMargins(0, 0, 0, 0);

    cmdMenu_ = Button("Menu", "cmdMenu");
    cmdItem_ = Button("Item", "cmdItem");
    cmdShow_ = Button("Show", "cmdShow");
    layout->addWidget(cmdMenu_, 0, 0);
    layout->addWidget(cmdItem_, 1, 0);
    layout->setRowMinimumHeight(2, TwipsToPixels(300));
    layout->addWidget(cmdShow_, 3, 0);
    layout->setColumnMinimumWidth(1, TwipsToPixels(1300));

    const auto checkBox = [&](QCheckBox*& box, const char* name, const char* caption, const char* labelName, int row) {
        box = Named(new QCheckBox, QLatin1String(name), LabelFont());
        auto* label = Named(new QLabel(QLatin1String(caption)), QLatin1String(labelName), LabelFont());
        auto* line = new QHBoxLayout;
        line->addWidget(box);
        line->addWidget(label);
        line->addStretch();
        layout->addLayout(line, row, 2);
    };
    checkBox(chkSummary_, "chkSummary", "Summary", "Suma", 1);
    checkBox(chkTotals_, "chkTotals", "Show Detail Totals", "Label2", 2);
    checkBox(chkPrint_, "chkPrint", "Send to Print File", "Label3", 3);

    auto* title = Named(new QLabel(QStringLiteral("Item Report")), QStringLiteral("Label4"),
                        Font("Georgia", 18, QFont::Bold));
    layout->addWidget(title, 0, 3, 2, 1, Qt::AlignCenter);
    layout->setColumnStretch(3, 1);

    layout->addWidget(Named(new QLabel(QStringLiteral("Advanced Search")), QStringLiteral("Label1"), LabelFont()), 0, 4,
                      Qt::AlignBottom | Qt::AlignHCenter);
    txtSearch_ = Named(new QLineEdit, QStringLiteral("txtSearch"), TextFont());
    txtSearch_->setFixedWidth(TwipsToPixels(2775));
    layout->addWidget(txtSearch_, 1, 4, Qt::AlignTop);
    layout->setColumnMinimumWidth(5, TwipsToPixels(1200));
    return head;
}

QWidget* frmReport::BuildGrid()
{
    Grid_ = Named(new Grid, QStringLiteral("Grid"), TextFont());
    Grid_->SetFormatString(QLatin1String(GridFormat));
    // The "Count" column keeps the width its heading gives it.
    for (int col = 0; col < SelectionCount; ++col) {
        Grid_->SetColWidth(col, ColumnTwips[std::size_t(col)]);
        // A date column shows the widest date whole.
        if (shared_.ItemColumns.ColumnTypes[std::size_t(ReportItemColumn(col))] == u'D')
            Grid_->FitColumnToText(col, FormatShortDate(QDate(2088, 12, 28)));
    }
    Grid_->SetMinimumToShow(VisibleRows);
    return Grid_;
}

QWidget* frmReport::BuildSelectionRow()
{
    QStringList names;
    for (int i = 0; i < SelectionCount; ++i) names << QStringLiteral("txtSelect(%1)").arg(i);
    auto* row = new ColumnBoxes(*Grid_, names, TextFont());
    for (int i = 0; i < SelectionCount; ++i) txtSelect_[std::size_t(i)] = row->Box(i);
    return row;
}

void frmReport::Connect()
{
    connect(cmdShow_, &QPushButton::clicked, this, [this] { Handle(&frmReport::cmdShow_Click); });
    connect(txtSearch_, &QLineEdit::returnPressed, this, [this] { Handle(&frmReport::cmdShow_Click); });
    connect(Grid_, &Grid::Click, this, [this] { Handle(&frmReport::Grid_Click); });
    connect(Grid_, &Grid::DblClick, this, [this] { Handle(&frmReport::Grid_DblClick); });
    connect(cmdItem_, &QPushButton::clicked, this, [this] { Handle(&frmReport::cmdItem_Click); });
    connect(cmdMenu_, &QPushButton::clicked, this, [this] { Handle(&frmReport::cmdMenu_Click); });
}

void frmReport::Handle(void (frmReport::*routine)())
{
    RunReportingErrors(shared_.dialogs, [this, routine] { (this->*routine)(); });
}

}  // namespace mqt
