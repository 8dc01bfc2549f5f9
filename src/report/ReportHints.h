// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QWidget;

namespace mqt {

// Tooltips for the report: what each selection box and the advanced search accept.
void SetReportHints(QWidget& form);

}  // namespace mqt
