// SPDX-License-Identifier: GPL-3.0-or-later
#include "documents/FlowingTable.h"

namespace mqt {

FlowPages FlowTable(const std::vector<FlowRow>& rows, const FlowFrame& frame)
{
    FlowPages flow;
    flow.pages.emplace_back();
    double y = frame.firstTop;
    for (std::size_t r = 0; r < rows.size(); ++r) {
        const bool keep = rows[r].keepWithNext && r + 1 < rows.size();
        const double needed = rows[r].height + (keep ? rows[r + 1].height : 0);
        // A page that holds no row yet takes the row whatever its height.
        if (y + needed > frame.bottom && !flow.pages.back().empty()) {
            flow.pages.emplace_back();
            y = frame.laterTop;
        }
        flow.pages.back().push_back(int(r));
        y += rows[r].height;
    }
    if (y + frame.closingHeight > frame.bottom) flow.pages.emplace_back();
    flow.closingPage = int(flow.pages.size()) - 1;
    return flow;
}

}  // namespace mqt
