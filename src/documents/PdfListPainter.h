// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFont>
#include <QPainter>
#include <QPdfWriter>
#include <QString>

namespace mqt {

// What the painters of the program's list documents (the day's takings, the
// end-of-term hand-over lists) share: the page in device units, the size of
// a point, and the line the next text goes on.
class PdfListPainter {
protected:
    PdfListPainter(QPdfWriter& writer, QPainter& painter)
        : writer_(writer), painter_(painter), pt_(writer.resolution() / 72.0), width_(writer.width()),
          height_(writer.height())
    {
    }

    static QFont Font(double sizePt, bool bold)
    {
        QFont font;
        font.setPointSizeF(sizePt);
        font.setBold(bold);
        return font;
    }

    // One line of text across the page, `heightPt` high.
    void Heading(const QString& text, double sizePt, bool bold, double heightPt)
    {
        painter_.setFont(Font(sizePt, bold));
        painter_.drawText(QRectF(0, y_, width_, heightPt * pt_), Qt::AlignLeft | Qt::AlignVCenter, text);
        y_ += heightPt * pt_;
    }

    QPdfWriter& writer_;
    QPainter& painter_;
    const double pt_;
    const double width_;
    const double height_;
    double y_ = 0;
};

}  // namespace mqt
