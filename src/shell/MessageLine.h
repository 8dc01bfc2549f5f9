// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QLabel>

namespace mqt {

// A screen's message line, lblMessage: the outcome of the last action, red
// for a failure and in the screen's own green for a success.
class MessageLine final : public QLabel {
    Q_OBJECT
public:
    static constexpr QColor Red{255, 0, 0};

    MessageLine(QColor successColour, QWidget* parent = nullptr);

    void ShowSuccess(const QString& text) { Show(text, successColour_); }
    void ShowFailure(const QString& text) { Show(text, Red); }

private:
    void Show(const QString& text, QColor colour);

    QColor successColour_;
};

}  // namespace mqt
