// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/ColumnBoxes.h"

#include "shell/Grid.h"
#include "shell/NamedControl.h"

#include <QEvent>
#include <QHeaderView>
#include <QLineEdit>
#include <QRegion>
#include <QScrollBar>

namespace mqt {

ColumnBoxes::ColumnBoxes(Grid& grid, const QStringList& names, const QFont& font) : grid_(grid)
{
    for (const QString& name : names) boxes_.push_back(Named(new QLineEdit(this), name, font));
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);

    QHeaderView* header = grid_.horizontalHeader();
    connect(header, &QHeaderView::sectionResized, this, &ColumnBoxes::Place);
    connect(header, &QHeaderView::geometriesChanged, this, &ColumnBoxes::Place);
    connect(grid_.horizontalScrollBar(), &QScrollBar::valueChanged, this, &ColumnBoxes::Place);
    grid_.installEventFilter(this);
}

void ColumnBoxes::SetBoxesVisible(bool visible)
{
    for (QLineEdit* box : boxes_) box->setVisible(visible);
}

QSize ColumnBoxes::sizeHint() const
{
    int width = 2 * grid_.frameWidth();
    for (int col = 0; col < int(boxes_.size()); ++col) width += grid_.horizontalHeader()->sectionSize(col);
    return {width, minimumSizeHint().height()};
}

QSize ColumnBoxes::minimumSizeHint() const { return {0, boxes_.empty() ? 0 : boxes_.front()->sizeHint().height()}; }

bool ColumnBoxes::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == &grid_ && (event->type() == QEvent::Move || event->type() == QEvent::Resize)) Place();
    return QWidget::eventFilter(watched, event);
}

void ColumnBoxes::moveEvent(QMoveEvent* event)
{
    QWidget::moveEvent(event);
    Place();
}

void ColumnBoxes::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    Place();
}

void ColumnBoxes::Place()
{
    QWidget* top = window();
    if (grid_.window() != top) return;  // not yet in the window beside the grid
    const QHeaderView* header = grid_.horizontalHeader();
    // Where the grid's cells begin (inside its frame), in this row's coordinates.
    const int left = grid_.mapTo(top, QPoint()).x() + grid_.frameWidth() - mapTo(top, QPoint()).x();
    const int height = minimumSizeHint().height();
    for (int col = 0; col < int(boxes_.size()); ++col)
        boxes_[std::size_t(col)]->setGeometry(left + header->sectionViewportPosition(col), 0,
                                              header->sectionSize(col), height);
    // Boxes show only where the grid shows its cells.
    setMask(QRegion(left, 0, grid_.viewport()->width(), height));
}

}  // namespace mqt
