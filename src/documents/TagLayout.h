// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLocale>
#include <QPageSize>
#include <QPointF>
#include <QSizeF>
#include <QString>
#include <span>

namespace mqt {

// Where tags go on the paper: a sheet of self-adhesive labels in rows and
// columns, or a roll of single labels for a thermal label printer. Sizes in
// points from the page's top left corner.
struct TagLayout {
    const char* key;      // how the choice is remembered
    const char* caption;  // as offered to choose
    QPageSize::PageSizeId paper;  // QPageSize::Custom for a roll
    QSizeF rollLabel;     // a roll's page: one label (points)
    QSizeF label;         // one label
    QPointF firstLabel;   // the top left corner of the first label
    QSizeF pitch;         // from one label's corner to the next one's, across and down
    int columns;
    int rows;

    int PerPage() const { return columns * rows; }
    QPageSize PageSize() const;
    // The top left corner of the label at a position on the page, 0-based,
    // across the rows.
    QPointF LabelCorner(int position) const;
};

// The layouts offered, the US Letter sheet first.
std::span<const TagLayout> TagLayouts();
// The layout remembered under the key; none for an unknown key.
const TagLayout* FindTagLayout(const QString& key);
// The sheet whose paper the locale uses: Letter in US units, else A4.
const TagLayout& DefaultTagLayout(const QLocale& locale);

}  // namespace mqt
