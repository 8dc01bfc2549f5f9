// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "shell/ColumnBoxes.h"

#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <array>

namespace mqt {

// The entry of a list screen: one box under each grid column for the fields
// of a record, and the notes box with its label for the record's last field.
// They are shown and hidden together.
//
// The routines of a list screen (consignors, items) follow one pattern: Show
// runs ShowLines, which lists the query's records through GetData; a click on
// a row runs Grid_Click, which moves the highlight (FlipGridColor) and runs
// the chosen action (ExecAction); BlankTexts and HideTexts show and hide the
// entry, which cmdUpdate stores; the message line tells how it went.
class EntryBoxes {
public:
    EntryBoxes(ColumnBoxes& boxes, QPlainTextEdit& notes, QLabel& notesLabel)
        : boxes_(boxes), notes_(notes), notesLabel_(notesLabel)
    {
    }

    // Empties every box and shows them.
    void Blank()
    {
        for (QLineEdit* box : boxes_.Boxes()) box->clear();
        notes_.clear();
        SetVisible(true);
    }
    void Hide() { SetVisible(false); }

    // A record of the boxes' fields in column order, the notes last.
    template <std::size_t N>
    std::array<QString, N> Texts() const
    {
        static_assert(N >= 1);
        std::array<QString, N> record;
        for (std::size_t field = 0; field + 1 < N; ++field) record[field] = boxes_.Box(int(field))->text();
        record[N - 1] = notes_.toPlainText();
        return record;
    }
    template <std::size_t N>
    void Fill(const std::array<QString, N>& record)
    {
        for (std::size_t field = 0; field + 1 < N; ++field) boxes_.Box(int(field))->setText(record[field]);
        notes_.setPlainText(record[N - 1]);
    }

private:
    void SetVisible(bool visible)
    {
        boxes_.SetBoxesVisible(visible);
        notes_.setVisible(visible);
        notesLabel_.setVisible(visible);
    }

    ColumnBoxes& boxes_;
    QPlainTextEdit& notes_;
    QLabel& notesLabel_;
};

}  // namespace mqt
