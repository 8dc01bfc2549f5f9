// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/MessageLine.h"

#include <QHelpEvent>
#include <QPainter>
#include <QStyle>
#include <QToolTip>

namespace mqt {

namespace {

// The width the line asks for, whatever its text.
constexpr int PreferredCharacters = 40;

}  // namespace

MessageLine::MessageLine(QColor successColour, QWidget* parent) : QLabel(parent), successColour_(successColour)
{
    setObjectName(QStringLiteral("lblMessage"));
    setFont(QFont(QStringLiteral("MS Sans Serif"), 10));
    setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
}

void MessageLine::Show(const QString& text, QColor colour)
{
    QPalette palette = this->palette();
    palette.setColor(QPalette::WindowText, colour);
    setPalette(palette);
    setText(text);
}

QString MessageLine::ShownText() const
{
    return fontMetrics().elidedText(text(), Qt::ElideRight, contentsRect().width());
}

QSize MessageLine::sizeHint() const
{
    return {fontMetrics().averageCharWidth() * PreferredCharacters, minimumSizeHint().height()};
}

QSize MessageLine::minimumSizeHint() const
{
    const QMargins margins = contentsMargins();
    return {margins.left() + margins.right(), fontMetrics().height() + margins.top() + margins.bottom()};
}

void MessageLine::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    style()->drawItemText(&painter, contentsRect(), int(alignment()), palette(), isEnabled(), ShownText(),
                          foregroundRole());
}

bool MessageLine::event(QEvent* event)
{
    if (event->type() != QEvent::ToolTip) return QLabel::event(event);
    const QString cut = CutText();
    if (cut.isEmpty())
        QToolTip::hideText();
    else
        QToolTip::showText(static_cast<QHelpEvent*>(event)->globalPos(), cut, this);
    return true;
}

}  // namespace mqt
