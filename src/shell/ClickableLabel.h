// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLabel>

namespace mqt {

// A label that is clicked like a button, as the menu entries are.
class ClickableLabel final : public QLabel {
    Q_OBJECT
public:
    using QLabel::QLabel;

signals:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
};

}  // namespace mqt
