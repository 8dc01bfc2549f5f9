// SPDX-License-Identifier: GPL-3.0-or-later
#include "params/TermsFrame.h"

#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>

namespace mqt {

namespace {

enum MarkdownColumn { Category, Days, Percent, ColumnCount };

// A whole number from 0 up, blanks around it allowed; empty text is 0.
std::optional<int> WholeDays(const QString& text)
{
    const QString trimmed = text.trimmed();
    if (trimmed.isEmpty()) return 0;
    bool ok = false;
    const int days = trimmed.toInt(&ok);
    if (!ok || days < 0) return std::nullopt;
    return days;
}

// A cell's whole number; 0 when it holds none, which the markdown rows'
// check refuses with its own message.
int CellNumber(const QTableWidgetItem* cell)
{
    if (!cell) return 0;
    bool ok = false;
    const int number = cell->text().trimmed().toInt(&ok);
    return ok ? number : 0;
}

QString CellText(const QTableWidgetItem* cell) { return cell ? cell->text().trimmed() : QString(); }

}  // namespace

TermsFrame::TermsFrame(QWidget* parent) : QGroupBox(QStringLiteral("Consignment period"), parent)
{
    setObjectName(QStringLiteral("fraTerms"));
    txtTermDays_ = new QLineEdit;
    txtTermDays_->setObjectName(QStringLiteral("txtTermDays"));
    txtGraceDays_ = new QLineEdit;
    txtGraceDays_->setObjectName(QStringLiteral("txtGraceDays"));
    cboEndOfTerm_ = new QComboBox;
    cboEndOfTerm_->setObjectName(QStringLiteral("cboEndOfTerm"));
    cboEndOfTerm_->addItems(EndOfTermCaptions());

    tblMarkdowns_ = new QTableWidget(0, ColumnCount);
    tblMarkdowns_->setObjectName(QStringLiteral("tblMarkdowns"));
    tblMarkdowns_->setHorizontalHeaderLabels({QStringLiteral("Category"), QStringLiteral("Days"),
                                              QStringLiteral("% off")});
    tblMarkdowns_->horizontalHeader()->setSectionResizeMode(Category, QHeaderView::Stretch);
    tblMarkdowns_->setSelectionBehavior(QAbstractItemView::SelectRows);
    tblMarkdowns_->setSelectionMode(QAbstractItemView::SingleSelection);
    cmdAddMarkdown_ = new QPushButton(QStringLiteral("Add markdown"));
    cmdAddMarkdown_->setObjectName(QStringLiteral("cmdAddMarkdown"));
    cmdRemoveMarkdown_ = new QPushButton(QStringLiteral("Remove markdown"));
    cmdRemoveMarkdown_->setObjectName(QStringLiteral("cmdRemoveMarkdown"));
    for (QPushButton* button : {cmdAddMarkdown_, cmdRemoveMarkdown_}) button->setAutoDefault(false);

    auto* boxes = new QFormLayout;
    boxes->addRow(QStringLiteral("Term days (0: none)"), txtTermDays_);
    boxes->addRow(QStringLiteral("Grace days"), txtGraceDays_);
    boxes->addRow(QStringLiteral("At the end"), cboEndOfTerm_);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(cmdAddMarkdown_);
    buttons->addWidget(cmdRemoveMarkdown_);
    buttons->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(boxes);
    layout->addWidget(tblMarkdowns_, 1);
    layout->addLayout(buttons);

    connect(cmdAddMarkdown_, &QPushButton::clicked, this, [this] { cmdAddMarkdown_Click(); });
    connect(cmdRemoveMarkdown_, &QPushButton::clicked, this, [this] { cmdRemoveMarkdown_Click(); });
}

void TermsFrame::Fill(const ConsignmentTerms& terms)
{
    txtTermDays_->setText(QString::number(terms.termDays));
    txtGraceDays_->setText(QString::number(terms.graceDays));
    cboEndOfTerm_->setCurrentIndex(int(terms.action));
    tblMarkdowns_->setRowCount(0);
    for (const MarkdownRow& markdown : terms.markdowns) {
        const int row = tblMarkdowns_->rowCount();
        tblMarkdowns_->insertRow(row);
        tblMarkdowns_->setItem(row, Category, new QTableWidgetItem(markdown.category));
        tblMarkdowns_->setItem(row, Days, new QTableWidgetItem(QString::number(markdown.days)));
        tblMarkdowns_->setItem(row, Percent, new QTableWidgetItem(QString::number(markdown.percent)));
    }
}

TermsFrame::Entry TermsFrame::Read() const
{
    Entry entry;
    const std::optional<int> termDays = WholeDays(txtTermDays_->text());
    const std::optional<int> graceDays = WholeDays(txtGraceDays_->text());
    if (!termDays) {
        entry.fault = QStringLiteral("Term days must be a whole number of days from 0 up (0: no period)");
        return entry;
    }
    if (!graceDays) {
        entry.fault = QStringLiteral("Grace days must be a whole number of days from 0 up");
        return entry;
    }
    entry.terms.termDays = *termDays;
    entry.terms.graceDays = *graceDays;
    entry.terms.action = EndOfTermAction(std::max(0, cboEndOfTerm_->currentIndex()));
    for (int row = 0; row < tblMarkdowns_->rowCount(); ++row)
        entry.terms.markdowns.push_back({CellText(tblMarkdowns_->item(row, Category)),
                                         CellNumber(tblMarkdowns_->item(row, Days)),
                                         CellNumber(tblMarkdowns_->item(row, Percent))});
    entry.fault = MarkdownRowsFault(entry.terms.markdowns);
    return entry;
}

std::vector<QWidget*> TermsFrame::TabOrder() const
{
    return {txtTermDays_, txtGraceDays_, cboEndOfTerm_, tblMarkdowns_, cmdAddMarkdown_, cmdRemoveMarkdown_};
}

// The new row's category is edited first, then its days and percent.
void TermsFrame::cmdAddMarkdown_Click()
{
    const int row = tblMarkdowns_->rowCount();
    tblMarkdowns_->insertRow(row);
    for (int column = 0; column < ColumnCount; ++column) tblMarkdowns_->setItem(row, column, new QTableWidgetItem);
    tblMarkdowns_->setCurrentCell(row, Category);
    tblMarkdowns_->setFocus();
    tblMarkdowns_->editItem(tblMarkdowns_->item(row, Category));
}

void TermsFrame::cmdRemoveMarkdown_Click()
{
    const int row = tblMarkdowns_->currentRow();
    if (row >= 0) tblMarkdowns_->removeRow(row);
}

}  // namespace mqt
