// SPDX-License-Identifier: GPL-3.0-or-later
#include "report/ReportHints.h"

#include "shell/Hints.h"

#include <array>

namespace mqt {

namespace {

const QString TextRules = QStringLiteral(
    "A plain text selects what begins with it, in any case; =x exactly x; <x, >x before or after x;\n"
    "x-y from x to y, both included (a-m: Adams and M, not Mary); = alone the empty ones.");
const QString NumberRules = QStringLiteral(
    "A number selects exactly that; <x less, >x more (an empty price counts as more);\n"
    "x-y from x to y, both included; = alone the empty ones.");
const QString DateRules = QStringLiteral(
    "A date, month/day/year, selects that day; <x before, >x after; x-y from x to y,\n"
    "both included; = alone the empty ones.");

// What each selection box holds, in the grid's column order, with an example.
struct Selection {
    const char* what;
    const QString& rules;
};

const std::array<Selection, 11> Selections = {{
    {"Last name, for example smi (Smith, Smithers) or =Smith", TextRules},
    {"First name, for example al (Al, Alice) or =Al", TextRules},
    {"Description, for example oak (Oak table, oak chair)", TextRules},
    {"Category, for example furn (furniture)", TextRules},
    {"Subcategory, for example tab (tables)", TextRules},
    {"Cost price, for example >100 or 10-50", NumberRules},
    {"Sale price, for example 19.99 or <5", NumberRules},
    {"Date added, for example 1/1/25-3/31/25 or <1/1/24", DateRules},
    {"Date sold, for example >12/1/24, or = for the unsold items", DateRules},
    {"Date paid, for example <1/1/24, or = for the unpaid items", DateRules},
    {"Pay reference, for example ck (ck101, ck102)", TextRules},
}};

}  // namespace

void SetReportHints(QWidget& form)
{
    for (std::size_t i = 0; i < Selections.size(); ++i)
        SetHint(form, QStringLiteral("txtSelect(%1)").arg(i),
                QLatin1String(Selections[i].what) + u'\n' + Selections[i].rules +
                    QStringLiteral("\nAn empty box selects everything."));
    SetHint(form, QStringLiteral("txtSearch"),
            QStringLiteral("Words found anywhere in the consignor's names, the description, category or\n"
                           "subcategory, in any case, joined with and, or, not and parentheses:\n"
                           "    oak and (table or chair) and not broken\n"
                           "not binds before and, and before or. Empty finds every item."));
}

}  // namespace mqt
