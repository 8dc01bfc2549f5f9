// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStringList>
#include <QWidget>
#include <vector>

class QLineEdit;

namespace mqt {

class Grid;

// A row of one-line boxes, each as wide as the grid column it stands under
// (or above) and moving with it when the grid scrolls sideways or a column
// is dragged wider. The row sits in the same layout column as the grid. Its
// height never changes: a hidden box leaves its place empty, so showing and
// hiding boxes moves nothing else on the screen; and its width never widens
// the window: boxes beyond the grid's cells are cut off, as its columns are.
class ColumnBoxes final : public QWidget {
    Q_OBJECT
public:
    // One box per name, for the grid's columns 0, 1, ... in order.
    ColumnBoxes(Grid& grid, const QStringList& names, const QFont& font);

    QLineEdit* Box(int col) const { return boxes_[std::size_t(col)]; }
    const std::vector<QLineEdit*>& Boxes() const { return boxes_; }
    void SetBoxesVisible(bool visible);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    // Puts every box under its column.
    void Place();

    Grid& grid_;
    std::vector<QLineEdit*> boxes_;
};

}  // namespace mqt
