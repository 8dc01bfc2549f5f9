// SPDX-License-Identifier: GPL-3.0-or-later
#include "documents/FitText.h"

#include <QFontMetricsF>
#include <QTextBoundaryFinder>
#include <vector>

namespace mqt {

QString FitText(const QString& text, const QFontMetricsF& metrics, double width)
{
    const QString line = text.simplified();
    if (metrics.horizontalAdvance(line) <= width) return line;
    const QString dots = QStringLiteral("...");
    // The places the text may be cut, between characters as the reader sees them.
    std::vector<int> cuts;
    QTextBoundaryFinder boundaries(QTextBoundaryFinder::Grapheme, line);
    for (int at = boundaries.toNextBoundary(); at > 0 && at < line.size(); at = boundaries.toNextBoundary())
        cuts.push_back(at);
    // The longest beginning that fits with the dots.
    std::size_t low = 0;
    std::size_t high = cuts.size();
    while (low < high) {
        const std::size_t middle = (low + high + 1) / 2;
        if (metrics.horizontalAdvance(line.left(cuts[middle - 1]).trimmed() + dots) <= width)
            low = middle;
        else
            high = middle - 1;
    }
    if (low == 0) return metrics.horizontalAdvance(dots) <= width ? dots : QString();
    return line.left(cuts[low - 1]).trimmed() + dots;
}

}  // namespace mqt
