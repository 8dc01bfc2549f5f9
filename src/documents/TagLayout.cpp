// SPDX-License-Identifier: GPL-3.0-or-later
#include "documents/TagLayout.h"

#include "documents/PageSetup.h"

#include <array>

namespace mqt {

namespace {

constexpr double Inch = 72;
constexpr double Mm = 72 / 25.4;

// The common label sheets: 30 labels of 1 x 2-5/8 in on Letter (3 across,
// 10 down), 21 labels of 63.5 x 38.1 mm on A4 (3 across, 7 down); the roll
// label is its own page.
const std::array<TagLayout, 3> Layouts = {{
    {"letter30", "Sheet, 30 labels, Letter (1 x 2-5/8 in)", QPageSize::Letter, {},
     {2.625 * Inch, 1 * Inch}, {0.1875 * Inch, 0.5 * Inch}, {2.75 * Inch, 1 * Inch}, 3, 10},
    {"a4x21", "Sheet, 21 labels, A4 (63.5 x 38.1 mm)", QPageSize::A4, {},
     {63.5 * Mm, 38.1 * Mm}, {7.21 * Mm, 15.15 * Mm}, {66.04 * Mm, 38.1 * Mm}, 3, 7},
    {"roll", "Roll label 2.25 x 1.25 in", QPageSize::Custom, {2.25 * Inch, 1.25 * Inch},
     {2.25 * Inch, 1.25 * Inch}, {0, 0}, {2.25 * Inch, 1.25 * Inch}, 1, 1},
}};

}  // namespace

QPageSize TagLayout::PageSize() const
{
    if (paper != QPageSize::Custom) return QPageSize(paper);
    return QPageSize(rollLabel, QPageSize::Point, QStringLiteral("Label 2.25 x 1.25 in"), QPageSize::ExactMatch);
}

QPointF TagLayout::LabelCorner(int position) const
{
    return firstLabel + QPointF((position % columns) * pitch.width(), (position / columns) * pitch.height());
}

std::span<const TagLayout> TagLayouts() { return Layouts; }

const TagLayout* FindTagLayout(const QString& key)
{
    for (const TagLayout& layout : Layouts)
        if (key == QLatin1String(layout.key)) return &layout;
    return nullptr;
}

const TagLayout& DefaultTagLayout(const QLocale& locale)
{
    return LocalePaperSize(locale).id() == QPageSize::Letter ? Layouts[0] : Layouts[1];
}

}  // namespace mqt
