// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QLabel>

namespace mqt {

// A screen's message line, lblMessage: the outcome of the last action, red
// for a failure and in the screen's own green for a success. A text longer
// than the line is shown cut with "…", the whole text as its tooltip; the
// line never widens its window.
class MessageLine final : public QLabel {
    Q_OBJECT
public:
    static constexpr QColor Red{255, 0, 0};

    MessageLine(QColor successColour, QWidget* parent = nullptr);

    void ShowSuccess(const QString& text) { Show(text, successColour_); }
    void ShowFailure(const QString& text) { Show(text, Red); }

    // The text as the line shows it in its present width.
    QString ShownText() const;
    // The whole text where the line cuts it (its tooltip); empty where it
    // shows whole.
    QString CutText() const { return ShownText() == text() ? QString() : text(); }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void Show(const QString& text, QColor colour);

    QColor successColour_;
};

}  // namespace mqt
